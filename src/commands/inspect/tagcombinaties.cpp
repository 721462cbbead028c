#include <algorithm>
#include <numeric>
#include <string>

#include "commands/inspect/inspecteren.h"
#include "document/collatie.h"
#include "document/regel.h"

namespace plovena {

namespace {

// Length of the combination after cutting its last n elements. The first cut keeps the last
// TAB, so an empty last element goes as one element; every further cut drops that TAB and the
// element before it. The first element is never removed, also when it is empty (a combination
// that begins with a TAB): a cut must never glue two keys together. eersteTab is the position
// of the first TAB (npos when there is none); the search never goes below it, so a cut reads
// only what it removes and the walk stays linear however long the record's key is.
std::size_t IngekorteLengte(std::string_view c, int n, std::size_t eersteTab) noexcept {
  std::size_t lengte = c.size();
  if (eersteTab == std::string_view::npos) return lengte;
  for (int k = 0; k < n; ++k) {
    const std::size_t eind = k == 0 ? lengte : lengte - 1;
    if (eind <= eersteTab) break;
    lengte = c.substr(0, eind).rfind('\t') + 1;  // finds eersteTab at the latest
  }
  return lengte;
}

std::string NiveauFout(std::size_t index, char niveau) {
  std::string tekst = "Fout in regel " + std::to_string(index + 1) + ": het niveau ";
  // Only a printable ASCII character is named: a stray byte could spoil the message.
  if (niveau > ' ' && niveau < 127) {
    tekst += '"';
    tekst += niveau;
    tekst += "\" ";
  }
  tekst += "is geen cijfer. De tag-combinaties kunnen niet worden bepaald.";
  return tekst;
}

}  // namespace

std::string CombinatieInkorten(std::string_view combinatie, int n) {
  return std::string(combinatie.substr(0, IngekorteLengte(combinatie, n, combinatie.find('\t'))));
}

bool CombinatieLijst::Toevoegen(const std::string& combinatie) {
  // Equal bytes are equal in the collation: only a text never met costs a sort key.
  if (gezien_.contains(combinatie)) return false;
  gezien_.insert(combinatie);
  std::string sleutel = Collatie::Standaard().Sorteersleutel(combinatie);
  if (!sleutelset_.insert(sleutel).second) return false;
  lijst_.push_back(combinatie);
  sleutels_.push_back(std::move(sleutel));
  return true;
}

void CombinatieLijst::Sorteer() {
  std::vector<std::size_t> volgorde(lijst_.size());
  std::iota(volgorde.begin(), volgorde.end(), 0);
  std::sort(volgorde.begin(), volgorde.end(),
            [&](std::size_t a, std::size_t b) { return sleutels_[a] < sleutels_[b]; });
  std::vector<std::string> lijst, sleutels;
  lijst.reserve(lijst_.size());
  sleutels.reserve(lijst_.size());
  for (std::size_t k : volgorde) {
    lijst.push_back(std::move(lijst_[k]));
    sleutels.push_back(std::move(sleutels_[k]));
  }
  lijst_ = std::move(lijst);
  sleutels_ = std::move(sleutels);
}

CombinatieLijst TagCombinaties(const Regellijst& regels, Voortgang& v) {
  CombinatieLijst lijst;
  std::string huidig;
  std::size_t eersteTab = std::string::npos;  // of huidig
  int vorige = 0;
  // The first line that is not passed over starts the combination, even after blank lines.
  bool eerste = true;
  for (std::size_t i = 0; i < regels.Count(); ++i) {
    std::string_view regel = regels[i];
    char teken = BepaalNiveau(regel);
    // A blank line (level ' ') adds nothing and keeps the previous level.
    if (teken != ' ') {
      if (teken < '0' || teken > '9') throw OpdrachtFout(NiveauFout(i, teken));
      const int niveau = teken - '0';
      std::string sleutel = TagSleutel(regel);
      if (niveau > vorige) {
        if (eersteTab == std::string::npos) eersteTab = huidig.size();
        huidig += '\t';
        huidig += sleutel;
      } else {
        if (!eerste) lijst.Toevoegen(huidig);
        if (eerste || niveau == 0) {
          huidig = std::move(sleutel);
          eersteTab = huidig.find('\t');  // a key may hold a TAB of its own
        } else {
          huidig.resize(IngekorteLengte(huidig, vorige - niveau + 1, eersteTab));
          huidig += sleutel;
        }
      }
      eerste = false;
      vorige = niveau;
    }
    v.Stap();
  }
  // The pending combination goes through the same duplicate test, so the list stays distinct.
  lijst.Toevoegen(huidig);
  return lijst;
}

Resultaat StructuurAnalyseren(Toestand& t, Omgeving& o) {
  const Regellijst& regels = t.werkbestand;
  VoortgangsVenster venster(o.Balk(), "Voortgang tag-combinaties bepalen", static_cast<int>(regels.Count()));
  CombinatieLijst lijst = TagCombinaties(regels, o.Balk());
  venster.Sluit();

  std::string vraag = "Bestand verwerkt";
  vraag += NLCR;
  vraag += NLCR;
  vraag += "Aantal regels: " + std::to_string(regels.Count());
  vraag += NLCR;
  vraag += "Aantal combinaties: " + std::to_string(lijst.Aantal());
  vraag += NLCR;
  vraag += NLCR;
  vraag += "Overzicht sorteren op alfabet?";
  if (o.Bevestig(vraag)) lijst.Sorteer();

  Regellijst rapport;
  rapport.Regels().reserve(lijst.Aantal());
  for (const std::string& c : lijst.Lijst()) rapport.VoegToe(c);
  return Resultaat::Rapport(std::move(rapport), std::string(kRapportKop));
}

}  // namespace plovena
