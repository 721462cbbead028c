#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QScrollBar>

#include "gui_test.h"
#include "ui/regelweergave.h"

using namespace plovena;
using namespace plovena::test;

namespace {
Regellijst Lijst(std::initializer_list<std::string_view> regels) {
  Regellijst l;
  for (auto r : regels) l.VoegToe(r);
  return l;
}
}  // namespace

class RegelweergaveTest : public QObject {
  Q_OBJECT
 private slots:
  void TekstvormEnPosities() {
    Regelweergave v;
    v.ZetRegels(Lijst({"0 HEAD", "", "1 SOUR X"}));
    QCOMPARE(v.Tekst(), std::string("0 HEAD\r\n\r\n1 SOUR X\r\n"));
    QCOMPARE(v.TekstLengte(), std::size_t(20));
    QCOMPARE(v.RegelVanPositie(0), std::size_t(0));
    QCOMPARE(v.RegelVanPositie(7), std::size_t(0));  // the LF of line 0
    QCOMPARE(v.RegelVanPositie(8), std::size_t(1));
    QCOMPARE(v.RegelVanPositie(10), std::size_t(2));
    QCOMPARE(v.RegelVanPositie(20), std::size_t(3));
  }

  void SelectieInTekstposities() {
    Regelweergave v;
    v.ZetRegels(Lijst({"0 HEAD", "1 SOUR X"}));
    v.ZetSelectie(2, 10);
    QCOMPARE(v.SelStart(), std::size_t(2));
    QCOMPARE(v.SelLength(), std::size_t(10));
    QCOMPARE(v.GeselecteerdeTekst(), QStringLiteral("HEAD\r\n1 SO"));
    v.ZetSelectie(100, 5);  // past the end: clamped
    QCOMPARE(v.SelStart(), v.TekstLengte());
    QCOMPARE(v.SelLength(), std::size_t(0));
    v.SelecteerAlles();
    QCOMPARE(v.SelLength(), v.TekstLengte());
    QCOMPARE(v.GeselecteerdeTekst(), QStringLiteral("0 HEAD\r\n1 SOUR X\r\n"));
    v.ZetRegels(Lijst({"nieuw"}));
    QCOMPARE(v.SelLength(), std::size_t(0));  // a new text drops the selection
  }

