#pragma once

// What must hold after any command of the table on any document, whatever its bytes: shared by
// the fuzz targets and the real-files test. Every check returns an empty text when all holds,
// else what went wrong.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "commands/correct/corrigeren.h"
#include "commands/opdrachten.h"
#include "commands/remove/verwijderen.h"
#include "document/collatie.h"
#include "document/werkbestand.h"

namespace plovena::fuzz {

// A progress bar that checks its protocol: a step only while shown, never shown twice, hidden
// once for every showing.
class ControleBalk final : public Voortgang {
 public:
  void Toon(std::string_view titel, int maximum) override {
    if (zichtbaar) Fout("getoond terwijl de balk al zichtbaar is");
    if (titel.empty() || maximum < 0) Fout("getoond zonder titel of met een negatief maximum");
    zichtbaar = true;
    ++toningen;
  }
  void Stap() override {
    if (!zichtbaar) Fout("een stap terwijl de balk verborgen is");
  }
  void Verberg() override {
    if (!zichtbaar) Fout("verborgen terwijl de balk niet zichtbaar is");
    zichtbaar = false;
  }
  void Fout(std::string_view wat) {
    if (fout.empty()) fout = "voortgang: " + std::string(wat);
  }

  bool zichtbaar = false;
  int toningen = 0;
  std::string fout;
};

// How the tag removal's dialog is answered.
enum class TagKeuze {
  Standaard,  // the dialog's "Standaardkeuze"
  Bits,       // entry i chosen when bit i of a number is set
  Tekst,      // GeselecteerdeTagsVerwijderen with a text of its own, chosen or not
};

// A front end that answers Yes, checks the bar, and answers the tag dialog as told.
class ControleOmgeving final : public Omgeving {
 public:
  bool Bevestig(const std::string&) override { return true; }
  Voortgang& Balk() override { return balk; }
  Resultaat KiesTags(Toestand& t, std::vector<std::string> tags) override {
    ++keuzes;
    aangeboden = tags;
    for (std::size_t i = 0; i < tags.size(); ++i) {
      if (tags[i].empty()) balk.Fout("een lege tag aangeboden");
      // Distinct and in the list collation's order.
      if (i > 0 && !Collatie::Standaard().Kleiner(tags[i - 1], tags[i]))
        balk.Fout("aangeboden tags niet strikt geordend: \"" + tags[i - 1] + "\", \"" + tags[i] + "\"");
    }
    // The dialog's other presets and the CLI's selection on the same entries.
    if (const auto laatst = LaatstGebruikt(tags, t.lastDelTags); laatst && laatst->size() != tags.size())
      balk.Fout("\"Laatst gebruikt\" kiest niet een vlag per tag");
    if (CliSelectie(tags, tekst).size() != tags.size()) balk.Fout("--tags kiest niet een vlag per tag");
    switch (keuze) {
      case TagKeuze::Standaard:
        return VerwijderingUitvoeren(t, *this, tags, Standaardkeuze(tags));
      case TagKeuze::Bits: {
        Tagkeuze gekozen(tags.size());
        for (std::size_t i = 0; i < tags.size(); ++i) gekozen[i] = (bits >> (i % 64)) & 1;
        return VerwijderingUitvoeren(t, *this, tags, gekozen);
      }
      case TagKeuze::Tekst:
        return GeselecteerdeTagsVerwijderen(t, *this, tekst);
    }
    return {};
  }

