#include <string>
#include <string_view>

#include "commands/correct/correctie.h"
#include "commands/correct/corrigeren.h"
#include "document/regel.h"

namespace plovena {

std::optional<std::string> VerbeterdeBronregel(std::string_view regel) {
  const char niveau = BepaalNiveau(regel);
  const std::string_view tag = RuweTag(regel);
  const std::string_view waarde = BepaalWaarde(regel);
  std::string uit(1, niveau);
  // A reference written without its '@' characters.
  if (GelijkHoofd(tag, "SOUR") && !waarde.empty() && (waarde[0] == 'S' || waarde[0] == 's')) {
    uit += " SOUR @";
    uit += waarde;
    uit += '@';
    return uit;
  }
  // The cross-reference in the tag position, the tag in the value position. A record line
  // (level 0) is a real source record and stays.
  if (GelijkHoofd(waarde, "SOUR") && !tag.empty() && tag[0] == '@' && correctie::Dieper(niveau, '0')) {
    uit += " SOUR ";
    uit += HoofdLetters(tag);
    return uit;
  }
  return std::nullopt;
}

Resultaat VerbeterHaza21Bronnen(Toestand& t, Omgeving& o) {
  if (t.bronprogramma == "PRO-GEN") {
    Resultaat r = Resultaat::Bericht(BerichtSoort::Informatie, "Niet zinvol voor Pro-Gen bestand");
    r.geweigerd = true;
    return r;
  }
  return correctie::Voer(t, o, "Afwijkende SOUR-tags verbeteren?", "Voortgang tags verbeteren",
                         "verbeterd in het werkbestand.", [](Regellijst& wb, Voortgang& balk) {
                           std::size_t verbeterd = 0;
                           const std::size_t n = wb.Count();
                           for (std::size_t i = 0; i < n; ++i) {
                             if (auto nieuw = VerbeterdeBronregel(wb[i])) {
                               wb.Vervang(i, *nieuw);
                               ++verbeterd;
                             }
                             StapRegel(balk, i + 1, n);
                           }
                           return verbeterd;
                         });
}

}  // namespace plovena
