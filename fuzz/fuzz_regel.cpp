// The line accessors and the per-line helpers on arbitrary bytes: the input as one line and
// each of its pieces between LF bytes. What a view returns must lie inside the trimmed line.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/correct/corrigeren.h"
#include "commands/inspect/inspecteren.h"
#include "document/collatie.h"
#include "document/regel.h"
#include "document/regellijst.h"
#include "fuzz/controle.h"

namespace plovena::fuzz {
namespace {

bool Binnen(std::string_view deel, std::string_view geheel) {
  // An empty view has no bytes to lie anywhere.
  if (deel.empty()) return true;
  return deel.data() >= geheel.data() && deel.data() + deel.size() <= geheel.data() + geheel.size();
}

bool IsBlanco(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

void Regel(std::string_view s) {
  const std::string_view t = Trim(s);
  Controleer(Binnen(t, s), "Trim buiten de regel");
  Controleer(t.empty() || (!IsBlanco(t.front()) && !IsBlanco(t.back())), "Trim liet een blanco staan");
  Controleer(Trim(t) == t, "Trim niet idempotent");
  for (std::size_t i = 0; i < static_cast<std::size_t>(t.data() - s.data()); ++i)
    Controleer(IsBlanco(s[i]), "Trim sneed meer dan blanco's");

  const char niveau = BepaalNiveau(s);
  Controleer(niveau == (t.empty() ? ' ' : t.front()), "BepaalNiveau is niet het eerste teken na de blanco's");

  const std::string_view ruw = RuweTag(s);
  const std::string_view waarde = BepaalWaarde(s);
  Controleer(Binnen(ruw, t) && Binnen(waarde, t), "tag of waarde buiten de bijgesneden regel");
  Controleer(ruw.find(' ') == std::string_view::npos, "een spatie in de tag");
  Controleer(BepaalTag(s) == HoofdLetters(ruw), "BepaalTag is niet RuweTag in hoofdletters");
  if (t.size() < 3) {
    Controleer(ruw.empty() && waarde.empty(), "tag of waarde bij een regel van minder dan 3 tekens");
  } else {
    const std::string_view rest = t.substr(2);
    Controleer(ruw.data() == rest.data(), "de tag begint niet op het derde teken");
    if (ruw.size() == rest.size()) {
      Controleer(waarde.empty(), "een waarde zonder spatie na de tag");
    } else {
      Controleer(rest[ruw.size()] == ' ' && waarde.data() == rest.data() + ruw.size() + 1 &&
                     waarde.data() + waarde.size() == t.data() + t.size(),
                 "tag, spatie en waarde maken de rest niet");
    }
  }

  const std::string hoofd = HoofdLetters(s), klein = KleineLetters(s);
  Controleer(hoofd.size() == s.size() && klein.size() == s.size(),
             "hoofd- of kleine letters veranderden de lengte");
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    Controleer(hoofd[i] == ((c >= 'a' && c <= 'z') ? c - 32 : c), "HoofdLetters veranderde meer dan a-z");
    Controleer(klein[i] == ((c >= 'A' && c <= 'Z') ? c + 32 : c), "KleineLetters veranderde meer dan A-Z");
  }
  Controleer(GelijkHoofd(s, hoofd), "GelijkHoofd met de eigen hoofdletters");

  std::string tab(1, niveau);
  ((tab += '\t') += BepaalTag(s)) += '\t';
  tab += waarde;
  Controleer(TabRegel(s) == tab, "TabRegel is niet niveau, tag en waarde");
  const std::string in = RegelInspringen(s);
  const std::size_t spaties = IsCijfer(niveau) ? 3u * static_cast<std::size_t>(niveau - '0') : 0;
  Controleer(in == std::string(spaties, ' ') + std::string(t), "RegelInspringen");
  TagSleutel(s);

  for (int n = 0; n <= 3; ++n) {
    const std::string kort = CombinatieInkorten(s, n);
    Controleer(std::string_view(s).starts_with(kort),
               "CombinatieInkorten geeft geen begin van de combinatie");
    if (n == 0) Controleer(kort == s, "CombinatieInkorten met 0 veranderde iets");
  }

  // A corrected line needs no second correction.
  if (auto b = VerbeterdeBronregel(s)) {
    Controleer(*b != s, "SOUR-correctie zonder verandering");
    Controleer(!VerbeterdeBronregel(*b), "SOUR-correctie van een verbeterde regel");
  }
  if (auto a = NaamMetAchternaam(s)) {
    Controleer(*a != s, "achternaam zonder verandering");
    Controleer(!NaamMetAchternaam(*a), "achternaam van een verbeterde regel");
  }
}

// The collation's sort key agrees with its comparison, also on bytes that are no UTF-8.
void ControleerCollatie(std::string_view a, std::string_view b) {
  const auto& c = Collatie::Standaard();
  const int v = c.Vergelijk(a, b);
  Controleer(v == -c.Vergelijk(b, a), "Vergelijk is niet antisymmetrisch");
  const std::string ka = c.Sorteersleutel(a), kb = c.Sorteersleutel(b);
  const int k = ka < kb ? -1 : (ka == kb ? 0 : 1);
  Controleer(v == k, "Sorteersleutel en Vergelijk zijn het oneens");
  if (a == b) Controleer(v == 0, "gelijke bytes niet gelijk in de collatie");
}

void Test(std::string_view bytes) {
  Regel(bytes);
  std::vector<std::string_view> stukken;
  for (std::size_t begin = 0;;) {
    const std::size_t lf = bytes.find('\n', begin);
    stukken.push_back(
        bytes.substr(begin, lf == std::string_view::npos ? std::string_view::npos : lf - begin));
    if (lf == std::string_view::npos) break;
    begin = lf + 1;
  }
  Regellijst lijst;
  for (std::size_t i = 0; i < stukken.size(); ++i) {
    Regel(stukken[i]);
    if (i > 0 && i < 64) ControleerCollatie(stukken[i - 1], stukken[i]);
    lijst.VoegToe(stukken[i]);
  }
  // The void-structure test looks ahead to the end of the list and no further.
  for (std::size_t i = 0; i <= lijst.Count(); ++i) LozeTag(lijst, i);
}

}  // namespace
}  // namespace plovena::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plovena::fuzz::Test(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
