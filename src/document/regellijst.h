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
// Lines are views into the shared Opslag, and the list of views itself is shared between
// copies until one of them changes it (copy on write): a copy (a snapshot for the view, the
// state kept to restore after a failed command) costs nothing until the first change, then one
// view per line. A line read with Regel() stays valid after later edits. Every view placed in
// Regels() must point into Opslag() of this list (use Bewaar()).
//
// The one rule this adds: a reference obtained from non-const Regels() belongs to this list
// only until the list is copied (or assigned from, or to); after that, writing through it would
// change the copy as well. Walks take Regels() inside the walk and copy no list while they hold
// it. Read-only walks use the const Regels() (std::as_const on a non-const list), which never
// copies.
class Regellijst {
 public:
  Regellijst();

  std::size_t Count() const noexcept { return regels_ ? regels_->size() : 0; }
  bool Leeg() const noexcept { return Count() == 0; }
  std::string_view Regel(std::size_t i) const { return (*regels_)[i]; }
  std::string_view operator[](std::size_t i) const { return (*regels_)[i]; }

  void Vervang(std::size_t i, std::string_view tekst) {
    std::vector<std::string_view>& r = EigenRegels();
    r[i] = EigenOpslag().Bewaar(tekst);
  }
  // Moves every later line up by one: linear, so walks compact with Regels() instead.
  void Verwijder(std::size_t i);
  void VoegIn(std::size_t i, std::string_view tekst);
  void VoegToe(std::string_view tekst) {
    std::vector<std::string_view>& r = EigenRegels();
    r.push_back(EigenOpslag().Bewaar(tekst));
  }
  void Wis();

  // The text form: every line followed by CR LF, the last one too.
  std::string Tekst() const;
  std::size_t TekstLengte() const;

  // Direct access for walks that rebuild the list in one pass (read index, write index). The
  // non-const one makes this list's views its own first (see the rule above).
  std::vector<std::string_view>& Regels() { return EigenRegels(); }
  const std::vector<std::string_view>& Regels() const noexcept { return regels_ ? *regels_ : GeenRegels(); }
  std::string_view Bewaar(std::string_view tekst) { return EigenOpslag().Bewaar(tekst); }
  Opslag& GedeeldeOpslag() { return EigenOpslag(); }

  // Splits a buffer into lines at CR LF, LF CR, LF and lone CR; a line end after the last line adds
  // no empty line. The buffer is taken over, not copied.
  static Regellijst UitBuffer(std::string buffer);
  // The same for the bytes from index begin on (after a byte-order mark).
  static Regellijst UitBuffer(std::string buffer, std::size_t begin);

 private:
  using Index = std::vector<std::string_view>;

  // A list that was moved from has no storage and no views; it gets fresh ones when it is used
  // again.
  Opslag& EigenOpslag() {
    if (!opslag_) opslag_ = std::make_shared<Opslag>();
    return *opslag_;
  }
  Index& EigenRegels() {
    if (!regels_ || regels_.use_count() > 1) MaakRegelsEigen();
    return *regels_;
  }
  void MaakRegelsEigen();
  static const Index& GeenRegels() noexcept;

  std::shared_ptr<Index> regels_;  // null: no lines
  std::shared_ptr<Opslag> opslag_;
};

}  // namespace plovena
