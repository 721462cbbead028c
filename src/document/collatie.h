#pragma once

#include <string>
#include <string_view>

namespace plovena {

// The list collation: ICU's collator for the user's locale (LC_ALL, LC_COLLATE, LANG; the root
// collation for C and POSIX) at secondary strength: case ignored, accents not. Texts are the
// lines' bytes read as UTF-8 (a byte outside a well-formed sequence as Windows-1252). Equal
// texts count as duplicates.
class Collatie {
 public:
  static const Collatie& Standaard();
  // For tests: a collation for one locale name ("nl_NL.UTF-8", "C", "").
  explicit Collatie(std::string_view localeNaam);
  // The locale name Standaard() uses: the first of LC_ALL, LC_COLLATE, LANG that is set and
  // not empty, as setlocale picks it.
  static std::string OmgevingsLocale();
  ~Collatie();
  Collatie(const Collatie&) = delete;
  Collatie& operator=(const Collatie&) = delete;

  // < 0, 0, > 0
  int Vergelijk(std::string_view a, std::string_view b) const;
  bool Kleiner(std::string_view a, std::string_view b) const { return Vergelijk(a, b) < 0; }
  // A byte string whose byte order is the collation's order; equal keys for equal texts.
  std::string Sorteersleutel(std::string_view tekst) const;

 private:
  struct Impl;
  Impl* impl_;
};

}  // namespace plovena
