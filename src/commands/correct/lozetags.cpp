#include <string_view>

#include "commands/correct/correctie.h"
#include "commands/correct/corrigeren.h"
#include "document/regel.h"

namespace plovena {

using correctie::Dieper;

bool LozeTag(const Regellijst& regels, std::size_t index) {
  if (index >= regels.Count()) return false;
  const std::string_view regel = regels[index];
  const std::string_view tag = RuweTag(regel);
  if (GelijkHoofd(tag, "OCCU")) return BepaalWaarde(regel).empty();
  if (!GelijkHoofd(tag, "RESI")) return false;
  // The line that ends the structure has its tag tested too: an ADDR directly after the
  // structure keeps it.
  const char niveau = BepaalNiveau(regel);
  for (std::size_t j = index + 1; j < regels.Count(); ++j) {
    if (GelijkHoofd(RuweTag(regels[j]), "ADDR")) return false;
    if (!Dieper(BepaalNiveau(regels[j]), niveau)) return true;
  }
  return true;
}

namespace {

// One pass with read index rd and write index w; the literal walk, deleting in place, would
// stand at w in a list of w + (n - rd) lines, and its progress is stepped with those figures.
// LozeTag only reads from rd on, which the writes below rd never touch.
std::size_t VerwijderLozeTags(Regellijst& wb, Voortgang& balk) {
  auto& r = wb.Regels();
  const std::size_t n = r.size();
  std::size_t rd = 0, w = 0, verwijderd = 0;
  const correctie::GatSluiter sluiter(r, w, rd);
  while (rd < n) {
    if (LozeTag(wb, rd)) {
      const char niveau = BepaalNiveau(r[rd]);
      ++rd;
      ++verwijderd;
      while (rd < n && Dieper(BepaalNiveau(r[rd]), niveau)) {
        ++rd;
        ++verwijderd;
      }
    } else {
      r[w++] = r[rd++];
    }
    StapRegel(balk, w, w + (n - rd));
  }
  return verwijderd;
}

}  // namespace

Resultaat VerwijderHaza21Problemen(Toestand& t, Omgeving& o) {
  return correctie::Voer(t, o, "Loze OCCU- en RESI- tags verwijderen?", "Voortgang tags verwijderen",
                         "verwijderd uit het werkbestand.", VerwijderLozeTags);
}

}  // namespace plovena
