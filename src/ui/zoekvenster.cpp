#include "ui/zoekvenster.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plovena {

Zoekvenster::Zoekvenster(QWidget* ouder) : QDialog(ouder) {
  setObjectName(QStringLiteral("FindDialog1"));
  setWindowTitle(QStringLiteral("Zoeken"));
  setModal(false);
  auto* rooster = new QGridLayout(this);
  auto* label = new QLabel(QStringLiteral("Zoeken naar:"), this);
  tekst_ = new QLineEdit(this);
  tekst_->setObjectName(QStringLiteral("ZoekTekst"));
  tekst_->setMinimumWidth(220);
  label->setBuddy(tekst_);
  hoofdletters_ = new QCheckBox(QStringLiteral("Hoofdlettergevoelig"), this);
  hoofdletters_->setObjectName(QStringLiteral("Hoofdlettergevoelig"));
  zoek_ = new QPushButton(QStringLiteral("Volgende zoeken"), this);
  zoek_->setObjectName(QStringLiteral("VolgendeZoeken"));
  zoek_->setDefault(true);
  auto* sluit = new QPushButton(QStringLiteral("Annuleren"), this);
  sluit->setObjectName(QStringLiteral("Annuleren"));
  sluit->setAutoDefault(false);
  rooster->addWidget(label, 0, 0);
  rooster->addWidget(tekst_, 0, 1);
  rooster->addWidget(zoek_, 0, 2);
  rooster->addWidget(hoofdletters_, 1, 0, 1, 2);
  rooster->addWidget(sluit, 1, 2);
  connect(zoek_, &QPushButton::clicked, this, &Zoekvenster::DrukZoeken);
  connect(sluit, &QPushButton::clicked, this, &QDialog::hide);
  setFixedSize(sizeHint());
}

QString Zoekvenster::ZoekTekst() const { return tekst_->text(); }
void Zoekvenster::ZetZoekTekst(const QString& t) { tekst_->setText(t); }
bool Zoekvenster::Hoofdlettergevoelig() const { return hoofdletters_->isChecked(); }
void Zoekvenster::ZetHoofdlettergevoelig(bool aan) { hoofdletters_->setChecked(aan); }

void Zoekvenster::DrukZoeken() {
  volgende_ = true;
  emit Zoek();
}

}  // namespace plovena
