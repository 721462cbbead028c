#include <string>
#include <string_view>

#include "commands/correct/correctie.h"
#include "commands/correct/corrigeren.h"
#include "document/regel.h"

namespace plovena {

std::optional<std::string> NaamMetAchternaam(std::string_view regel) {
  if (BepaalNiveau(regel) != '1' || !GelijkHoofd(RuweTag(regel), "NAME")) return std::nullopt;
  const std::string_view waarde = BepaalWaarde(regel);
  const std::size_t p = waarde.find("//");
  if (p == std::string_view::npos) return std::nullopt;
  std::string uit("1 NAME ");
  uit += waarde.substr(0, p);
  uit += "/-/";
  return uit;
}

Resultaat ZonderAchternaam(Toestand& t, Omgeving& o) {
  return correctie::Voer(t, o, "Persoonsnamen zonder achternaam aanpassen?",
                         "Voortgang personen zonder achternaam", "aangepast in het werkbestand.",
                         [](Regellijst& wb, Voortgang& balk) {
                           std::size_t aangepast = 0;
                           const std::size_t n = wb.Count();
                           for (std::size_t i = 0; i < n; ++i) {
                             if (auto nieuw = NaamMetAchternaam(wb[i])) {
                               wb.Vervang(i, *nieuw);
                               ++aangepast;
                             }
                             StapRegel(balk, i + 1, n);
                           }
                           return aangepast;
                         });
}

}  // namespace plovena
