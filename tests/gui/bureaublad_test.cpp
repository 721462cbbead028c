// The desktop program on a desktop: where the settings live, dropping a file on the window,
// the folder the open dialog starts in, which help file opens, the window icon.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <set>

#include "app/instellingen.h"
#include "programma.h"
#include "ui/PV_TagSelectieFormulier.h"

using namespace plovena;
using namespace plovena::test;
using Id = OpdrachtId;

namespace {

constexpr Qt::DropActions kVanBestandbeheer = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

QUrl Lokaal(const QString& pad) { return QUrl::fromLocalFile(pad); }

// What the window answers to a drag entering it, and the action it chose.
bool SleepBinnen(QWidget* w, const QList<QUrl>& urls, Qt::DropActions acties = kVanBestandbeheer,
                 Qt::DropAction* gekozen = nullptr) {
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent in(QPoint(400, 300), acties, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &in);
  if (gekozen) *gekozen = in.dropAction();
  return in.isAccepted();
}

// A drop: whether it was taken; meldingenVoorLus receives the count of boxes shown before the
// event loop ran.
bool LaatVallen(QWidget* w, const QList<QUrl>& urls, Qt::DropActions acties = kVanBestandbeheer,
                std::size_t* meldingenVoorLus = nullptr, const NepDialogen* d = nullptr) {
  QMimeData data;
  data.setUrls(urls);
  QDropEvent drop(QPointF(400, 300), acties, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &drop);
  if (meldingenVoorLus && d) *meldingenVoorLus = d->meldingen.size();
  QCoreApplication::processEvents();  // the open waits for the drop to end
  return drop.isAccepted();
}

}  // namespace

class InstellingenPadTest : public QObject {
  Q_OBJECT
 private slots:
  void Keuze_data() {
    QTest::addColumn<QString>("exe");
    QTest::addColumn<bool>("schrijfbaar");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("pad");
    const QString cfg = QStringLiteral("/home/jan/.config/Plovena");
    QTest::newRow("draagbaar") << "/home/jan/plovena/plovena" << true << cfg
                               << "/home/jan/plovena/plovena.ini";
    QTest::newRow("windows") << "C:/Programma's/Plovena/Plovena.exe" << true << cfg
                             << "C:/Programma's/Plovena/Plovena.ini";
    QTest::newRow("alleen de laatste extensie")
        << "/opt/p/plovena.v2.exe" << true << cfg << "/opt/p/plovena.v2.ini";
    QTest::newRow("geïnstalleerd") << "/usr/bin/plovena" << false << cfg << cfg + "/plovena.ini";
    QTest::newRow("geen configuratiemap")
        << "/usr/bin/plovena" << false << QString() << "/usr/bin/plovena.ini";
  }
  void Keuze() {
    QFETCH(QString, exe);
    QFETCH(bool, schrijfbaar);
    QFETCH(QString, config);
    QFETCH(QString, pad);
    QCOMPARE(KiesInstellingenPad(exe, schrijfbaar, config), pad);
  }

  void SchrijfbaarheidProbeertEenBestand() {
    QTemporaryDir dir;
    QVERIFY(MapSchrijfbaar(dir.path()));
    QVERIFY2(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty(),
             "the trial file is removed");
    QVERIFY(!MapSchrijfbaar(dir.filePath("bestaat/niet")));
    QVERIFY(!MapSchrijfbaar(SchrijfBestand(dir, "bestand", "x")));  // a file, no folder
  }

  void ProgrammaMapAlsDieSchrijfbaarIs() {
    // The test program's own folder can be written: the settings sit beside it.
    if (!MapSchrijfbaar(QCoreApplication::applicationDirPath())) QSKIP("the build folder is read-only");
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    QCOMPARE(StandaardInstellingenPad(), exe.path() + QLatin1Char('/') + exe.completeBaseName() + ".ini");
  }

