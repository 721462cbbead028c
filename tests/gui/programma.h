#pragma once

// A fresh program for one test: the four windows with their settings file in a temporary
// folder, every box and dialog answered by the test.

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>

#include "gui_test.h"
#include "ui/PV_HoofdFormulier.h"
#include "ui/regelweergave.h"
#include "ui/vensters.h"

namespace plovena::test {

inline const QByteArray kVoorbeeld =
    "0 HEAD\r\n1 SOUR Pro-Gen\r\n2 VERS 3.21\r\n1 CHAR ANSI\r\n0 @I1@ INDI\r\n1 NAME Jan /Jansen/\r\n"
    "1 NOTE Eerste regel\r\n0 @I2@ INDI\r\n1 NAME Piet /Smit/\r\n0 TRLR\r\n";

struct Programma {
  explicit Programma(const QByteArray& instellingen = QByteArray(), bool metInstellingen = false) {
    instellingenPad = dir.filePath("plovena.ini");
    if (metInstellingen) SchrijfBestand(dir, "plovena.ini", instellingen);
    vensters = std::make_unique<Vensters>(dialogen, instellingenPad);
    hoofd = vensters->HoofdFormulier.get();
    hoofd->show();
  }
  ~Programma() { vensters.reset(); }

  QString Bestand(const QString& naam, const QByteArray& inhoud) { return SchrijfBestand(dir, naam, inhoud); }

  // The open command with path chosen in the dialog.
  void Open(const QString& pad) {
    dialogen.openKeuzes.push_back(pad);
    hoofd->Actie(OpdrachtId::BestandOpenen)->trigger();
  }
  void Trigger(OpdrachtId id) { hoofd->Actie(id)->trigger(); }
  std::string Memo() const { return hoofd->Memo1()->Tekst(); }
  // The settings file as it is after the main window closed.
  QByteArray Sluit() {
    hoofd->close();
    return LeesBestand(instellingenPad);
  }

  QTemporaryDir dir;
  QString instellingenPad;
  NepDialogen dialogen;
  std::unique_ptr<Vensters> vensters;
  THoofdFormulier* hoofd = nullptr;
};

}  // namespace plovena::test
