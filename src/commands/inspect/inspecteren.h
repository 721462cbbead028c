#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "commands/opdracht.h"
#include "document/regellijst.h"

namespace plovena {

// The walks of the menu "Inspecteren". The front end has already made the refusal test.
Resultaat ToonMetInspringing(Toestand& t, Omgeving& o);
Resultaat ToonTabDelimited(Toestand& t, Omgeving& o);
Resultaat TagsAnalyseren(Toestand& t, Omgeving& o);
Resultaat StructuurAnalyseren(Toestand& t, Omgeving& o);
Resultaat TelPersonenGezinnen(Toestand& t, Omgeving& o);

inline constexpr std::string_view kRapportKop = "Plovena - rapport: ";
inline constexpr std::string_view kTabDelimitedKop = "Plovena - tab delimited file: ";

// Key of a line for the tag count and the tag combinations: its tag, or for a record line with
// a cross-reference (tag beginning with '@') its value. An empty tag is its own (empty) key.
std::string TagSleutel(std::string_view regel);

// --- Tag count ---

// The distinct keys in the list collation, in its order; each holds the text of the first line
// that produced it.
std::vector<std::string> TagLijst(const Regellijst& regels);

// Per entry, the number of lines whose tag or whose value is exactly that entry (byte for byte);
// a line counts once for an entry even when tag and value are both that entry.
std::vector<std::size_t> TelVermeldingen(const Regellijst& regels, const std::vector<std::string>& tags);

// --- Indented view ---

// The trimmed line behind three blanks per level (its first character, when a digit).
std::string RegelInspringen(std::string_view regel);

// --- Tag combinations ---

// The combination with its last n elements cut off, the TAB before the first removed element
// kept; the first element is never removed. Works on combinations of any length.
std::string CombinatieInkorten(std::string_view combinatie, int n);

// The distinct combinations in the order first recorded. Equality is the list collation's;
// a listed entry keeps the text first met.
class CombinatieLijst {
 public:
  // Appends the combination unless an equal one is listed; true when it was appended.
  bool Toevoegen(const std::string& combinatie);
  // Into collation order.
  void Sorteer();
  const std::vector<std::string>& Lijst() const noexcept { return lijst_; }
  std::size_t Aantal() const noexcept { return lijst_.size(); }

 private:
  std::vector<std::string> lijst_;
  std::vector<std::string> sleutels_;  // sort key of each listed entry, same index
  std::unordered_set<std::string> sleutelset_;
  // Every exact text already seen, listed or not: equal bytes need no sort key.
  std::unordered_set<std::string> gezien_;
};

// The walk over all lines, one step of v per line. Blank lines are passed over. Throws
// OpdrachtFout on a level character that is no digit, naming the (1-based) line.
CombinatieLijst TagCombinaties(const Regellijst& regels, Voortgang& v);

// --- Person, family and source count ---

struct RecordTelling {
  std::size_t personen = 0;
  std::size_t gezinnen = 0;
  std::size_t bronnen = 0;
};

// Steps v on the line-driven protocol.
RecordTelling TelRecords(const Regellijst& regels, Voortgang& v);

// --- Tab-delimited view ---

// Level character, TAB, tag, TAB, value.
std::string TabRegel(std::string_view regel);

}  // namespace plovena
