#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plovena {

// Append-only byte storage shared by a list and its copies. Bytes once stored never move or
// change, so a view into it stays valid for as long as any list that shares it lives.
class Opslag {
 public:
  // Stores a copy of the text and returns a stable view of that copy.
  std::string_view Bewaar(std::string_view tekst);
  // Takes over a whole buffer (a loaded file) without copying it.
  std::string_view Neem(std::string buffer);

 private:
  std::vector<std::unique_ptr<char[]>> blokken_;
  std::vector<std::unique_ptr<std::string>> buffers_;  // owned apart: a short string's bytes live inside it
  char* vrij_ = nullptr;
  std::size_t over_ = 0;
};

// An ordered list of lines held as raw bytes, without their line ends.
//
// Lines are views into the shared Opslag, so copying a list (a snapshot for the view) costs
// one pointer per line, and a line read with Regel() stays valid after later edits. Every
// view placed in Regels() must point into Opslag() of this list (use Bewaar()).
class Regellijst {
 public:
  Regellijst();

  std::size_t Count() const noexcept { return regels_.size(); }
  bool Leeg() const noexcept { return regels_.empty(); }
  std::string_view Regel(std::size_t i) const { return regels_[i]; }
  std::string_view operator[](std::size_t i) const { return regels_[i]; }

  void Vervang(std::size_t i, std::string_view tekst) { regels_[i] = EigenOpslag().Bewaar(tekst); }
  // Moves every later line up by one: linear, so walks compact with Regels() instead.
  void Verwijder(std::size_t i);
  void VoegIn(std::size_t i, std::string_view tekst);
  void VoegToe(std::string_view tekst) { regels_.push_back(EigenOpslag().Bewaar(tekst)); }
  void Wis();

  // The text form: every line followed by CR LF, the last one too.
  std::string Tekst() const;
  std::size_t TekstLengte() const;

  // Direct access for walks that rebuild the list in one pass (read index, write index).
  std::vector<std::string_view>& Regels() noexcept { return regels_; }
  const std::vector<std::string_view>& Regels() const noexcept { return regels_; }
  std::string_view Bewaar(std::string_view tekst) { return EigenOpslag().Bewaar(tekst); }
  Opslag& GedeeldeOpslag() { return EigenOpslag(); }

  // Splits a buffer into lines at CR LF, LF CR, LF and lone CR; a line end after the last line adds
  // no empty line. The buffer is taken over, not copied.
  static Regellijst UitBuffer(std::string buffer);
  // The same for the bytes from index begin on (after a byte-order mark).
  static Regellijst UitBuffer(std::string buffer, std::size_t begin);

 private:
  // A list that was moved from has no storage; it gets a fresh one when it is used again.
  Opslag& EigenOpslag() {
    if (!opslag_) opslag_ = std::make_shared<Opslag>();
    return *opslag_;
  }

  std::vector<std::string_view> regels_;
  std::shared_ptr<Opslag> opslag_;
};

}  // namespace plovena
