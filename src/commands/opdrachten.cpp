#include "commands/opdrachten.h"

#include <stdexcept>

#include "commands/correct/corrigeren.h"
#include "commands/inspect/inspecteren.h"
#include "commands/remove/verwijderen.h"

namespace plovena {

namespace {

using B = BerichtSoort;
using Id = OpdrachtId;

constexpr std::string_view kNietsTeBewerken = "Er is niets om te bewerken.";

std::vector<Opdracht> MaakTabel() {
  // clang-format off
  return {
    {Id::BestandOpenen, "BestandOpenenClick", "BtnBestandOpenen", "Bestand openen ...",
     "Een GEDCOM-bestand openen", true, "MenuBestandOpenen", Menu::Bestand, "Openen...", "Ctrl+O",
     false, false, B::Informatie, "", {}, {}},
    {Id::BestandHerladen, "BestandHerladenClick", "BtnBestandHerladen", "Bestand heropenen",
     "Het bestand heropenen (wijzigingen gaan verloren)", true, "MenuBestandHerladen", Menu::Bestand,
     "Heropenen", "", true, false, B::Informatie, "Er is nog geen bestand ingelezen!", {}, {}},
    {Id::Zoeken, "ZoekenClick", "Zoeken", "Zoeken...", "Zoek een willekeurige tekst", true,
     "MenuZoeken", Menu::Bewerken, "Zoeken...", "Ctrl+F", true, false, B::Informatie, "", {}, {}},
    {Id::ToonMetInspringing, "ToonMetInspringingClick", "BtnToonMetInspringing", "Toon met inspringing",
     "Weergave als ingesprongen tekst", true, "MenuToonMetInspringing", Menu::Inspecteren,
     "Toon met inspringing", "", true, false, B::Waarschuwing, "Er is niets om weer te geven!",
     ToonMetInspringing, {{"inspringen"}}},
    {Id::ToonTabDelimited, "ToonTabDelimitedClick", "BtnToonTabDelimited", "Toon als tab delimited",
     "Weergave als tab delimited bestand", true, "MenuToonTabDelimited", Menu::Inspecteren,
     "Toon als tab delimited", "", true, false, B::Waarschuwing, "Er is niets om te bewerken!",
     ToonTabDelimited, {{"tab-delimited"}}},
    {Id::TagsAnalyseren, "TagsAnalyserenClick", "BtnTagsAnalyseren", "Tags tellen",
     "GEDCOM-tags in het bestand tellen", true, "MenuTagsAnalyseren", Menu::Inspecteren, "Tags tellen",
     "", true, false, B::Waarschuwing, "Er is niets om te analyseren!", TagsAnalyseren,
     {{"tags-tellen"}}},
    {Id::StructuurAnalyseren, "BtnStructuurAnalyserenClick", "BtnStructuurAnalyseren",
     "Tag-combinaties tonen", "Alle tag-combinaties tonen", true, "MenuStructuuranalyseren",
     Menu::Inspecteren, "Tag-combinaties tonen", "", true, false, B::Waarschuwing,
     "Er is niets om te analyseren!", StructuurAnalyseren,
     {{"tag-combinaties", false}, {"tag-combinaties-gesorteerd", true}}},
    {Id::TelPersonenGezinnen, "TelPersonenGezinnen", "BtnTelPersonenGezinnen", "Personen/gezinnen tellen",
     "Aantal personen en gezinnen tellen", true, "MenuTelPersonengezinnen", Menu::Inspecteren,
     "Personen/gezinnen tellen", "", true, false, B::Waarschuwing, "Er is niets om te bewerken!",
     TelPersonenGezinnen, {{"personen-tellen"}}},
    {Id::TagsVerwijderen, "TagsVerwijderenClick", "BtnTagsVerwijderen", "Tag(s) verwijderen ...",
     "Selectief tags verwijderen", true, "MenuTagsVerwijderen", Menu::Bewerken, "Tags verwijderen", "",
     true, false, B::Fout, kNietsTeBewerken, TagsVerwijderen,
     {{"tags-lijst", true, CliModus::TagsLijst}, {"tags-verwijderen", true, CliModus::TagsVerwijderen}}},
    {Id::BronnenVerwijderen, "BronnenVerwijderenClick", "BtnBronnenVerwijderen", "Bronnen verwijderen",
     "Bronnen uit het bestand verwijderen", true, "MenuBronnenVerwijderen", Menu::Bewerken,
     "Bronnen verwijderen", "", true, false, B::Fout, kNietsTeBewerken, BronnenVerwijderen,
     {{"bronnen-verwijderen"}}},
    {Id::GezinsTagsVerwijderen, "GezinsTagsVerwijderen", "ButtonGezinsTagsVerwijderen",
     "Gezinstags opschonen", "Overbodige tags gezinnen verwijderen", false, "MenuGezinstagsVerwijderen",
     Menu::Bewerken, "Gezinstags opschonen", "", true, false, B::Fout, kNietsTeBewerken,
     GezinsTagsVerwijderen, {{"gezinstags-opschonen"}}},
    {Id::BeroepenSamenvoegen, "BtnBeroepenSamenvoegenClick", "BtnBeroepenSamenvoegen",
     "Beroepen samenvoegen", "Beroepen samenvoegen", true, "MenuBeroepenSamenvoegen", Menu::Bewerken,
     "Beroepen samenvoegen", "", true, false, B::Fout, kNietsTeBewerken, BeroepenSamenvoegen,
     {{"beroepen-samenvoegen"}}},
    {Id::PlaatsenSamenvoegen, "BtnPlaatsenSamenvoegenClick", "BtnPlaatsenSamenvoegen",
     "Plaatsen samenvoegen", "Woonplaatsen samenvoegen", true, "MenuPlaatsenSamenvoegen", Menu::Bewerken,
     "Plaatsen samenvoegen", "", true, false, B::Fout, kNietsTeBewerken, PlaatsenSamenvoegen,
     {{"plaatsen-samenvoegen"}}},
    {Id::VerwijderHaza21Problemen, "VerwijderHaza21ProblemenClick", "BtnVerwijderHaza21Problemen",
     "OCCU/RESI-correctie", "Opschoning loze OCCU- en RESI-tags", true, "MenuVerwijderHaza21Problemen",
     Menu::Bewerken, "OCCU/RESI-correctie", "", true, false, B::Fout, kNietsTeBewerken,
     VerwijderHaza21Problemen, {{"occu-resi-correctie"}}},
    {Id::VerbeterHaza21Bronnen, "VerbeterHaza21BronnenClick", "BtnVerbeterHaza21Bronnen",
     "SOUR-correctie", "Foute SOUR-tags corrigeren", true, "MenuVerbeterHaza21Bronnen", Menu::Bewerken,
     "SOUR-correctie", "", true, false, B::Fout, kNietsTeBewerken, VerbeterHaza21Bronnen,
     {{"sour-correctie"}}},
    {Id::PasNoteTagsAan, "BtnPasNoteTagsAanClick", "BtnPasNoteTagsAan", "NOTE/CONT-correctie",
     "Weergave notities verbeteren", true, "MenuPasNoteTagsAan", Menu::Bewerken, "NOTE/CONT-correctie",
     "", true, false, B::Fout, kNietsTeBewerken, PasNoteTagsAan, {{"note-cont-correctie"}}},
    {Id::ZonderAchternaam, "ZonderAchternaamClick", "BtnZonderAchternaam", "Zonder achternaam",
     "'/-/' zetten bij personen zonder achternaam", true, "MenuZonderAchternaam", Menu::Bewerken,
     "Zonder achternaam", "", true, false, B::Fout, kNietsTeBewerken, ZonderAchternaam,
     {{"zonder-achternaam"}}},
    {Id::Klembord, "KlembordClick", "BtnKlembord", "Kopiëren naar klembord",
     "Inhoud van de memobox naar het klembord kopiëren", true, "MenuKlembord", Menu::Bewerken, "Kopiëren",
     "Ctrl+C", true, false, B::Waarschuwing, "Er is niets om te kopiëren!", {}, {}},
    {Id::BestandOpslaan, "BestandOpslaanClick", "BtnBestandOpslaan", "Bestand opslaan ...",
     "Het gewijzigde bestand opslaan", true, "MenuBestandOpslaan", Menu::Bestand, "Opslaan als...",
     "Ctrl+S", true, false, B::Waarschuwing, "Er is niets om op te slaan!", {}, {}},
    {Id::Afsluiten, "AfsluitenClick", "BtnAfsluiten", "Afsluiten", "Het programma afsluiten", true,
     "MenuExit1", Menu::Bestand, "Afsluiten", "", false, false, B::Informatie, "", {}, {}},
    {Id::Help, "ButtonHelpClick", "ButtonHelp", "Help", "Het helpbestand openen", true, "Help1",
     Menu::Help, "Help", "F1", false, true, B::Informatie, "", {}, {}},
    {Id::About, "AboutClick", "BtnAbout", "Info", "Over Plovena", true, "MenuAbout1", Menu::Help, "Info",
     "", false, true, B::Informatie, "", {}, {}},
  };
  // clang-format on
}

}  // namespace

const std::vector<Opdracht>& Opdrachten() {
  static const std::vector<Opdracht> tabel = MaakTabel();
  return tabel;
}

const Opdracht& ZoekOpdracht(OpdrachtId id) {
  for (const auto& o : Opdrachten())
    if (o.id == id) return o;
  throw std::logic_error("onbekende opdracht");
}

const Opdracht* ZoekCliOpdracht(std::string_view naam, const CliNaam** variant) {
  for (const auto& o : Opdrachten()) {
    for (const auto& c : o.cli) {
      if (c.naam == naam) {
        if (variant) *variant = &c;
        return &o;
      }
    }
  }
  return nullptr;
}

const std::vector<MenuIndeling>& MenuIndelingen() {
  static const std::vector<MenuIndeling> menus = [] {
    auto item = [](Id id) { return MenuRegel{false, id}; };
    const MenuRegel streep{true, Id::About};
    return std::vector<MenuIndeling>{
        {Menu::Bestand, "Bestand",
         {item(Id::BestandOpenen), item(Id::BestandHerladen), item(Id::BestandOpslaan), item(Id::Afsluiten)}},
        {Menu::Bewerken, "Bewerken",
         {item(Id::Klembord), item(Id::Zoeken), streep, item(Id::TagsVerwijderen), item(Id::BronnenVerwijderen),
          item(Id::BeroepenSamenvoegen), item(Id::PlaatsenSamenvoegen), item(Id::GezinsTagsVerwijderen), streep,
          item(Id::VerwijderHaza21Problemen), item(Id::VerbeterHaza21Bronnen), item(Id::PasNoteTagsAan), streep,
          item(Id::ZonderAchternaam)}},
        {Menu::Inspecteren, "Inspecteren",
         {item(Id::ToonMetInspringing), item(Id::ToonTabDelimited), item(Id::TagsAnalyseren),
          item(Id::StructuurAnalyseren), item(Id::TelPersonenGezinnen)}},
        {Menu::Help, "Help", {item(Id::Help), item(Id::About)}},
    };
  }();
  return menus;
}

}  // namespace plovena