  void KopieerSelectie() {
    Regelweergave v;
    v.ZetRegels(Lijst({"1 NAME Ren\xc3\xa9", "2 GIVN x"}));
    QApplication::clipboard()->setText(QStringLiteral("oud"));
    v.KopieerSelectie();  // nothing selected: nothing copied
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("oud"));
    v.SelecteerAlles();
    v.KopieerSelectie();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8("1 NAME René\r\n2 GIVN x\r\n"));
  }

  void Decodering() {
    // Valid UTF-8 as UTF-8; a lone byte of another code page as Windows-1252.
    const Regeltekst utf8 = DecodeerRegel("Ren\xc3\xa9 \xf0\x9f\x98\x80!");
    QCOMPARE(utf8.tekst, QString::fromUtf8("René \xf0\x9f\x98\x80!"));
    QCOMPARE(utf8.byteVan, (std::vector<int>{0, 1, 2, 3, 5, 6, 6, 10, 11}));
    const Regeltekst ansi = DecodeerRegel("Ren\xe9 \x80 \xc3");
    QCOMPARE(ansi.tekst, QString::fromUtf8("René € Ã"));
    QVERIFY(DecodeerRegel("ASCII").byteVan.empty());
  }

  void SelectieVanMeerbyteTekens() {
    Regelweergave v;
    v.ZetRegels(Lijst({"a\xc3\xa9z"}));
    v.ZetSelectie(1, 1);  // é: two bytes, one character
    QCOMPARE(v.GeselecteerdeTekst(), QString::fromUtf8("é"));
  }

  void VervangbareDecodeerder() {
    Regelweergave v;
    v.ZetRegels(Lijst({"abc"}));
    v.ZetDecodeerder([](std::string_view r) {
      return Regeltekst{QString::fromLatin1(r.data(), r.size()).toUpper(), {}};
    });
    v.SelecteerAlles();
    QCOMPARE(v.GeselecteerdeTekst(), QStringLiteral("ABC\r\n"));
  }

  void SchuivenEnToetsen() {
    Regelweergave v;
    v.resize(300, 200);
    Regellijst veel;
    for (int i = 0; i < 1000; ++i) veel.VoegToe(std::string(i % 7 == 0 ? 300 : 10, 'x'));
    v.ZetRegels(veel);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    QVERIFY2(v.verticalScrollBar()->maximum() > 900, "a scroll range over the lines");
    QVERIFY2(v.horizontalScrollBar()->maximum() > 200, "a scroll range over the longest line");
    QTest::keyClick(&v, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(v.verticalScrollBar()->value(), v.verticalScrollBar()->maximum());
    QTest::keyClick(&v, Qt::Key_PageUp);
    QCOMPARE(v.verticalScrollBar()->value(), v.verticalScrollBar()->maximum() - v.ZichtbareRegels());
    QTest::keyClick(&v, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(v.verticalScrollBar()->value(), 0);
    QTest::keyClick(&v, Qt::Key_Down);
    QCOMPARE(v.EersteZichtbareRegel(), std::size_t(1));
    // A selection far down is scrolled into view.
    v.ZetSelectie(v.RegelBegin(800), 3);
    const std::size_t eerste = v.EersteZichtbareRegel();
    QVERIFY2(eerste <= 800 && 800 < eerste + static_cast<std::size_t>(v.ZichtbareRegels()),
             qPrintable(QStringLiteral("eerste zichtbare regel %1").arg(eerste)));
    QVERIFY(!v.grab().isNull());  // paints the selection without trouble
  }

  void SlepenSelecteert() {
    Regelweergave v;
    v.resize(300, 200);
    v.ZetRegels(Lijst({"0123456789", "abcdefghij"}));
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    const int lh = v.fontMetrics().height();
    QTest::mousePress(v.viewport(), Qt::LeftButton, {}, QPoint(2, lh / 2));
    QMouseEvent beweeg(QEvent::MouseMove, QPointF(v.viewport()->width() - 5, lh + lh / 2),
                       v.viewport()->mapToGlobal(QPointF(v.viewport()->width() - 5, lh + lh / 2)),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.viewport(), &beweeg);
    QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, QPoint(v.viewport()->width() - 5, lh + lh / 2));
    QCOMPARE(v.SelStart(), std::size_t(0));
    QCOMPARE(v.GeselecteerdeTekst(), QStringLiteral("0123456789\r\nabcdefghij"));
  }

  void GeenContextmenu() {
    Regelweergave v;
    v.show();
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    e.ignore();
    QApplication::sendEvent(v.viewport(), &e);
    QVERIFY2(e.isAccepted(), "the request is handled by the view itself");
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }

  void PositiesOverBlokken() {
    // Lines of every kind across many blocks of lines: ASCII, letters of two and four bytes
    // (one and two units), a lone byte, empty lines. Every position the view gives must be
    // the one counted line by line from the decoded text, in whatever order it is asked.
    const std::string_view soorten[] = {"0 HEAD", "1 NAME Ren\xc3\xa9 /Dani\xc3\xabls/", "",
                                        "2 NOTE \xf0\x9f\x98\x80\xf0\x9f\x98\x80", "1 PLAC Z\xe9", "x"};
    Regellijst l;
    for (std::size_t i = 0; i < 300; ++i) l.VoegToe(soorten[(i * i + i / 7) % 6]);
    auto Controleer = [&](Regelweergave& v, const std::function<std::size_t(std::string_view)>& eenheden) {
      std::vector<std::size_t> begin{0};
      for (std::size_t i = 0; i < l.Count(); ++i) begin.push_back(begin.back() + eenheden(l[i]) + 2);
      QCOMPARE(v.TekstLengte(), begin.back());
      for (std::size_t i = l.Count() + 1; i-- > 0;) QCOMPARE(v.RegelBegin(i), begin[i]);  // backwards
      for (std::size_t i = 0; i <= l.Count(); i += 37) QCOMPARE(v.RegelBegin(i), begin[i]);
      for (std::size_t i = 0; i < l.Count(); ++i) QCOMPARE(v.RegelBegin(i), begin[i]);
      std::size_t regel = 0;
      for (std::size_t pos = 0; pos <= begin.back() + 1; ++pos) {
        while (regel < l.Count() && begin[regel + 1] <= pos) ++regel;
        QCOMPARE(v.RegelVanPositie(pos), regel);
      }
      // A search's walk: each line as shown, then where the next one begins.
      std::u16string tekst;
      for (std::size_t i = 0; i < l.Count(); ++i) {
        QCOMPARE(v.RegelBegin(i), tekst.size());
        v.VoegWeergaveToe(i, tekst);
        tekst += u"\r\n";
      }
      QCOMPARE(tekst.size(), begin.back());
      v.ZetSelectie(begin[60] + 1, begin[130] - begin[60]);  // over two block edges
      QCOMPARE(v.GeselecteerdeTekst(),
               QString::fromStdU16String(tekst.substr(begin[60] + 1, begin[130] - begin[60])));
    };
    Regelweergave v;
    v.ZetRegels(l);
    Controleer(v, [](std::string_view r) { return static_cast<std::size_t>(DecodeerRegel(r).tekst.size()); });
    const Decodeerder utf8(Tekenset::Utf8);
    v.ZetRegels(l, utf8);
    Controleer(v, [&](std::string_view r) {
      std::u16string u;
      utf8.VoegToe(r, u);
      return u.size();
    });
    // A decoder from outside may give even an ASCII line another length.
    v.ZetDecodeerder([](std::string_view r) {
      QString t = QString::fromLatin1(r.data(), static_cast<qsizetype>(r.size()));
      return Regeltekst{t.size() % 2 ? t + t : t, {}};
    });
    Controleer(v, [](std::string_view r) { return r.size() % 2 ? 2 * r.size() : r.size(); });
  }

  void MiljoenRegels() {
    // Showing a big document copies only the line views.
    Regellijst veel;
    veel.Regels().reserve(1000000);
    for (int i = 0; i < 1000000; ++i) veel.VoegToe("2 DATE 12 MAR 1890");
    Regelweergave v;
    v.resize(400, 300);
    v.ZetRegels(veel);
    QCOMPARE(v.TekstLengte(), std::size_t(20) * 1000000);
    QCOMPARE(v.RegelVanPositie(v.TekstLengte() - 1), std::size_t(999999));
    QVERIFY(!v.grab().isNull());
  }
};

PLOVENA_GUI_TEST(RegelweergaveTest)
#include "regelweergave_test.moc"
