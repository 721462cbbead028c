#pragma once

// What the corrections share: the road from question to message, and level order.

#include <cstddef>
#include <string>
#include <string_view>

#include "commands/opdracht.h"
#include "commands/opdrachten.h"

namespace plovena::correctie {

// Level characters compare as characters, in their unsigned order.
inline bool Dieper(char niveau, char dan) noexcept {
  return static_cast<unsigned char>(niveau) > static_cast<unsigned char>(dan);
}

inline bool IsCijfer(char c) noexcept { return c >= '0' && c <= '9'; }

// Asks vraag, shows the bar under titel while scan(werkbestand, balk) runs, and reports the
// count it returns as "Er zijn N regels " + slot.
template <class Scan>
Resultaat Voer(Toestand& t, Omgeving& o, std::string_view vraag, std::string_view titel,
               std::string_view slot, Scan scan) {
  std::string tekst(vraag);
  tekst += NLCR;
  tekst += kDuurtEven;
  if (!o.Bevestig(tekst)) return {};
  VoortgangsVenster venster(o.Balk(), titel, 40);
  const std::size_t aantal = scan(t.werkbestand, o.Balk());
  venster.Sluit();
  Resultaat r = Resultaat::Bericht(BerichtSoort::Informatie,
                                   "Er zijn " + std::to_string(aantal) + " regels " + std::string(slot));
  r.ververs = true;
  r.zetUit = true;
  return r;
}

}  // namespace plovena::correctie
