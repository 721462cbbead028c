#include "commands/correct/corrigeren.h"

namespace plovena {

Resultaat BeroepenSamenvoegen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat PlaatsenSamenvoegen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat VerwijderHaza21Problemen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat VerbeterHaza21Bronnen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat PasNoteTagsAan(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat ZonderAchternaam(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }

}  // namespace plovena
