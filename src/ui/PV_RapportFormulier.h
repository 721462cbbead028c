#pragma once

#include <QMainWindow>
#include <string>

#include "document/regellijst.h"
#include "document/tekenset.h"

class QAction;

namespace plovena {

class Dialogen;
class Regelweergave;

// The report window: one text result at a time, to copy or to save as a text file.
class TRapportFormulier : public QMainWindow {
  Q_OBJECT
 public:
  TRapportFormulier(Dialogen& dialogen, QWidget* ouder = nullptr);

  // Shows the report (modeless, to the front) with the caption kop + the input file's name.
  // A report's lines keep their bytes; d shows them in the character set of the document
  // they came from (UTF-8 for the program's own texts).
  void ToonRapport(Regellijst tekst, const std::string& kop, const std::string& inputbestandsnaam,
                   const Decodeerder& d = Decodeerder(Tekenset::Utf8));

  Regelweergave* MemoRapport() const { return memo_; }
  QAction* Actie(const char* naam) const;

  void BtnRapportNaarKlembordClick();
  void BtnRapportvensterSluitenClick();
  void MenuOpslaanAlsClick();

 private:
  Dialogen& dialogen_;
  Regelweergave* memo_;
};

}  // namespace plovena
