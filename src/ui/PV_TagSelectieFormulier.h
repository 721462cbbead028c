#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "document/tekenset.h"

class QListWidget;
class QPushButton;

namespace plovena {

class Dialogen;

// The tag selection dialog of the tag removal. It only changes which entries are selected;
// "Verwijderen" hands over to the main window through VerwijderingGevraagd.
class TTagSelectieFormulier : public QWidget {
  Q_OBJECT
 public:
  // laatstGebruikt gives the current last-used selection (LastDelTags).
  TTagSelectieFormulier(Dialogen& dialogen, std::function<std::string()> laatstGebruikt,
                        QWidget* ouder = nullptr);

  // What the tag removal uses of it.
  void Wis();
  // The entries are shown in the document's character set and keep their own bytes.
  void VoegToe(const std::vector<std::string>& tags, const Decodeerder& d = Decodeerder(Tekenset::Utf8));
  void MeervoudigeSelectieAan();
  int Aantal() const;
  std::string Item(int i) const;  // the entry's bytes as collected
  bool IsGeselecteerd(int i) const;
  void ZetGeselecteerd(int i, bool aan);
  void Toon();   // modeless
  void Sluit();  // hide; the list stays

  QListWidget* ListBox1() const { return lijst_; }

  void BtnPreset1Click();
  void BtnPreset2Click();
  void BtnSelectClick();
  void BtnDeselectClick();
  void BtnAfbrekenClick();
  void BtnVerwijderingUitvoerenClick();

 signals:
  void VerwijderingGevraagd();

 private:
  // Selects exactly the entries that occur inside tekst (plain substring test).
  void SelecteerUit(std::string_view tekst);

  Dialogen& dialogen_;
  std::function<std::string()> laatstGebruikt_;
  QListWidget* lijst_;
};

}  // namespace plovena
