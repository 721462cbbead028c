#include "ui/regelweergave.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace plovena {

namespace {

constexpr int kMarge = 3;  // pixels left of the text

// Windows-1252 for 0x80..0x9F; the five undefined bytes keep their Latin-1 code.
constexpr char16_t kCp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the valid UTF-8 sequence at p (0 when there is none) and its code point.
int Utf8Reeks(const unsigned char* p, std::size_t over, char32_t& cp) {
  const unsigned char c = p[0];
  int n;
  char32_t minimum;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2, cp = c & 0x1F, minimum = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3, cp = c & 0x0F, minimum = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4, cp = c & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (over < static_cast<std::size_t>(n)) return 0;
  for (int k = 1; k < n; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[k] & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool IsAscii(std::string_view s) noexcept {
  std::size_t i = 0;
  for (std::uint64_t acht; i + 8 <= s.size(); i += 8) {
    std::memcpy(&acht, s.data() + i, 8);
    if (acht & 0x8080808080808080u) return false;
  }
  for (; i < s.size(); ++i)
    if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
  return true;
}

std::function<void(std::string_view, std::u16string&)> AlsSchrijver(Regeldecodeerder d) {
  return [d = std::move(d)](std::string_view regel, std::u16string& doel) {
    const QString t = d(regel).tekst;
    doel.append(reinterpret_cast<const char16_t*>(t.utf16()), static_cast<std::size_t>(t.size()));
  };
}

QString AlsQString(const char16_t* p, std::size_t n) {
  return QString(reinterpret_cast<const QChar*>(p), static_cast<qsizetype>(n));
}

}  // namespace

Regeltekst DecodeerRegel(std::string_view regel) {
  Regeltekst r;
  const auto* p = reinterpret_cast<const unsigned char*>(regel.data());
  const std::size_t n = regel.size();
  if (std::all_of(p, p + n, [](unsigned char c) { return c < 0x80; })) {
    r.tekst = QString::fromLatin1(regel.data(), static_cast<qsizetype>(n));
    return r;
  }
  r.tekst.reserve(static_cast<qsizetype>(n));
  r.byteVan.reserve(n + 1);
  std::size_t i = 0;
  while (i < n) {
    char32_t cp = 0;
    int lengte = p[i] < 0x80 ? 0 : Utf8Reeks(p + i, n - i, cp);
    if (lengte == 0) {
      const unsigned char c = p[i];
      r.tekst.append(QChar(c >= 0x80 && c < 0xA0 ? kCp1252[c - 0x80] : char16_t(c)));
      r.byteVan.push_back(static_cast<int>(i));
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      r.tekst.append(QChar::highSurrogate(cp));
      r.tekst.append(QChar::lowSurrogate(cp));
      r.byteVan.push_back(static_cast<int>(i));
      r.byteVan.push_back(static_cast<int>(i));
    } else {
      r.tekst.append(QChar(static_cast<char16_t>(cp)));
      r.byteVan.push_back(static_cast<int>(i));
    }
    i += static_cast<std::size_t>(lengte);
  }
  r.byteVan.push_back(static_cast<int>(n));
  return r;
}

Regelweergave::Regelweergave(QWidget* ouder)
    : QAbstractScrollArea(ouder), schrijf_(AlsSchrijver(DecodeerRegel)) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  ZetRegels(Regellijst());
}

void Regelweergave::VoegWeergaveToe(std::size_t i, std::u16string& doel) const {
  const std::string_view regel = regels_[i];
  const std::size_t voor = doel.size();
  if (asciiZelf_ && IsAscii(regel))
    doel.append(regel.begin(), regel.end());
  else
    schrijf_(regel, doel);
  // A search or a paint asks next where line i + 1 begins: the units just written tell.
  if (i == vorigeRegel_) {
    vorigeRegel_ = i + 1;
    vorigeBegin_ += doel.size() - voor + 2;
  }
}

Regelweergave::Maat Regelweergave::Meet(const Regellijst& regels, const Schrijver& schrijf, bool asciiZelf,
                                        std::u16string& buffer) {
  // Positions count displayed units, so every line is measured; a line of ASCII has one unit
  // per byte in every code page, which spares the decoding of nearly every line.
  const auto& r = regels.Regels();
  Maat m;
  m.blokken.reserve((r.size() + kBlok - 1) / kBlok);
  std::size_t pos = 0;
  for (std::size_t i = 0; i < r.size(); ++i) {
    if (i % kBlok == 0) m.blokken.push_back({pos, 0, m.verschil.size()});
    std::size_t lengte = r[i].size();
    if (!asciiZelf || !IsAscii(r[i])) {
      buffer.clear();
      schrijf(r[i], buffer);
      lengte = buffer.size();
      if (lengte != r[i].size()) {
        m.blokken.back().anders |= std::uint64_t{1} << (i % kBlok);
        m.verschil.push_back(static_cast<std::ptrdiff_t>(lengte) - static_cast<std::ptrdiff_t>(r[i].size()));
      }
    }
    pos += lengte + 2;
    m.breedste = std::max(m.breedste, lengte);
  }
  m.verschil.shrink_to_fit();
  m.aantal = r.size();
  m.totaal = pos;
  return m;
}

void Regelweergave::Neem(Regellijst regels, Schrijver schrijf, bool asciiZelf) {
  Maat m = Meet(regels, schrijf, asciiZelf, buffer_);
  // The old list goes at once: after an open it holds the previous document.
  regels_ = std::move(regels);
  maat_ = std::move(m);
  schrijf_ = std::move(schrijf);
  asciiZelf_ = asciiZelf;
  vorigeRegel_ = vorigeBegin_ = 0;
}

std::size_t Regelweergave::ZoekRegelBegin(std::size_t i) const {
  if (i >= maat_.aantal) return maat_.totaal;
  // From the block's start, or on from the last answer when that lies before i in the same
  // block: a walk over the lines in order adds one line a step.
  std::size_t r = i - i % kBlok;
  std::size_t pos;
  if (vorigeRegel_ <= i && vorigeRegel_ >= r) {
    r = vorigeRegel_;
    pos = vorigeBegin_;
  } else {
    pos = maat_.blokken[i / kBlok].begin;
  }
  if (r < i) {
    const auto& regels = regels_.Regels();
    for (; r < i; ++r) pos += Lengte(regels, r) + 2;
  }
  vorigeRegel_ = i;
  vorigeBegin_ = pos;
  return pos;
}

void Regelweergave::ZetRegels(Regellijst regels) {
  Neem(std::move(regels), schrijf_, asciiZelf_);
  anker_ = cursor_ = 0;
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  WerkSchuifbalkenBij();
  viewport()->update();
}

void Regelweergave::ZetRegels(Regellijst regels, const Decodeerder& d) {
  Neem(
      std::move(regels), [d](std::string_view regel, std::u16string& doel) { d.VoegToe(regel, doel); }, true);
  anker_ = cursor_ = 0;
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  WerkSchuifbalkenBij();
  viewport()->update();
}

void Regelweergave::ZetDecodeerder(Regeldecodeerder d) {
  const bool asciiZelf = !d;
  Hermeet(AlsSchrijver(d ? std::move(d) : Regeldecodeerder(DecodeerRegel)), asciiZelf);
}

void Regelweergave::ZetDecodeerder(const Decodeerder& d) {
  Hermeet([d](std::string_view regel, std::u16string& doel) { d.VoegToe(regel, doel); }, true);
}

void Regelweergave::Hermeet(Schrijver schrijf, bool asciiZelf) {
  Regellijst regels = regels_;  // shares the views
  Neem(std::move(regels), std::move(schrijf), asciiZelf);
  anker_ = std::min(anker_, TekstLengte());
  cursor_ = std::min(cursor_, TekstLengte());
  WerkSchuifbalkenBij();
  viewport()->update();
}

std::size_t Regelweergave::RegelVanPositie(std::size_t pos) const {
  if (pos >= maat_.totaal) return regels_.Count();
  // Block starts ascend (every line takes at least its line end): the last block that begins
  // at or before pos, then its lines.
  const auto& b = maat_.blokken;
  const auto na =
      std::upper_bound(b.begin(), b.end(), pos, [](std::size_t p, const Blok& x) { return p < x.begin; });
  std::size_t i = static_cast<std::size_t>(na - b.begin() - 1) * kBlok;
  std::size_t begin = na[-1].begin;
  const auto& regels = regels_.Regels();
  for (std::size_t volgende; (volgende = begin + Lengte(regels, i) + 2) <= pos; ++i) begin = volgende;
  vorigeRegel_ = i;
  vorigeBegin_ = begin;
  return i;
}

int Regelweergave::RegelHoogte() const { return std::max(1, fontMetrics().height()); }
int Regelweergave::TekenBreedte() const {
  return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('M')));
}
int Regelweergave::ZichtbareRegels() const { return std::max(1, viewport()->height() / RegelHoogte()); }
int Regelweergave::ZichtbareKolommen() const {
  return std::max(1, (viewport()->width() - kMarge) / TekenBreedte());
}

