#include "ui/PV_TagSelectieFormulier.h"

#include <QGuiApplication>
#include <QItemSelection>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "document/regel.h"
#include "ui/dialogen.h"
#include "ui/weergave.h"

namespace plovena {

namespace {
constexpr int kBytes = Qt::UserRole;  // the entry's own bytes, so no byte is lost to decoding
}

TTagSelectieFormulier::TTagSelectieFormulier(Dialogen& dialogen, std::function<std::string()> laatstGebruikt,
                                             QWidget* ouder)
    : QWidget(ouder, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dialogen_(dialogen),
      laatstGebruikt_(std::move(laatstGebruikt)) {
  setObjectName(QStringLiteral("TagSelectieFormulier"));
  setWindowTitle(QStringLiteral("Plovena - tags verwijderen"));
  setFixedSize(325, 522);
  setFont(VensterLettertype(11));

  auto* label1 = new QLabel(QStringLiteral("Selectie van tags om te verwijderen"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setFont(VensterLettertype(16, true));
  label1->setGeometry(8, 16, 294, 19);
  auto* label2 = new QLabel(QStringLiteral("GEDCOM-tags"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->setGeometry(56, 53, 68, 13);

  lijst_ = new QListWidget(this);
  lijst_->setObjectName(QStringLiteral("ListBox1"));
  lijst_->setGeometry(56, 72, 65, 432);
  lijst_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The dialog does not switch hints on: the text is carried, not shown.
  lijst_->setAccessibleDescription(QStringLiteral("Klik een of meer items aan om te selecteren"));

  auto* label3 = new QLabel(
      QStringLiteral("Hou de Ctrl-toets ingedrukt om met de muis meerdere items te selecteren."), this);
  label3->setObjectName(QStringLiteral("Label3"));
  label3->setWordWrap(true);
  label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label3->setGeometry(127, 72, 151, 39);

  struct Knop {
    const char* naam;
    const char* tekst;
    int top;
    void (TTagSelectieFormulier::*handler)();
  };
  // In tab order: ListBox1 first, then as the table's tab order column says.
  const Knop knoppen[] = {
      {"BtnPreset1", "Standaardkeuze", 129, &TTagSelectieFormulier::BtnPreset1Click},
      {"BtnSelect", "Alles selecteren", 231, &TTagSelectieFormulier::BtnSelectClick},
      {"BtnDeselect", "Alles deselecteren", 262, &TTagSelectieFormulier::BtnDeselectClick},
      {"BtnAfbreken", "Annuleren", 440, &TTagSelectieFormulier::BtnAfbrekenClick},
      {"BtnVerwijderingUitvoeren", "Verwijderen", 479, &TTagSelectieFormulier::BtnVerwijderingUitvoerenClick},
      {"btnPreset2", "Laatst gebruikt", 160, &TTagSelectieFormulier::BtnPreset2Click},
  };
  QWidget* vorige = lijst_;
  for (const Knop& k : knoppen) {
    auto* b = new QPushButton(QString::fromUtf8(k.tekst), this);
    b->setObjectName(QString::fromLatin1(k.naam));
    b->setGeometry(127, k.top, 121, 25);
    b->setAutoDefault(false);  // no default or cancel button
    connect(b, &QPushButton::clicked, this, k.handler);
    setTabOrder(vorige, b);
    vorige = b;
  }
  if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

void TTagSelectieFormulier::Wis() { lijst_->clear(); }

void TTagSelectieFormulier::VoegToe(const std::vector<std::string>& tags, const Decodeerder& d) {
  for (const auto& t : tags) {
    auto* item = new QListWidgetItem(QString::fromStdU16String(d.Decodeer(t)), lijst_);
    item->setData(kBytes, QByteArray(t.data(), static_cast<qsizetype>(t.size())));
  }
}

void TTagSelectieFormulier::MeervoudigeSelectieAan() {
  lijst_->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

int TTagSelectieFormulier::Aantal() const { return lijst_->count(); }

std::string TTagSelectieFormulier::Item(int i) const {
  return lijst_->item(i)->data(kBytes).toByteArray().toStdString();
}

bool TTagSelectieFormulier::IsGeselecteerd(int i) const { return lijst_->item(i)->isSelected(); }

void TTagSelectieFormulier::ZetGeselecteerd(int i, bool aan) { lijst_->item(i)->setSelected(aan); }

void TTagSelectieFormulier::Toon() { NaarVoren(*this); }

void TTagSelectieFormulier::Sluit() { hide(); }

void TTagSelectieFormulier::SelecteerUit(std::string_view tekst) {
  // One selection change for the whole list, not one per entry.
  QItemSelection keuze;
  QAbstractItemModel* model = lijst_->model();
  for (int i = 0; i < Aantal(); ++i) {
    if (InTagTekst(Item(i), tekst)) keuze.select(model->index(i, 0), model->index(i, 0));
  }
  lijst_->selectionModel()->select(keuze, QItemSelectionModel::ClearAndSelect);
}

void TTagSelectieFormulier::BtnPreset1Click() { SelecteerUit(kStandaardkeuze); }

void TTagSelectieFormulier::BtnPreset2Click() {
  const std::string laatst = laatstGebruikt_ ? laatstGebruikt_() : std::string();
  if (laatst.empty()) {
    dialogen_.Bericht(BerichtSoort::Gewoon, "Nog geen laatst gebruikte selectie gevonden!");
    return;
  }
  SelecteerUit(laatst);
}

void TTagSelectieFormulier::BtnSelectClick() { lijst_->selectAll(); }

void TTagSelectieFormulier::BtnDeselectClick() { lijst_->clearSelection(); }

void TTagSelectieFormulier::BtnAfbrekenClick() { Sluit(); }

void TTagSelectieFormulier::BtnVerwijderingUitvoerenClick() {
  for (int i = 0; i < Aantal(); ++i) {
    if (IsGeselecteerd(i)) {
      emit VerwijderingGevraagd();
      return;
    }
  }
  dialogen_.Bericht(BerichtSoort::Waarschuwing, "Geen tags of bereik geselecteerd!");
}

}  // namespace plovena
