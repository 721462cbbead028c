#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "commands/inspect/inspecteren.h"
#include "document/collatie.h"
#include "document/regel.h"

namespace plovena {

std::vector<std::string> TagLijst(const Regellijst& regels) {
  const Collatie& collatie = Collatie::Standaard();
  std::vector<std::string> tags;
  std::vector<std::string> sleutels;  // sort key of each entry, same index
  std::unordered_set<std::string> sleutelset;
  // Texts already met, entry or not: most lines repeat a key, and equal bytes are equal in the
  // collation, so only a text never met before costs a sort key.
  std::unordered_set<std::string> gezien;
  for (std::size_t i = 0; i < regels.Count(); ++i) {
    std::string sleutel = TagSleutel(regels[i]);
    if (gezien.contains(sleutel)) continue;
    std::string sorteer = collatie.Sorteersleutel(sleutel);
    gezien.insert(sleutel);
    if (!sleutelset.insert(sorteer).second) continue;  // equal to an entry: the first text stays
    tags.push_back(std::move(sleutel));
    sleutels.push_back(std::move(sorteer));
  }

  std::vector<std::size_t> volgorde(tags.size());
  std::iota(volgorde.begin(), volgorde.end(), 0);
  std::sort(volgorde.begin(), volgorde.end(),
            [&](std::size_t a, std::size_t b) { return sleutels[a] < sleutels[b]; });
  std::vector<std::string> gesorteerd;
  gesorteerd.reserve(tags.size());
  for (std::size_t k : volgorde) gesorteerd.push_back(std::move(tags[k]));
  return gesorteerd;
}

std::vector<std::size_t> TelVermeldingen(const Regellijst& regels, const std::vector<std::string>& tags) {
  std::unordered_map<std::string_view, std::size_t> plaats;
  plaats.reserve(tags.size());
  // Most values match no entry; a text whose length no entry has needs no hashing.
  std::vector<bool> lengte;
  for (std::size_t k = 0; k < tags.size(); ++k) {
    plaats.emplace(tags[k], k);
    if (lengte.size() <= tags[k].size()) lengte.resize(tags[k].size() + 1);
    lengte[tags[k].size()] = true;
  }
  std::vector<std::size_t> aantallen(tags.size(), 0);
  auto tel = [&](std::string_view tekst) {
    if (tekst.size() >= lengte.size() || !lengte[tekst.size()]) return;
    if (auto p = plaats.find(tekst); p != plaats.end()) ++aantallen[p->second];
  };
  for (std::size_t i = 0; i < regels.Count(); ++i) {
    std::string tag = BepaalTag(regels[i]);
    std::string_view waarde = BepaalWaarde(regels[i]);
    tel(tag);
    if (waarde != tag) tel(waarde);  // once per entry
  }
  return aantallen;
}

Resultaat TagsAnalyseren(Toestand& t, Omgeving& o) {
  const Regellijst& regels = t.werkbestand;
  std::vector<std::string> tags = TagLijst(regels);

  std::string vraag = "In het werkbestand zijn " + std::to_string(tags.size()) + " tags gevonden. ";
  vraag += NLCR;
  vraag += "Het aantal vermeldingen per tag tellen?";
  vraag += NLCR;
  vraag += "Bij grote bestanden kan dat wel even duren.";
  if (!o.Bevestig(vraag)) return {};

  VoortgangsVenster venster(o.Balk(), "Voortgang tags tellen", static_cast<int>(tags.size()));
  std::vector<std::size_t> aantallen = TelVermeldingen(regels, tags);
  Regellijst rapport;
  rapport.Regels().reserve(tags.size());
  std::string rij;
  for (std::size_t k = 0; k < tags.size(); ++k) {
    rij = tags[k];
    rij += '\t';
    rij += std::to_string(aantallen[k]);
    rapport.VoegToe(rij);
    o.Balk().Stap();
  }
  venster.Sluit();
  return Resultaat::Rapport(std::move(rapport), std::string(kRapportKop));
}

}  // namespace plovena
