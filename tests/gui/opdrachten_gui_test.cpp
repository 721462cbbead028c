#include <QProgressBar>
#include <new>

#include "programma.h"
#include "ui/PV_RapportFormulier.h"
#include "ui/PV_TagSelectieFormulier.h"
#include "ui/PV_VoortgangsFormulier.h"

using namespace plovena;
using namespace plovena::test;
using Id = OpdrachtId;

namespace {

// A table row with a walk of the test's own.
Opdracht Met(Id id, Uitvoering u) {
  Opdracht o = ZoekOpdracht(id);
  o.uitvoering = std::move(u);
  return o;
}

// A line-driven walk as the commands do it: it asks, shows the bar, steps, removes the last
// line and reports.
Resultaat VerwijderLaatste(Toestand& t, Omgeving& o) {
  if (!o.Bevestig("Laatste regel weg?")) return {};
  VoortgangsVenster v(o.Balk(), "Voortgang test", 40);
  for (std::size_t i = 0; i < t.werkbestand.Count(); ++i) StapRegel(o.Balk(), i, t.werkbestand.Count());
  t.werkbestand.Regels().pop_back();
  v.Sluit();
  Resultaat r = Resultaat::Bericht(BerichtSoort::Informatie, "Er is 1 regel verwijderd.");
  r.ververs = true;
  r.zetUit = true;
  return r;
}

}  // namespace

class OpdrachtenTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Programma> p_;

  TVoortgangsFormulier* Voortgang() { return p_->vensters->VoortgangsFormulier.get(); }
  TTagSelectieFormulier* Dialoog() { return p_->vensters->TagSelectieFormulier.get(); }

 private slots:
  void init() {
    p_ = std::make_unique<Programma>();
    p_->Open(p_->Bestand("stamboom.ged", kVoorbeeld));
    p_->dialogen.Wis();
  }
  void cleanup() { p_.reset(); }

  void WeigeringVoorHetOpenen() {
    Programma leeg;
    bool gelopen = false;
    leeg.hoofd->VoerOpdrachtUit(Met(Id::TagsAnalyseren, [&](Toestand&, Omgeving&) {
      gelopen = true;
      return Resultaat{};
    }));
    QVERIFY2(!gelopen, "the walk does not run without a document");
    QCOMPARE(leeg.dialogen.Teksten(), std::vector<std::string>{"Er is niets om te analyseren!"});
    QVERIFY(leeg.dialogen.meldingen[0].soort == BerichtSoort::Waarschuwing);
  }

  void BewerkingVerversenEnUitzetten() {
    THoofdFormulier* h = p_->hoofd;
    h->VoerOpdrachtUit(Met(Id::BronnenVerwijderen, VerwijderLaatste));
    QCOMPARE(p_->dialogen.Teksten(),
             (std::vector<std::string>{"Laatste regel weg?", "Er is 1 regel verwijderd."}));
    QVERIFY2(!Voortgang()->isVisible(), "the bar is hidden after the command");
    QCOMPARE(Voortgang()->windowTitle(), QStringLiteral("Voortgang"));
    QCOMPARE(Voortgang()->Positie(), 0);
    QCOMPARE(h->Paneel(0), QStringLiteral("Inputbestand: 10 regels"));
    QCOMPARE(h->Paneel(1), QStringLiteral("Werkbestand: 9 regels"));
    QCOMPARE(h->windowTitle(), QStringLiteral("Plovena - stamboom.ged"));
    QCOMPARE(p_->Memo(), h->Staat().werkbestand.Tekst());
    QVERIFY(!h->Actie(Id::BronnenVerwijderen)->isEnabled());
    QVERIFY(!h->Knop(Id::BronnenVerwijderen)->isEnabled());
    QVERIFY(h->Actie(Id::PlaatsenSamenvoegen)->isEnabled());
    // Reloading switches it on again and brings the file back.
    p_->Trigger(Id::BestandHerladen);
    QVERIFY(h->Knop(Id::BronnenVerwijderen)->isEnabled());
    QCOMPARE(h->Paneel(1), QStringLiteral("Werkbestand: 10 regels"));
  }

  void EchteOpdrachtMetVoortgang() {
    // A real walk through its button: question, bar, message, refresh, switched off.
    THoofdFormulier* h = p_->hoofd;
    QTest::mouseClick(h->Knop(Id::ZonderAchternaam), Qt::LeftButton);
    QCOMPARE(p_->dialogen.meldingen.size(), std::size_t(2));
    QVERIFY(p_->dialogen.meldingen[0].soort == BerichtSoort::Bevestiging);
    QVERIFY(p_->dialogen.meldingen[1].soort == BerichtSoort::Informatie);
    QVERIFY(!Voortgang()->isVisible());
    QCOMPARE(Voortgang()->windowTitle(), QStringLiteral("Voortgang"));
    QCOMPARE(Voortgang()->Positie(), 0);
    QVERIFY(!h->Actie(Id::ZonderAchternaam)->isEnabled());
    QCOMPARE(p_->Memo(), h->Staat().werkbestand.Tekst());
  }

  void NeeDoetNiets() {
    p_->dialogen.antwoorden = {Antwoord::Nee};
    p_->hoofd->VoerOpdrachtUit(Met(Id::BronnenVerwijderen, VerwijderLaatste));
    QCOMPARE(p_->dialogen.Teksten(), std::vector<std::string>{"Laatste regel weg?"});
    QCOMPARE(p_->hoofd->Staat().werkbestand.Count(), std::size_t(10));
    QVERIFY(p_->hoofd->Actie(Id::BronnenVerwijderen)->isEnabled());
  }

  void RapportZonderVerversen() {
    // Like the indented view: the document changes, the main view keeps showing the old text.
    p_->hoofd->VoerOpdrachtUit(Met(Id::ToonMetInspringing, [](Toestand& t, Omgeving&) {
      t.werkbestand.Vervang(0, "GEWIJZIGD");
      Regellijst r;
      r.VoegToe("regel");
      return Resultaat::Rapport(r, "Plovena - rapport: ");
    }));
    TRapportFormulier* rapport = p_->vensters->RapportFormulier.get();
    QVERIFY(rapport->isVisible());
    QCOMPARE(rapport->windowTitle(), QStringLiteral("Plovena - rapport: stamboom.ged"));
    QCOMPARE(p_->Memo(), kVoorbeeld.toStdString());
    QCOMPARE(p_->hoofd->Staat().werkbestand[0], std::string_view("GEWIJZIGD"));
  }

  void FoutInOpdracht_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("OpdrachtFout") << 0 << "Niveau is geen cijfer in regel 3";
    QTest::newRow("bad_alloc") << 1 << "Onvoldoende geheugen om de opdracht uit te voeren.";
    QTest::newRow("runtime_error") << 2 << "iets anders";
    QTest::newRow("onbekend") << 3 << "Onbekende fout.";
  }
  void FoutInOpdracht() {
    QFETCH(int, soort);
    QFETCH(QString, tekst);
    const std::string t = tekst.toStdString();
    // The walk breaks the document halfway and throws with the bar showing.
    QAction* actie = p_->hoofd->Actie(Id::StructuurAnalyseren);
    p_->hoofd->VoerOpdrachtUit(Met(Id::StructuurAnalyseren, [&](Toestand& st, Omgeving& o) -> Resultaat {
      VoortgangsVenster v(o.Balk(), "Voortgang", 10);
      o.Balk().Stap();
      st.werkbestand.Regels().resize(3);
      if (soort == 0) throw OpdrachtFout(t);
      if (soort == 1) throw std::bad_alloc();
      if (soort == 2) throw std::runtime_error(t);
      throw 42;
    }));
    QCOMPARE(p_->dialogen.fouten, std::vector<std::string>{t});
    QVERIFY(p_->dialogen.meldingen.empty());
    QVERIFY(!Voortgang()->isVisible());
    QCOMPARE(Voortgang()->Positie(), 0);
    QCOMPARE(p_->hoofd->Staat().werkbestand.Count(), std::size_t(10));  // as before the command
    QVERIFY(p_->hoofd->isVisible());
    QVERIFY(actie->isEnabled());
  }

  void FoutEnProgrammaBeeindigen() {
    p_->dialogen.doorgaan = false;
    QSignalSpy gesloten(p_->hoofd, &THoofdFormulier::Gesloten);
    p_->hoofd->VoerOpdrachtUit(
        Met(Id::TelPersonenGezinnen, [](Toestand&, Omgeving&) -> Resultaat { throw OpdrachtFout("stuk"); }));
    QCOMPARE(gesloten.count(), 1);
    QVERIFY(!p_->hoofd->isVisible());
  }

  void FoutViaKnopBereiktDeEventloopNiet() {
    // The runner is reached through the action too: the exception stops at the command's edge.
    p_->hoofd->Actie(Id::TagsAnalyseren)->setEnabled(true);
    p_->hoofd->VoerUit(ZoekOpdracht(Id::TagsAnalyseren), [](Toestand&, Omgeving&) -> Resultaat {
      return Resultaat::Bericht(BerichtSoort::Gewoon, "gewoon");
    });
    QCOMPARE(p_->dialogen.Laatste(), std::string("gewoon"));
    QVERIFY(p_->dialogen.meldingen.back().soort == BerichtSoort::Gewoon);
  }

  void KiesTagsToontDialoog() {
    p_->hoofd->VoerOpdrachtUit(Met(Id::TagsVerwijderen, [](Toestand& t, Omgeving& o) {
      return o.KiesTags(t, {"_UID", "ADDR", "NOTE"});
    }));
    QVERIFY(Dialoog()->isVisible());
    QCOMPARE(Dialoog()->Aantal(), 3);
    QCOMPARE(Dialoog()->Item(0), std::string("_UID"));
    for (int i = 0; i < 3; ++i) QVERIFY(!Dialoog()->IsGeselecteerd(i));
    QVERIFY(p_->dialogen.meldingen.empty());
    QVERIFY2(p_->hoofd->isEnabled(), "the dialog is modeless");
  }

  void TagsVerwijderenUitgewerktVoorbeeld() {
    // The worked example through the real command: collection, dialog, removal.
    const QByteArray doc =
        "0 HEAD\n1 SOUR PROG\n1 CHAR ANSI\n0 @U1@ SUBM\n1 NAME Jan\n1 ADDR Straat 1\n0 @I1@ INDI\n"
        "1 NAME Jan /Jansen/\n1 NOTE Eerste regel\n2 CONT tweede regel\n1 BIRT\n2 DATE 1 JAN 1900\n"
        "2 NOTE Geboren thuis\n1 ALIA Jantje\n0 @I2@ INDI\n1 NAME Piet /Smit/\n1 ADDR Dorp 2\n2 CITY Ede\n0 "
        "TRLR\n";
    p_->Open(p_->Bestand("voorbeeld.ged", doc));
    p_->dialogen.Wis();
    p_->Trigger(Id::TagsVerwijderen);
    QVERIFY2(Dialoog()->isVisible(), p_->dialogen.Laatste().c_str());
    std::vector<std::string> lijst;
    for (int i = 0; i < Dialoog()->Aantal(); ++i) lijst.push_back(Dialoog()->Item(i));
    QCOMPARE(lijst,
             (std::vector<std::string>{"ADDR", "ALIA", "BIRT", "CITY", "CONT", "DATE", "NOTE", "SOUR"}));
    Dialoog()->ZetGeselecteerd(0, true);
    Dialoog()->ZetGeselecteerd(6, true);
    QTest::mouseClick(Dialoog()->findChild<QPushButton*>(QStringLiteral("BtnVerwijderingUitvoeren")),
                      Qt::LeftButton);
    QVERIFY(!Dialoog()->isVisible());
    QCOMPARE(p_->dialogen.Teksten(),
             (std::vector<std::string>{"De geselecteerd tag(s) incl. subtags verwijderen?\n\r"
                                       "Bij grote bestanden kan dat wel even duren.",
                                       "Er zijn 5 regels verwijderd uit het werkbestand."}));
    QCOMPARE(p_->hoofd->Staat().lastDelTags, std::string("ADDR NOTE"));
    QCOMPARE(p_->hoofd->Paneel(1), QStringLiteral("Werkbestand: 14 regels"));
    QVERIFY(!Voortgang()->isVisible());
    QVERIFY2(p_->hoofd->Actie(Id::TagsVerwijderen)->isEnabled(), "the tag removal can run again");
  }
};

PLOVENA_GUI_TEST(OpdrachtenTest)
#include "opdrachten_gui_test.moc"
