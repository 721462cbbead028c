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
  regels_.insert(regels_.begin() + static_cast<std::ptrdiff_t>(i), opslag_->Bewaar(tekst));
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

Regellijst Regellijst::UitBuffer(std::string buffer) {
  Regellijst lijst;
  std::string_view b = lijst.opslag_->Neem(std::move(buffer));
  const char* p = b.data();
  const char* eind = p + b.size();

  std::size_t einden = 0;
  for (const char* q = p; q < eind; ++q) {
    if (*q == '\n' || (*q == '\r' && (q + 1 == eind || q[1] != '\n'))) ++einden;
  }
  lijst.regels_.reserve(einden + 1);

  const char* begin = p;
  while (p < eind) {
    // memchr-style scan for the next CR or LF.
    const char* q = p;
    while (q < eind && *q != '\n' && *q != '\r') ++q;
    if (q == eind) break;
    lijst.regels_.emplace_back(begin, static_cast<std::size_t>(q - begin));
    p = (*q == '\r' && q + 1 < eind && q[1] == '\n') ? q + 2 : q + 1;
    begin = p;
  }
  if (begin < eind) lijst.regels_.emplace_back(begin, static_cast<std::size_t>(eind - begin));
  return lijst;
}

}  // namespace plovena