  void ConfiguratiemapWordtGemaakt() {
    QTemporaryDir dir;
    const QString pad = dir.filePath("config/Plovena/plovena.ini");
    QVERIFY(SchrijfInstellingen(pad, {"", StandaardDatum(), ""}, false));
    QVERIFY2(!QFileInfo::exists(dir.filePath("config")), "nothing to write makes no folder either");
    QVERIFY(SchrijfInstellingen(pad, {"/a.ged", QDate(2023, 1, 2), ""}, true));
    QCOMPARE(LeesBestand(pad), QByteArray("[Use]\r\nLastInputFile=/a.ged\r\nLastDate=2-1-2023\r\n"));
    QCOMPARE(LeesInstellingen(pad).lastInputFile, std::string("/a.ged"));
  }
};

class BureaubladTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Programma> p_;

 private slots:
  void init() { p_ = std::make_unique<Programma>(); }
  void cleanup() { p_.reset(); }

  void DropOpentAlsDeOpenDialoog_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("bestaat");
    QTest::newRow("bestand") << "stamboom.ged" << true;
    QTest::newRow("hoofdletters") << "STAMBOOM.GED" << true;
    QTest::newRow("ontbreekt") << "weg.ged" << false;
  }
  void DropOpentAlsDeOpenDialoog() {
    QFETCH(QString, naam);
    QFETCH(bool, bestaat);
    const QString pad = bestaat ? p_->Bestand(naam, kVoorbeeld) : p_->dir.filePath(naam);
    THoofdFormulier* h = p_->hoofd;

    Qt::DropAction actie = Qt::IgnoreAction;
    QVERIFY(SleepBinnen(h, {Lokaal(pad)}, kVanBestandbeheer, &actie));
    QCOMPARE(actie, Qt::CopyAction);  // never a move: the file manager would remove the file
    std::size_t voorLus = 99;
    QVERIFY(LaatVallen(h, {Lokaal(pad)}, kVanBestandbeheer, &voorLus, &p_->dialogen));
    QCOMPARE(voorLus, std::size_t(0));  // nothing shown while the drop is in progress

    // The same as choosing the file in the open dialog of a second program.
    Programma dialoog;
    dialoog.Open(pad);
    QCOMPARE(p_->dialogen.Teksten(), dialoog.dialogen.Teksten());
    QCOMPARE(h->windowTitle(), dialoog.hoofd->windowTitle());
    QCOMPARE(h->Paneel(0), dialoog.hoofd->Paneel(0));
    QCOMPARE(h->Staat().bestandIngelezen, bestaat);
    QCOMPARE(h->Staat().inputbestandsnaam, pad.toStdString());
    QVERIFY(p_->dialogen.openVragen.empty());
    if (bestaat) {
      QCOMPARE(p_->Memo(), kVoorbeeld.toStdString());
      QCOMPARE(h->LastInputFile(), pad.toStdString());
      QVERIFY(h->Actie(Id::TagsAnalyseren)->isEnabled());
      QVERIFY(p_->dialogen.Laatste().rfind("Informatie over ingelezen bestand", 0) == 0);
    } else {
      QCOMPARE(p_->dialogen.Teksten(), std::vector<std::string>{"Het opgegeven bestand bestaat niet!"});
    }
  }

  void AndereDropsGenegeerd_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<int>("acties");
    const int gewoon = static_cast<int>(kVanBestandbeheer);
    QTest::newRow("twee bestanden") << QList<QUrl>{Lokaal("/tmp/a.ged"), Lokaal("/tmp/b.ged")} << gewoon;
    QTest::newRow("tekstbestand") << QList<QUrl>{Lokaal("/tmp/a.txt")} << gewoon;
    QTest::newRow("geen lokaal bestand") << QList<QUrl>{QUrl("https://example.org/a.ged")} << gewoon;
    QTest::newRow("geen adressen") << QList<QUrl>{} << gewoon;
    QTest::newRow("alleen verplaatsen")
        << QList<QUrl>{Lokaal("/tmp/a.ged")} << static_cast<int>(Qt::MoveAction);
  }
  void AndereDropsGenegeerd() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(int, acties);
    THoofdFormulier* h = p_->hoofd;
    QVERIFY(!SleepBinnen(h, urls, Qt::DropActions(acties)));
    QVERIFY(!LaatVallen(h, urls, Qt::DropActions(acties)));
    QVERIFY(p_->dialogen.meldingen.empty());
    QVERIFY(!h->Staat().bestandIngelezen);
    QCOMPARE(h->Staat().inputbestandsnaam, std::string());
  }

  void GeenDropTijdensEenOpdracht() {
    const QString a = p_->Bestand("a.ged", kVoorbeeld);
    const QString b = p_->Bestand("b.ged", kVoorbeeld);
    p_->Open(a);
    bool binnen = true, gevallen = true;
    p_->dialogen.antwoorden = {Antwoord::Nee};
    p_->dialogen.bijVraag = [&] {
      binnen = SleepBinnen(p_->hoofd, {Lokaal(b)});
      gevallen = LaatVallen(p_->hoofd, {Lokaal(b)});
    };
    p_->Trigger(Id::TagsAnalyseren);  // asks its question while it holds the document
    QVERIFY(!binnen);
    QVERIFY(!gevallen);
    QCOMPARE(p_->hoofd->Staat().inputbestandsnaam, a.toStdString());
  }

  void DropKomtBijHetHoofdvenster() {
    // A drop over the text view or a button goes to the first window up that takes drops:
    // no part of the window may take them itself (the search window is a window of its own).
    QVERIFY(p_->hoofd->acceptDrops());
    for (QWidget* w : p_->hoofd->findChildren<QWidget*>())
      if (w->window() == p_->hoofd)
        QVERIFY2(!w->acceptDrops(), qPrintable(w->objectName() + " " + w->metaObject()->className()));
  }

  void OpenMap_data() {
    QTest::addColumn<QString>("laatste");  // relative to a temporary folder, or as it is
    QTest::addColumn<QString>("map");
    QTest::newRow("leeg") << QString() << QString();
    QTest::newRow("bestand bestaat") << "@/oud/a.ged"
                                     << "@/oud";
    QTest::newRow("bestand weg, map niet") << "@/oud/weg.ged"
                                           << "@/oud";
    QTest::newRow("map weg") << "@/weg/a.ged" << QString();
    QTest::newRow("relatief") << "a.ged" << QString();
#ifndef Q_OS_WIN
    QTest::newRow("windowspad") << "C:\\Gen\\a.ged" << QString();
#endif
  }
  void OpenMap() {
    QFETCH(QString, laatste);
    QFETCH(QString, map);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("oud");
    SchrijfBestand(dir, "oud/a.ged", kVoorbeeld);
    laatste.replace(QLatin1Char('@'), dir.path());
    map.replace(QLatin1Char('@'), dir.path());
    QCOMPARE(MapVanLaatsteBestand(laatste.toStdString()), map);
  }

  void OpenDialoogBegintInDeMapVanHetLaatsteBestand() {
    QTemporaryDir mappen;
    QDir(mappen.path()).mkpath("oud");
    QDir(mappen.path()).mkpath("nieuw");
    const QString oud = mappen.filePath("oud");
    Programma p("[Use]\r\nLastInputFile=" + oud.toUtf8() + "/weg.ged\r\n", true);
    const QString nieuw = SchrijfBestand(mappen, "nieuw/b.ged", kVoorbeeld);
    p.Open(nieuw);
    p.Trigger(Id::BestandOpenen);  // cancelled
    QCOMPARE(p.dialogen.openMappen, (std::vector<QString>{oud, mappen.filePath("nieuw")}));
    QCOMPARE(p.dialogen.openVragen.back(), QStringLiteral("Bestand opvragen|*.ged|*.ged"));
    p_->Trigger(Id::BestandOpenen);  // first run: no folder
    QCOMPARE(p_->dialogen.openMappen, std::vector<QString>{QString()});
  }

  void HelpKeuze_data() {
    QTest::addColumn<QStringList>("bestaan");
    QTest::addColumn<QString>("gedeeld");
    QTest::addColumn<QString>("geopend");
    const QString chm = "/opt/plovena/bin/Plovena.chm";
    const QString naast = "/opt/plovena/bin/plovena-help.html";
    const QString prefix = "/opt/plovena/share/plovena/plovena-help.html";
    const QString xdg = "/usr/share/plovena/plovena-help.html";
    QTest::newRow("chm eerst") << QStringList{chm, naast, prefix, xdg} << xdg << chm;
    QTest::newRow("naast het programma") << QStringList{naast, prefix, xdg} << xdg << naast;
    QTest::newRow("in de prefix") << QStringList{prefix, xdg} << xdg << prefix;
    QTest::newRow("in de datamappen") << QStringList{xdg} << xdg << xdg;
    QTest::newRow("niets: de chm") << QStringList{} << QString() << chm;
    QTest::newRow("geen pagina gevonden") << QStringList{naast + ".oud"} << QString() << chm;
  }
  void HelpKeuze() {
    QFETCH(QStringList, bestaan);
    QFETCH(QString, gedeeld);
    QFETCH(QString, geopend);
    std::vector<QString> gevraagd;
    const auto bestaat = [&](const QString& p) {
      gevraagd.push_back(p);
      return bestaan.contains(p);
    };
    QCOMPARE(KiesHelpBestand("/opt/plovena/bin/Plovena.chm", "/opt/plovena/bin", gedeeld, bestaat), geopend);
    QVERIFY(!gevraagd.empty() && gevraagd.front() == QStringLiteral("/opt/plovena/bin/Plovena.chm"));
  }

  void PictogramOpAlleVensters() {
    QVERIFY(QFile::exists(QStringLiteral(":/pictogrammen/plovena-256.png")));
    const QWidget* vensters[] = {p_->hoofd, p_->vensters->VoortgangsFormulier.get(),
                                 p_->vensters->RapportFormulier.get(),
                                 p_->vensters->TagSelectieFormulier.get()};
    for (const QWidget* w : vensters) {
      const QIcon i = w->windowIcon();
      QVERIFY2(!i.isNull(), qPrintable(w->objectName()));
      QVERIFY2(!i.pixmap(32).isNull(), qPrintable(w->objectName()));
      const QList<QSize> maten = i.availableSizes();
      for (int m : {16, 32, 48, 64, 128, 256})
        QVERIFY2(maten.contains(QSize(m, m)), qPrintable(w->objectName()));
    }
    QCOMPARE(PlovenaIcoon().pixmap(256).size(), QSize(256, 256));
  }

  void TagLijstInDeTekensetVanHetBestand() {
    // An ANSI file with a tag of its own holding É: shown as É, kept as its byte.
    p_->Open(
        p_->Bestand("ansi.ged", "0 HEAD\r\n1 CHAR ANSI\r\n0 @I1@ INDI\r\n1 _PLA\xC9TS Gent\r\n0 TRLR\r\n"));
    p_->Trigger(Id::TagsVerwijderen);
    TTagSelectieFormulier* t = p_->vensters->TagSelectieFormulier.get();
    int gevonden = -1;
    for (int i = 0; i < t->Aantal(); ++i)
      if (t->Item(i) == "_PLA\xC9TS") gevonden = i;
    QVERIFY(gevonden >= 0);
    QCOMPARE(t->ListBox1()->item(gevonden)->text(), QString::fromUtf8("_PLAÉTS"));
  }
};

PLOVENA_GUI_TEST(InstellingenPadTest)
PLOVENA_GUI_TEST(BureaubladTest)
#include "bureaublad_test.moc"
