#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace plovena {

// The find dialog of the main window (FindDialog1): modeless, a search text, the match-case
// option and a find button. Every press of the button sets the find-next flag and then raises
// Zoek; the handler may clear the flag.
class Zoekvenster : public QDialog {
  Q_OBJECT
 public:
  explicit Zoekvenster(QWidget* ouder = nullptr);

  QString ZoekTekst() const;
  void ZetZoekTekst(const QString& t);
  bool Hoofdlettergevoelig() const;
  void ZetHoofdlettergevoelig(bool aan);
  bool VolgendeZoeken() const { return volgende_; }
  void ZetVolgendeZoeken(bool aan) { volgende_ = aan; }

  void DrukZoeken();  // what the find button does

 signals:
  void Zoek();

 private:
  QLineEdit* tekst_;
  QCheckBox* hoofdletters_;
  QPushButton* zoek_;
  bool volgende_ = false;
};

}  // namespace plovena
