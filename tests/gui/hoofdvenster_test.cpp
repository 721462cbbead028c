#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenuBar>

#include "document/werkbestand.h"
#include "ui/weergave.h"

#include "programma.h"
#include "ui/zoekvenster.h"

using namespace plovena;
using namespace plovena::test;
using Id = OpdrachtId;

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string Vandaag() { return QDate::currentDate().toString(QStringLiteral("d-M-yyyy")).toStdString(); }
}  // namespace

class HoofdvensterTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Programma> p_;

 private slots:
  void init() { p_ = std::make_unique<Programma>(); }
  void cleanup() { p_.reset(); }

  void KnoppenEnMenusUitDeTabel() {
    THoofdFormulier* h = p_->hoofd;
    QCOMPARE(h->windowTitle(),
             QStringLiteral("Plovena - Programma voor inspectie en bewerking van GEDCOM-bestanden"));
    int links = 0;
    for (const Opdracht& o : Opdrachten()) {
      QPushButton* k = h->Knop(o.id);
      QAction* a = h->Actie(o.id);
      QCOMPARE(k->objectName(), Q(o.knop));
      QCOMPARE(k->text(), Q(o.knopTekst));
      QCOMPARE(a->objectName(), Q(o.menuItem));
      QCOMPARE(a->text(), Q(o.menuTekst));
      QCOMPARE(a->shortcut(), QKeySequence(Q(o.sneltoets)));
      QCOMPARE(k->toolTip(), o.hintZichtbaar ? Q(o.hint) : QString());
      const QRect verwacht = o.rechtsBoven ? QRect(o.id == Id::Help ? 657 : 728, 8, 65, 25)
                                           : QRect(8, 8 + 27 * links++, 138, 25);
      QCOMPARE(k->geometry(), verwacht);
      // At start only the unswitched commands are enabled, button and menu item alike.
      QCOMPARE(a->isEnabled(), !o.geschakeld);
      QCOMPARE(k->isEnabled(), !o.geschakeld);
    }
    QCOMPARE(links, 20);
    QVERIFY2(h->Knop(Id::GezinsTagsVerwijderen)->toolTip().isEmpty(), "that hint is not shown");
    QCOMPARE(h->Memo1()->geometry(), QRect(152, 40, 641, 484));
    QCOMPARE(h->Memo1()->Tekst(), std::string("\r\n"));  // one empty line

    QStringList menus;
    for (QAction* m : h->menuBar()->actions()) {
      QStringList items;
      for (QAction* a : m->menu()->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
      menus << m->text() + QStringLiteral(": ") + items.join(QLatin1Char(','));
    }
    QCOMPARE(menus,
             (QStringList{"Bestand: Openen...,Heropenen,Opslaan als...,Afsluiten",
                          QString::fromUtf8(
                              "Bewerken: Kopiëren,Zoeken...,-,Tags verwijderen,Bronnen verwijderen,"
                              "Beroepen samenvoegen,Plaatsen samenvoegen,Gezinstags opschonen,-,"
                              "OCCU/RESI-correctie,SOUR-correctie,NOTE/CONT-correctie,-,Zonder achternaam"),
                          "Inspecteren: Toon met inspringing,Toon als tab delimited,Tags tellen,"
                          "Tag-combinaties tonen,Personen/gezinnen tellen",
                          "Help: Help,Info"}));
    for (int i = 0; i < 3; ++i) QCOMPARE(h->Paneel(i), QString());
  }

  void KnopEnMenuDelenEenActie() {
    QSignalSpy spy(p_->hoofd->Actie(Id::About), &QAction::triggered);
    QTest::mouseClick(p_->hoofd->Knop(Id::About), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(p_->dialogen.meldingen.size(), std::size_t(1));
    QVERIFY(p_->dialogen.meldingen[0].soort == BerichtSoort::Informatie);
  }

  void OpenenVultVensterEnStatus() {
    const QString pad = p_->Bestand("stamboom.ged", kVoorbeeld);
    p_->Open(pad);
    QCOMPARE(p_->dialogen.openVragen, (std::vector<QString>{"Bestand opvragen|*.ged|*.ged"}));
    THoofdFormulier* h = p_->hoofd;
    QCOMPARE(h->windowTitle(), QStringLiteral("Plovena - stamboom.ged"));
    QCOMPARE(h->Paneel(0), QStringLiteral("Inputbestand: 10 regels"));
    QCOMPARE(h->Paneel(1), QStringLiteral("Werkbestand: 10 regels"));
    QCOMPARE(h->Paneel(2), QString());
    QCOMPARE(p_->Memo(), kVoorbeeld.toStdString());
    for (const Opdracht& o : Opdrachten()) QVERIFY2(h->Actie(o.id)->isEnabled(), o.menuItem.data());
    QCOMPARE(
        p_->dialogen.Teksten(),
        std::vector<std::string>{"Informatie over ingelezen bestand\n\r\n\rBestandsnaam: stamboom.ged\n\r"
                                 "Bronprogramma: PRO-GEN\n\rProgrammaversie: 3.21\n\r"
                                 "Tekenset: Windows-1252 (ANSI)"});
    QCOMPARE(h->Staat().bronprogramma, std::string("PRO-GEN"));
    QCOMPARE(h->Staat().inputbestandsnaam, pad.toStdString());
  }

  void LeegBestand() {
    p_->Open(p_->Bestand("leeg.ged", ""));
    QCOMPARE(p_->hoofd->Paneel(0), QStringLiteral("Inputbestand: 0 regels"));
    QVERIFY(p_->hoofd->Staat().bestandIngelezen);
  }

  void OntbrekendBestandGeweigerd() {
    p_->Open(p_->Bestand("goed.ged", kVoorbeeld));
    p_->dialogen.Wis();
    const QString weg = p_->dir.filePath("weg.ged");
    p_->Open(weg);
    QCOMPARE(p_->dialogen.Teksten(), std::vector<std::string>{"Het opgegeven bestand bestaat niet!"});
    QVERIFY(p_->dialogen.meldingen[0].soort == BerichtSoort::Fout);
    THoofdFormulier* h = p_->hoofd;
    QCOMPARE(h->windowTitle(), QStringLiteral("Plovena - goed.ged"));
    QCOMPARE(p_->Memo(), kVoorbeeld.toStdString());
    QCOMPARE(h->Staat().inputbestandsnaam, weg.toStdString());  // kept before the test
    // A reload now reads the refused name: an error naming it, and nothing changes.
    p_->dialogen.Wis();
    p_->Trigger(Id::BestandHerladen);
    QCOMPARE(p_->dialogen.meldingen.size(), std::size_t(1));
    QVERIFY(p_->dialogen.meldingen[0].soort == BerichtSoort::Fout);
    QVERIFY2(p_->dialogen.Laatste().find("weg.ged") != std::string::npos, p_->dialogen.Laatste().c_str());
    QCOMPARE(h->Staat().werkbestand.Count(), std::size_t(10));
    QCOMPARE(h->Paneel(0), QStringLiteral("Inputbestand: 10 regels"));
  }

  void OnleesbaarBestandGeeftFoutmelding() {
    // A folder exists but cannot be read as a file (root reads any file, so no permission trick).
    QDir(p_->dir.path()).mkdir("map.ged");
    p_->Open(p_->dir.filePath("map.ged"));
    QCOMPARE(p_->dialogen.meldingen.size(), std::size_t(1));
    QVERIFY(p_->dialogen.meldingen[0].soort == BerichtSoort::Fout);
    QVERIFY2(p_->dialogen.Laatste().find("map.ged") != std::string::npos, p_->dialogen.Laatste().c_str());
    QVERIFY(!p_->hoofd->Staat().bestandIngelezen);
    QVERIFY(!p_->hoofd->Actie(Id::BestandHerladen)->isEnabled());
  }

  void WeigeringenZonderBestand_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("soort");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("heropenen") << int(Id::BestandHerladen) << int(BerichtSoort::Informatie)
                               << "Er is nog geen bestand ingelezen!";
    QTest::newRow("opslaan") << int(Id::BestandOpslaan) << int(BerichtSoort::Waarschuwing)
                             << "Er is niets om op te slaan!";
    QTest::newRow("kopiëren") << int(Id::Klembord) << int(BerichtSoort::Waarschuwing)
                              << QString::fromUtf8("Er is niets om te kopiëren!");
  }
  void WeigeringenZonderBestand() {
    // The commands are disabled; enabled by hand, their handlers still refuse.
    QFETCH(int, id);
    QFETCH(int, soort);
    QFETCH(QString, tekst);
    QAction* a = p_->hoofd->Actie(static_cast<Id>(id));
    a->setEnabled(true);
    a->trigger();
    QCOMPARE(p_->dialogen.Teksten(), std::vector<std::string>{tekst.toStdString()});
    QCOMPARE(int(p_->dialogen.meldingen[0].soort), soort);
    QVERIFY(p_->dialogen.bewaarVragen.empty());
  }

  void OpslaanNieuwNeeEnJa() {
    p_->Open(p_->Bestand("in.ged", "0 HEAD\n1 SOUR X\r0 TRLR"));
    THoofdFormulier* h = p_->hoofd;
    // An edit: panel 1 changes, panel 0 and caption stay.
    h->Staat().werkbestand.VoegToe("0 @N1@ NOTE extra");
    h->ToonWerkbestand();
    QCOMPARE(h->Paneel(0), QStringLiteral("Inputbestand: 3 regels"));
    QCOMPARE(h->Paneel(1), QStringLiteral("Werkbestand: 4 regels"));
    QCOMPARE(h->windowTitle(), QStringLiteral("Plovena - in.ged"));

    const QString uit = p_->dir.filePath("uit.ged");
    p_->dialogen.Wis();
    p_->dialogen.bewaarKeuzes = {uit};
    p_->Trigger(Id::BestandOpslaan);
    QCOMPARE(p_->dialogen.bewaarVragen.back(), QStringLiteral("Bestand opslaan|*.ged|*.ged"));
    QCOMPARE(p_->dialogen.Teksten(), std::vector<std::string>{"Resultaat opgeslagen: " + uit.toStdString()});
    QCOMPARE(LeesBestand(uit), QByteArray("0 HEAD\r\n1 SOUR X\r\n0 TRLR\r\n0 @N1@ NOTE extra\r\n"));
    QCOMPARE(h->windowTitle(), QStringLiteral("Plovena - uit.ged"));
    QCOMPARE(h->Paneel(0), QStringLiteral("Inputbestand: 4 regels"));

    // Onto an existing file, answered No: nothing written, yet caption and panels refreshed.
    const QString bestaand = p_->Bestand("bestaand.ged", "oud");
    h->Staat().werkbestand.VoegToe("0 TRLR");
    h->ToonWerkbestand();
    p_->dialogen.Wis();
    p_->dialogen.bewaarKeuzes = {bestaand};
    p_->dialogen.antwoorden = {Antwoord::Nee};
    p_->Trigger(Id::BestandOpslaan);
    QCOMPARE(p_->dialogen.bewaarVragen.back(),
             QStringLiteral("Bestand opslaan|") + uit + QStringLiteral("|*.ged"));
    QCOMPARE(p_->dialogen.Teksten(),
             std::vector<std::string>{"Bestand bestaat al. Moet het worden overschreven?"});
    QCOMPARE(LeesBestand(bestaand), QByteArray("oud"));
    QCOMPARE(h->windowTitle(), QStringLiteral("Plovena - bestaand.ged"));
    QCOMPARE(h->Paneel(0),
             h->Paneel(1).replace(QStringLiteral("Werkbestand"), QStringLiteral("Inputbestand")));
    QCOMPARE(h->Paneel(0), QStringLiteral("Inputbestand: 5 regels"));

    p_->dialogen.bewaarKeuzes = {bestaand};
    p_->dialogen.antwoorden = {Antwoord::Ja};
    p_->Trigger(Id::BestandOpslaan);
    QCOMPARE(p_->dialogen.Laatste(), "Resultaat opgeslagen: " + bestaand.toStdString());
    QVERIFY(LeesBestand(bestaand).endsWith("0 @N1@ NOTE extra\r\n0 TRLR\r\n"));

    // Saving changes neither the view nor the input name; reload reads the opened file.
    QCOMPARE(h->Staat().inputbestandsnaam, p_->dir.filePath("in.ged").toStdString());
    QCOMPARE(p_->Memo(), h->Staat().werkbestand.Tekst());
    p_->Trigger(Id::BestandHerladen);
    QCOMPARE(h->Staat().werkbestand.Count(), std::size_t(3));
    QCOMPARE(h->windowTitle(), QStringLiteral("Plovena - in.ged"));
  }

  void OpslaanMisluktLaatAllesStaan() {
    p_->Open(p_->Bestand("in.ged", kVoorbeeld));
    p_->dialogen.Wis();
    p_->dialogen.bewaarKeuzes = {p_->dir.filePath("geen/map/uit.ged")};
    p_->Trigger(Id::BestandOpslaan);
    QCOMPARE(p_->dialogen.meldingen.size(), std::size_t(1));
    QVERIFY(p_->dialogen.meldingen[0].soort == BerichtSoort::Fout);
    QVERIFY2(p_->dialogen.Laatste().find("uit.ged") != std::string::npos, p_->dialogen.Laatste().c_str());
    QCOMPARE(p_->hoofd->windowTitle(), QStringLiteral("Plovena - in.ged"));
  }

  void ZoekenDrieTreffers() {
    p_->Open(p_->Bestand("z.ged", "abc\r\nxAbcx\r\nABC\r\n"));
    p_->Trigger(Id::Zoeken);
    Zoekvenster* z = p_->hoofd->FindDialog1();
    QVERIFY(z->isVisible());
    z->ZetZoekTekst(QStringLiteral("abc"));
    p_->dialogen.Wis();
    Regelweergave* m = p_->hoofd->Memo1();
    for (std::size_t verwacht : {0, 6, 12}) {
      QTest::mouseClick(z->findChild<QPushButton*>(QStringLiteral("VolgendeZoeken")), Qt::LeftButton);
      QCOMPARE(m->SelStart(), verwacht);
      QCOMPARE(m->SelLength(), std::size_t(3));
      QCOMPARE(p_->hoofd->ZoekPositie(), verwacht + 1);
    }
    QVERIFY(p_->dialogen.meldingen.empty());
    z->DrukZoeken();
    QCOMPARE(p_->dialogen.Teksten(), std::vector<std::string>{"Kan \"abc\" niet meer vinden"});
    QVERIFY(p_->dialogen.meldingen[0].soort == BerichtSoort::Informatie);
    z->DrukZoeken();
    QCOMPARE(m->SelStart(), std::size_t(0));  // from the top again

    // Match case: only the exact one; a text that is not there.
    z->ZetHoofdlettergevoelig(true);
    p_->Trigger(Id::Zoeken);
    z->ZetZoekTekst(QStringLiteral("ABC"));
    z->DrukZoeken();
    QCOMPARE(m->SelStart(), std::size_t(12));
    p_->dialogen.Wis();
    z->DrukZoeken();
    QCOMPARE(p_->dialogen.Laatste(), std::string("Kan \"ABC\" niet meer vinden"));
    z->ZetZoekTekst(QStringLiteral("qq"));
    z->DrukZoeken();
    QCOMPARE(p_->dialogen.Laatste(), std::string("Kan \"qq\" niet vinden"));
  }

  void ZoekenZonderOverlapEnAccenten() {
    p_->Open(p_->Bestand("z.ged", "aaaa \xc3\xa9\xc3\x89\r\n"));
    p_->Trigger(Id::Zoeken);
    Zoekvenster* z = p_->hoofd->FindDialog1();
    z->ZetZoekTekst(QStringLiteral("aa"));
    z->DrukZoeken();
    QCOMPARE(p_->hoofd->Memo1()->SelStart(), std::size_t(0));
    z->DrukZoeken();
    QCOMPARE(p_->hoofd->Memo1()->SelStart(), std::size_t(2));
    p_->dialogen.Wis();
    z->DrukZoeken();
    QCOMPARE(p_->dialogen.Laatste(), std::string("Kan \"aa\" niet meer vinden"));
    // Letters outside a to z compare exactly: é does not find É; positions count characters.
    z->ZetZoekTekst(QString::fromUtf8("É"));
    z->DrukZoeken();
    QCOMPARE(p_->hoofd->Memo1()->SelStart(), std::size_t(6));
    QCOMPARE(p_->hoofd->Memo1()->SelLength(), std::size_t(1));
    QCOMPARE(p_->hoofd->Memo1()->GeselecteerdeTekst(), QString::fromUtf8("É"));
  }

  void ZoekpositieNaHeropenenEnOpenen() {
    const QString pad = p_->Bestand("z.ged", "NOTE NOTE\r\n");
    p_->Open(pad);
    p_->Trigger(Id::Zoeken);
    Zoekvenster* z = p_->hoofd->FindDialog1();
    z->ZetZoekTekst(QStringLiteral("note"));
    z->DrukZoeken();
    z->DrukZoeken();
    QCOMPARE(p_->hoofd->ZoekPositie(), std::size_t(6));
    // An open keeps the position: the search goes on in the new text.
    p_->Open(p_->Bestand("y.ged", "NOTE NOTE NOTE\r\n"));
    z->DrukZoeken();
    QCOMPARE(p_->hoofd->Memo1()->SelStart(), std::size_t(10));
    // A reload starts at the top.
    p_->Trigger(Id::BestandHerladen);
    QCOMPARE(p_->hoofd->ZoekPositie(), std::size_t(0));
    z->DrukZoeken();
    QCOMPARE(p_->hoofd->Memo1()->SelStart(), std::size_t(0));
  }

  void KopierenSelecteertAlles() {
    p_->Open(p_->Bestand("k.ged", kVoorbeeld));
    p_->dialogen.Wis();
    QApplication::clipboard()->clear();
    p_->Trigger(Id::Klembord);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromLatin1(kVoorbeeld));
    QCOMPARE(p_->hoofd->Memo1()->SelStart(), std::size_t(0));
    QCOMPARE(p_->hoofd->Memo1()->SelLength(), std::size_t(kVoorbeeld.size()));  // stays selected
    QVERIFY(p_->dialogen.meldingen.empty());
  }

  void GeenContextmenu() {
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    e.ignore();
    QApplication::sendEvent(p_->hoofd->Memo1()->viewport(), &e);
    QVERIFY(e.isAccepted());
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }

  void AboutEnHelp() {
    p_->Trigger(Id::About);
    const std::string t = p_->dialogen.Laatste();
    QVERIFY2(
        t.rfind("Plovena\n\r\n\rProgramma voor het inspecteren en bewerken van GEDCOM-bestanden\n\r", 0) == 0,
        t.c_str());
    QVERIFY2(t.find("\n\r\n\rVersie 24 december 2022\n\r") != std::string::npos, t.c_str());
    QVERIFY2(t.size() > 2 && t.compare(t.size() - 2, 2, "\n\r") == 0, "ends with LF CR");
    int regels = 0;
    for (std::size_t i = 0; (i = t.find("\n\r", i)) != std::string::npos; i += 2) ++regels;
    QCOMPARE(regels, 9);  // 9 lines (four of them credits), each followed by LF CR
    p_->Trigger(Id::Help);
    QCOMPARE(p_->dialogen.urls.size(), std::size_t(1));
    QCOMPARE(p_->dialogen.urls[0],
             QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Plovena.chm")));
  }

  void EchteBestandenOpenenTonenOpslaan() {
    // Every real file: shown as loaded, painted and copied without trouble, and saved back
    // through the save command exactly as the core writes it.
    const QDir map(QStringLiteral(PLOVENA_TESTDATA_DIR));
    const QStringList namen = map.entryList({QStringLiteral("*.ged")}, QDir::Files, QDir::Name);
    if (namen.isEmpty()) QSKIP("no real GEDCOM files");
    for (const QString& naam : namen) {
      Programma p;
      const QString pad = map.filePath(naam);
      Werkbestand verwacht;
      const bool leesbaar = !Laad(BestandsPad(pad), verwacht);
      p.Open(pad);
      QCOMPARE(p.hoofd->Staat().bestandIngelezen, leesbaar);
      if (!leesbaar) continue;
      QCOMPARE(p.Memo(), verwacht.Tekst());
      QCOMPARE(p.hoofd->Paneel(0), QStringLiteral("Inputbestand: %1 regels").arg(verwacht.Count()));
      QVERIFY2(p.dialogen.Laatste().rfind("Informatie over ingelezen bestand", 0) == 0, qPrintable(naam));
      QVERIFY(!p.hoofd->grab().isNull());
      p.Trigger(Id::Klembord);
      QCOMPARE(p.hoofd->Memo1()->SelLength(), Decodeerder(KiesTekenset(verwacht)).Tekst(verwacht).size());
      const QString uit = p.dir.filePath(QStringLiteral("uit.ged"));
      p.dialogen.bewaarKeuzes = {uit};
      p.Trigger(Id::BestandOpslaan);
      QVERIFY2(LeesBestand(uit) == QByteArray::fromStdString(NaarBytes(verwacht)), qPrintable(naam));
    }
  }

  void SchermTekstBreektOpLfCr() {
    QCOMPARE(SchermTekst("a\n\rb\n\r"), QStringLiteral("a\nb\n"));
    QCOMPARE(SchermTekst("Kopiëren"), QString::fromUtf8("Kopiëren"));
  }
};

