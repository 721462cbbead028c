#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "commands/opdracht.h"

namespace plovena {

Resultaat BeroepenSamenvoegen(Toestand& t, Omgeving& o);
Resultaat PlaatsenSamenvoegen(Toestand& t, Omgeving& o);
Resultaat VerwijderHaza21Problemen(Toestand& t, Omgeving& o);
Resultaat VerbeterHaza21Bronnen(Toestand& t, Omgeving& o);
Resultaat PasNoteTagsAan(Toestand& t, Omgeving& o);
Resultaat ZonderAchternaam(Toestand& t, Omgeving& o);

// True when the line at index opens a void structure: an OCCU line without a value (at any
// level), or a RESI line with no ADDR line inside its structure nor directly after it. The end
// of the list ends the look-ahead like a line of a lower level. False for an index past the end.
bool LozeTag(const Regellijst& regels, std::size_t index);

// The SOUR correction of one line: "2 SOUR S3" -> "2 SOUR @S3@", "1 @S4@ SOUR" -> "1 SOUR @S4@";
// nullopt when the line stays.
std::optional<std::string> VerbeterdeBronregel(std::string_view regel);

// "1 NAME Jan //" -> "1 NAME Jan /-/" (everything from the first "//" on is replaced); nullopt
// when the line stays.
std::optional<std::string> NaamMetAchternaam(std::string_view regel);

}  // namespace plovena
