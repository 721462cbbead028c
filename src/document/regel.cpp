#include "document/regel.h"

namespace plovena {

namespace {
constexpr bool IsBlank(char c) noexcept { return static_cast<unsigned char>(c) <= 32; }

// The part after level and delimiter: t from position 3 on (1-based), t being the trimmed line.
std::string_view Rest(std::string_view regel) noexcept {
  std::string_view t = Trim(regel);
  return t.size() < 3 ? std::string_view{} : t.substr(2);
}
}  // namespace

std::string_view Trim(std::string_view tekst) noexcept {
  std::size_t b = 0, e = tekst.size();
  while (b < e && IsBlank(tekst[b])) ++b;
  while (e > b && IsBlank(tekst[e - 1])) --e;
  return tekst.substr(b, e - b);
}

char BepaalNiveau(std::string_view regel) noexcept {
  for (char c : regel)
    if (!IsBlank(c)) return c;
  return ' ';
}

std::string_view RuweTag(std::string_view regel) noexcept {
  std::string_view rest = Rest(regel);
  return rest.substr(0, rest.find(' '));
}

std::string BepaalTag(std::string_view regel) { return HoofdLetters(RuweTag(regel)); }

std::string_view BepaalWaarde(std::string_view regel) noexcept {
  std::string_view rest = Rest(regel);
  std::size_t p = rest.find(' ');
  return p == std::string_view::npos ? std::string_view{} : rest.substr(p + 1);
}

char HoofdLetter(char c) noexcept { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

std::string HoofdLetters(std::string_view tekst) {
  std::string s(tekst);
  for (char& c : s) c = HoofdLetter(c);
  return s;
}

std::string KleineLetters(std::string_view tekst) {
  std::string s(tekst);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

bool GelijkHoofd(std::string_view tekst, std::string_view hoofdletters) noexcept {
  if (tekst.size() != hoofdletters.size()) return false;
  for (std::size_t i = 0; i < tekst.size(); ++i)
    if (HoofdLetter(tekst[i]) != hoofdletters[i]) return false;
  return true;
}

bool InTagTekst(std::string_view tag, std::string_view tagtekst) noexcept {
  return !tag.empty() && tagtekst.find(tag) != std::string_view::npos;
}

}  // namespace plovena
