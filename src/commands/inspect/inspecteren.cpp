#include "commands/inspect/inspecteren.h"

namespace plovena {

Resultaat ToonMetInspringing(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat ToonTabDelimited(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat TagsAnalyseren(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat StructuurAnalyseren(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat TelPersonenGezinnen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }

}  // namespace plovena
