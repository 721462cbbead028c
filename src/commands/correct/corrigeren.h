#pragma once

#include "commands/opdracht.h"

namespace plovena {

Resultaat BeroepenSamenvoegen(Toestand& t, Omgeving& o);
Resultaat PlaatsenSamenvoegen(Toestand& t, Omgeving& o);
Resultaat VerwijderHaza21Problemen(Toestand& t, Omgeving& o);
Resultaat VerbeterHaza21Bronnen(Toestand& t, Omgeving& o);
Resultaat PasNoteTagsAan(Toestand& t, Omgeving& o);
Resultaat ZonderAchternaam(Toestand& t, Omgeving& o);

}  // namespace plovena
