#pragma once

#include <QDate>
#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "commands/opdrachten.h"
#include "document/tekenset.h"

class QAction;
class QLabel;
class QMimeData;
class QPushButton;

namespace plovena {

class Dialogen;
class Regelweergave;
class TRapportFormulier;
class TTagSelectieFormulier;
class TVoortgangsFormulier;
class Zoekvenster;

// The folder the open dialog starts in: that of the last file opened, when the folder exists;
// empty otherwise (also for a name without an absolute folder, such as a Windows path read on
// another system).
QString MapVanLaatsteBestand(const std::string& lastInputFile);

// The help file to open: the compiled help file chm when it exists, else the first help page
// that exists of: beside the executable (a portable copy), in the data folder of the prefix
// the executable is installed into, and gedeeld (the page found in the desktop's data folders,
// empty when none). When none exists, chm all the same, so the shell reports the missing file.
QString KiesHelpBestand(const QString& chm, const QString& exeMap, const QString& gedeeld,
                        const std::function<bool(const QString&)>& bestaat);

// The one local .ged file of a drag, if the drag carries exactly that.
std::optional<QString> GedcomBestandUit(const QMimeData* data);

// The main window: the command table as buttons and menus, the text view of the working
// document, the status bar, and every command handler.
class THoofdFormulier : public QMainWindow {
  Q_OBJECT
 public:
  // instellingenPad: the settings file, read here (FormCreate) and written at close.
  THoofdFormulier(Dialogen& dialogen, QString instellingenPad, QWidget* ouder = nullptr);
  ~THoofdFormulier() override;

  // The other three windows, created after this one.
  void KoppelVensters(TVoortgangsFormulier* voortgang, TRapportFormulier* rapport,
                      TTagSelectieFormulier* tags);

  // Opens a file as if it had been chosen in the open dialog (the command line's file).
  void OpenBestand(const QString& naam);
  void OpenBestandVeilig(const QString& naam);  // the same, with errors caught as in a command

  // Every command of the table: its action and its button.
  QAction* Actie(OpdrachtId id) const;
  QPushButton* Knop(OpdrachtId id) const;
  void OptiesAanUit(bool aan);

  // A table command: the refusal test, then its walk through the runner.
  void VoerOpdrachtUit(const Opdracht& o);
  // A walk with the GUI's front end, every failure caught at this edge.
  void VoerUit(const Opdracht& o, const Uitvoering& u);

  void ToonWerkbestand();
  void ToonBestandsstatus(const std::string& naam);
  QString Paneel(int i) const;

  // The handlers the window carries out itself.
  void BestandOpenenClick();
  void BestandHerladenClick();
  void BestandOpslaanClick();
  void ZoekenClick();
  void Zoekdialoog();
  void KlembordClick();
  void AfsluitenClick();
  void ButtonHelpClick();
  void AboutClick();
  void GeselecteerdeTagsVerwijderen();
  void BepaalBronprogramma();

  Toestand& Staat() { return toestand_; }
  const std::string& LastInputFile() const { return lastInputFile_; }
  QDate LastDate() const { return lastDate_; }
  std::size_t ZoekPositie() const { return zoekPositie_; }
  QString HelpBestand() const { return helpBestand_; }
  Regelweergave* Memo1() const { return memo1_; }
  Zoekvenster* FindDialog1() const { return zoekvenster_; }
  // The display decoder of the document, chosen at every open and reload.
  const Decodeerder& Weergavedecodeerder() const { return decodeerder_; }
  TVoortgangsFormulier* VoortgangsFormulier() const { return voortgang_; }
  TRapportFormulier* RapportFormulier() const { return rapport_; }
  TTagSelectieFormulier* TagSelectieFormulier() const { return tagSelectie_; }

  static std::string AboutTekst();

 signals:
  void Gesloten();

 protected:
  void closeEvent(QCloseEvent* e) override;  // FormClose
  // A dropped .ged file opens as if chosen in the open dialog.
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void FormCreate();
  void BouwOpdrachten();
  bool Weiger(const Opdracht& o);  // the table's refusal when nothing is loaded
  void Veilig(const std::function<void()>& f);
  void VoerVeiligUit(const Opdracht& o, const Uitvoering& u);
  void ToonResultaat(const Resultaat& r);
  bool NeemDropAan(QDropEvent* e);  // accepts the drag of one .ged file while no command runs
  bool LaadFout(const std::string& tekst);

  Dialogen& dialogen_;
  QString instellingenPad_;
  Toestand toestand_;
  std::string lastInputFile_;
  QDate lastDate_;
  std::size_t zoekPositie_ = 0;  // 1-based, in units of the displayed text; 0: from the top
  Decodeerder decodeerder_;
  QString helpBestand_;
  QString opslagNaam_ = QStringLiteral("*.ged");  // the save dialog shows the name chosen last
  bool bezig_ = false;                            // a command holds the window

  Regelweergave* memo1_ = nullptr;
  QLabel* panelen_[3] = {};
  Zoekvenster* zoekvenster_ = nullptr;
  std::map<OpdrachtId, QAction*> acties_;
  std::map<OpdrachtId, QPushButton*> knoppen_;
  TVoortgangsFormulier* voortgang_ = nullptr;
  TRapportFormulier* rapport_ = nullptr;
  TTagSelectieFormulier* tagSelectie_ = nullptr;
};

}  // namespace plovena
