#include "ui/vensters.h"

namespace plovena {

Vensters::Vensters(Dialogen& dialogen, const QString& instellingenPad) {
  HoofdFormulier = std::make_unique<THoofdFormulier>(dialogen, instellingenPad);
  VoortgangsFormulier = std::make_unique<TVoortgangsFormulier>();
  RapportFormulier = std::make_unique<TRapportFormulier>(dialogen);
  Toestand& t = HoofdFormulier->Staat();
  TagSelectieFormulier = std::make_unique<TTagSelectieFormulier>(dialogen, [&t] { return t.lastDelTags; });
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
