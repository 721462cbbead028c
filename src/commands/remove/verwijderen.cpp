#include "commands/remove/verwijderen.h"

namespace plovena {

Resultaat TagsVerwijderen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat BronnenVerwijderen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }
Resultaat GezinsTagsVerwijderen(Toestand&, Omgeving&) { return Resultaat::Bericht(BerichtSoort::Fout, "nog niet gebouwd"); }

}  // namespace plovena
namespace plovena {
std::size_t BeginBlok(const Regellijst& wb, std::string_view) { return wb.Count(); }
std::vector<std::string> VerzamelTags(const Regellijst&) { return {}; }
Resultaat GeselecteerdeTagsVerwijderen(Toestand&, Omgeving&, const std::string&) { return {}; }
}  // namespace plovena
