#pragma once

#include <string>
#include <string_view>

#include "document/regellijst.h"

namespace plovena {

struct Bronprogrammainfo {
  std::string tekst;          // the information box text, with LF CR line breaks
  std::string bronprogramma;  // upper-cased SOUR value of the header, or "ONBEKEND"
};

// The source program detection run after every open and reload. Looks at lines 0..255 only.
Bronprogrammainfo BepaalBronprogramma(const Regellijst& wb, std::string_view inputbestandsnaam);

}  // namespace plovena
