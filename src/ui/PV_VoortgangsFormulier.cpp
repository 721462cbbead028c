#include "ui/PV_VoortgangsFormulier.h"

#include "ui/weergave.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>

namespace plovena {

TVoortgangsFormulier::TVoortgangsFormulier(QWidget* ouder)
    : QWidget(ouder, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("VoortgangsFormulier"));
  setWindowTitle(QStringLiteral("Voortgang"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(338, 32);
  balk_ = new QProgressBar(this);
  balk_->setObjectName(QStringLiteral("Voortgangsindicator"));
  balk_->setGeometry(8, 8, 321, 16);
  balk_->setRange(0, 100);
  balk_->setValue(0);
  balk_->setTextVisible(false);
  if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

int TVoortgangsFormulier::Positie() const { return balk_->value(); }

void TVoortgangsFormulier::Teken() {
  const int max = balk_->maximum();
  const int procent = max > 0 ? static_cast<int>(static_cast<long long>(balk_->value()) * 100 / max) : 0;
  if (procent == getekend_ && isVisible()) return;
  getekend_ = procent;
  balk_->repaint();
  // Lets the window system map and expose the window; mouse and key input wait until the
  // command is done, so no other command can start halfway.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TVoortgangsFormulier::Toon(std::string_view titel, int maximum) {
  NaarVoren(*this, false);
  setWindowTitle(QString::fromUtf8(titel.data(), static_cast<qsizetype>(titel.size())));
  // The position stays: Verberg left it at 0. The bar's step is 1 (Stap).
  balk_->setMinimum(0);
  balk_->setMaximum(std::max(0, maximum));
  getekend_ = -1;
  Teken();
}

void TVoortgangsFormulier::Stap() {
  if (balk_->value() < balk_->maximum()) balk_->setValue(balk_->value() + 1);
  Teken();
}

void TVoortgangsFormulier::Verberg() {
  balk_->setValue(0);
  setWindowTitle(QStringLiteral("Voortgang"));
  hide();
}

void TVoortgangsFormulier::closeEvent(QCloseEvent* e) { e->ignore(); }

}  // namespace plovena
