#include "commands/correct/deeltekst.h"

namespace plovena {

void Deeltekst::Wis() {
  tekst_.clear();
  knopen_.clear();
  pijlen_.clear();
  laatste_ = 0;
}

void Deeltekst::VoegToe(std::string_view stuk) {
  tekst_.append(stuk);
  if (tekst_.size() > kGrens) {
    if (!knopen_.empty()) {
      knopen_ = {};
      pijlen_ = {};
    }
    return;
  }
  if (!knopen_.empty()) {
    for (char c : stuk) Breid(static_cast<unsigned char>(c));
  } else if (tekst_.size() > kDrempel) {
    knopen_.reserve(2 * tekst_.size());
    pijlen_.reserve(2 * tekst_.size());
    knopen_.push_back({0, -1, -1});
    laatste_ = 0;
    for (char c : tekst_) Breid(static_cast<unsigned char>(c));
  }
}

bool Deeltekst::Bevat(std::string_view stuk) const {
  if (knopen_.empty()) return tekst_.find(stuk) != std::string::npos;
  std::int32_t knoop = 0;
  for (char c : stuk) {
    const std::int32_t p = ZoekPijl(knoop, static_cast<unsigned char>(c));
    if (p < 0) return false;
    knoop = pijlen_[static_cast<std::size_t>(p)].naar;
  }
  return true;
}

std::int32_t Deeltekst::ZoekPijl(std::int32_t knoop, unsigned char teken) const {
  for (std::int32_t p = knopen_[static_cast<std::size_t>(knoop)].eerstePijl; p >= 0;
       p = pijlen_[static_cast<std::size_t>(p)].volgende)
    if (pijlen_[static_cast<std::size_t>(p)].teken == teken) return p;
  return -1;
}

void Deeltekst::VoegPijlToe(std::int32_t van, unsigned char teken, std::int32_t naar) {
  Knoop& k = knopen_[static_cast<std::size_t>(van)];
  pijlen_.push_back({naar, k.eerstePijl, teken});
  k.eerstePijl = static_cast<std::int32_t>(pijlen_.size() - 1);
}

// The classic online construction: one new state per character, a clone where a state would
// otherwise stand for suffixes of two different lengths.
void Deeltekst::Breid(unsigned char teken) {
  auto k = [this](std::int32_t i) -> Knoop& { return knopen_[static_cast<std::size_t>(i)]; };
  const auto nieuw = static_cast<std::int32_t>(knopen_.size());
  knopen_.push_back({k(laatste_).lengte + 1, -1, -1});
  std::int32_t p = laatste_;
  while (p >= 0 && ZoekPijl(p, teken) < 0) {
    VoegPijlToe(p, teken, nieuw);
    p = k(p).link;
  }
  if (p < 0) {
    k(nieuw).link = 0;
  } else {
    const std::int32_t q = pijlen_[static_cast<std::size_t>(ZoekPijl(p, teken))].naar;
    if (k(p).lengte + 1 == k(q).lengte) {
      k(nieuw).link = q;
    } else {
      const auto kloon = static_cast<std::int32_t>(knopen_.size());
      knopen_.push_back({k(p).lengte + 1, k(q).link, -1});
      for (std::int32_t e = k(q).eerstePijl; e >= 0; e = pijlen_[static_cast<std::size_t>(e)].volgende) {
        const Pijl pijl = pijlen_[static_cast<std::size_t>(e)];
        VoegPijlToe(kloon, pijl.teken, pijl.naar);
      }
      while (p >= 0) {
        const std::int32_t e = ZoekPijl(p, teken);
        if (e < 0 || pijlen_[static_cast<std::size_t>(e)].naar != q) break;
        pijlen_[static_cast<std::size_t>(e)].naar = kloon;
        p = k(p).link;
      }
      k(q).link = kloon;
      k(nieuw).link = kloon;
    }
  }
  laatste_ = nieuw;
}

}  // namespace plovena
