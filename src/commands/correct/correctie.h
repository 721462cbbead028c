#pragma once

// What the corrections share: the road from question to message, and level order.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "commands/opdracht.h"
#include "commands/opdrachten.h"

namespace plovena::correctie {

// Level characters compare as characters, in their unsigned order.
inline bool Dieper(char niveau, char dan) noexcept {
  return static_cast<unsigned char>(niveau) > static_cast<unsigned char>(dan);
}

inline bool IsCijfer(char c) noexcept { return c >= '0' && c <= '9'; }

// Ends a one-pass rewrite that has written the lines before w and read those before rd
// (w <= rd): the unread lines close the gap. It does so however the walk ends, also when an
// error (out of memory, a failing front end) stops it: the document is then left as the walk
// that deletes in place would leave it at that point, never with lines doubled or lost.
class GatSluiter {
 public:
  GatSluiter(std::vector<std::string_view>& r, const std::size_t& w, const std::size_t& rd) noexcept
      : r_(r), w_(w), rd_(rd) {}
  ~GatSluiter() {
    std::move(r_.begin() + static_cast<std::ptrdiff_t>(rd_), r_.end(),
              r_.begin() + static_cast<std::ptrdiff_t>(w_));
    r_.resize(w_ + (r_.size() - rd_));
  }
  GatSluiter(const GatSluiter&) = delete;
  GatSluiter& operator=(const GatSluiter&) = delete;

 private:
  std::vector<std::string_view>& r_;
  const std::size_t& w_;
  const std::size_t& rd_;
};

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
