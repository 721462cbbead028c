// The inspection, removal and correction commands as the user meets them: through their
// buttons and menu items in the main window, with the real walks behind them.

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "programma.h"
#include "ui/PV_RapportFormulier.h"
#include "ui/PV_TagSelectieFormulier.h"
#include "ui/PV_VoortgangsFormulier.h"

using namespace plovena;
using namespace plovena::test;
using Id = OpdrachtId;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The main view's text of a document written with LF line ends.
std::string MetCrLf(const QByteArray& lf) {
  std::string s;
  for (char c : lf) {
    if (c == '\n') s += '\r';
    s += c;
  }
  return s;
}

std::string Vraag(const std::string& zin) { return zin + "\n\r" + std::string(kDuurtEven); }

// The worked example of the tag count: 8 distinct keys.
const QByteArray kTelVoorbeeld =
    "0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 _UID 1234\n1 SEX M\n1 NOTE Zie ook NAME\n"
    "0 @I2@ INDI\n1 name Piet /Jansen/\n0 TRLR\n";

// The worked example of the tag combinations: 16 lines, 9 combinations.
const QByteArray kCombinatieVoorbeeld =
    "0 HEAD\n1 SOUR Stamboom\n2 VERS 2.1\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Jan /Jansen/\n2 GIVN Jan\n"
    "1 BIRT\n2 DATE 1820\n2 PLAC Ede\n1 SEX M\n0 @I2@ INDI\n1 NAME Piet /Jansen/\n1 SEX M\n0 @F1@ FAM\n"
    "0 TRLR\n";

// The worked example of the tag removal with a _UID first, so "Standaardkeuze" leaves entry 0
// unselected and the selection text begins with a blank.
const QByteArray kTagsVoorbeeld =
    "0 HEAD\n1 SOUR PROG\n1 CHAR ANSI\n0 @I1@ INDI\n1 _UID 1234\n1 NAME Jan /Jansen/\n1 NOTE Eerste regel\n"
    "2 CONT tweede regel\n1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Ede\n1 ALIA Jantje\n0 @I2@ INDI\n"
    "1 NAME Piet /Smit/\n1 ADDR Dorp 2\n2 CITY Ede\n0 TRLR\n";

// Family tags in a person (never touched by the clean-up) and in a family.
const QByteArray kGezinsVoorbeeld =
    "0 HEAD\n1 SOUR HAZA21\n0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 OCCU Boer\n1 RESI\n2 ADDR Dorp 1\n1 EVEN\n"
    "2 TYPE Verhuizing\n1 WITN Klaas\n1 NOTE Tekst\n0 @F1@ FAM\n1 HUSB @I1@\n1 EVEN\n2 TYPE Ondertrouw\n"
    "2 WITN Piet\n0 TRLR\n";

}  // namespace

class OpdrachtenEchtTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Programma> p_;

  // What the progress window showed at each step of the bar, and how many boxes had been shown
  // each time it was hidden.
  struct Stap {
    QString titel;
    int maximum;
    bool zichtbaar;
  };
  std::vector<Stap> stappen_;
  std::vector<std::size_t> verborgen_;
  QMetaObject::Connection volgStap_, volgVerberg_;

  THoofdFormulier* H() { return p_->hoofd; }
  TVoortgangsFormulier* Voortgang() { return p_->vensters->VoortgangsFormulier.get(); }
  TRapportFormulier* Rapport() { return p_->vensters->RapportFormulier.get(); }
  TTagSelectieFormulier* Dialoog() { return p_->vensters->TagSelectieFormulier.get(); }
  NepDialogen& D() { return p_->dialogen; }

  // Button and menu item found by their names in the table.
  QPushButton* Knop(Id id) { return H()->findChild<QPushButton*>(Q(ZoekOpdracht(id).knop)); }
  QAction* MenuItem(Id id) { return H()->findChild<QAction*>(Q(ZoekOpdracht(id).menuItem)); }
  void Klik(Id id) { QTest::mouseClick(Knop(id), Qt::LeftButton); }
  void Kies(Id id) { MenuItem(id)->trigger(); }
  void KlikInDialoog(const char* knop) {
    QTest::mouseClick(Dialoog()->findChild<QPushButton*>(QString::fromLatin1(knop)), Qt::LeftButton);
  }

  // Opens the file and forgets the source program box.
  QString Open(const QString& naam, const QByteArray& inhoud) {
    const QString pad = p_->Bestand(naam, inhoud);
    p_->Open(pad);
    D().Wis();
    stappen_.clear();
    verborgen_.clear();
    return pad;
  }

  // The bars seen while stepping, as "title/maximum", each once in order of appearance.
  QStringList Balken() const {
    QStringList b;
    for (const Stap& s : stappen_) {
      const QString t = s.titel + QLatin1Char('/') + QString::number(s.maximum) +
                        (s.zichtbaar ? QString() : QStringLiteral(" (verborgen)"));
      if (b.isEmpty() || b.back() != t) b << t;
    }
    return b;
  }
  bool BalkInRust() {
    return !Voortgang()->isVisible() && Voortgang()->Positie() == 0 &&
           Voortgang()->windowTitle() == QStringLiteral("Voortgang");
  }
  std::string RapportTekst() { return Rapport()->MemoRapport()->Tekst(); }
  std::vector<std::string> Lijst() {
    std::vector<std::string> l;
    for (int i = 0; i < Dialoog()->Aantal(); ++i) l.push_back(Dialoog()->Item(i));
    return l;
  }
  std::vector<std::string> Gekozen() {
    std::vector<std::string> k;
    for (int i = 0; i < Dialoog()->Aantal(); ++i)
      if (Dialoog()->IsGeselecteerd(i)) k.push_back(Dialoog()->Item(i));
    return k;
  }
  bool AllesAanBehalve(std::optional<Id> uit, std::string* welke) {
    for (const Opdracht& o : Opdrachten()) {
      const bool moetAan = !uit || o.id != *uit;
      if (Knop(o.id)->isEnabled() != moetAan || MenuItem(o.id)->isEnabled() != moetAan) {
        *welke = std::string(o.knop);
        return false;
      }
    }
    return true;
  }

 private slots:
  void init() {
    p_ = std::make_unique<Programma>();
    stappen_.clear();
    verborgen_.clear();
    QProgressBar* balk = Voortgang()->Voortgangsindicator();
    volgStap_ = connect(balk, &QProgressBar::valueChanged, this, [this, balk](int waarde) {
      if (waarde > 0)
        stappen_.push_back({Voortgang()->windowTitle(), balk->maximum(), Voortgang()->isVisible()});
    });
    volgVerberg_ = connect(Voortgang(), &QWidget::windowTitleChanged, this, [this](const QString& t) {
      if (t == QStringLiteral("Voortgang")) verborgen_.push_back(D().meldingen.size());
    });
  }
  void cleanup() {
    disconnect(volgStap_);
    disconnect(volgVerberg_);
    p_.reset();
  }

  // --- Inspection ---

  void TagsTellen() {
    Open("tellen.ged", kTelVoorbeeld);
    const std::string scherm = p_->Memo();
    const std::string vraag =
        "In het werkbestand zijn 8 tags gevonden. \n\rHet aantal vermeldingen per tag tellen?\n\r"
        "Bij grote bestanden kan dat wel even duren.";
    D().antwoorden = {Antwoord::Nee};
    Klik(Id::TagsAnalyseren);
    QCOMPARE(D().Teksten(), std::vector<std::string>{vraag});
    QVERIFY(D().meldingen[0].soort == BerichtSoort::Bevestiging);
    QVERIFY2(!Rapport()->isVisible(), "No shows nothing");
    QVERIFY(stappen_.empty());

    D().Wis();
    Kies(Id::TagsAnalyseren);
    QCOMPARE(D().Teksten(), std::vector<std::string>{vraag});
    QVERIFY(Rapport()->isVisible());
    QCOMPARE(Rapport()->windowTitle(), QStringLiteral("Plovena - rapport: tellen.ged"));
    QCOMPARE(RapportTekst(), std::string("_UID\t1\r\nCHAR\t1\r\nHEAD\t1\r\nINDI\t2\r\nNAME\t2\r\nNOTE\t1\r\n"
                                         "SEX\t1\r\nTRLR\t1\r\n"));
    // Item-driven: one step per entry.
    QCOMPARE(Balken(), QStringList{"Voortgang tags tellen/8"});
    QCOMPARE(stappen_.size(), std::size_t(8));
    QCOMPARE(verborgen_, std::vector<std::size_t>{1});
    QVERIFY(BalkInRust());
    QCOMPARE(p_->Memo(), scherm);
    QCOMPARE(H()->Staat().werkbestand.Tekst(), scherm);
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: 10 regels"));
    QVERIFY(Knop(Id::TagsAnalyseren)->isEnabled());
  }

  void TagCombinaties_data() {
    QTest::addColumn<bool>("sorteren");
    QTest::addColumn<QString>("rapport");
    QTest::newRow("gesorteerd")
        << true
        << "FAM\r\nHEAD\tCHAR\r\nHEAD\tSOUR\tVERS\r\nINDI\tBIRT\tDATE\r\nINDI\tBIRT\tPLAC\r\n"
           "INDI\tNAME\r\nINDI\tNAME\tGIVN\r\nINDI\tSEX\r\nTRLR\r\n";
    QTest::newRow("volgorde") << false
                              << "HEAD\tSOUR\tVERS\r\nHEAD\tCHAR\r\nINDI\tNAME\tGIVN\r\nINDI\tBIRT\tDATE\r\n"
                                 "INDI\tBIRT\tPLAC\r\nINDI\tSEX\r\nINDI\tNAME\r\nFAM\r\nTRLR\r\n";
  }
  void TagCombinaties() {
    QFETCH(bool, sorteren);
    QFETCH(QString, rapport);
    Open("combinaties.ged", kCombinatieVoorbeeld);
    D().antwoorden = {sorteren ? Antwoord::Ja : Antwoord::Nee};
    Klik(Id::StructuurAnalyseren);
    QCOMPARE(D().Teksten(),
             std::vector<std::string>{"Bestand verwerkt\n\r\n\rAantal regels: 16\n\r"
                                      "Aantal combinaties: 9\n\r\n\rOverzicht sorteren op alfabet?"});
    QVERIFY(D().meldingen[0].soort == BerichtSoort::Bevestiging);
    QVERIFY(Rapport()->isVisible());
    QCOMPARE(Rapport()->windowTitle(), QStringLiteral("Plovena - rapport: combinaties.ged"));
    QCOMPARE(RapportTekst(), rapport.toStdString());
    // One step per line; the bar is gone before the question.
    QCOMPARE(Balken(), QStringList{"Voortgang tag-combinaties bepalen/16"});
    QCOMPARE(stappen_.size(), std::size_t(16));
    QCOMPARE(verborgen_, std::vector<std::size_t>{0});
    QVERIFY(BalkInRust());
    QCOMPARE(p_->Memo(), MetCrLf(kCombinatieVoorbeeld));
  }

  void TagCombinatiesFoutNiveau() {
    const QByteArray doc = "0 HEAD\n1 SOUR X\nX foo\n0 TRLR\n";
    Open("fout.ged", doc);
    Klik(Id::StructuurAnalyseren);
    QCOMPARE(D().fouten, std::vector<std::string>{"Fout in regel 3: het niveau \"X\" is geen cijfer. "
                                                  "De tag-combinaties kunnen niet worden bepaald."});
    QVERIFY2(D().meldingen.empty(), "no question after the error");
    QVERIFY2(!Rapport()->isVisible(), "no report after the error");
    QCOMPARE(stappen_.size(), std::size_t(2));  // the walk had begun
    QVERIFY(BalkInRust());
    QCOMPARE(H()->Staat().werkbestand.Tekst(), MetCrLf(doc));
    QVERIFY(H()->isVisible());
    QVERIFY(Knop(Id::StructuurAnalyseren)->isEnabled());
  }

  void InspringenLaatDocumentGetrimd() {
    // The fifth line ends in a blank, the sixth begins with two.
    const QByteArray doc =
        "0 HEAD\n1 SOUR Stamboom\n2 VERS 2.1\n0 @N1@ NOTE Eerste deel\n1 CONC met spatie \n  1 CONT Laatste "
        "regel\n";
    const std::string rapport =
        "0 HEAD\r\n   1 SOUR Stamboom\r\n      2 VERS 2.1\r\n0 @N1@ NOTE Eerste deel\r\n   1 CONC met "
        "spatie\r\n"
        "   1 CONT Laatste regel\r\n";
    const std::string getrimd =
        "0 HEAD\r\n1 SOUR Stamboom\r\n2 VERS 2.1\r\n0 @N1@ NOTE Eerste deel\r\n1 CONC met spatie\r\n"
        "1 CONT Laatste regel\r\n";
    Open("inspringen.ged", doc);
    Klik(Id::ToonMetInspringing);
    QVERIFY2(D().meldingen.empty(), "no question and no message");
    QVERIFY(stappen_.empty() && verborgen_.empty());
    QVERIFY(Rapport()->isVisible());
    QCOMPARE(Rapport()->windowTitle(), QStringLiteral("Plovena - rapport: inspringen.ged"));
    QCOMPARE(RapportTekst(), rapport);
    // The document is trimmed, the main window still shows it as loaded.
    QCOMPARE(H()->Staat().werkbestand.Tekst(), getrimd);
    QCOMPARE(p_->Memo(), MetCrLf(doc));
    QCOMPARE(H()->Paneel(0), QStringLiteral("Inputbestand: 6 regels"));
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: 6 regels"));
    QCOMPARE(H()->windowTitle(), QStringLiteral("Plovena - inspringen.ged"));
    QVERIFY(Knop(Id::ToonMetInspringing)->isEnabled());

    // A second run gives the same report; saving writes the trimmed lines.
    Kies(Id::ToonMetInspringing);
    QCOMPARE(RapportTekst(), rapport);
    const QString uit = p_->dir.filePath("getrimd.ged");
    D().bewaarKeuzes = {uit};
    Klik(Id::BestandOpslaan);
    QCOMPARE(D().Laatste(), "Resultaat opgeslagen: " + uit.toStdString());
    QCOMPARE(LeesBestand(uit).toStdString(), getrimd);
    QCOMPARE(p_->Memo(), MetCrLf(doc));
  }

  void TabDelimited() {
    const QByteArray doc = "0 HEAD\n0 @i1@ INDI\n1 name Jan /Jansen/\n1 BIRT\n2 CONC met spatie\n";
    Open("tab.ged", doc);
    Klik(Id::ToonMetInspringing);  // a report of the other kind first: text and caption are replaced
    Klik(Id::ToonTabDelimited);
    QVERIFY(D().meldingen.empty());
    QVERIFY(stappen_.empty());
    QVERIFY(Rapport()->isVisible());
    QCOMPARE(Rapport()->windowTitle(), QStringLiteral("Plovena - tab delimited file: tab.ged"));
    QCOMPARE(RapportTekst(),
             std::string("0\tHEAD\t\r\n0\t@I1@\tINDI\r\n1\tNAME\tJan /Jansen/\r\n1\tBIRT\t\r\n"
                         "2\tCONC\tmet spatie\r\n"));
    QCOMPARE(H()->Staat().werkbestand.Tekst(), MetCrLf(doc));
    QCOMPARE(p_->Memo(), MetCrLf(doc));

    // After a refused open the caption names the refused file; the report is of the loaded one.
    p_->Open(p_->dir.filePath("weg.ged"));
    QCOMPARE(D().Laatste(), std::string("Het opgegeven bestand bestaat niet!"));
    Kies(Id::ToonTabDelimited);
    QCOMPARE(Rapport()->windowTitle(), QStringLiteral("Plovena - tab delimited file: weg.ged"));
    QVERIFY(RapportTekst().starts_with("0\tHEAD\t\r\n"));
  }

  void PersonenTellen() {
    const QByteArray doc =
        "0 HEAD\n0 @I1@ INDI\n1 NAME Jan\n0 @I2@ indi\n0 @F1@ FAM\n1 HUSB @I1@\n0 @S1@ SOUR\n1 SOUR @S1@\n"
        "0 @N1@ NOTE\n0 INDI\n0 TRLR\n";
    Open("tellen.ged", doc);
    Klik(Id::TelPersonenGezinnen);
    QCOMPARE(D().Teksten(),
             std::vector<std::string>{"Resultaat telling\n\r\n\r2 personen\n\r1 gezinnen\n\r1 bronnen\n\r"});
    QVERIFY(D().meldingen[0].soort == BerichtSoort::Informatie);
    QVERIFY2(!Rapport()->isVisible(), "the counts use a box, not the report window");
    QCOMPARE(Balken(), QStringList{"Voortgang tellen personen en gezinnen/40"});
    QCOMPARE(verborgen_, std::vector<std::size_t>{0});
    QVERIFY(BalkInRust());
    QCOMPARE(p_->Memo(), MetCrLf(doc));
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: 11 regels"));
    QVERIFY(Knop(Id::TelPersonenGezinnen)->isEnabled());
  }

  void LeegDocument() {
    // A file without lines: every command runs, the windows paint an empty list.
    Open("leeg.ged", "");
    Klik(Id::TagsAnalyseren);
    QCOMPARE(D().Teksten(), std::vector<std::string>{"In het werkbestand zijn 0 tags gevonden. \n\r"
                                                     "Het aantal vermeldingen per tag tellen?\n\r"
                                                     "Bij grote bestanden kan dat wel even duren."});
    QCOMPARE(Rapport()->windowTitle(), QStringLiteral("Plovena - rapport: leeg.ged"));
    QCOMPARE(RapportTekst(), std::string());
    Rapport()->MemoRapport()->viewport()->grab();
    D().Wis();
    Klik(Id::StructuurAnalyseren);
    QCOMPARE(D().Teksten(),
             std::vector<std::string>{"Bestand verwerkt\n\r\n\rAantal regels: 0\n\r"
                                      "Aantal combinaties: 1\n\r\n\rOverzicht sorteren op alfabet?"});
    QCOMPARE(RapportTekst(), std::string("\r\n"));
    Klik(Id::ToonMetInspringing);
    QCOMPARE(RapportTekst(), std::string());
    Klik(Id::ToonTabDelimited);
    QCOMPARE(RapportTekst(), std::string());
    D().Wis();
    Klik(Id::TelPersonenGezinnen);
    QCOMPARE(D().Laatste(),
             std::string("Resultaat telling\n\r\n\r0 personen\n\r0 gezinnen\n\r0 bronnen\n\r"));
    D().Wis();
    Klik(Id::TagsVerwijderen);
    QCOMPARE(D().Teksten(), std::vector<std::string>{"Geen tags meer om te verwijderen"});
    for (Id id : {Id::BronnenVerwijderen, Id::GezinsTagsVerwijderen, Id::BeroepenSamenvoegen,
                  Id::PlaatsenSamenvoegen, Id::VerwijderHaza21Problemen, Id::VerbeterHaza21Bronnen,
                  Id::PasNoteTagsAan, Id::ZonderAchternaam}) {
      D().Wis();
      Klik(id);
      QCOMPARE(D().meldingen.size(), std::size_t(2));
      QVERIFY2(D().Laatste().starts_with("Er zijn 0 regels "), D().Laatste().c_str());
      QVERIFY(!Knop(id)->isEnabled());
    }
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: 0 regels"));
    H()->Memo1()->viewport()->grab();
    QVERIFY(BalkInRust());
  }

  // --- Editing commands: question, message, refresh, switched off until the next reload ---

  void Bewerkingen_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("voor");
    QTest::addColumn<QByteArray>("na");
    QTest::addColumn<QString>("vraag");
    QTest::addColumn<QString>("bericht");
    QTest::addColumn<QString>("balk");
    QTest::addColumn<QString>("lastDelTags");
    QTest::newRow("bronnen verwijderen")
        << int(Id::BronnenVerwijderen)
        << QByteArray(
               "0 HEAD\n1 SOUR PROG\n0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 BIRT\n2 DATE 1900\n2 SOUR @S1@\n"
               "3 PAGE blz. 4\n1 SOUR @S1@\n0 @S1@ SOUR\n1 TITL Doopboek\n1 REPO @R1@\n0 @R1@ REPO\n"
               "1 NAME Archief\n0 TRLR\n")
        << QByteArray(
               "0 HEAD\n1 SOUR PROG\n0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 BIRT\n2 DATE 1900\n0 @R1@ REPO\n"
               "1 NAME Archief\n0 TRLR\n")
        << "Alle bronnen en de verwijzingen ernaar verwijderen?"
        << "Er zijn 6 regels met bronnen en verwijzingen verwijderd uit het werkbestand."
        << "Voortgang bronnen verwijderen"
        << "";
    QTest::newRow("gezinstags opschonen")
        << int(Id::GezinsTagsVerwijderen)
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 EVEN\n2 TYPE Verhuizing\n0 @F1@ FAM\n1 HUSB @I1@\n"
               "1 MARR\n2 DATE 1920\n2 WITN Piet\n1 RESI\n2 ADDR Dorp 1\n3 CITY Ede\n0 @F2@ FAM\n"
               "1 HUSB @I2@\n1 EVEN\n2 TYPE Ondertrouw\n0 @S1@ SOUR\n1 TITL Boek\n0 @F3@ FAM\n"
               "1 OCCU Boer\n0 TRLR\n")
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 EVEN\n2 TYPE Verhuizing\n0 @F1@ FAM\n1 HUSB @I1@\n"
               "1 MARR\n2 DATE 1920\n0 @F2@ FAM\n1 HUSB @I2@\n0 @S1@ SOUR\n1 TITL Boek\n0 @F3@ FAM\n"
               "1 OCCU Boer\n0 TRLR\n")
        << "De overtollige FAM-tag(s) incl. subtags verwijderen?"
        << "Er zijn 6 regels verwijderd uit het werkbestand."
        << "Voortgang FAM-tags verwijderen"
        << "EVEN OCCU RESI WITN";
    QTest::newRow("beroepen samenvoegen")
        << int(Id::BeroepenSamenvoegen)
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 OCCU Landbouwer\n2 DATE 1850\n2 PLAC Ede\n1 BIRT\n"
               "2 DATE 1820\n1 OCCU Arbeider\n1 OCCU landbouwer\n0 @I2@ INDI\n1 NAME Piet /Smit/\n"
               "0 @F1@ FAM\n1 HUSB @I1@\n")
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 BIRT\n2 DATE 1820\n1 OCCU landbouwer, arbeider\n"
               "0 @I2@ INDI\n1 NAME Piet /Smit/\n0 @F1@ FAM\n1 HUSB @I1@\n")
        << "De beroepen per persoon samenvoegen?"
        << "Er zijn 5 regels verwijderd uit het werkbestand."
        << "Voortgang beroepen samenvoegen"
        << "";
    QTest::newRow("plaatsen samenvoegen")
        << int(Id::PlaatsenSamenvoegen)
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 RESI\n2 ADDR Dorpsstraat 1\n3 CITY Ede\n2 DATE 1850\n"
               "1 RESI\n2 ADDR\n3 CITY Arnhem\n1 RESI\n2 ADDR\n3 CITY EDE\n0 @F1@ FAM\n0 TRLR\n")
        << QByteArray("0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 RESI Ede, Arnhem\n0 @F1@ FAM\n0 TRLR\n")
        << "De woonplaatsen per persoon samenvoegen?"
        << "Er zijn 10 regels verwijderd uit het werkbestand."
        << "Voortgang plaatsen samenvoegen"
        << "";
    QTest::newRow("SOUR-correctie")
        << int(Id::VerbeterHaza21Bronnen)
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 BIRT\n2 DATE 1820\n2 SOUR S3\n1 @S4@ SOUR\n"
               "2 PAGE blz. 12\n0 @S3@ SOUR\n1 TITL Doopboek Ede\n")
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 BIRT\n2 DATE 1820\n2 SOUR @S3@\n1 SOUR @S4@\n"
               "2 PAGE blz. 12\n0 @S3@ SOUR\n1 TITL Doopboek Ede\n")
        << "Afwijkende SOUR-tags verbeteren?"
        << "Er zijn 2 regels verbeterd in het werkbestand."
        << "Voortgang tags verbeteren"
        << "";
    QTest::newRow("NOTE/CONT-correctie")
        << int(Id::PasNoteTagsAan)
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 NOTE Geboren op de boerderij\n1 NOTE van zijn "
               "grootvader.\n"
               "1 NOTE Later verhuisd naar Ede.\n1 BIRT\n2 DATE 1820\n2 NOTE Volgens het doopboek\n"
               "3 CONC van Ede\n2 NOTE gedoopt op zondag.\n0 TRLR\n")
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 NOTE Geboren op de boerderij\n2 CONT van zijn "
               "grootvader.\n"
               "2 CONT Later verhuisd naar Ede.\n1 BIRT\n2 DATE 1820\n2 NOTE Volgens het doopboek\n"
               "3 CONC van Ede\n3 CONT gedoopt op zondag.\n0 TRLR\n")
        << "Vervolgregels notities aanpassen (NOTE/CONT)?"
        << "Er zijn 3 regels aangepast."
        << "Voortgang tags verwijderen"
        << "";
    QTest::newRow("OCCU/RESI-correctie")
        << int(Id::VerwijderHaza21Problemen)
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 OCCU\n2 DATE 1850\n1 OCCU Landbouwer\n1 RESI\n"
               "2 DATE 1880\n2 PLAC Ede\n1 RESI\n2 ADDR Dorpsstraat 1\n3 CITY Ede\n0 TRLR\n")
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 OCCU Landbouwer\n1 RESI\n2 ADDR Dorpsstraat 1\n"
               "3 CITY Ede\n0 TRLR\n")
        << "Loze OCCU- en RESI- tags verwijderen?"
        << "Er zijn 5 regels verwijderd uit het werkbestand."
        << "Voortgang tags verwijderen"
        << "";
    QTest::newRow("zonder achternaam")
        << int(Id::ZonderAchternaam)
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan //\n0 @I2@ INDI\n1 NAME Piet /Smit/\n0 @I3@ INDI\n1 NAME Klaas// "
               "jr.\n"
               "0 @I4@ INDI\n1 NAME //\n")
        << QByteArray(
               "0 @I1@ INDI\n1 NAME Jan /-/\n0 @I2@ INDI\n1 NAME Piet /Smit/\n0 @I3@ INDI\n1 NAME Klaas/-/\n"
               "0 @I4@ INDI\n1 NAME /-/\n")
        << "Persoonsnamen zonder achternaam aanpassen?"
        << "Er zijn 3 regels aangepast in het werkbestand."
        << "Voortgang personen zonder achternaam"
        << "";
  }
  void Bewerkingen() {
    QFETCH(int, id);
    QFETCH(QByteArray, voor);
    QFETCH(QByteArray, na);
    QFETCH(QString, vraag);
    QFETCH(QString, bericht);
    QFETCH(QString, balk);
    QFETCH(QString, lastDelTags);
    const Id opdracht = static_cast<Id>(id);
    const std::string vraagTekst = Vraag(vraag.toStdString());
    const auto n = voor.count('\n');
    const auto m = na.count('\n');
    const QString invoer = QStringLiteral("Inputbestand: %1 regels").arg(n);
    Open("bewerking.ged", voor);
    QCOMPARE(H()->Paneel(0), invoer);

    // No: nothing changes and the command stays on.
    D().antwoorden = {Antwoord::Nee};
    Klik(opdracht);
    QCOMPARE(D().Teksten(), std::vector<std::string>{vraagTekst});
    QVERIFY(D().meldingen[0].soort == BerichtSoort::Bevestiging);
    QCOMPARE(H()->Staat().werkbestand.Tekst(), MetCrLf(voor));
    QCOMPARE(p_->Memo(), MetCrLf(voor));
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: %1 regels").arg(n));
    QVERIFY(stappen_.empty());
    std::string welke;
    QVERIFY2(AllesAanBehalve(std::nullopt, &welke), welke.c_str());

    // Yes, through the menu item this time.
    D().Wis();
    Kies(opdracht);
    QCOMPARE(D().Teksten(), (std::vector<std::string>{vraagTekst, bericht.toStdString()}));
    QVERIFY(D().meldingen[1].soort == BerichtSoort::Informatie);
    QCOMPARE(Balken(), QStringList{balk + QStringLiteral("/40")});
    QCOMPARE(verborgen_, std::vector<std::size_t>{1});  // hidden before the message
    QVERIFY(BalkInRust());
    QCOMPARE(H()->Staat().werkbestand.Tekst(), MetCrLf(na));
    QCOMPARE(p_->Memo(), MetCrLf(na));
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: %1 regels").arg(m));
    QCOMPARE(H()->Paneel(0), invoer);
    QCOMPARE(H()->windowTitle(), QStringLiteral("Plovena - bewerking.ged"));
    QCOMPARE(H()->Staat().lastDelTags, lastDelTags.toStdString());
    QVERIFY(!Knop(opdracht)->isEnabled());
    QVERIFY(!MenuItem(opdracht)->isEnabled());
    QVERIFY2(AllesAanBehalve(opdracht, &welke), welke.c_str());
    D().Wis();
    Klik(opdracht);
    QVERIFY2(D().meldingen.empty(), "a disabled button does nothing");

    // A reload brings the file back and switches the command on again.
    Klik(Id::BestandHerladen);
    QVERIFY(Knop(opdracht)->isEnabled());
    QVERIFY(MenuItem(opdracht)->isEnabled());
    QCOMPARE(p_->Memo(), MetCrLf(voor));
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: %1 regels").arg(n));
  }

  void BewerkingenNaElkaarEnOpnieuwOpenen() {
    // Each command switches off only itself; the others stay as they were; opening (not only
    // reloading) switches all of them on again.
    const QByteArray doc =
        "0 HEAD\n1 SOUR HAZA21\n0 @I1@ INDI\n1 NAME Jan //\n1 OCCU Boer\n1 OCCU\n1 RESI\n2 ADDR\n3 CITY Ede\n"
        "1 NOTE a\n1 NOTE b\n1 SOUR S1\n0 @F1@ FAM\n1 EVEN\n0 @S1@ SOUR\n0 TRLR\n";
    const QString pad = Open("alles.ged", doc);
    const Id bewerkingen[] = {Id::BronnenVerwijderen,       Id::GezinsTagsVerwijderen,
                              Id::BeroepenSamenvoegen,      Id::PlaatsenSamenvoegen,
                              Id::VerwijderHaza21Problemen, Id::VerbeterHaza21Bronnen,
                              Id::PasNoteTagsAan,           Id::ZonderAchternaam};
    std::vector<Id> uit;
    for (Id id : bewerkingen) {
      D().Wis();
      Klik(id);
      QCOMPARE(D().meldingen.size(), std::size_t(2));
      uit.push_back(id);
      for (const Opdracht& o : Opdrachten()) {
        const bool moetAan = std::find(uit.begin(), uit.end(), o.id) == uit.end();
        QVERIFY2(Knop(o.id)->isEnabled() == moetAan && MenuItem(o.id)->isEnabled() == moetAan, o.knop.data());
      }
      QCOMPARE(p_->Memo(), H()->Staat().werkbestand.Tekst());
      QCOMPARE(H()->Paneel(1),
               QStringLiteral("Werkbestand: %1 regels").arg(H()->Staat().werkbestand.Count()));
    }
    p_->Open(pad);
    std::string welke;
    QVERIFY2(AllesAanBehalve(std::nullopt, &welke), welke.c_str());
  }

  void ProGenWeigering_data() {
    QTest::addColumn<QByteArray>("bron");
    QTest::addColumn<bool>("weigert");
    QTest::newRow("Pro-Gen") << QByteArray("Pro-Gen") << true;
    QTest::newRow("kleine letters") << QByteArray("pro-gen") << true;
    QTest::newRow("met versie") << QByteArray("PRO-GEN 3.21") << false;
    QTest::newRow("Haza21") << QByteArray("Haza21") << false;
  }
  void ProGenWeigering() {
    QFETCH(QByteArray, bron);
    QFETCH(bool, weigert);
    // The file opened before is of the other kind: the detection is redone at each open.
    Open("eerst.ged", "0 HEAD\n1 SOUR " + QByteArray(weigert ? "Haza21" : "Pro-Gen") + "\n0 TRLR\n");
    const QByteArray doc = "0 HEAD\n1 SOUR " + bron + "\n2 VERS 3.21\n0 @I1@ INDI\n2 SOUR S3\n0 TRLR\n";
    Open("bron.ged", doc);
    D().antwoorden = {Antwoord::Nee};
    Klik(Id::VerbeterHaza21Bronnen);
    if (weigert) {
      QCOMPARE(D().Teksten(), std::vector<std::string>{"Niet zinvol voor Pro-Gen bestand"});
      QVERIFY(D().meldingen[0].soort == BerichtSoort::Informatie);
    } else {
      QCOMPARE(D().Teksten(), std::vector<std::string>{Vraag("Afwijkende SOUR-tags verbeteren?")});
    }
    QVERIFY(stappen_.empty());
    QCOMPARE(H()->Staat().werkbestand.Tekst(), MetCrLf(doc));
    QCOMPARE(p_->Memo(), MetCrLf(doc));
    QVERIFY(Knop(Id::VerbeterHaza21Bronnen)->isEnabled());
    QVERIFY(MenuItem(Id::VerbeterHaza21Bronnen)->isEnabled());
  }

  // --- Tag removal through the dialog ---

  void TagsVerwijderenMetStandaardkeuze() {
    Open("tags.ged", kTagsVoorbeeld);
    Klik(Id::TagsVerwijderen);
    QVERIFY(D().meldingen.empty());
    QVERIFY(Dialoog()->isVisible());
    const std::vector<std::string> lijst{"_UID", "ADDR", "ALIA", "BIRT", "CITY",
                                         "CONT", "DATE", "NOTE", "PLAC", "SOUR"};
    QCOMPARE(Lijst(), lijst);
    QVERIFY(Gekozen().empty());
    const std::vector<std::string> standaard{"ADDR", "ALIA", "CITY", "CONT", "NOTE", "SOUR"};
    KlikInDialoog("BtnPreset1");
    QCOMPARE(Gekozen(), standaard);

    // No: the dialog is closed, nothing else changes.
    const std::string vraag = Vraag("De geselecteerd tag(s) incl. subtags verwijderen?");
    D().antwoorden = {Antwoord::Nee};
    KlikInDialoog("BtnVerwijderingUitvoeren");
    QCOMPARE(D().Teksten(), std::vector<std::string>{vraag});
    QVERIFY(!Dialoog()->isVisible());
    QCOMPARE(H()->Staat().werkbestand.Tekst(), MetCrLf(kTagsVoorbeeld));
    QVERIFY(H()->Staat().lastDelTags.empty());

    // Again through the menu item: the list is refilled and the selection dropped.
    D().Wis();
    Kies(Id::TagsVerwijderen);
    QVERIFY(Dialoog()->isVisible());
    QCOMPARE(Lijst(), lijst);
    QVERIFY(Gekozen().empty());
    KlikInDialoog("BtnPreset1");
    KlikInDialoog("BtnVerwijderingUitvoeren");
    QCOMPARE(D().Teksten(),
             (std::vector<std::string>{vraag, "Er zijn 5 regels verwijderd uit het werkbestand."}));
    QVERIFY(D().meldingen[1].soort == BerichtSoort::Informatie);
    QVERIFY(!Dialoog()->isVisible());
    QCOMPARE(Balken(), QStringList{"Voortgang tags verwijderen/40"});
    QCOMPARE(verborgen_, std::vector<std::size_t>{1});
    QVERIFY(BalkInRust());
    const QByteArray na =
        "0 HEAD\n1 SOUR PROG\n1 CHAR ANSI\n0 @I1@ INDI\n1 _UID 1234\n1 NAME Jan /Jansen/\n1 BIRT\n"
        "2 DATE 1 JAN 1900\n2 PLAC Ede\n0 @I2@ INDI\n1 NAME Piet /Smit/\n0 TRLR\n";
    QCOMPARE(p_->Memo(), MetCrLf(na));
    QCOMPARE(H()->Paneel(0), QStringLiteral("Inputbestand: 17 regels"));
    QCOMPARE(H()->Paneel(1), QStringLiteral("Werkbestand: 12 regels"));
    // Entry 0 was not selected: the selection text began with a blank, the stored one does not.
    QCOMPARE(H()->Staat().lastDelTags, std::string("ADDR ALIA CITY CONT NOTE SOUR"));
    std::string welke;
    QVERIFY2(AllesAanBehalve(std::nullopt, &welke), welke.c_str());
    QVERIFY(p_->Sluit().contains("LastDelTags=ADDR ALIA CITY CONT NOTE SOUR\r\n"));
  }

  void TagsDialoogIsNietModaal() {
    Open("eerste.ged", kTagsVoorbeeld);
    Klik(Id::TagsVerwijderen);
    QVERIFY(Dialoog()->isVisible());
    QVERIFY(!Dialoog()->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    Dialoog()->ZetGeselecteerd(7, true);  // NOTE
    QVERIFY(H()->isEnabled());
    QVERIFY(Knop(Id::TagsVerwijderen)->isEnabled());

    // Another command runs while the dialog is open; the dialog keeps its list and selection.
    Klik(Id::TelPersonenGezinnen);
    QCOMPARE(D().Laatste(),
             std::string("Resultaat telling\n\r\n\r2 personen\n\r0 gezinnen\n\r0 bronnen\n\r"));
    QVERIFY(Dialoog()->isVisible());
    QCOMPARE(Gekozen(), std::vector<std::string>{"NOTE"});

    // Another file opened meanwhile: "Verwijderen" works on the document open now.
    const QByteArray tweede = "0 HEAD\n0 @I1@ INDI\n1 NAME Ann\n1 NOTE x\n2 CONT y\n1 SOUR @S1@\n0 TRLR\n";
    Open("tweede.ged", tweede);
    QVERIFY(Dialoog()->isVisible());
    QCOMPARE(Gekozen(), std::vector<std::string>{"NOTE"});
    KlikInDialoog("BtnVerwijderingUitvoeren");
    QCOMPARE(D().Laatste(), std::string("Er zijn 2 regels verwijderd uit het werkbestand."));
    QCOMPARE(p_->Memo(), MetCrLf("0 HEAD\n0 @I1@ INDI\n1 NAME Ann\n1 SOUR @S1@\n0 TRLR\n"));
    QCOMPARE(H()->windowTitle(), QStringLiteral("Plovena - tweede.ged"));
    QCOMPARE(H()->Staat().lastDelTags, std::string("NOTE"));
  }

  void GeenTagsMeer() {
    // Only protected tags, pieces of them (EAD, AM) and cross-references.
    const QByteArray doc =
        "0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME Jan\n1 SEX M\n1 EAD x\n1 AM y\n0 @F1@ FAM\n"
        "1 HUSB @I1@\n0 TRLR\n";
    Open("beschermd.ged", doc);
    Klik(Id::TagsVerwijderen);
    QCOMPARE(D().Teksten(), std::vector<std::string>{"Geen tags meer om te verwijderen"});
    QVERIFY(D().meldingen[0].soort == BerichtSoort::Gewoon);
    QVERIFY(!Dialoog()->isVisible());
    QCOMPARE(H()->Staat().werkbestand.Tekst(), MetCrLf(doc));
    QVERIFY(Knop(Id::TagsVerwijderen)->isEnabled());
    QVERIFY(MenuItem(Id::TagsVerwijderen)->isEnabled());
  }

  void GezinstagsDanLaatstGebruikt() {
    Open("gezin.ged", kGezinsVoorbeeld);
    Klik(Id::GezinsTagsVerwijderen);
    QCOMPARE(D().Laatste(), std::string("Er zijn 3 regels verwijderd uit het werkbestand."));
    QCOMPARE(H()->Staat().lastDelTags, std::string("EVEN OCCU RESI WITN"));

    D().Wis();
    Klik(Id::TagsVerwijderen);
    QCOMPARE(Lijst(),
             (std::vector<std::string>{"ADDR", "EVEN", "NOTE", "OCCU", "RESI", "SOUR", "TYPE", "WITN"}));
    KlikInDialoog("btnPreset2");
    QVERIFY2(D().meldingen.empty(), "a last-used selection exists");
    QCOMPARE(Gekozen(), (std::vector<std::string>{"EVEN", "OCCU", "RESI", "WITN"}));
    KlikInDialoog("BtnVerwijderingUitvoeren");
    QCOMPARE(D().Laatste(), std::string("Er zijn 6 regels verwijderd uit het werkbestand."));
    QCOMPARE(p_->Memo(), MetCrLf("0 HEAD\n1 SOUR HAZA21\n0 @I1@ INDI\n1 NAME Jan /Jansen/\n1 NOTE Tekst\n"
                                 "0 @F1@ FAM\n1 HUSB @I1@\n0 TRLR\n"));
    // The tag removal stays on and switches nothing else on.
    QVERIFY(Knop(Id::TagsVerwijderen)->isEnabled());
    QVERIFY(!Knop(Id::GezinsTagsVerwijderen)->isEnabled());
    QVERIFY(p_->Sluit().contains("LastDelTags=EVEN OCCU RESI WITN\r\n"));
  }
};

PLOVENA_GUI_TEST(OpdrachtenEchtTest)
#include "opdrachten_echt_test.moc"
