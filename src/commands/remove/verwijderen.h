#pragma once

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

}  // namespace plovena
