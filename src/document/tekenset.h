#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plovena {

class Regellijst;
struct Werkbestand;

// The character set in which a document's bytes are shown. Only the display decodes: the lines
// keep their bytes, so commands and saving never see a conversion.
enum class Tekenset {
  Utf8,
  Windows1252,
  Cp437,     // IBM PC
  MacRoman,  // Macintosh
  Ansel,     // GEDCOM's ANSEL: combining marks before their letter
  Ascii,     // bytes 0x80 and up as Windows-1252, the usual meaning of such bytes in these files
};

// The set for a document: UTF-8 after a byte-order mark (UTF-16 lines are held as UTF-8), else
// the header's CHAR value, else UTF-8 when every line is valid UTF-8, else Windows-1252.
Tekenset KiesTekenset(const Werkbestand& wb);

// Dutch name of the set, for the line "Tekenset: " + name.
std::string_view TekensetNaam(Tekenset t) noexcept;

bool IsGeldigUtf8(std::string_view bytes) noexcept;

// Where a line's bytes and its decoded text (UTF-16 units) meet. Bytes that decode together (one
// UTF-8 sequence, an ANSEL letter with the marks before it) form one group, and so do the units
// they give; a position inside a group has no counterpart, so ranges widen to whole groups.
class Posities {
 public:
  // The bytes that gave units [begin, eind): begin rounded down, eind rounded up to a group edge.
  std::pair<std::size_t, std::size_t> NaarBytes(std::size_t begin, std::size_t eind) const;
  // The units given by bytes [begin, eind), rounded the same way.
  std::pair<std::size_t, std::size_t> NaarEenheden(std::size_t begin, std::size_t eind) const;

 private:
  friend class Decodeerder;
  // (byte, unit) at every group edge, from (0, 0) to (bytes, units); both rise strictly.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> grenzen_;
};

// Turns lines of one document into UTF-16 for display. Cheap to copy; single-byte sets are one
// table lookup per byte (tables built once per program run).
class Decodeerder {
 public:
  explicit Decodeerder(Tekenset t = Tekenset::Utf8);

  Tekenset Soort() const noexcept { return soort_; }

  std::u16string Decodeer(std::string_view regel) const;
  // Appends the decoded line to doel, so that one buffer serves a walk over all lines.
  void VoegToe(std::string_view regel, std::u16string& doel) const;
  // The decoded line with the edges needed to map a range back to the bytes.
  std::u16string Decodeer(std::string_view regel, Posities& posities) const;

  // The decoded text form of a list: every line followed by CR LF, the last one too.
  std::u16string Tekst(const Regellijst& regels) const;

 private:
  void Ontcijfer(std::string_view regel, std::u16string& doel, Posities* posities) const;

  Tekenset soort_;
  const char16_t* tabel_;  // 256 entries; for UTF-8 unused
};

}  // namespace plovena
