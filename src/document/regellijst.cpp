#include "document/regellijst.h"

#include <algorithm>
#include <cstring>

namespace plovena {

namespace {
constexpr std::size_t kBlokGrootte = 256 * 1024;
}

std::string_view Opslag::Bewaar(std::string_view tekst) {
  if (tekst.empty()) return {};
  if (tekst.size() > over_) {
    if (tekst.size() > kBlokGrootte / 4) {
      // A long line gets a block of its own, so the current block is not wasted.
      auto blok = std::make_unique<char[]>(tekst.size());
      std::memcpy(blok.get(), tekst.data(), tekst.size());
      std::string_view v(blok.get(), tekst.size());
      blokken_.push_back(std::move(blok));
      return v;
    }
    blokken_.push_back(std::make_unique<char[]>(kBlokGrootte));
    vrij_ = blokken_.back().get();
    over_ = kBlokGrootte;
  }
  std::memcpy(vrij_, tekst.data(), tekst.size());
  std::string_view v(vrij_, tekst.size());
  vrij_ += tekst.size();
  over_ -= tekst.size();
  return v;
}

std::string_view Opslag::Neem(std::string buffer) {
  buffers_.push_back(std::make_unique<std::string>(std::move(buffer)));
  return *buffers_.back();
}

Regellijst::Regellijst() : opslag_(std::make_shared<Opslag>()) {}

void Regellijst::Verwijder(std::size_t i) { regels_.erase(regels_.begin() + static_cast<std::ptrdiff_t>(i)); }

void Regellijst::VoegIn(std::size_t i, std::string_view tekst) {
  regels_.insert(regels_.begin() + static_cast<std::ptrdiff_t>(i), EigenOpslag().Bewaar(tekst));
}

void Regellijst::Wis() {
  regels_.clear();
  opslag_ = std::make_shared<Opslag>();
}

std::size_t Regellijst::TekstLengte() const {
  std::size_t n = 0;
  for (auto r : regels_) n += r.size() + 2;
  return n;
}

std::string Regellijst::Tekst() const {
  std::string uit;
  uit.resize(TekstLengte());
  char* p = uit.data();
  for (auto r : regels_) {
    std::memcpy(p, r.data(), r.size());
    p += r.size();
    *p++ = '\r';
    *p++ = '\n';
  }
  return uit;
}

Regellijst Regellijst::UitBuffer(std::string buffer) { return UitBuffer(std::move(buffer), 0); }

Regellijst Regellijst::UitBuffer(std::string buffer, std::size_t begin) {
  Regellijst lijst;
  std::string_view b = lijst.opslag_->Neem(std::move(buffer));
  b.remove_prefix(std::min(begin, b.size()));
  const char* p = b.data();
  const char* const eind = p + b.size();

  // Count the line ends first so the vector is allocated once: every LF, and every CR that
  // is not followed by an LF.
  const std::size_t lfs = static_cast<std::size_t>(std::count(p, eind, '\n'));
  std::size_t losseCrs = 0;
  for (const char* q = p; q < eind; ++q) {
    q = static_cast<const char*>(std::memchr(q, '\r', static_cast<std::size_t>(eind - q)));
    if (!q) break;
    if (q + 1 == eind || q[1] != '\n') ++losseCrs;
  }
  lijst.regels_.reserve(lfs + losseCrs + 1);

  if (losseCrs == 0) {
    // Only LF and CR LF (nearly every file): each line ends at the next LF.
    while (p < eind) {
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(eind - p)));
      if (!lf) {
        lijst.regels_.emplace_back(p, static_cast<std::size_t>(eind - p));
        break;
      }
      const char* e = (lf > p && lf[-1] == '\r') ? lf - 1 : lf;
      lijst.regels_.emplace_back(p, static_cast<std::size_t>(e - p));
      p = lf + 1;
    }
    return lijst;
  }

  const char* regel = p;
  for (; p < eind; ++p) {
    if (*p != '\n' && *p != '\r') continue;
    lijst.regels_.emplace_back(regel, static_cast<std::size_t>(p - regel));
    if (*p == '\r' && p + 1 < eind && p[1] == '\n') ++p;
    regel = p + 1;
  }
  if (regel < eind) lijst.regels_.emplace_back(regel, static_cast<std::size_t>(eind - regel));
  return lijst;
}

}  // namespace plovena