std::size_t Regelweergave::EersteZichtbareRegel() const {
  return static_cast<std::size_t>(std::max(0, verticalScrollBar()->value()));
}

void Regelweergave::WerkSchuifbalkenBij() {
  const int regels = ZichtbareRegels();
  const auto aantal = static_cast<long long>(regels_.Count());
  verticalScrollBar()->setRange(0, static_cast<int>(std::clamp<long long>(aantal - regels, 0, INT32_MAX)));
  verticalScrollBar()->setPageStep(regels);
  verticalScrollBar()->setSingleStep(1);
  const int kolommen = ZichtbareKolommen();
  const auto breed = static_cast<long long>(maat_.breedste) + 1;
  horizontalScrollBar()->setRange(0, static_cast<int>(std::clamp<long long>(breed - kolommen, 0, INT32_MAX)));
  horizontalScrollBar()->setPageStep(kolommen);
  horizontalScrollBar()->setSingleStep(1);
}

void Regelweergave::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  WerkSchuifbalkenBij();
}

void Regelweergave::changeEvent(QEvent* e) {
  QAbstractScrollArea::changeEvent(e);
  if (e->type() == QEvent::FontChange) WerkSchuifbalkenBij();
}

void Regelweergave::scrollContentsBy(int, int) { viewport()->update(); }

