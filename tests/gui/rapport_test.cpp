#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>

#include "gui_test.h"
#include "ui/PV_RapportFormulier.h"
#include "ui/regelweergave.h"

using namespace plovena;
using namespace plovena::test;

namespace {
Regellijst Rapport(std::initializer_list<std::string_view> regels) {
  Regellijst l;
  for (auto r : regels) l.VoegToe(r);
  return l;
}
}  // namespace

class RapportTest : public QObject {
  Q_OBJECT
  NepDialogen dialogen_;
  std::unique_ptr<TRapportFormulier> venster_;
  QTemporaryDir dir_;

 private slots:
  void init() {
    dialogen_ = NepDialogen();
    venster_ = std::make_unique<TRapportFormulier>(dialogen_);
  }
  void cleanup() { venster_.reset(); }

  void OntwerpEnMenus() {
    QCOMPARE(venster_->windowTitle(), QStringLiteral("Plovena - rapport"));
    QVERIFY(!venster_->isVisible());
    const auto menus = venster_->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Bestand"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Bewerken"));
    QStringList bestand;
    for (QAction* a : menus[0]->menu()->actions())
      bestand << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(bestand, (QStringList{"&Opslaan als...", "-", "&Afsluiten"}));
    QCOMPARE(venster_->Actie("MenuRapportNaarKlembord")->text(), QString::fromUtf8("&Kopiëren"));
    QCOMPARE(venster_->Actie("MenuRapportNaarKlembord")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QVERIFY(venster_->Actie("MenuOpslaanAls") && venster_->Actie("MenuRapportvensterSluiten"));
  }

  void ToonRapportVervangtTekstEnTitel() {
    venster_->ToonRapport(Rapport({"a", "b"}), "Plovena - rapport: ", "/map/stamboom.ged");
    QVERIFY(venster_->isVisible());
    QCOMPARE(venster_->windowTitle(), QStringLiteral("Plovena - rapport: stamboom.ged"));
    QCOMPARE(venster_->MemoRapport()->Tekst(), std::string("a\r\nb\r\n"));
    venster_->ToonRapport(Rapport({"c"}), "Plovena - tab delimited file: ", "C:\\Gen\\x.ged");
    QCOMPARE(venster_->windowTitle(), QStringLiteral("Plovena - tab delimited file: x.ged"));
    QCOMPARE(venster_->MemoRapport()->Tekst(), std::string("c\r\n"));
    venster_->Actie("MenuRapportvensterSluiten")->trigger();
    QVERIFY(!venster_->isVisible());
    QCOMPARE(venster_->MemoRapport()->Tekst(), std::string("c\r\n"));  // kept while hidden
  }

  void KopierenLaatNietsGeselecteerd() {
    venster_->ToonRapport(Rapport({"regel 1", "regel 2"}), "k", "f");
    venster_->Actie("MenuRapportNaarKlembord")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("regel 1\r\nregel 2\r\n"));
    QCOMPARE(venster_->MemoRapport()->SelLength(), std::size_t(0));
    QCOMPARE(venster_->MemoRapport()->SelStart(), std::size_t(0));
    QVERIFY(dialogen_.meldingen.empty());
  }

  void OpslaanNieuwEnOverschrijven() {
    venster_->ToonRapport(Rapport({"NOTE  3", "SOUR 12"}), "k", "f");
    const QString pad = dir_.filePath("rapport.txt");
    QFile::remove(pad);

    dialogen_.bewaarKeuzes = {pad};
    venster_->Actie("MenuOpslaanAls")->trigger();
    QCOMPARE(dialogen_.bewaarVragen.back(), QStringLiteral("Rapport opslaan|*.txt|*.txt"));
    QCOMPARE(dialogen_.Laatste(), "Resultaat opgeslagen: " + pad.toStdString());
    QCOMPARE(LeesBestand(pad), QByteArray("NOTE  3\r\nSOUR 12\r\n"));

    venster_->ToonRapport(Rapport({"nieuw"}), "k", "f");
    dialogen_.bewaarKeuzes = {pad};
    dialogen_.antwoorden = {Antwoord::Nee};
    dialogen_.Wis();
    venster_->Actie("MenuOpslaanAls")->trigger();
    QCOMPARE(dialogen_.Teksten(),
             std::vector<std::string>{"Bestand bestaat al. Moet het worden overschreven?"});
    QCOMPARE(LeesBestand(pad), QByteArray("NOTE  3\r\nSOUR 12\r\n"));

    dialogen_.bewaarKeuzes = {pad};
    dialogen_.antwoorden = {Antwoord::Ja};
    venster_->Actie("MenuOpslaanAls")->trigger();
    QCOMPARE(dialogen_.Laatste(), "Rapport opgeslagen: " + pad.toStdString());
    QCOMPARE(LeesBestand(pad), QByteArray("nieuw\r\n"));

    dialogen_.Wis();
    venster_->Actie("MenuOpslaanAls")->trigger();  // cancelled
    QVERIFY(dialogen_.meldingen.empty());
  }

  void OpslaanSplitstRegeleindenInRegels() {
    // A line end inside a report line becomes a line end of the file, in every form; an
    // empty report gives an empty file.
    const struct {
      Regellijst rapport;
      QByteArray bestand;
    } gevallen[] = {
        {Rapport({"a\nb", "c\rd", "e\r\nf", "g\n\rh", "i\n", "", "j"}),
         "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\n\r\n\r\nj\r\n"},
        {Rapport({"k\n\r"}), "k\r\n\r\n"},  // LF CR, then the line's own CR LF: an empty line
        {Rapport({"", "l", ""}), "\r\nl\r\n\r\n"},
        {Rapport({}), ""},
    };
    const QString pad = dir_.filePath("regeleinden.txt");
    for (const auto& g : gevallen) {
      QFile::remove(pad);
      venster_->ToonRapport(g.rapport, "k", "f");
      dialogen_.bewaarKeuzes = {pad};
      venster_->Actie("MenuOpslaanAls")->trigger();
      QCOMPARE(LeesBestand(pad), g.bestand);
    }
  }

  void OpslaanMislukt() {
    venster_->ToonRapport(Rapport({"x"}), "k", "f");
    dialogen_.bewaarKeuzes = {dir_.filePath("geen/map/r.txt")};
    venster_->Actie("MenuOpslaanAls")->trigger();
    QCOMPARE(dialogen_.meldingen.size(), std::size_t(1));
    QVERIFY(dialogen_.meldingen[0].soort == BerichtSoort::Fout);
    QVERIFY2(dialogen_.Laatste().find("r.txt") != std::string::npos, dialogen_.Laatste().c_str());
  }
};

PLOVENA_GUI_TEST(RapportTest)
#include "rapport_test.moc"
