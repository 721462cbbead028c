// The desktop program shows each real file in its own character set, while the working
// document, saving and saved reports keep the file's bytes.

#include <QApplication>
#include <QClipboard>

#include "document/bronprogramma.h"
#include "document/regel.h"
#include "document/werkbestand.h"
#include "programma.h"
#include "ui/PV_RapportFormulier.h"
#include "ui/weergave.h"
#include "ui/zoekvenster.h"

using namespace plovena;
using namespace plovena::test;
using Id = OpdrachtId;

namespace {

QString Echt(const char* naam) { return QDir(QStringLiteral(PLOVENA_TESTDATA_DIR)).filePath(naam); }

std::size_t RegelMet(const Regellijst& r, std::string_view bytes) {
  for (std::size_t i = 0; i < r.Count(); ++i)
    if (r[i].find(bytes) != std::string_view::npos) return i;
  return r.Count();
}

// Line i as the view shows it, through a selection of the whole line.
QString Getoond(Regelweergave& v, std::size_t i) {
  v.ZetSelectie(v.RegelBegin(i), v.RegelBegin(i + 1) - v.RegelBegin(i) - 2);
  return v.GeselecteerdeTekst();
}

}  // namespace

class TekensetTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Programma> p_;

  bool OpenEcht(const QString& naam) {
    p_->Open(Echt(qPrintable(naam)));
    return p_->hoofd->Staat().bestandIngelezen;
  }

 private slots:
  void init() {
    if (!QFile::exists(Echt("irish-kings-ftm17-ansi.ged"))) QSKIP("no real GEDCOM files");
    p_ = std::make_unique<Programma>();
  }
  void cleanup() { p_.reset(); }

  void BekendeNaamGedecodeerd_data() {
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("naam");
    const struct {
      const char* rij;
      const char* bestand;
      const char* bytes;
      const char* naam;
    } rijen[] = {
        {"ANSI", "irish-kings-ftm17-ansi.ged", "Le\xf3n", "León"},
        {"ANSEL, mark before its letter", "heredis12-ansel.ged", "Dolor\341es", "Dolorès"},
        {"IBMPC", "presidents-brothers-keeper-ibmpc.ged", "Fr\x82mont", "Frémont"},
        {"MACINTOSH", "heredis7-macintosh.ged", "concept \xa9", "concept ©"},
    };
    for (const auto& r : rijen)
      QTest::newRow(r.rij) << QString(r.bestand) << QByteArray(r.bytes) << QString::fromUtf8(r.naam);
  }
  void BekendeNaamGedecodeerd() {
    QFETCH(QString, bestand);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, naam);
    QVERIFY(OpenEcht(bestand));
    const Regellijst& regels = p_->hoofd->Staat().werkbestand;
    const std::size_t i = RegelMet(regels, bytes.toStdString());
    QVERIFY(i < regels.Count());
    // The rest of these lines is ASCII: the whole line must read as the name in its place.
    const std::string_view regel = regels[i];
    const std::size_t k = regel.find(bytes.toStdString());
    const QString verwacht = QString::fromLatin1(regel.substr(0, k)) + naam +
                             QString::fromLatin1(regel.substr(k + static_cast<std::size_t>(bytes.size())));
    QCOMPARE(Getoond(*p_->hoofd->Memo1(), i), verwacht);
    QCOMPARE(p_->Memo(), regels.Tekst());  // the document keeps its bytes
    QVERIFY(!p_->hoofd->Memo1()->grab().isNull());
  }

  void TekensetInInformatie_data() {
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QString>("tekenset");
    const struct {
      const char* rij;
      const char* bestand;
      const char* tekenset;
    } rijen[] = {
        {"ANSI", "irish-kings-ftm17-ansi.ged", "Windows-1252 (ANSI)"},
        {"ANSEL", "heredis12-ansel.ged", "ANSEL"},
        {"IBMPC", "presidents-brothers-keeper-ibmpc.ged", "IBM PC (codetabel 437)"},
        {"MACINTOSH", "heredis7-macintosh.ged", "Macintosh (Mac Roman)"},
        {"ASCII", "allged.ged", "ASCII"},
        {"UTF-8 with mark", "maximal70.ged", "UTF-8"},
        {"UTF-16 LE with mark", "555sample16le.ged", "UTF-16 (little-endian)"},
        {"UTF-16 BE with mark", "555sample16be.ged", "UTF-16 (big-endian)"},
        {"UTF-16 LE without mark", "gedcom4j-utf16le-nobom-cr.ged", "UTF-16 (little-endian)"},
    };
    for (const auto& r : rijen) QTest::newRow(r.rij) << QString(r.bestand) << QString(r.tekenset);
  }
  void TekensetInInformatie() {
    // The box has the lines of the source program detection unchanged, then the character set;
    // the third panel stays empty. Reloading shows the box again.
    QFETCH(QString, bestand);
    QFETCH(QString, tekenset);
    QVERIFY(OpenEcht(bestand));
    const Toestand& t = p_->hoofd->Staat();
    const std::string verwacht = BepaalBronprogramma(t.werkbestand, t.inputbestandsnaam).tekst +
                                 std::string(NLCR) + "Tekenset: " + tekenset.toStdString();
    QCOMPARE(p_->dialogen.Teksten(), std::vector<std::string>{verwacht});
    QCOMPARE(p_->hoofd->Paneel(2), QString());
    p_->Trigger(Id::BestandHerladen);
    QCOMPARE(p_->dialogen.Teksten(), (std::vector<std::string>{verwacht, verwacht}));
  }

  void ZoekenGetoondeTekens_data() {
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QString>("zoektekst");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QString>("getoond");  // what each match shows
    QTest::addColumn<int>("aantal");
    const QString leon = QString::fromUtf8("León");
    const QString ansi = QStringLiteral("irish-kings-ftm17-ansi.ged");
    QTest::newRow("ANSI as written") << ansi << leon << true << leon << 1;
    QTest::newRow("ANSI, a to z folded") << ansi << QString::fromUtf8("lEóN") << false << leon << 1;
    QTest::newRow("ANSI, ó is not Ó") << ansi << QString::fromUtf8("LEÓN") << false << leon << 0;
    QTest::newRow("ANSI, match case") << ansi << QString::fromUtf8("lEóN") << true << leon << 0;
    // Two bytes shown as one letter, twice in the file.
    QTest::newRow("ANSEL") << "heredis12-ansel.ged" << QString::fromUtf8("dolorès") << false
                           << QString::fromUtf8("Dolorès") << 2;
  }
  void ZoekenGetoondeTekens() {
    QFETCH(QString, bestand);
    QFETCH(QString, zoektekst);
    QFETCH(bool, exact);
    QFETCH(QString, getoond);
    QFETCH(int, aantal);
    QVERIFY(OpenEcht(bestand));
    p_->Trigger(Id::Zoeken);
    Zoekvenster* z = p_->hoofd->FindDialog1();
    z->ZetZoekTekst(zoektekst);
    z->ZetHoofdlettergevoelig(exact);
    p_->dialogen.Wis();
    Regelweergave* m = p_->hoofd->Memo1();
    // Positions count the characters shown, so each match is where the decoded text has it.
    const std::u16string tekst = p_->hoofd->Weergavedecodeerder().Tekst(p_->hoofd->Staat().werkbestand);
    const std::u16string naam = getoond.toStdU16String();
    std::size_t k = 0;
    for (int treffer = 0; treffer < aantal; ++treffer) {
      k = tekst.find(naam, treffer == 0 ? 0 : k + naam.size());
      QVERIFY(k != std::u16string::npos);
      z->DrukZoeken();
      QVERIFY2(p_->dialogen.meldingen.empty(), p_->dialogen.Laatste().c_str());
      QCOMPARE(m->SelStart(), k);
      QCOMPARE(m->SelLength(), naam.size());
      QCOMPARE(m->GeselecteerdeTekst(), getoond);
      QCOMPARE(p_->hoofd->ZoekPositie(), k + 1);
    }
    z->DrukZoeken();
    QCOMPARE(p_->dialogen.Laatste(),
             "Kan \"" + zoektekst.toStdString() + (aantal ? "\" niet meer vinden" : "\" niet vinden"));
    QCOMPARE(p_->hoofd->ZoekPositie(), std::size_t(0));
  }

  void KopierenGeeftGetoondeTekst() {
    QVERIFY(OpenEcht("heredis12-ansel.ged"));
    QApplication::clipboard()->clear();
    p_->Trigger(Id::Klembord);
    const QString tekst = QApplication::clipboard()->text();
    QCOMPARE(tekst,
             QString::fromStdU16String(Decodeerder(Tekenset::Ansel).Tekst(p_->hoofd->Staat().werkbestand)));
    QVERIFY(tekst.contains(QString::fromUtf8("1 NAME Dolorès/./\r\n2 GIVN Dolorès\r\n")));
    QCOMPARE(p_->hoofd->Memo1()->SelLength(), static_cast<std::size_t>(tekst.size()));
  }

  void RapportGetoondMaarBytesBewaard() {
    // A report of the document shows in its set, copies as shown, and saves the lines' bytes.
    QVERIFY(OpenEcht("heredis12-ansel.ged"));
    p_->Trigger(Id::ToonMetInspringing);
    TRapportFormulier* r = p_->vensters->RapportFormulier.get();
    QVERIFY(r->isVisible());
    QApplication::clipboard()->clear();
    r->Actie("MenuRapportNaarKlembord")->trigger();
    const QString getoond = QApplication::clipboard()->text();
    QVERIFY2(getoond.contains(QString::fromUtf8("Dolorès")), qPrintable(getoond.left(400)));
    QVERIFY(!getoond.contains(QChar(0xFFFD)));
    const QString pad = p_->dir.filePath(QStringLiteral("rapport.txt"));
    p_->dialogen.bewaarKeuzes = {pad};
    r->Actie("MenuOpslaanAls")->trigger();
    const QByteArray bewaard = LeesBestand(pad);
    QCOMPARE(bewaard, QByteArray::fromStdString(r->MemoRapport()->Regels().Tekst()));
    QVERIFY(bewaard.contains("Dolor\341es"));
  }

  void OpslaanLaatBytesOngemoeid_data() {
    QTest::addColumn<QString>("bestand");
    QTest::newRow("ANSI, LF") << "irish-kings-ftm17-ansi.ged";
    QTest::newRow("ANSEL, CR LF") << "heredis12-ansel.ged";
    QTest::newRow("ANSEL, CR") << "tgc55c.ged";
    QTest::newRow("IBMPC, LF") << "presidents-brothers-keeper-ibmpc.ged";
  }
  void OpslaanLaatBytesOngemoeid() {
    // These files end with a line end and use one kind of it: saved, they are the input with
    // CR LF after every line, not a byte else changed.
    QFETCH(QString, bestand);
    QVERIFY(OpenEcht(bestand));
    QByteArray verwacht = LeesBestand(Echt(qPrintable(bestand)));
    verwacht.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    const QString uit = p_->dir.filePath(QStringLiteral("uit.ged"));
    p_->dialogen.bewaarKeuzes = {uit};
    p_->Trigger(Id::BestandOpslaan);
    QVERIFY2(LeesBestand(uit) == verwacht, qPrintable(bestand));
  }
};

PLOVENA_GUI_TEST(TekensetTest)
#include "tekenset_gui_test.moc"
