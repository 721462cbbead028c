#include "document/tekenset.h"

#include <unicode/normalizer2.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "document/regel.h"
#include "document/werkbestand.h"

namespace plovena {

namespace {

constexpr char16_t kVervang = 0xFFFD;
constexpr char16_t kStippelcirkel = 0x25CC;

using Tabel = std::array<char16_t, 256>;
using Grenzen = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// The upper half comes from ICU's converter, byte by byte. The lower half is always ASCII:
// ICU's IBM code pages swap 0x1A, 0x1C and 0x7F with other controls, which a GEDCOM line never means.
Tabel IcuTabel(const char* naam) {
  Tabel t;
  for (int b = 0; b < 0x80; ++b) t[b] = static_cast<char16_t>(b);
  UErrorCode fout = U_ZERO_ERROR;
  UConverter* conv = ucnv_open(naam, &fout);
  for (int b = 0x80; b < 0x100; ++b) {
    t[b] = kVervang;
    if (U_FAILURE(fout) || conv == nullptr) continue;
    const char byte = static_cast<char>(b);
    UChar uit[4];
    UErrorCode f = U_ZERO_ERROR;
    ucnv_resetToUnicode(conv);
    const int32_t n = ucnv_toUChars(conv, uit, 4, &byte, 1, &f);
    if (U_SUCCESS(f) && n == 1) t[b] = uit[0];
  }
  if (conv != nullptr) ucnv_close(conv);
  return t;
}

const Tabel& Windows1252Tabel() {
  static const Tabel t = IcuTabel("windows-1252");
  return t;
}
const Tabel& Cp437Tabel() {
  static const Tabel t = IcuTabel("ibm-437");
  return t;
}
const Tabel& MacRomanTabel() {
  static const Tabel t = IcuTabel("macintosh");
  return t;
}

// GEDCOM's ANSEL: ANSI Z39.47 with the LDS additions (boxes, midline e and o, es zet at 0xCF).
// 0xE0-0xFE are combining marks, held here as their Unicode combining characters.
constexpr bool IsAnselTeken(unsigned char b) noexcept { return (b >= 0xE0 && b <= 0xFB) || b == 0xFE; }

Tabel MaakAnselTabel() {
  Tabel t;
  for (int b = 0; b < 0x80; ++b) t[b] = static_cast<char16_t>(b);
  for (int b = 0x80; b < 0x100; ++b) t[b] = kVervang;
  static constexpr std::pair<unsigned char, char16_t> kTekens[] = {
      // spacing characters
      {0xA1, 0x0141},
      {0xA2, 0x00D8},
      {0xA3, 0x0110},
      {0xA4, 0x00DE},
      {0xA5, 0x00C6},
      {0xA6, 0x0152},
      {0xA7, 0x02B9},
      {0xA8, 0x00B7},
      {0xA9, 0x266D},
      {0xAA, 0x00AE},
      {0xAB, 0x00B1},
      {0xAC, 0x01A0},
      {0xAD, 0x01AF},
      {0xAE, 0x02BC},
      {0xB0, 0x02BB},
      {0xB1, 0x0142},
      {0xB2, 0x00F8},
      {0xB3, 0x0111},
      {0xB4, 0x00FE},
      {0xB5, 0x00E6},
      {0xB6, 0x0153},
      {0xB7, 0x02BA},
      {0xB8, 0x0131},
      {0xB9, 0x00A3},
      {0xBA, 0x00F0},
      {0xBC, 0x01A1},
      {0xBD, 0x01B0},
      {0xBE, 0x25A1},
      {0xBF, 0x25A0},
      {0xC0, 0x00B0},
      {0xC1, 0x2113},
      {0xC2, 0x2117},
      {0xC3, 0x00A9},
      {0xC4, 0x266F},
      {0xC5, 0x00BF},
      {0xC6, 0x00A1},
      {0xC7, 0x00DF},
      {0xC8, 0x20AC},
      {0xCD, 0x0065},
      {0xCE, 0x006F},
      {0xCF, 0x00DF},
      // combining marks
      {0xE0, 0x0309},
      {0xE1, 0x0300},
      {0xE2, 0x0301},
      {0xE3, 0x0302},
      {0xE4, 0x0303},
      {0xE5, 0x0304},
      {0xE6, 0x0306},
      {0xE7, 0x0307},
      {0xE8, 0x0308},
      {0xE9, 0x030C},
      {0xEA, 0x030A},
      {0xEB, 0xFE20},
      {0xEC, 0xFE21},
      {0xED, 0x0315},
      {0xEE, 0x030B},
      {0xEF, 0x0310},
      {0xF0, 0x0327},
      {0xF1, 0x0328},
      {0xF2, 0x0323},
      {0xF3, 0x0324},
      {0xF4, 0x0325},
      {0xF5, 0x0333},
      {0xF6, 0x0332},
      {0xF7, 0x0326},
      {0xF8, 0x031C},
      {0xF9, 0x032E},
      {0xFA, 0xFE22},
      {0xFB, 0xFE23},
      {0xFE, 0x0313},
  };
  for (const auto& [b, c] : kTekens) t[b] = c;
  return t;
}

const Tabel& AnselTabel() {
  static const Tabel t = MaakAnselTabel();
  return t;
}

const icu::Normalizer2* Nfc() {
  static const icu::Normalizer2* nfc = [] {
    UErrorCode fout = U_ZERO_ERROR;
    const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(fout);
    return U_SUCCESS(fout) ? n : nullptr;
  }();
  return nfc;
}

// Length of the valid UTF-8 sequence at s[i] and its code point, or 0 when the byte starts none
// (overlong forms, surrogates and values above U+10FFFF are invalid).
std::size_t Utf8Reeks(std::string_view s, std::size_t i, char32_t& cp) noexcept {
  const auto b = static_cast<unsigned char>(s[i]);
  std::size_t lengte;
  unsigned char laag = 0x80, hoog = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    lengte = 2;
    cp = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    lengte = 3;
    cp = b & 0x0F;
    if (b == 0xE0) laag = 0xA0;
    if (b == 0xED) hoog = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    lengte = 4;
    cp = b & 0x07;
    if (b == 0xF0) laag = 0x90;
    if (b == 0xF4) hoog = 0x8F;
  } else {
    return 0;
  }
  if (s.size() - i < lengte) return 0;
  for (std::size_t k = 1; k < lengte; ++k) {
    const auto v = static_cast<unsigned char>(s[i + k]);
    if (v < laag || v > hoog) return 0;
    laag = 0x80;
    hoog = 0xBF;
    cp = (cp << 6) | (v & 0x3F);
  }
  return lengte;
}

// The per-byte work, once with and once without the group edges, so that the display and the
// search pay nothing for the edges.
template <bool kMetGrenzen>
void OntcijferRegel(Tekenset soort, const char16_t* tabel, std::string_view regel, std::u16string& doel,
                    Grenzen* grenzen) {
  const std::size_t start = doel.size();
  const std::size_t n = regel.size();
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(regel[i]); };
  // Written through an index into a buffer sized beforehand, not by push_back per unit.
  std::size_t w = start;
  // A group ends at byte i.
  const auto rand = [&](std::size_t i) {
    if constexpr (kMetGrenzen)
      grenzen->emplace_back(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(w - start));
  };
  if constexpr (kMetGrenzen) {
    grenzen->clear();
    grenzen->reserve(n + 1);
    rand(0);
  }