void Regelweergave::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.setFont(font());
  const int lh = RegelHoogte();
  const int cw = TekenBreedte();
  const int ascent = fontMetrics().ascent();
  const int kolom0 = horizontalScrollBar()->value();
  const int kolommen = ZichtbareKolommen() + 2;
  const std::size_t eerste = EersteZichtbareRegel();
  const std::size_t laatste =
      std::min(regels_.Count(), eerste + static_cast<std::size_t>(ZichtbareRegels()) + 1);
  const std::size_t selBegin = SelStart();
  const std::size_t selEind = selBegin + SelLength();
  const QPalette& pal = palette();
  const QColor tekstKleur = pal.color(QPalette::Text);

  for (std::size_t i = eerste; i < laatste; ++i) {
    const int y = static_cast<int>(i - eerste) * lh;
    buffer_.clear();
    VoegWeergaveToe(i, buffer_);
    const int tekens = static_cast<int>(buffer_.size());

    // The selected columns of this line; the line end counts as one column after the text.
    int selVan = -1, selTot = -1;
    const std::size_t b = RegelBegin(i);
    const std::size_t regelEind = b + buffer_.size();
    if (selEind > selBegin && selBegin < regelEind + 2 && selEind > b) {
      selVan = static_cast<int>(std::min(selBegin > b ? selBegin - b : 0, buffer_.size()));
      selTot = selEind > regelEind ? tekens + 1 : static_cast<int>(selEind - b);
    }
    if (selVan >= 0 && selTot > selVan) {
      QRect rect(kMarge + (selVan - kolom0) * cw, y, (selTot - selVan) * cw, lh);
      p.fillRect(rect, pal.color(QPalette::Highlight));
    }
    if (kolom0 >= tekens) continue;
    const QString zichtbaar = AlsQString(
        buffer_.data() + kolom0, std::min<std::size_t>(static_cast<std::size_t>(kolommen),
                                                       buffer_.size() - static_cast<std::size_t>(kolom0)));
    // Monospaced: each unit draws at its own column, so the selection lines up with the text.
    p.setPen(tekstKleur);
    p.drawText(kMarge, y + ascent, zichtbaar);
    if (selVan >= 0 && selTot > selVan) {
      p.save();
      p.setClipRect(QRect(kMarge + (selVan - kolom0) * cw, y, (selTot - selVan) * cw, lh));
      p.setPen(pal.color(QPalette::HighlightedText));
      p.drawText(kMarge, y + ascent, zichtbaar);
      p.restore();
    }
  }
}

void Regelweergave::MaakZichtbaar(std::size_t pos) {
  const std::size_t regel = std::min(RegelVanPositie(pos), regels_.Count() ? regels_.Count() - 1 : 0);
  const std::size_t eerste = EersteZichtbareRegel();
  const auto zichtbaar = static_cast<std::size_t>(ZichtbareRegels());
  if (regel < eerste || regel >= eerste + zichtbaar)
    verticalScrollBar()->setValue(static_cast<int>(regel > zichtbaar / 2 ? regel - zichtbaar / 2 : 0));
  if (regels_.Leeg()) return;
  const int kolom =
      static_cast<int>(std::min<std::size_t>(pos - std::min(pos, RegelBegin(regel)), INT32_MAX));
  const int k0 = horizontalScrollBar()->value();
  const int kolommen = ZichtbareKolommen();
  if (kolom < k0 || kolom >= k0 + kolommen)
    horizontalScrollBar()->setValue(std::max(0, kolom - kolommen / 4));
}

