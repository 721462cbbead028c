#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/opdracht.h"

namespace plovena {

// Index after the first level-0 line whose value, upper-cased, is the record type; the line
// count when there is none.
std::size_t BeginBlok(const Regellijst& wb, std::string_view recordtype);

// The collection step of the tag removal: the distinct offerable tags in collation order.
std::vector<std::string> VerzamelTags(const Regellijst& wb);

// Collection, then Omgeving::KiesTags (or the message when no tag is left).
Resultaat TagsVerwijderen(Toestand& t, Omgeving& o);
// The removal behind the dialog's "Verwijderen": selectie is the dialog's selection text.
Resultaat GeselecteerdeTagsVerwijderen(Toestand& t, Omgeving& o, const std::string& selectie);

Resultaat BronnenVerwijderen(Toestand& t, Omgeving& o);
Resultaat GezinsTagsVerwijderen(Toestand& t, Omgeving& o);

// The texts of the tag removal and its selection dialog.
inline constexpr std::string_view kGeenTagsMeer = "Geen tags meer om te verwijderen";
inline constexpr std::string_view kNietsGeselecteerd = "Geen tags of bereik geselecteerd!";
inline constexpr std::string_view kGeenLaatstGebruikt = "Nog geen laatst gebruikte selectie gevonden!";

// The selection of the dialog's entries (tags) as one flag per entry, in list order.
using Tagkeuze = std::vector<bool>;

// An entry is chosen when it occurs anywhere inside tagtekst (InTagTekst), so a piece of a
// listed tag is chosen too. The dialog's presets and the CLI all select this way.
Tagkeuze KiesUitTagTekst(const std::vector<std::string>& tags, std::string_view tagtekst);
// "Standaardkeuze".
Tagkeuze Standaardkeuze(const std::vector<std::string>& tags);
// "Laatst gebruikt": nullopt when there is no last-used selection; the dialog then shows
// kGeenLaatstGebruikt and keeps its selection.
std::optional<Tagkeuze> LaatstGebruikt(const std::vector<std::string>& tags, std::string_view lastDelTags);
// plovena-cli's --tags: its a-z upper-cased, then the "Laatst gebruikt" rule.
Tagkeuze CliSelectie(const std::vector<std::string>& tags, std::string_view tagsTekst);

// The selection text the removal receives: the chosen entries in list order, each after one
// blank except entry 0 (which loses its leading blanks), upper-cased. It begins with a blank
// when entry 0 is not chosen, which changes nothing.
std::string SelectieTekst(const std::vector<std::string>& tags, const Tagkeuze& gekozen);

// The dialog's "Verwijderen": the warning when nothing is chosen (geweigerd), else the removal.
Resultaat VerwijderingUitvoeren(Toestand& t, Omgeving& o, const std::vector<std::string>& tags,
                                const Tagkeuze& gekozen);

}  // namespace plovena