  if (soort == Tekenset::Utf8) {
    doel.resize(start + n);  // never more units than bytes
    char16_t* uit = doel.data();
    char32_t cp;
    for (std::size_t i = 0; i < n;) {
      const unsigned char b = byte(i);
      if (b < 0x80) {
        uit[w++] = b;
        rand(++i);
        continue;
      }
      const std::size_t lengte = Utf8Reeks(regel, i, cp);
      if (lengte == 0) {
        uit[w++] = kVervang;  // each invalid byte on its own
        rand(++i);
        continue;
      }
      if (cp >= 0x10000) {
        uit[w++] = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
        uit[w++] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
      } else {
        uit[w++] = static_cast<char16_t>(cp);
      }
      i += lengte;
      rand(i);
    }
    doel.resize(w);
    return;
  }

  if (soort != Tekenset::Ansel) {
    doel.resize(start + n);
    char16_t* uit = doel.data() + start;
    for (std::size_t i = 0; i < n; ++i) uit[i] = tabel[byte(i)];
    if constexpr (kMetGrenzen)
      for (std::size_t i = 1; i <= n; ++i)
        grenzen->emplace_back(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(i));
    return;
  }

  // ANSEL writes marks before their letter, Unicode after it: a letter and the marks before it
  // become letter + marks, composed where a precomposed character exists. A mark without a letter
  // (at the end of a line that CONC split inside a letter, before a control character or an
  // unknown byte) is shown on a dotted circle, so that it does not seem to belong to the letter
  // before it.
  doel.resize(start + 2 * n);  // at most two units per byte: the dotted circle and its mark
  for (std::size_t i = 0; i < n;) {
    if (!IsAnselTeken(byte(i))) {
      doel[w++] = tabel[byte(i)];
      rand(++i);
      continue;
    }
    std::size_t j = i;
    while (j < n && IsAnselTeken(byte(j))) ++j;
    if (j == n || byte(j) < 0x20 || tabel[byte(j)] == kVervang) {
      for (; i < j; ++i) {
        doel[w++] = kStippelcirkel;
        doel[w++] = tabel[byte(i)];
        rand(i + 1);
      }
      continue;
    }
    icu::UnicodeString groep(static_cast<UChar>(tabel[byte(j)]));
    for (std::size_t k = i; k < j; ++k) groep.append(static_cast<UChar>(tabel[byte(k)]));
    if (const icu::Normalizer2* nfc = Nfc()) {
      UErrorCode fout = U_ZERO_ERROR;
      icu::UnicodeString samengesteld = nfc->normalize(groep, fout);
      if (U_SUCCESS(fout)) groep = samengesteld;
    }
    const auto lengte = static_cast<std::size_t>(groep.length());
    if (w + lengte > doel.size()) doel.resize(w + lengte + 2 * (n - j));  // a decomposing letter
    std::copy_n(groep.getBuffer(), lengte, doel.begin() + static_cast<std::ptrdiff_t>(w));
    w += lengte;
    i = j + 1;
    rand(i);
  }
  doel.resize(w);
}

}  // namespace

