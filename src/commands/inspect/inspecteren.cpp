#include "commands/inspect/inspecteren.h"

#include <string>

#include "document/regel.h"

namespace plovena {

std::string TagSleutel(std::string_view regel) {
  std::string_view tag = RuweTag(regel);
  if (!tag.empty() && tag.front() == '@') return std::string(BepaalWaarde(regel));
  return HoofdLetters(tag);
}

// --- Indented view ---

namespace {
constexpr std::size_t kSpatiesPerNiveau = 3;

// An empty (blank) line has no first character: it gets level 0, so it stays the empty line.
std::size_t Inspringniveau(std::string_view kaal) noexcept {
  if (kaal.empty() || kaal.front() < '0' || kaal.front() > '9') return 0;
  return static_cast<std::size_t>(kaal.front() - '0');
}

void Inspringen(std::string_view regel, std::string& uit) {
  std::string_view kaal = Trim(regel);
  uit.assign(kSpatiesPerNiveau * Inspringniveau(kaal), ' ');
  uit.append(kaal);
}
}  // namespace

std::string RegelInspringen(std::string_view regel) {
  std::string uit;
  Inspringen(regel, uit);
  return uit;
}

// The report is the indented document; the document itself is left trimmed, as if indented
// and trimmed again in place. The main view is deliberately not refreshed.
Resultaat ToonMetInspringing(Toestand& t, Omgeving& o) {
  auto& regels = t.werkbestand.Regels();
  RapportBouwer rapport(o, regels.size());
  std::string ingesprongen;
  for (auto& regel : regels) {
    Inspringen(regel, ingesprongen);
    rapport.Regel(ingesprongen);
    regel = Trim(regel);  // a part of the same stored line: stays valid
  }
  return rapport.Klaar(std::string(kRapportKop));
}

// --- Tab-delimited view ---

namespace {
void TabRij(std::string_view regel, std::string& rij) {
  rij.clear();
  rij += BepaalNiveau(regel);
  rij += '\t';
  const std::size_t tag = rij.size();
  rij += RuweTag(regel);
  for (std::size_t i = tag; i < rij.size(); ++i) rij[i] = HoofdLetter(rij[i]);
  rij += '\t';
  rij += BepaalWaarde(regel);
}
}  // namespace

std::string TabRegel(std::string_view regel) {
  std::string rij;
  TabRij(regel, rij);
  return rij;
}

Resultaat ToonTabDelimited(Toestand& t, Omgeving& o) {
  const Regellijst& regels = t.werkbestand;
  RapportBouwer rapport(o, regels.Count());
  std::string rij;
  for (std::size_t i = 0; i < regels.Count(); ++i) {
    TabRij(regels[i], rij);
    rapport.Regel(rij);
  }
  return rapport.Klaar(std::string(kTabDelimitedKop));
}

// --- Person, family and source count ---

RecordTelling TelRecords(const Regellijst& regels, Voortgang& v) {
  RecordTelling telling;
  for (std::size_t i = 0; i < regels.Count(); ++i) {
    std::string_view regel = regels[i];
    if (BepaalNiveau(regel) == '0') {
      // An empty tag is no cross-reference, so such a line is no record line.
      std::string_view tag = RuweTag(regel);
      if (!tag.empty() && tag.front() == '@') {
        std::string_view soort = BepaalWaarde(regel);
        if (GelijkHoofd(soort, "INDI"))
          ++telling.personen;
        else if (GelijkHoofd(soort, "FAM"))
          ++telling.gezinnen;
        else if (GelijkHoofd(soort, "SOUR"))
          ++telling.bronnen;
      }
    }
    StapRegel(v, i, regels.Count());
  }
  return telling;
}

Resultaat TelPersonenGezinnen(Toestand& t, Omgeving& o) {
  VoortgangsVenster venster(o.Balk(), "Voortgang tellen personen en gezinnen", 40);
  RecordTelling telling = TelRecords(t.werkbestand, o.Balk());
  venster.Sluit();

  std::string tekst = "Resultaat telling";
  tekst += NLCR;
  tekst += NLCR;
  tekst += std::to_string(telling.personen) + " personen";
  tekst += NLCR;
  tekst += std::to_string(telling.gezinnen) + " gezinnen";
  tekst += NLCR;
  tekst += std::to_string(telling.bronnen) + " bronnen";
  tekst += NLCR;
  return Resultaat::Bericht(BerichtSoort::Informatie, std::move(tekst));
}

}  // namespace plovena
