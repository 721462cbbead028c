#include <QFile>

#include "app/instellingen.h"
#include "gui_test.h"

using namespace plovena;
using namespace plovena::test;

class InstellingenTest : public QObject {
  Q_OBJECT
 private slots:
  void WaardenRauwGelezen() {
    QTemporaryDir dir;
    const QString pad =
        SchrijfBestand(dir, "p.ini",
                       "; opmerking\r\n[use]\r\nLASTINPUTFILE = C:\\Gen\\stam,boom \"1\".ged \r\n"
                       "LastDate=24-12-2022\r\n[Presets]\r\nLastDelTags=ADDR NOTE\r\n");
    IniBestand ini;
    QVERIFY(ini.Lees(pad));
    // No escapes, no quotes, commas stay: the Windows program wrote them this way.
    QCOMPARE(ini.Waarde("Use", "LastInputFile", "x"), std::string("C:\\Gen\\stam,boom \"1\".ged"));
    QCOMPARE(ini.Waarde("Presets", "lastdeltags", "x"), std::string("ADDR NOTE"));
    QCOMPARE(ini.Waarde("Presets", "Onbekend", "standaard"), std::string("standaard"));
    const plovena::Instellingen w = LeesInstellingen(pad);
    QCOMPARE(w.lastDate, QDate(2022, 12, 24));
  }

  void ZetLaatAndereRegelsStaan() {
    QTemporaryDir dir;
    const QString pad =
        SchrijfBestand(dir, "p.ini", "[Use]\nLastInputFile=oud\nAnder=1\n\n[Presets]\nX=2\n[Eigen]\nY=3\n");
    IniBestand ini;
    QVERIFY(ini.Lees(pad));
    ini.Zet("Use", "LastInputFile", "D:\\nieuw.ged");
    ini.Zet("Use", "LastDate", "1-2-2023");
    ini.Zet("Presets", "LastDelTags", "NOTE");
    ini.Zet("Nieuw", "Z", "4");
    QVERIFY(ini.Schrijf(pad));
    QCOMPARE(LeesBestand(pad),
             QByteArray("[Use]\nLastInputFile=D:\\nieuw.ged\nAnder=1\nLastDate=1-2-2023\n\n"
                        "[Presets]\nX=2\nLastDelTags=NOTE\n[Eigen]\nY=3\n\n[Nieuw]\nZ=4\n"));
  }

  void Datums_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QDate>("datum");
    QTest::newRow("d-M-yyyy") << "1-1-2000" << QDate(2000, 1, 1);
    QTest::newRow("d-M-yyyy lang") << "24-12-2022" << QDate(2022, 12, 24);
    QTest::newRow("dd-MM-yyyy") << "05-03-2021" << QDate(2021, 3, 5);
    QTest::newRow("yyyy-MM-dd") << "2021-03-05" << QDate(2021, 3, 5);
    QTest::newRow("blanco's") << "  7-8-2019 " << QDate(2019, 8, 7);
    QTest::newRow("geen datum") << "gisteren" << QDate();
    QTest::newRow("31 februari") << "31-2-2020" << QDate();
    QTest::newRow("leeg") << "" << QDate();
  }
  void Datums() {
    QFETCH(QString, tekst);
    QFETCH(QDate, datum);
    QCOMPARE(LeesDatum(tekst.toStdString()), datum);
    if (datum.isValid()) QCOMPARE(LeesDatum(DatumTekst(datum).toStdString()), datum);
  }

  void DatumGeschrevenAlsDMJ() {
    QCOMPARE(DatumTekst(QDate(2022, 12, 24)), QStringLiteral("24-12-2022"));
    QCOMPARE(DatumTekst(QDate(2000, 1, 1)), QStringLiteral("1-1-2000"));
  }

  void StartFaaltNooit_data() {
    QTest::addColumn<QByteArray>("inhoud");
    QTest::newRow("leeg") << QByteArray();
    QTest::newRow("binair") << QByteArray("\x00\xff\xfe[\x01=\x02\n=\n[\n]]]\r\r", 18);
    QTest::newRow("foute datum") << QByteArray("[Use]\nLastDate=32-13-99999\n");
    QTest::newRow("sleutel zonder sectie") << QByteArray("LastDate=2-2-2002\n");
    QTest::newRow("sectie zonder haak") << QByteArray("[Use\nLastDate=2-2-2002\n");
  }
  void StartFaaltNooit() {
    QFETCH(QByteArray, inhoud);
    QTemporaryDir dir;
    const plovena::Instellingen w = LeesInstellingen(SchrijfBestand(dir, "p.ini", inhoud));
    QCOMPARE(w.lastDate, StandaardDatum());
    QCOMPARE(w.lastInputFile, std::string());
  }

  void OntbrekendBestandGeeftStandaard() {
    const plovena::Instellingen w = LeesInstellingen("/nergens/te/vinden.ini");
    QCOMPARE(w.lastDate, QDate(2000, 1, 1));
    QVERIFY(w.lastInputFile.empty() && w.lastDelTags.empty());
  }

  void NietsTeSchrijvenMaaktGeenBestand() {
    QTemporaryDir dir;
    const QString pad = dir.filePath("p.ini");
    QVERIFY(SchrijfInstellingen(pad, {"", StandaardDatum(), ""}, false));
    QVERIFY2(!QFile::exists(pad), "zonder iets te schrijven ontstaat geen bestand");
  }

  void OnschrijfbaarBestandFaaltZacht() {
    QTemporaryDir dir;
    // A missing folder is made (the user's configuration folder on a first run); a file where
    // a folder should be cannot be.
    SchrijfBestand(dir, "geen", "x");
    QVERIFY(!SchrijfInstellingen(dir.filePath("geen/map/p.ini"), {"a", QDate(2023, 1, 2), "NOTE"}, true));
    QVERIFY(!SchrijfInstellingen(dir.path(), {"a", QDate(2023, 1, 2), "NOTE"}, true));  // a folder
  }
};

PLOVENA_GUI_TEST(InstellingenTest)
#include "instellingen_test.moc"