// Settings at close, a fresh program per case.
class InstellingenSluitenTest : public QObject {
  Q_OBJECT
 private slots:
  void EersteKeerNietsGeschreven() {
    Programma p;
    QSignalSpy gesloten(p.hoofd, &THoofdFormulier::Gesloten);
    p.Trigger(Id::Afsluiten);
    QCOMPARE(gesloten.count(), 1);
    QVERIFY2(!QFile::exists(p.instellingenPad), "no settings file is created");
  }

  void OpenenSchrijftBestandEnDatum() {
    Programma p("; mijn opmerking\r\n[Use]\r\nLastInputFile=C:\\Gen\\oud.ged\r\nAnders=ja\r\n", true);
    const QString a = p.Bestand("a.ged", kVoorbeeld);
    const QString b = p.Bestand("b.ged", kVoorbeeld);
    p.Open(a);
    p.Open(b);
    p.Open(p.dir.filePath("weg.ged"));  // refused: LastInputFile stays the last successful open
    QCOMPARE(p.Sluit(),
             QByteArray("; mijn opmerking\r\n[Use]\r\nLastInputFile=" + b.toUtf8() +
                        "\r\nAnders=ja\r\nLastDate=" + QByteArray::fromStdString(Vandaag()) + "\r\n"));
  }

