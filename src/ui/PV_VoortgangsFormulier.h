#pragma once

#include <QWidget>

#include "commands/opdracht.h"

class QProgressBar;

namespace plovena {

// The progress window: a titled bar shown while a command walks the document. The command
// keeps the event thread, so the window paints itself at each visible change of the bar.
class TVoortgangsFormulier : public QWidget, public Voortgang {
  Q_OBJECT
 public:
  explicit TVoortgangsFormulier(QWidget* ouder = nullptr);

  void Toon(std::string_view titel, int maximum) override;  // ToonVoortgang
  void Stap() override;
  void Verberg() override;  // VerbergVoortgang

  QProgressBar* Voortgangsindicator() const { return balk_; }
  int Positie() const;

 protected:
  void closeEvent(QCloseEvent* e) override;  // the user cannot close it

 private:
  void Teken();
  QProgressBar* balk_;
  int getekend_ = -1;  // the last painted bar width in percent
};

}  // namespace plovena
