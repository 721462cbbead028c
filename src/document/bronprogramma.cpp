#include "document/bronprogramma.h"

#include "document/regel.h"
#include "document/werkbestand.h"

namespace plovena {

Bronprogrammainfo BepaalBronprogramma(const Regellijst& wb, std::string_view inputbestandsnaam) {
  Bronprogrammainfo info;
  std::string tekst = "Informatie over ingelezen bestand";
  tekst += NLCR;
  tekst += NLCR;
  tekst += "Bestandsnaam: ";
  tekst += Bestandsnaamdeel(inputbestandsnaam);

  // The scan's counter is 8 bits wide: only lines 0..255 are looked at. Running off the end of
  // the document or past index 255 counts as finding no SOUR line.
  const std::size_t grens = wb.Count() < 256 ? wb.Count() : 256;
  std::size_t i = 0;
  bool sour = false;
  std::string_view waarde;
  while (i < grens) {
    std::string_view regel = wb[i];
    const bool eerste = (i == 0);
    ++i;
    if (GelijkHoofd(RuweTag(regel), "SOUR")) {
      sour = true;
      waarde = BepaalWaarde(regel);
      break;
    }
    if (!eerste && BepaalNiveau(regel) == '0') break;
  }

  if (sour) {
    info.bronprogramma = HoofdLetters(waarde);
    tekst += NLCR;
    tekst += "Bronprogramma: ";
    tekst += info.bronprogramma;
    if (i < wb.Count() && GelijkHoofd(RuweTag(wb[i]), "VERS")) {
      tekst += NLCR;
      tekst += "Programmaversie: ";
      tekst += BepaalWaarde(wb[i]);
    }
  } else {
    info.bronprogramma = "ONBEKEND";
    tekst += NLCR;
    tekst += "Bronprogramma: ONBEKEND";
    tekst += NLCR;
    tekst += "Programmaversie: ONBEKEND";
  }
  info.tekst = std::move(tekst);
  return info;
}

}  // namespace plovena