bool IsGeldigUtf8(std::string_view bytes) noexcept {
  std::size_t i = 0;
  char32_t cp;
  while (i < bytes.size()) {
    // Most bytes of most files are ASCII: skip them eight at a time.
    std::uint64_t acht;
    if (bytes.size() - i >= 8 &&
        (std::memcpy(&acht, bytes.data() + i, 8), (acht & 0x8080808080808080u) == 0)) {
      i += 8;
      continue;
    }
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = Utf8Reeks(bytes, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

Tekenset KiesTekenset(const Werkbestand& wb) {
  if (wb.codering != Codering::Bytes) return Tekenset::Utf8;
  for (std::size_t i = 1; i < wb.Count() && BepaalNiveau(wb[i]) != '0'; ++i) {
    const std::string_view regel = wb[i];
    if (BepaalNiveau(regel) != '1' || !GelijkHoofd(RuweTag(regel), "CHAR")) continue;
    const std::string waarde = HoofdLetters(Trim(BepaalWaarde(regel)));
    if (waarde == "UTF-8" || waarde == "UTF8") return Tekenset::Utf8;
    if (waarde == "ANSI" || waarde == "IBM WINDOWS") return Tekenset::Windows1252;
    if (waarde == "IBMPC" || waarde == "IBM PC") return Tekenset::Cp437;
    if (waarde == "MACINTOSH") return Tekenset::MacRoman;
    if (waarde == "ANSEL") return Tekenset::Ansel;
    if (waarde == "ASCII") return Tekenset::Ascii;
    break;  // an unknown value: judge by the bytes
  }
  for (std::string_view regel : wb.Regels())
    if (!IsGeldigUtf8(regel)) return Tekenset::Windows1252;
  return Tekenset::Utf8;
}

std::string_view TekensetNaam(Tekenset t) noexcept {
  switch (t) {
    case Tekenset::Utf8:
      return "UTF-8";
    case Tekenset::Windows1252:
      return "Windows-1252 (ANSI)";
    case Tekenset::Cp437:
      return "IBM PC (codetabel 437)";
    case Tekenset::MacRoman:
      return "Macintosh (Mac Roman)";
    case Tekenset::Ansel:
      return "ANSEL";
    case Tekenset::Ascii:
      return "ASCII";
  }
  return "UTF-8";
}

std::pair<std::size_t, std::size_t> Posities::NaarBytes(std::size_t begin, std::size_t eind) const {
  if (grenzen_.empty()) return {0, 0};
  const std::size_t eenheden = grenzen_.back().second;
  begin = std::min(begin, eenheden);
  eind = std::clamp(eind, begin, eenheden);
  auto b = std::upper_bound(grenzen_.begin(), grenzen_.end(), begin,
                            [](std::size_t w, const auto& g) { return w < g.second; });
  auto e = std::lower_bound(grenzen_.begin(), grenzen_.end(), eind,
                            [](const auto& g, std::size_t w) { return g.second < w; });
  return {std::prev(b)->first, e->first};
}

std::pair<std::size_t, std::size_t> Posities::NaarEenheden(std::size_t begin, std::size_t eind) const {
  if (grenzen_.empty()) return {0, 0};
  const std::size_t bytes = grenzen_.back().first;
  begin = std::min(begin, bytes);
  eind = std::clamp(eind, begin, bytes);
  auto b = std::upper_bound(grenzen_.begin(), grenzen_.end(), begin,
                            [](std::size_t w, const auto& g) { return w < g.first; });
  auto e = std::lower_bound(grenzen_.begin(), grenzen_.end(), eind,
                            [](const auto& g, std::size_t w) { return g.first < w; });
  return {std::prev(b)->second, e->second};
}

Decodeerder::Decodeerder(Tekenset t) : soort_(t), tabel_(nullptr) {
  switch (t) {
    case Tekenset::Utf8:
      break;
    case Tekenset::Windows1252:
    case Tekenset::Ascii:
      tabel_ = Windows1252Tabel().data();
      break;
    case Tekenset::Cp437:
      tabel_ = Cp437Tabel().data();
      break;
    case Tekenset::MacRoman:
      tabel_ = MacRomanTabel().data();
      break;
    case Tekenset::Ansel:
      tabel_ = AnselTabel().data();
      break;
  }
}

std::u16string Decodeerder::Decodeer(std::string_view regel) const {
  std::u16string uit;
  Ontcijfer(regel, uit, nullptr);
  return uit;
}

void Decodeerder::VoegToe(std::string_view regel, std::u16string& doel) const {
  Ontcijfer(regel, doel, nullptr);
}

std::u16string Decodeerder::Decodeer(std::string_view regel, Posities& posities) const {
  std::u16string uit;
  Ontcijfer(regel, uit, &posities);
  return uit;
}

std::u16string Decodeerder::Tekst(const Regellijst& regels) const {
  std::u16string uit;
  uit.reserve(regels.TekstLengte());
  for (std::string_view regel : regels.Regels()) {
    Ontcijfer(regel, uit, nullptr);
    uit += u"\r\n";
  }
  return uit;
}

void Decodeerder::Ontcijfer(std::string_view regel, std::u16string& doel, Posities* posities) const {
  if (posities == nullptr)
    OntcijferRegel<false>(soort_, tabel_, regel, doel, nullptr);
  else
    OntcijferRegel<true>(soort_, tabel_, regel, doel, &posities->grenzen_);
}

}  // namespace plovena
