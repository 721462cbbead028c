#include "document/regellijst.h"

#include <algorithm>
#include <cstring>

namespace plovena {

namespace {
constexpr std::size_t kBlokGrootte = 256 * 1024;

// memchr is vectorised in the C library; a plain counting loop is not at -O2.
std::size_t Tel(const char* p, const char* eind, char c) {
  std::size_t n = 0;
  while ((p = static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(eind - p))))) {
    ++n;
    ++p;
  }
  return n;
}
}  // namespace

std::string_view Opslag::Bewaar(std::string_view tekst) {
  if (tekst.empty()) return std::string_view("", 0);  // never a null pointer: memcpy of it is fine
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

const Regellijst::Index& Regellijst::GeenRegels() noexcept {
  static const Index geen;
  return geen;
}

void Regellijst::MaakRegelsEigen() {
  // The views are copied, never the bytes: those stay shared in the Opslag.
  regels_ = regels_ ? std::make_shared<Index>(*regels_) : std::make_shared<Index>();
}

void Regellijst::Verwijder(std::size_t i) {
  Index& r = EigenRegels();
  r.erase(r.begin() + static_cast<std::ptrdiff_t>(i));
}

void Regellijst::VoegIn(std::size_t i, std::string_view tekst) {
  Index& r = EigenRegels();
  r.insert(r.begin() + static_cast<std::ptrdiff_t>(i), EigenOpslag().Bewaar(tekst));
}

void Regellijst::Wis() {
  regels_.reset();
  opslag_ = std::make_shared<Opslag>();
}

std::size_t Regellijst::TekstLengte() const {
  std::size_t n = 0;
  for (auto r : Regels()) n += r.size() + 2;
  return n;
}

std::string Regellijst::Tekst() const {
  std::string uit;
  uit.resize(TekstLengte());
  char* p = uit.data();
  for (auto r : Regels()) {
    if (!r.empty()) std::memcpy(p, r.data(), r.size());
    p += r.size();
    *p++ = '\r';
    *p++ = '\n';
  }
  return uit;
}

Regellijst Regellijst::UitBuffer(std::string buffer) { return UitBuffer(std::move(buffer), 0); }

Regellijst Regellijst::UitBuffer(std::string buffer, std::size_t begin) {
  Regellijst lijst;
  Index& regels = lijst.EigenRegels();
  std::string_view b = lijst.opslag_->Neem(std::move(buffer));
  b.remove_prefix(std::min(begin, b.size()));
  const char* p = b.data();
  const char* const eind = p + b.size();

  // Count first so the vector is allocated once. Nearly every file has only LF or CR LF line
  // ends: then each line ends at the next LF, and every CR stands right before one. That is
  // checked while splitting; a file with a lone CR somewhere is split again byte by byte.
  const std::size_t lfs = Tel(p, eind, '\n');
  const std::size_t crs = Tel(p, eind, '\r');
  std::size_t crVoorLf = 0;
  if (crs <= lfs) {
    regels.reserve(lfs + 1);
    const char* q = p;
    while (q < eind) {
      const char* lf = static_cast<const char*>(std::memchr(q, '\n', static_cast<std::size_t>(eind - q)));
      if (!lf) {
        regels.emplace_back(q, static_cast<std::size_t>(eind - q));
        break;
      }
      const char* e = lf;
      if (lf > q && lf[-1] == '\r') {
        --e;
        ++crVoorLf;
      }
      regels.emplace_back(q, static_cast<std::size_t>(e - q));
      q = lf + 1;
    }
    if (crVoorLf == crs) return lijst;
    regels.clear();
  }
  regels.reserve(lfs + crs - crVoorLf + 1);

  const char* regel = p;
  for (; p < eind; ++p) {
    if (*p != '\n' && *p != '\r') continue;
    regels.emplace_back(regel, static_cast<std::size_t>(p - regel));
    // CR LF and LF CR are one line end each (GEDCOM allows both orders); read as two, an
    // LF CR file would get an empty line after every line, and empty lines end every block.
    if (p + 1 < eind && (p[1] == '\n' || p[1] == '\r') && p[1] != *p) ++p;
    regel = p + 1;
  }
  if (regel < eind) regels.emplace_back(regel, static_cast<std::size_t>(eind - regel));
  return lijst;
}

}  // namespace plovena
