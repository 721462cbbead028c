#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plovena {

// A growing text that answers "does this piece occur anywhere in it" in time linear in the
// lengths involved. A short text is searched directly; once it is long, a suffix automaton is
// built and extended with every addition, so one person with thousands of distinct
// occupations does not make the merge quadratic.
class Deeltekst {
 public:
  void Wis();
  void VoegToe(std::string_view stuk);
  bool Bevat(std::string_view stuk) const;
  const std::string& Tekst() const noexcept { return tekst_; }
  bool Geindexeerd() const noexcept { return !knopen_.empty(); }

  // Up to this length a plain search is cheaper than the automaton.
  static constexpr std::size_t kDrempel = 4096;

 private:
  struct Knoop {
    std::int32_t lengte;
    std::int32_t link;
    std::int32_t eerstePijl;
  };
  struct Pijl {
    std::int32_t naar;
    std::int32_t volgende;
    unsigned char teken;
  };
  // Beyond this length the indexes would no longer fit; the text is then searched directly.
  static constexpr std::size_t kGrens = 500'000'000;

  std::int32_t ZoekPijl(std::int32_t knoop, unsigned char teken) const;
  void VoegPijlToe(std::int32_t van, unsigned char teken, std::int32_t naar);
  void Breid(unsigned char teken);

  std::string tekst_;
  std::vector<Knoop> knopen_;
  std::vector<Pijl> pijlen_;
  std::int32_t laatste_ = 0;
};

}  // namespace plovena
