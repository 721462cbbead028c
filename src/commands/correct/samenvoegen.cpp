#include <string>
#include <string_view>

#include "commands/correct/correctie.h"
#include "commands/correct/corrigeren.h"
#include "commands/correct/deeltekst.h"
#include "document/regel.h"

namespace plovena {

namespace {

using correctie::Dieper;

bool IsNulregel(std::string_view regel) { return BepaalNiveau(regel) == '0'; }

// The trailer ends a person like the next person or the first family does, so the last
// person's merged line lands before 0 TRLR and not after it.
bool IsTrailer(std::string_view regel) { return IsNulregel(regel) && GelijkHoofd(RuweTag(regel), "TRLR"); }

bool EindigtPersoon(std::string_view regel) {
  if (!IsNulregel(regel)) return false;
  const std::string_view v = BepaalWaarde(regel);
  return v == "INDI" || v == "FAM" || IsTrailer(regel);
}

bool EindigtScan(std::string_view regel) {
  return IsNulregel(regel) && (BepaalWaarde(regel) == "FAM" || IsTrailer(regel));
}

// One run of either merge over the whole document, in a single pass: kept lines move down to
// the write index w, the merged line of a person is written at its place, nothing is erased
// or inserted in the middle. The literal walk, which deletes and inserts in place, would stand
// at index w in a list of w + (n - rd) lines: the written lines, then the unread ones. Its
// progress steps are taken with those figures. Since every merged line follows at least one
// removed line, w never passes rd, so the unread lines (and the look-ahead to CITY) are
// never overwritten. The end of the document ends a person and the scan; reached by the outer
// scan itself, it ends the scan without a further step.
std::size_t VoegSamen(Regellijst& wb, Voortgang& balk, bool plaatsen) {
  const std::string_view tag = plaatsen ? "RESI" : "OCCU";
  auto& r = wb.Regels();
  const std::size_t n = r.size();
  std::size_t rd = 0, w = 0, verwijderd = 0;
  const correctie::GatSluiter sluiter(r, w, rd);  // also copies the lines after the scan's end
  std::string samen;
  Deeltekst gezien;  // the lower-case form of samen, for the duplicate test
  auto stap = [&](std::size_t extra) { StapRegel(balk, w, w + extra + (n - rd)); };

  auto verzamel = [&](std::string_view waarde) {
    if (waarde.empty()) return;
    const std::string klein = KleineLetters(waarde);
    if (samen.empty()) {
      samen = plaatsen ? std::string(waarde) : klein;
      gezien.VoegToe(klein);
    } else if (!gezien.Bevat(klein)) {
      samen += ", ";
      samen += plaatsen ? waarde : std::string_view(klein);
      gezien.VoegToe(", ");
      gezien.VoegToe(klein);
    }
  };

  while (rd < n) {
    const std::string_view regel = r[rd];
    r[w++] = r[rd++];
    if (!(IsNulregel(regel) && BepaalWaarde(regel) == "INDI")) {
      stap(0);
      if (EindigtScan(regel)) break;
      continue;
    }

    samen.clear();
    gezien.Wis();
    while (rd < n && !EindigtPersoon(r[rd])) {
      const std::string_view x = r[rd];
      if (BepaalNiveau(x) != '1' || !GelijkHoofd(RuweTag(x), tag)) {
        r[w++] = r[rd++];
        continue;
      }
      // The residence merge expects RESI, ADDR, CITY: the city is looked for only two lines
      // below, before the structure goes; a RESI line too near the end has none.
      if (!plaatsen)
        verzamel(BepaalWaarde(x));
      else if (rd + 2 < n && GelijkHoofd(RuweTag(r[rd + 2]), "CITY"))
        verzamel(BepaalWaarde(r[rd + 2]));
      ++rd;
      ++verwijderd;
      while (rd < n && Dieper(BepaalNiveau(r[rd]), '1')) {
        ++rd;
        ++verwijderd;
      }
    }

    // The person ended at the next person, the first family, the trailer or the end.
    const bool klaar = rd == n || EindigtScan(r[rd]);
    if (samen.empty()) {
      stap(0);
      if (klaar) break;
      continue;
    }
    std::string nieuw(plaatsen ? "1 RESI " : "1 OCCU ");
    nieuw += samen;
    r[w++] = wb.Bewaar(nieuw);
    // The literal index stands on the inserted line. It is written before the step, so that an
    // error there leaves it in place, as in the literal walk.
    StapRegel(balk, w - 1, w + (n - rd));
    if (klaar) break;
    stap(0);  // the outer scan passes over the inserted line
  }
  return verwijderd;
}

}  // namespace

Resultaat BeroepenSamenvoegen(Toestand& t, Omgeving& o) {
  return correctie::Voer(t, o, "De beroepen per persoon samenvoegen?", "Voortgang beroepen samenvoegen",
                         "verwijderd uit het werkbestand.",
                         [](Regellijst& wb, Voortgang& balk) { return VoegSamen(wb, balk, false); });
}

Resultaat PlaatsenSamenvoegen(Toestand& t, Omgeving& o) {
  return correctie::Voer(t, o, "De woonplaatsen per persoon samenvoegen?", "Voortgang plaatsen samenvoegen",
                         "verwijderd uit het werkbestand.",
                         [](Regellijst& wb, Voortgang& balk) { return VoegSamen(wb, balk, true); });
}

}  // namespace plovena
