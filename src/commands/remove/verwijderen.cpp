#include "commands/remove/verwijderen.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "commands/opdrachten.h"
#include "document/collatie.h"

namespace plovena {

namespace {

// Levels compare as bytes: a byte above 127 is deeper than any digit, a blank line (' ') is
// shallower than all of them.
bool Dieper(char niveau, char blokniveau) noexcept {
  return static_cast<unsigned char>(niveau) > static_cast<unsigned char>(blokniveau);
}

bool HeeftKleineLetters(std::string_view tekst) noexcept {
  return std::any_of(tekst.begin(), tekst.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string Vraag(std::string_view zin) {
  std::string s(zin);
  s += NLCR;
  s += kDuurtEven;
  return s;
}

Resultaat Verslag(std::string_view voor, std::size_t aantal, std::string_view na) {
  Resultaat r = Resultaat::Bericht(BerichtSoort::Informatie,
                                   std::string(voor) + std::to_string(aantal) + std::string(na));
  r.ververs = true;
  return r;
}

// One pass over the lines from a start index. Kept lines move down to the write index, removed
// lines are skipped, so the walk reads the lines the one-at-a-time deletion would read: its
// index is the write index, its line count the write index plus the lines not yet read.
class Doorloop {
 public:
  Doorloop(Regellijst& wb, std::size_t begin)
      : r_(wb.Regels()), n_(r_.size()), lees_(std::min(begin, n_)), schrijf_(lees_) {}
  // A walk stopped by an error (out of memory, a failing bar) still closes its gap, so the
  // document is what the one-at-a-time deletion would have left at that point.
  ~Doorloop() { Sluit(); }
  Doorloop(const Doorloop&) = delete;
  Doorloop& operator=(const Doorloop&) = delete;

  bool Einde() const noexcept { return lees_ >= n_; }
  std::string_view Regel() const { return r_[lees_]; }
  void Houd() { r_[schrijf_++] = r_[lees_++]; }
  void Verwijder() noexcept {
    ++lees_;
    ++weg_;
  }
  // After a removed line: does the line now at the index still belong to the block?
  bool InBlok(char blokniveau) const { return !Einde() && Dieper(BepaalNiveau(r_[lees_]), blokniveau); }
  void Stap(Voortgang& v) const { StapRegel(v, schrijf_, schrijf_ + (n_ - lees_)); }

  // Keeps the lines the walk did not reach and drops the gap; returns the lines removed.
  std::size_t Sluit() noexcept {
    if (schrijf_ != lees_) std::move(r_.begin() + lees_, r_.end(), r_.begin() + schrijf_);
    r_.resize(schrijf_ + (n_ - lees_));
    lees_ = schrijf_ = r_.size();
    n_ = r_.size();
    return weg_;
  }

 private:
  std::vector<std::string_view>& r_;
  std::size_t n_;
  std::size_t lees_;
  std::size_t schrijf_;
  std::size_t weg_ = 0;
};

// InTagTekst of a line's tag against one text. A selection of many tags is a long text, and a
// document repeats a few distinct tags, so the answer is kept per tag. Tags with a byte the
// text lacks (every cross-reference when the text has no '@') are refused without a search.
class TagToets {
 public:
  explicit TagToets(std::string_view tekst) : tekst_(tekst) {
    for (char c : tekst) inTekst_[static_cast<unsigned char>(c)] = true;
  }

  // regel must point into the document's storage, which outlives this test.
  bool Treft(std::string_view regel) {
    std::string_view tag = RuweTag(regel);
    if (tag.empty() || !inTekst_[static_cast<unsigned char>(HoofdLetter(tag.front()))]) return false;
    if (tekst_.size() <= kKort) return Zoek(tag);
    // Each distinct tag as written (lower case too) is searched once. No limit on the map: one
    // would let a run of rare tags early in the document send every later line through the text.
    auto [plek, nieuw] = antwoorden_.try_emplace(tag, false);
    if (nieuw) plek->second = Zoek(tag);
    return plek->second;
  }

 private:
  bool Zoek(std::string_view tag) const {
    return HeeftKleineLetters(tag) ? InTagTekst(HoofdLetters(tag), tekst_) : InTagTekst(tag, tekst_);
  }

  static constexpr std::size_t kKort = 64;  // shorter texts are searched faster than hashed
  std::string_view tekst_;
  bool inTekst_[256] = {};
  std::unordered_map<std::string_view, bool> antwoorden_;
};

bool IsBronregel(std::string_view regel) noexcept {
  return GelijkHoofd(BepaalWaarde(regel), "SOUR") || GelijkHoofd(RuweTag(regel), "SOUR");
}

bool IsGezin(std::string_view regel) noexcept { return BepaalWaarde(regel) == "FAM"; }

std::string_view TrimLinks(std::string_view tekst) noexcept {
  std::size_t b = 0;
  while (b < tekst.size() && static_cast<unsigned char>(tekst[b]) <= 32) ++b;
  return tekst.substr(b);
}

}  // namespace

std::size_t BeginBlok(const Regellijst& wb, std::string_view recordtype) {
  for (std::size_t i = 0; i < wb.Count(); ++i) {
    std::string_view regel = wb[i];
    if (BepaalNiveau(regel) == '0' && GelijkHoofd(BepaalWaarde(regel), recordtype)) return i + 1;
  }
  return wb.Count();
}

std::vector<std::string> VerzamelTags(const Regellijst& wb) {
  const Collatie& collatie = Collatie::Standaard();
  std::deque<std::string> kopieen;              // upper-cased tags the document wrote in lower case
  std::unordered_set<std::string_view> gezien;  // every tag text met, offered or not
  std::string hoofd;
  std::unordered_set<std::string> sleutels;                // collation keys of the offered tags
  std::vector<std::pair<std::string, std::string>> lijst;  // key, tag
  for (std::size_t i = 0; i < wb.Count(); ++i) {
    std::string_view tag = RuweTag(wb[i]);
    // An empty tag (blank line, level only, "10 NOTE") would be an empty entry: passed over.
    if (tag.empty()) continue;
    if (tag.front() == '@') continue;
    const bool kopie = HeeftKleineLetters(tag);
    if (kopie) tag = hoofd = HoofdLetters(tag);
    if (gezien.contains(tag)) continue;
    if (kopie) tag = kopieen.emplace_back(hoofd);
    gezien.insert(tag);
    if (InTagTekst(tag, kBeschermdeTags)) continue;
    // Tags equal in the collation are one entry: the first met stays.
    std::string sleutel = collatie.Sorteersleutel(tag);
    if (sleutels.insert(sleutel).second) lijst.emplace_back(std::move(sleutel), std::string(tag));
  }
  std::sort(lijst.begin(), lijst.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> tags;
  tags.reserve(lijst.size());
  for (auto& [sleutel, tag] : lijst) tags.push_back(std::move(tag));
  return tags;
}

Resultaat TagsVerwijderen(Toestand& t, Omgeving& o) {
  std::vector<std::string> tags = VerzamelTags(t.werkbestand);
  if (tags.empty()) {
    Resultaat r = Resultaat::Bericht(BerichtSoort::Gewoon, std::string(kGeenTagsMeer));
    r.geweigerd = true;
    return r;
  }
  return o.KiesTags(t, std::move(tags));
}

Resultaat GeselecteerdeTagsVerwijderen(Toestand& t, Omgeving& o, const std::string& selectie) {
  const std::string tekst = HoofdLetters(selectie);
  if (!o.Bevestig(Vraag("De geselecteerd tag(s) incl. subtags verwijderen?"))) return {};

  VoortgangsVenster venster(o.Balk(), "Voortgang tags verwijderen", 40);
  Doorloop d(t.werkbestand, BeginBlok(t.werkbestand, "INDI"));
  TagToets toets(tekst);
  while (!d.Einde()) {
    std::string_view regel = d.Regel();
    if (toets.Treft(regel)) {
      const char blokniveau = BepaalNiveau(regel);
      do d.Verwijder();
      while (d.InBlok(blokniveau));
    } else {
      d.Houd();
    }
    d.Stap(o.Balk());
  }
  const std::size_t weg = d.Sluit();
  venster.Sluit();

  t.lastDelTags = std::string(Trim(tekst));
  return Verslag("Er zijn ", weg, " regels verwijderd uit het werkbestand.");
}

Resultaat BronnenVerwijderen(Toestand& t, Omgeving& o) {
  if (!o.Bevestig(Vraag("Alle bronnen en de verwijzingen ernaar verwijderen?"))) return {};

  VoortgangsVenster venster(o.Balk(), "Voortgang bronnen verwijderen", 40);
  Doorloop d(t.werkbestand, BeginBlok(t.werkbestand, "INDI"));
  while (!d.Einde()) {
    std::string_view regel = d.Regel();
    if (IsBronregel(regel)) {
      // Here the bar is tested after every removed line, not once per block.
      const char blokniveau = BepaalNiveau(regel);
      do {
        d.Verwijder();
        d.Stap(o.Balk());
      } while (d.InBlok(blokniveau));
    } else {
      d.Houd();
      d.Stap(o.Balk());
    }
  }
  const std::size_t weg = d.Sluit();
  venster.Sluit();

  Resultaat r =
      Verslag("Er zijn ", weg, " regels met bronnen en verwijzingen verwijderd uit het werkbestand.");
  r.zetUit = true;
  return r;
}

Resultaat GezinsTagsVerwijderen(Toestand& t, Omgeving& o) {
  if (!o.Bevestig(Vraag("De overtollige FAM-tag(s) incl. subtags verwijderen?"))) return {};

  VoortgangsVenster venster(o.Balk(), "Voortgang FAM-tags verwijderen", 40);
  Doorloop d(t.werkbestand, BeginBlok(t.werkbestand, "FAM"));
  // The record type in force is tested on the start line too: when the first family record has
  // no sub-lines the walk starts on the next record's opening line, which must not be cleaned
  // as a family unless it is one.
  bool inGezin = d.Einde() || BepaalNiveau(d.Regel()) != '0' || IsGezin(d.Regel());
  while (!d.Einde() && inGezin) {
    std::string_view regel = d.Regel();
    if (InTagTekst(HoofdLetters(RuweTag(regel)), kGezinsTags)) {
      const char blokniveau = BepaalNiveau(regel);
      do d.Verwijder();
      while (d.InBlok(blokniveau));
    } else {
      d.Houd();
    }
    // At the end of the document the walk stops before the progress test.
    if (d.Einde()) break;
    if (BepaalNiveau(d.Regel()) == '0') inGezin = IsGezin(d.Regel());
    d.Stap(o.Balk());
  }
  const std::size_t weg = d.Sluit();
  venster.Sluit();

  t.lastDelTags = std::string(kGezinsTags);
  Resultaat r = Verslag("Er zijn ", weg, " regels verwijderd uit het werkbestand.");
  r.zetUit = true;
  return r;
}

Tagkeuze KiesUitTagTekst(const std::vector<std::string>& tags, std::string_view tagtekst) {
  Tagkeuze gekozen(tags.size());
  for (std::size_t i = 0; i < tags.size(); ++i) gekozen[i] = InTagTekst(tags[i], tagtekst);
  return gekozen;
}

Tagkeuze Standaardkeuze(const std::vector<std::string>& tags) {
  return KiesUitTagTekst(tags, kStandaardkeuze);
}

std::optional<Tagkeuze> LaatstGebruikt(const std::vector<std::string>& tags, std::string_view lastDelTags) {
  if (lastDelTags.empty()) return std::nullopt;
  return KiesUitTagTekst(tags, lastDelTags);
}

Tagkeuze CliSelectie(const std::vector<std::string>& tags, std::string_view tagsTekst) {
  return KiesUitTagTekst(tags, HoofdLetters(tagsTekst));
}

std::string SelectieTekst(const std::vector<std::string>& tags, const Tagkeuze& gekozen) {
  std::string tekst;
  const std::size_t n = std::min(tags.size(), gekozen.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (!gekozen[i]) continue;
    if (i == 0) {
      tekst += TrimLinks(tags[0]);
    } else {
      tekst += ' ';
      tekst += tags[i];
    }
  }
  return HoofdLetters(tekst);
}

Resultaat VerwijderingUitvoeren(Toestand& t, Omgeving& o, const std::vector<std::string>& tags,
                                const Tagkeuze& gekozen) {
  const std::size_t n = std::min(tags.size(), gekozen.size());
  if (std::none_of(gekozen.begin(), gekozen.begin() + static_cast<std::ptrdiff_t>(n),
                   [](bool b) { return b; })) {
    Resultaat r = Resultaat::Bericht(BerichtSoort::Waarschuwing, std::string(kNietsGeselecteerd));
    r.geweigerd = true;
    return r;
  }
  return GeselecteerdeTagsVerwijderen(t, o, SelectieTekst(tags, gekozen));
}

}  // namespace plovena