void Regelweergave::ZetSelectie(std::size_t start, std::size_t lengte) {
  const std::size_t totaal = TekstLengte();
  anker_ = std::min(start, totaal);
  cursor_ = std::min(totaal, anker_ + std::min(lengte, totaal - anker_));
  MaakZichtbaar(anker_);
  viewport()->update();
}

void Regelweergave::SelecteerAlles() {
  anker_ = 0;
  cursor_ = TekstLengte();
  viewport()->update();
}

QString Regelweergave::GeselecteerdeTekst() const {
  const std::size_t van = SelStart();
  const std::size_t tot = van + SelLength();
  QString uit;
  if (tot <= van) return uit;
  uit.reserve(static_cast<qsizetype>(tot - van));
  for (std::size_t i = RegelVanPositie(van); i < regels_.Count() && RegelBegin(i) < tot; ++i) {
    const std::size_t b = RegelBegin(i);
    const std::size_t lengte = Lengte(i);
    const std::size_t a = van > b ? van - b : 0;
    const std::size_t e = std::min(tot - b, lengte + 2);
    if (a < lengte) {
      // The whole line is decoded: a cut through its bytes could split a letter from its marks.
      buffer_.clear();
      VoegWeergaveToe(i, buffer_);
      const std::size_t eind = std::min(buffer_.size(), std::min(e, lengte));
      if (a < eind)
        uit.append(reinterpret_cast<const QChar*>(buffer_.data() + a), static_cast<qsizetype>(eind - a));
    }
    // The line end, or the part of it that is selected.
    if (a <= lengte && e > lengte) uit += QLatin1Char('\r');
    if (a <= lengte + 1 && e > lengte + 1) uit += QLatin1Char('\n');
  }
  return uit;
}

void Regelweergave::KopieerSelectie() const {
  if (SelLength() == 0) return;
  QApplication::clipboard()->setText(GeselecteerdeTekst());
}

std::size_t Regelweergave::PositieBij(QPoint punt) const {
  if (regels_.Leeg()) return 0;
  const long long regel =
      static_cast<long long>(EersteZichtbareRegel()) + (punt.y() < 0 ? -1 : punt.y() / RegelHoogte());
  if (regel < 0) return 0;
  if (regel >= static_cast<long long>(regels_.Count())) return TekstLengte();
  const auto i = static_cast<std::size_t>(regel);
  const int kolom =
      horizontalScrollBar()->value() + (punt.x() - kMarge + TekenBreedte() / 2) / TekenBreedte();
  return RegelBegin(i) + std::min(static_cast<std::size_t>(std::max(0, kolom)), Lengte(i));
}

void Regelweergave::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const std::size_t pos = PositieBij(e->position().toPoint());
  cursor_ = pos;
  if (!(e->modifiers() & Qt::ShiftModifier)) anker_ = pos;
  viewport()->update();
}

void Regelweergave::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) return;
  const QPoint punt = e->position().toPoint();
  // Dragging past an edge scrolls on.
  if (punt.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (punt.y() > viewport()->height())
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  if (punt.x() < 0) horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (punt.x() > viewport()->width())
    horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  cursor_ = PositieBij(punt);
  viewport()->update();
}

void Regelweergave::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }

void Regelweergave::mouseDoubleClickEvent(QMouseEvent* e) {
  // Selects the clicked line without its line end.
  if (e->button() != Qt::LeftButton || regels_.Leeg()) return;
  const std::size_t i = std::min(RegelVanPositie(PositieBij(e->position().toPoint())), regels_.Count() - 1);
  anker_ = RegelBegin(i);
  cursor_ = RegelBegin(i) + Lengte(i);
  viewport()->update();
}

void Regelweergave::contextMenuEvent(QContextMenuEvent* e) { e->accept(); }

void Regelweergave::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Copy)) {
    KopieerSelectie();
    return;
  }
  if (e->matches(QKeySequence::SelectAll)) {
    SelecteerAlles();
    return;
  }
  QScrollBar* v = verticalScrollBar();
  QScrollBar* h = horizontalScrollBar();
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  switch (e->key()) {
    case Qt::Key_Up:
      v->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Down:
      v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case Qt::Key_PageUp:
      v->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case Qt::Key_PageDown:
      v->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    case Qt::Key_Left:
      h->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Right:
      h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case Qt::Key_Home:
      if (ctrl) v->setValue(0);
      h->setValue(0);
      break;
    case Qt::Key_End:
      if (ctrl)
        v->setValue(v->maximum());
      else
        h->setValue(h->maximum());
      break;
    default:
      QAbstractScrollArea::keyPressEvent(e);
      return;
  }
  e->accept();
}

}  // namespace plovena
