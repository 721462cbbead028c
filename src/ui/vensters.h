#pragma once

#include <QIcon>
#include <QString>
#include <memory>

#include "ui/PV_HoofdFormulier.h"
#include "ui/PV_RapportFormulier.h"
#include "ui/PV_TagSelectieFormulier.h"
#include "ui/PV_VoortgangsFormulier.h"

namespace plovena {

class Dialogen;

// The program's icon, compiled in at the sizes a desktop asks for.
QIcon PlovenaIcoon();

// The program's four windows, created in their fixed order: the main window first (its
// creation reads the settings), then the progress window, the report window and the tag
// selection dialog. Only the main window is shown, by the caller.
struct Vensters {
  Vensters(Dialogen& dialogen, const QString& instellingenPad);
  ~Vensters();

  std::unique_ptr<THoofdFormulier> HoofdFormulier;
  std::unique_ptr<TVoortgangsFormulier> VoortgangsFormulier;
  std::unique_ptr<TRapportFormulier> RapportFormulier;
  std::unique_ptr<TTagSelectieFormulier> TagSelectieFormulier;
};

}  // namespace plovena