  void AlleenGeweigerdOpenenSchrijftGelezenWaarde_data() {
    QTest::addColumn<QByteArray>("voor");
    QTest::addColumn<QByteArray>("na");
    QTest::newRow("backslashpad")
        << QByteArray("[Use]\nLastInputFile=C:\\Gen\\stam,boom.ged\nLastDate=24-12-2022\n")
        << QByteArray("[Use]\nLastInputFile=C:\\Gen\\stam,boom.ged\nLastDate=24-12-2022\n");
    QTest::newRow("geen sleutel") << QByteArray() << QByteArray("[Use]\r\nLastInputFile=\r\n");
  }
  void AlleenGeweigerdOpenenSchrijftGelezenWaarde() {
    QFETCH(QByteArray, voor);
    QFETCH(QByteArray, na);
    Programma p(voor, true);
    QCOMPARE(p.hoofd->LastInputFile(), std::string(voor.isEmpty() ? "" : "C:\\Gen\\stam,boom.ged"));
    p.Open(p.dir.filePath("weg.ged"));
    QCOMPARE(p.Sluit(), na);
  }

  void LastDelTagsNooitGewist() {
    Programma p("[Presets]\nLastDelTags=ADDR NOTE\n", true);
    QCOMPARE(p.hoofd->Staat().lastDelTags, std::string("ADDR NOTE"));
    p.hoofd->Staat().lastDelTags.clear();
    p.hoofd->close();
    QCOMPARE(LeesBestand(p.instellingenPad), QByteArray("[Presets]\nLastDelTags=ADDR NOTE\n"));

    Programma q("[Presets]\nLastDelTags=ADDR NOTE\n", true);
    q.hoofd->Staat().lastDelTags = "EVEN OCCU RESI WITN";
    QCOMPARE(q.Sluit(), QByteArray("[Presets]\nLastDelTags=EVEN OCCU RESI WITN\n"));
  }

  void DatumUitBestandTerugGeschreven() {
    // A date other than the default is written back, in d-M-yyyy.
    Programma p("[Use]\nLastDate=2022-12-24\n", true);
    QCOMPARE(p.hoofd->LastDate(), QDate(2022, 12, 24));
    QCOMPARE(p.Sluit(), QByteArray("[Use]\nLastDate=24-12-2022\n"));
  }

  void OnschrijfbaarSluitAlsnog() {
    Programma p;
    QDir(p.dir.path()).mkdir("plovena.ini");  // the settings path is a folder
    p.Open(p.Bestand("a.ged", kVoorbeeld));
    QSignalSpy gesloten(p.hoofd, &THoofdFormulier::Gesloten);
    p.hoofd->close();
    QCOMPARE(gesloten.count(), 1);
    QVERIFY(!p.hoofd->isVisible());
  }
};

PLOVENA_GUI_TEST(HoofdvensterTest)
PLOVENA_GUI_TEST(InstellingenSluitenTest)
#include "hoofdvenster_test.moc"
