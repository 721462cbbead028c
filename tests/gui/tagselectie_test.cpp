#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "gui_test.h"
#include "ui/PV_TagSelectieFormulier.h"

using namespace plovena;
using namespace plovena::test;

class TagSelectieTest : public QObject {
  Q_OBJECT
  NepDialogen dialogen_;
  std::string laatst_;
  std::unique_ptr<TTagSelectieFormulier> d_;
  int gevraagd_ = 0;

  void Vul(const std::vector<std::string>& tags) {
    d_->Toon();
    d_->Wis();
    d_->MeervoudigeSelectieAan();
    d_->VoegToe(tags);
  }
  std::vector<std::string> Gekozen() const {
    std::vector<std::string> k;
    for (int i = 0; i < d_->Aantal(); ++i)
      if (d_->IsGeselecteerd(i)) k.push_back(d_->Item(i));
    return k;
  }
  void Klik(const char* knop) {
    QTest::mouseClick(d_->findChild<QPushButton*>(QString::fromLatin1(knop)), Qt::LeftButton);
  }

 private slots:
  void init() {
    dialogen_ = NepDialogen();
    laatst_.clear();
    gevraagd_ = 0;
    d_ = std::make_unique<TTagSelectieFormulier>(dialogen_, [this] { return laatst_; });
    connect(d_.get(), &TTagSelectieFormulier::VerwijderingGevraagd, this, [this] { ++gevraagd_; });
  }
  void cleanup() { d_.reset(); }

  void Ontwerp() {
    QCOMPARE(d_->windowTitle(), QStringLiteral("Plovena - tags verwijderen"));
    QCOMPARE(d_->size(), QSize(325, 522));
    QVERIFY(!d_->isVisible());
    struct Rij {
      const char* naam;
      const char* tekst;
      QRect plaats;
    };
    const Rij knoppen[] = {
        {"BtnPreset1", "Standaardkeuze", {127, 129, 121, 25}},
        {"btnPreset2", "Laatst gebruikt", {127, 160, 121, 25}},
        {"BtnSelect", "Alles selecteren", {127, 231, 121, 25}},
        {"BtnDeselect", "Alles deselecteren", {127, 262, 121, 25}},
        {"BtnAfbreken", "Annuleren", {127, 440, 121, 25}},
        {"BtnVerwijderingUitvoeren", "Verwijderen", {127, 479, 121, 25}},
    };
    for (const Rij& r : knoppen) {
      auto* b = d_->findChild<QPushButton*>(QString::fromLatin1(r.naam));
      QVERIFY2(b, r.naam);
      QCOMPARE(b->text(), QString::fromLatin1(r.tekst));
      QCOMPARE(b->geometry(), r.plaats);
      QVERIFY2(!b->isDefault() && !b->autoDefault(), "no default button");
    }
    QCOMPARE(d_->ListBox1()->geometry(), QRect(56, 72, 65, 432));
    QCOMPARE(d_->ListBox1()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY2(d_->ListBox1()->toolTip().isEmpty(), "the list's hint is not shown");
    QCOMPARE(d_->findChild<QLabel*>("Label1")->text(), QStringLiteral("Selectie van tags om te verwijderen"));
    QVERIFY(d_->findChild<QLabel*>("Label1")->font().bold());
    QCOMPARE(d_->findChild<QLabel*>("Label2")->text(), QStringLiteral("GEDCOM-tags"));
    QCOMPARE(d_->findChild<QLabel*>("Label3")->text(),
             QStringLiteral("Hou de Ctrl-toets ingedrukt om met de muis meerdere items te selecteren."));
    // Tab order: list, Standaardkeuze, select, deselect, Annuleren, Verwijderen, Laatst gebruikt.
    QStringList volgorde;
    QWidget* w = d_->ListBox1();
    for (int i = 0; i < 7; ++i, w = w->nextInFocusChain()) {
      while (w->focusPolicy() == Qt::NoFocus || w->parentWidget() != d_.get()) w = w->nextInFocusChain();
      volgorde << w->objectName();
    }
    QCOMPARE(volgorde, (QStringList{"ListBox1", "BtnPreset1", "BtnSelect", "BtnDeselect", "BtnAfbreken",
                                    "BtnVerwijderingUitvoeren", "btnPreset2"}));
  }

  void Standaardkeuze() {
    Vul({"ADDR", "BIRT", "COMM", "DATE", "NOTE", "_UID"});
    d_->ZetGeselecteerd(1, true);
    d_->ZetGeselecteerd(5, true);
    Klik("BtnPreset1");
    QCOMPARE(Gekozen(), (std::vector<std::string>{"ADDR", "COMM", "NOTE"}));  // COMM is part of _COMM
  }

  void LaatstGebruikt() {
    Vul({"_ALIA", "ALIA", "NOTE", "SOUR"});
    d_->ZetGeselecteerd(3, true);
    Klik("btnPreset2");  // nothing remembered yet
    QCOMPARE(dialogen_.Teksten(), std::vector<std::string>{"Nog geen laatst gebruikte selectie gevonden!"});
    QVERIFY(dialogen_.meldingen[0].soort == BerichtSoort::Gewoon);
    QCOMPARE(Gekozen(), std::vector<std::string>{"SOUR"});
    laatst_ = "_ALIA NOTE";
    Klik("btnPreset2");
    QCOMPARE(Gekozen(), (std::vector<std::string>{"_ALIA", "ALIA", "NOTE"}));
    laatst_ = "note addr";  // written in lower case: the test is case-sensitive
    Klik("btnPreset2");
    QVERIFY(Gekozen().empty());
  }

  void AllesEnNiets() {
    Vul({"A1", "B2", "C3"});
    Klik("BtnSelect");
    QCOMPARE(Gekozen().size(), std::size_t(3));
    Klik("BtnDeselect");
    QVERIFY(Gekozen().empty());
    Klik("BtnVerwijderingUitvoeren");
    QCOMPARE(dialogen_.Teksten(), std::vector<std::string>{"Geen tags of bereik geselecteerd!"});
    QVERIFY(dialogen_.meldingen[0].soort == BerichtSoort::Waarschuwing);
    QCOMPARE(gevraagd_, 0);
    QVERIFY(d_->isVisible());
    d_->ZetGeselecteerd(2, true);
    Klik("BtnVerwijderingUitvoeren");
    QCOMPARE(gevraagd_, 1);
  }

  void AnnulerenBewaartLijst() {
    Vul({"NOTE", "SOUR"});
    d_->ZetGeselecteerd(1, true);
    Klik("BtnAfbreken");
    QVERIFY(!d_->isVisible());
    QCOMPARE(Gekozen(), std::vector<std::string>{"SOUR"});
    Vul({"NOTE", "SOUR"});  // refilled: nothing selected
    QVERIFY(Gekozen().empty());
  }

  void CtrlKlikVoegtToe() {
    Vul({"ADDR", "NOTE", "SOUR"});
    QListWidget* l = d_->ListBox1();
    QVERIFY(QTest::qWaitForWindowExposed(d_.get()));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      l->visualItemRect(l->item(2)).center());
    QCOMPARE(Gekozen(), (std::vector<std::string>{"ADDR", "SOUR"}));
  }
};

PLOVENA_GUI_TEST(TagSelectieTest)
#include "tagselectie_test.moc"
