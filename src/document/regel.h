#pragma once

#include <string>
#include <string_view>

namespace plovena {

// Line break inside message texts: LF then CR.
inline constexpr std::string_view NLCR = "\n\r";

// Level character: the first character after leading characters 0..32. An empty or blank line
// gives ' ', which is no digit and sorts below every digit, so it is never a record line and
// ends every block it meets.
char BepaalNiveau(std::string_view regel) noexcept;

// Tag: from the third character of the trimmed line up to the first space, a-z upper-cased.
std::string BepaalTag(std::string_view regel);

// Value: everything after that space, case kept; empty when there is none.
std::string_view BepaalWaarde(std::string_view regel) noexcept;

// The tag without upper-casing: a view into the line, for walks that compare in upper case.
std::string_view RuweTag(std::string_view regel) noexcept;

// Trim characters 0..32 from both ends.
std::string_view Trim(std::string_view tekst) noexcept;

// a-z to A-Z / A-Z to a-z; every other byte stays.
std::string HoofdLetters(std::string_view tekst);
std::string KleineLetters(std::string_view tekst);
char HoofdLetter(char c) noexcept;
// Equality with a-z folded to upper case on the left side only (the right side is upper case).
bool GelijkHoofd(std::string_view tekst, std::string_view hoofdletters) noexcept;

// The fixed tag texts and their plain substring test (case-sensitive; an empty tag never counts).
inline constexpr std::string_view kBeschermdeTags =
    "HEAD CHAR DEST FILE FORM GEDC VERS SUBM TRLR CHIL FAM FAMC FAMS HUSB INDI SEX WIFE NAME";
inline constexpr std::string_view kStandaardkeuze =
    "_ALIA _COMM _ORIG _WITN ADDR AUTH AGE ALIA ARVL CAUS CHAN CITY CONC CONF CONT CENS DPRT "
    "EMAIL EMIG EVEN IDNO NCHI NICK NOTE OBJE PHON QUAY REFN RELI RFN SOUR TIME TXPY WILL WITN";
inline constexpr std::string_view kGezinsTags = "EVEN OCCU RESI WITN";
bool InTagTekst(std::string_view tag, std::string_view tagtekst) noexcept;

}  // namespace plovena