  TagKeuze keuze = TagKeuze::Standaard;
  std::uint64_t bits = 0;
  std::string tekst;
  int keuzes = 0;
  std::vector<std::string> aangeboden;
  ControleBalk balk;
};

// The lines as owned strings, for comparing after a command has run.
inline std::vector<std::string> Kopie(const Regellijst& l) {
  std::vector<std::string> uit;
  uit.reserve(l.Count());
  for (std::size_t i = 0; i < l.Count(); ++i) uit.emplace_back(l[i]);
  return uit;
}

inline bool Gelijk(const std::vector<std::string>& a, const Regellijst& b) {
  if (a.size() != b.Count()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// Lines that went and lines that came, counted as multisets: a rewritten line is one of each.
struct Verschil {
  std::size_t weg = 0;
  std::size_t bij = 0;
};
inline Verschil Vergelijk(const std::vector<std::string>& voor, const Regellijst& na) {
  std::unordered_map<std::string_view, std::ptrdiff_t> telling;
  telling.reserve(voor.size());
  for (const auto& r : voor) ++telling[r];
  for (std::size_t i = 0; i < na.Count(); ++i) --telling[na[i]];
  Verschil v;
  for (const auto& [regel, n] : telling) {
    if (n > 0) v.weg += static_cast<std::size_t>(n);
    if (n < 0) v.bij += static_cast<std::size_t>(-n);
  }
  return v;
}

// The number in "Er zijn N regels ...", or nullopt.
inline std::optional<std::size_t> Aantal(const Resultaat& r) {
  constexpr std::string_view kBegin = "Er zijn ";
  if (r.soort != Resultaat::Soort::Bericht || !r.tekst.starts_with(kBegin)) return std::nullopt;
  std::size_t n = 0, i = kBegin.size();
  if (i >= r.tekst.size() || r.tekst[i] < '0' || r.tekst[i] > '9') return std::nullopt;
  for (; i < r.tekst.size() && r.tekst[i] >= '0' && r.tekst[i] <= '9'; ++i) n = n * 10 + (r.tekst[i] - '0');
  if (r.tekst.compare(i, 8, " regels ") != 0) return std::nullopt;
  return n;
}

inline bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

// True when the lines after are the lines before with some left out, in order.
inline bool IsDeelrij(const std::vector<std::string>& voor, const Regellijst& na) {
  std::size_t j = 0;
  for (std::size_t i = 0; i < na.Count(); ++i) {
    while (j < voor.size() && voor[j] != na[i]) ++j;
    if (j == voor.size()) return false;
    ++j;
  }
  return true;
}

// A line with a level character that the tag combinations cannot read as a number (blank lines
// are passed over).
inline bool HeeftOnleesbaarNiveau(const std::vector<std::string>& regels) {
  for (const auto& r : regels) {
    const char n = BepaalNiveau(r);
    if (n != ' ' && !IsCijfer(n)) return true;
  }
  return false;
}

// An upper bound of the number of person records: every record line.
inline std::size_t Records(const std::vector<std::string>& regels) {
  std::size_t n = 0;
  for (const auto& r : regels)
    if (BepaalNiveau(r) == '0') ++n;
  return n;
}

// The checks of one command that ran to its end on a copy: voor are the lines it started from,
// bronprogramma the detection of that document.
inline std::string ControleerResultaat(OpdrachtId id, const std::vector<std::string>& voor,
                                       const Toestand& na, const Resultaat& r, const ControleOmgeving& o) {
  using Id = OpdrachtId;
  const Regellijst& wb = na.werkbestand;
  if (!o.balk.fout.empty()) return o.balk.fout;
  if (o.balk.zichtbaar) return "de voortgangsbalk is na afloop nog zichtbaar";
  const auto n = Aantal(r);
  auto telNiet = [&] { return "het bericht noemt geen aantal: \"" + r.tekst + "\""; };

  if (r.geweigerd) {
    if (!Gelijk(voor, wb)) return "geweigerd en toch gewijzigd";
    const bool verwacht =
        (id == Id::VerbeterHaza21Bronnen && na.bronprogramma == "PRO-GEN" &&
         r.tekst == "Niet zinvol voor Pro-Gen bestand") ||
        (id == Id::TagsVerwijderen && (r.tekst == kGeenTagsMeer || r.tekst == kNietsGeselecteerd));
    return verwacht ? "" : "onverwacht geweigerd: \"" + r.tekst + "\"";
  }

  switch (id) {
    case Id::ToonTabDelimited:
    case Id::TagsAnalyseren:
    case Id::StructuurAnalyseren:
    case Id::TelPersonenGezinnen:
      if (!Gelijk(voor, wb)) return "een inspectie heeft het werkbestand gewijzigd";
      if (id == Id::ToonTabDelimited && r.rapport.Count() != voor.size())
        return "tab delimited: niet een rij per regel";
      if (id == Id::StructuurAnalyseren && HeeftOnleesbaarNiveau(voor))
        return "tag-combinaties liep door over een niveau dat geen cijfer is";
      return "";
    case Id::ToonMetInspringing:
      if (wb.Count() != voor.size() || r.rapport.Count() != voor.size())
        return "inspringen: aantal regels anders";
      for (std::size_t i = 0; i < voor.size(); ++i)
        if (wb[i] != Trim(voor[i]))
          return "inspringen: regel " + std::to_string(i) + " niet alleen bijgesneden";
      return "";
    case Id::TagsVerwijderen:
      if (o.keuzes == 0) return "tags-verwijderen koos niets en weigerde niet";
      [[fallthrough]];
    case Id::BronnenVerwijderen:
    case Id::GezinsTagsVerwijderen:
    case Id::VerwijderHaza21Problemen:
      if (!n) return telNiet();
      if (!IsDeelrij(voor, wb)) return "een verwijdering deed meer dan regels weglaten";
      if (voor.size() - wb.Count() != *n)
        return "verwijderd volgens bericht " + std::to_string(*n) + ", werkelijk " +
               std::to_string(voor.size() - wb.Count());
      return "";
    case Id::BeroepenSamenvoegen:
    case Id::PlaatsenSamenvoegen: {
      // The removed lines are counted; one merged line per person may come in their place.
      if (!n) return telNiet();
      if (*n > voor.size() || wb.Count() < voor.size() - *n || wb.Count() > voor.size() - *n + Records(voor))
        return "samenvoegen: " + std::to_string(voor.size()) + " regels, " + std::to_string(*n) +
               " verwijderd, " + std::to_string(wb.Count()) + " over";
      return "";
    }
    case Id::VerbeterHaza21Bronnen:
    case Id::PasNoteTagsAan:
    case Id::ZonderAchternaam: {
      if (!n) return telNiet();
      if (wb.Count() != voor.size()) return "een correctie veranderde het aantal regels";
      std::size_t anders = 0;
      for (std::size_t i = 0; i < voor.size(); ++i) {
        if (wb[i] == voor[i]) continue;
        ++anders;
        std::optional<std::string> verwacht;
        if (id == Id::ZonderAchternaam) verwacht = NaamMetAchternaam(voor[i]);
        if (id == Id::VerbeterHaza21Bronnen) verwacht = VerbeterdeBronregel(voor[i]);
        if (id != Id::PasNoteTagsAan && verwacht != wb[i])
          return "regel " + std::to_string(i) + " anders gecorrigeerd dan de regelcorrectie zegt";
      }
      if (anders != *n)
        return "aangepast volgens bericht " + std::to_string(*n) + ", werkelijk " + std::to_string(anders);
      return "";
    }
    default:
      return "";
  }
}

// The checks after a command stopped with OpdrachtFout.
inline std::string ControleerFout(OpdrachtId id, const std::vector<std::string>& voor, const Toestand& na,
                                  const ControleOmgeving& o) {
  if (!o.balk.fout.empty()) return o.balk.fout;
  if (o.balk.zichtbaar) return "de voortgangsbalk bleef na de fout zichtbaar";
  if (id != OpdrachtId::StructuurAnalyseren)
    return "OpdrachtFout uit een andere opdracht dan tag-combinaties";
  if (!HeeftOnleesbaarNiveau(voor)) return "tag-combinaties stopte zonder onleesbaar niveau";
  if (!Gelijk(voor, na.werkbestand)) return "tag-combinaties wijzigde het werkbestand";
  return "";
}

// What saving an unchanged document must give, worked out on its own: every line end (CR LF,
// LF CR, LF, lone CR) made CR LF, one added after a last line without it; UTF-16 (by mark, or
// by '0' 00 / 00 '0' at the start) in its own code units.
inline std::string VerwachtNaOpslaan(std::string_view bytes) {
  std::size_t begin = 0, breedte = 1;
  bool le = false;
  auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    begin = 3;
  } else if (bytes.size() >= 2 && ((b(0) == 0xFF && b(1) == 0xFE) || (b(0) == 0xFE && b(1) == 0xFF))) {
    begin = 2, breedte = 2, le = b(0) == 0xFF;
  } else if (bytes.size() >= 2 && ((b(0) == '0' && b(1) == 0) || (b(0) == 0 && b(1) == '0'))) {
    breedte = 2, le = b(0) == '0';
  }
  auto teken = [&](std::size_t i) -> unsigned {
    if (breedte == 1) return b(i);
    return le ? b(i) | (b(i + 1) << 8) : (b(i) << 8) | b(i + 1);
  };
  std::string uit(bytes.substr(0, begin));
  auto schrijf = [&](unsigned c) {
    if (breedte == 1) {
      uit += static_cast<char>(c);
    } else {
      uit += static_cast<char>(le ? c & 0xFF : c >> 8);
      uit += static_cast<char>(le ? c >> 8 : c & 0xFF);
    }
  };
  bool open = false;
  for (std::size_t i = begin; i + breedte <= bytes.size(); i += breedte) {
    const unsigned c = teken(i);
    if (c == '\r' || c == '\n') {
      if (i + 2 * breedte <= bytes.size()) {
        const unsigned d = teken(i + breedte);
        if ((d == '\r' || d == '\n') && d != c) i += breedte;
      }
      schrijf('\r');
      schrijf('\n');
      open = false;
    } else {
      schrijf(c);
      open = true;
    }
  }
  if (open) {
    schrijf('\r');
    schrijf('\n');
  }
  return uit;
}

// The text of a document with only single-byte lines, as saving writes it.
inline std::string Tekstvorm(const Werkbestand& wb) {
  std::string uit = wb.codering == Codering::Utf8Bom ? "\xEF\xBB\xBF" : "";
  for (std::size_t i = 0; i < wb.Count(); ++i) {
    uit += wb[i];
    uit += "\r\n";
  }
  return uit;
}

}  // namespace plovena::fuzz
