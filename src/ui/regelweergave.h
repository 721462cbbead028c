#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/regellijst.h"
#include "document/tekenset.h"

namespace plovena {

// One line's bytes as the screen shows them. byteVan maps each UTF-16 unit of tekst to the
// offset of the byte it came from (one entry more for the end); empty means one byte per unit.
// The view itself counts units and uses only tekst.
struct Regeltekst {
  QString tekst;
  std::vector<int> byteVan;
};

// Turns the bytes of one line into screen text. Replaceable, so a document's own code page
// can be plugged in.
using Regeldecodeerder = std::function<Regeltekst(std::string_view)>;

// The default: valid UTF-8 sequences as UTF-8, every other byte as Windows-1252.
Regeltekst DecodeerRegel(std::string_view regel);

// A read-only view of a list of lines that paints only the visible lines straight from the
// list. It keeps its own copy of the list (a snapshot that shares the document's views until
// either side changes), so a later change of the document shows only when the view is given
// the new list.
//
// Positions (selection start and length) count UTF-16 units of the displayed text form: every
// line decoded, followed by CR LF (two units). Tekst() is the bytes of that form, undecoded.
class Regelweergave : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit Regelweergave(QWidget* ouder = nullptr);

  // Shows the lines; the selection goes back to the top, as when a memo gets a new text.
  void ZetRegels(Regellijst regels);
  // The same with a document's own decoder, measured once.
  void ZetRegels(Regellijst regels, const Decodeerder& d);
  const Regellijst& Regels() const { return regels_; }
  std::string Tekst() const { return regels_.Tekst(); }
  std::size_t TekstLengte() const { return maat_.totaal; }  // in units, as the positions
  // Appends line i as the screen shows it (without its line end) to doel.
  void VoegWeergaveToe(std::size_t i, std::u16string& doel) const;

  std::size_t SelStart() const { return anker_ < cursor_ ? anker_ : cursor_; }
  std::size_t SelLength() const { return anker_ < cursor_ ? cursor_ - anker_ : anker_ - cursor_; }
  // Clamped to the text; scrolls the start of the selection into view.
  void ZetSelectie(std::size_t start, std::size_t lengte);
  void SelecteerAlles();
  QString GeselecteerdeTekst() const;
  void KopieerSelectie() const;  // to the clipboard as text; an empty selection copies nothing

  // A null function gives the default back. The positions are measured again.
  void ZetDecodeerder(Regeldecodeerder d);
  void ZetDecodeerder(const Decodeerder& d);

  // The line that holds text position pos (Count() at or past the end) and where a line begins
  // (TekstLengte() for Count()). Fastest when walked in order, as a search or a paint does.
  std::size_t RegelVanPositie(std::size_t pos) const;
  std::size_t RegelBegin(std::size_t i) const {
    return i == vorigeRegel_ && i < maat_.aantal ? vorigeBegin_ : ZoekRegelBegin(i);
  }
  std::size_t EersteZichtbareRegel() const;
  int ZichtbareRegels() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;  // handled: the view has no context menu
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* e) override;

 private:
  // Appends one line's screen text to a buffer of units: one buffer serves a walk over lines.
  using Schrijver = std::function<void(std::string_view, std::u16string&)>;

  // Where the lines stand in the text form, in units. Kept per block of 64 lines, not per line:
  // the block's start, and the lines whose number of units differs from their number of bytes
  // (only lines with a byte >= 0x80, a few in a hundred in a real file) with that difference.
  // Every other line's length is its byte count, so a million lines take half a megabyte here
  // instead of eight.
  static constexpr std::size_t kBlok = 64;
  struct Blok {
    std::size_t begin = 0;     // text position of the block's first line
    std::uint64_t anders = 0;  // bit k: line k of the block has another length than its bytes
    std::size_t eerste = 0;    // the entry in verschil of the block's first such line
  };
  struct Maat {
    std::vector<Blok> blokken;
    std::vector<std::ptrdiff_t> verschil;  // units minus bytes of each such line, in line order
    std::size_t aantal = 0;                // lines
    std::size_t totaal = 0;
    std::size_t breedste = 0;  // longest line in units
  };

  int RegelHoogte() const;
  int TekenBreedte() const;
  int ZichtbareKolommen() const;
  void WerkSchuifbalkenBij();
  void MaakZichtbaar(std::size_t pos);
  std::size_t PositieBij(QPoint p) const;
  std::size_t ZoekRegelBegin(std::size_t i) const;
  static Maat Meet(const Regellijst& regels, const Schrijver& schrijf, bool asciiZelf,
                   std::u16string& buffer);
  // Shows regels measured with schrijf; nothing changes when the measuring fails.
  void Neem(Regellijst regels, Schrijver schrijf, bool asciiZelf);
  void Hermeet(Schrijver schrijf, bool asciiZelf);  // after a change of decoder
  // Line i's length in units, without the line end.
  std::size_t Lengte(std::size_t i) const { return Lengte(regels_.Regels(), i); }
  std::size_t Lengte(const std::vector<std::string_view>& regels, std::size_t i) const {
    const Blok& b = maat_.blokken[i / kBlok];
    const auto k = static_cast<unsigned>(i % kBlok);
    std::size_t n = regels[i].size();
    if ((b.anders >> k) & 1u) {
      const std::uint64_t ervoor = b.anders & ((std::uint64_t{1} << k) - 1);
      n += static_cast<std::size_t>(
          maat_.verschil[b.eerste + static_cast<std::size_t>(std::popcount(ervoor))]);
    }
    return n;
  }

  Regellijst regels_;
  Maat maat_;
  // The last line RegelBegin or RegelVanPositie answered for, and where it begins.
  mutable std::size_t vorigeRegel_ = 0;
  mutable std::size_t vorigeBegin_ = 0;
  std::size_t anker_ = 0;
  std::size_t cursor_ = 0;
  Schrijver schrijf_;
  // ASCII shows as itself, as in every code page a GEDCOM file names: such lines need no
  // decoding. Not assumed of a decoder plugged in from outside.
  bool asciiZelf_ = true;
  mutable std::u16string buffer_;  // for the lines being painted or measured
};

}  // namespace plovena
