#include <string>
#include <string_view>

#include "commands/correct/correctie.h"
#include "commands/correct/corrigeren.h"
#include "document/regel.h"

namespace plovena {

namespace {

using correctie::IsCijfer;

// Rewrites, in place, every NOTE line that continues a run of NOTE lines at one level as a CONT
// line one level deeper. Levels are numbers here; a NOTE or CONC line whose level is no digit
// (a blank line, a stray text line) neither starts a group nor belongs to one. A group that
// reaches the end of the document ends there.
std::size_t MaakVervolgregels(Regellijst& wb, Voortgang& balk) {
  const std::size_t n = wb.Count();
  std::size_t i = 0, aangepast = 0;
  while (i < n) {
    const std::string_view regel = wb[i];
    const std::string_view tag = RuweTag(regel);
    const char niveau = BepaalNiveau(regel);
    const bool note = GelijkHoofd(tag, "NOTE");
    if ((note || GelijkHoofd(tag, "CONC")) && IsCijfer(niveau)) {
      // A CONC line continues the note one level up; at level 0 that gives -1.
      const int groep = (niveau - '0') - (note ? 0 : 1);
      const std::string cont = std::to_string(groep + 1) + " CONT ";
      for (++i; i < n; ++i) {
        const std::string_view x = wb[i];
        const char xn = BepaalNiveau(x);
        if (!GelijkHoofd(RuweTag(x), "NOTE") || !IsCijfer(xn)) break;
        const int xniveau = xn - '0';
        if (xniveau < groep) break;
        if (xniveau == groep) {
          wb.Vervang(i, cont + std::string(BepaalWaarde(x)));
          ++aangepast;
        }
      }
    } else {
      ++i;
    }
    StapRegel(balk, i, n);
  }
  return aangepast;
}

}  // namespace

Resultaat PasNoteTagsAan(Toestand& t, Omgeving& o) {
  return correctie::Voer(t, o, "Vervolgregels notities aanpassen (NOTE/CONT)?", "Voortgang tags verwijderen",
                         "aangepast.", MaakVervolgregels);
}

}  // namespace plovena
