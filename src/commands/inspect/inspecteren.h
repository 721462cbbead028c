#pragma once

#include "commands/opdracht.h"

namespace plovena {

Resultaat ToonMetInspringing(Toestand& t, Omgeving& o);
Resultaat ToonTabDelimited(Toestand& t, Omgeving& o);
Resultaat TagsAnalyseren(Toestand& t, Omgeving& o);
Resultaat StructuurAnalyseren(Toestand& t, Omgeving& o);
Resultaat TelPersonenGezinnen(Toestand& t, Omgeving& o);

}  // namespace plovena
