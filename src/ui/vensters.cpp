#include "ui/vensters.h"

// The icon's resource lives in this static library, which the linker would leave out unless
// it is registered by name; the macro must be used outside any namespace.
static void LaadPictogrammen() { Q_INIT_RESOURCE(plovena); }

namespace plovena {

QIcon PlovenaIcoon() {
  LaadPictogrammen();
  QIcon icoon;
  for (int maat : {16, 32, 48, 64, 128, 256})
    icoon.addFile(QStringLiteral(":/pictogrammen/plovena-%1.png").arg(maat), QSize(maat, maat));
  return icoon;
}

Vensters::Vensters(Dialogen& dialogen, const QString& instellingenPad) {
  HoofdFormulier = std::make_unique<THoofdFormulier>(dialogen, instellingenPad);
  VoortgangsFormulier = std::make_unique<TVoortgangsFormulier>();
  RapportFormulier = std::make_unique<TRapportFormulier>(dialogen);
  Toestand& t = HoofdFormulier->Staat();
  TagSelectieFormulier = std::make_unique<TTagSelectieFormulier>(dialogen, [&t] { return t.lastDelTags; });
  const QIcon icoon = PlovenaIcoon();
  HoofdFormulier->setWindowIcon(icoon);
  VoortgangsFormulier->setWindowIcon(icoon);
  RapportFormulier->setWindowIcon(icoon);
  TagSelectieFormulier->setWindowIcon(icoon);
  HoofdFormulier->KoppelVensters(VoortgangsFormulier.get(), RapportFormulier.get(),
                                 TagSelectieFormulier.get());
}

// The main window goes last: the others are linked to it.
Vensters::~Vensters() {
  TagSelectieFormulier.reset();
  RapportFormulier.reset();
  VoortgangsFormulier.reset();
  HoofdFormulier.reset();
}

}  // namespace plovena
