#include "ui/PV_RapportFormulier.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <string>
#include <string_view>

#include "document/werkbestand.h"
#include "ui/dialogen.h"
#include "ui/regelweergave.h"
#include "ui/weergave.h"

namespace plovena {

namespace {
// Whether every CR and every LF in tekst stands in a CR LF pair, and the text ends with one
// (or is empty): the text is then already what splitting it into lines and joining them with
// CR LF gives.
bool AlleenCrLf(std::string_view tekst) {
  for (std::size_t p = tekst.find_first_of("\r\n"); p != std::string_view::npos;
       p = tekst.find_first_of("\r\n", p + 2)) {
    if (tekst[p] != '\r' || p + 1 >= tekst.size() || tekst[p + 1] != '\n') return false;
  }
  return tekst.empty() || tekst.ends_with("\r\n");
}
}  // namespace

TRapportFormulier::TRapportFormulier(Dialogen& dialogen, QWidget* ouder)
    : QMainWindow(ouder, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), dialogen_(dialogen) {
  setObjectName(QStringLiteral("RapportFormulier"));
  setWindowTitle(QStringLiteral("Plovena - rapport"));
  setFont(VensterLettertype(11));

  auto* midden = new QWidget(this);
  midden->setFixedSize(635, 439);
  memo_ = new Regelweergave(midden);
  memo_->setObjectName(QStringLiteral("MemoRapport"));
  memo_->setGeometry(8, 0, 619, 433);
  MaakMemoOp(*memo_, QColor(185, 209, 234));  // light blue, like an active caption's gradient
  Regellijst begin;
  begin.VoegToe("MemoRapport");
  memo_->ZetRegels(begin);
  setCentralWidget(midden);

  QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
  QAction* opslaan =
      bestand->addAction(QStringLiteral("&Opslaan als..."), this, &TRapportFormulier::MenuOpslaanAlsClick);
  opslaan->setObjectName(QStringLiteral("MenuOpslaanAls"));
  bestand->addSeparator();
  QAction* sluiten = bestand->addAction(QStringLiteral("&Afsluiten"), this,
                                        &TRapportFormulier::BtnRapportvensterSluitenClick);
  sluiten->setObjectName(QStringLiteral("MenuRapportvensterSluiten"));
  QMenu* bewerken = menuBar()->addMenu(QStringLiteral("&Bewerken"));
  QAction* kopieer =
      bewerken->addAction(QStringLiteral("&Kopiëren"), this, &TRapportFormulier::BtnRapportNaarKlembordClick);
  kopieer->setObjectName(QStringLiteral("MenuRapportNaarKlembord"));
  kopieer->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));

  adjustSize();
  setFixedSize(sizeHint());
  if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

QAction* TRapportFormulier::Actie(const char* naam) const {
  return findChild<QAction*>(QString::fromLatin1(naam));
}

void TRapportFormulier::ToonRapport(Regellijst tekst, const std::string& kop,
                                    const std::string& inputbestandsnaam, const Decodeerder& d) {
  NaarVoren(*this);
  memo_->ZetRegels(std::move(tekst), d);
  setWindowTitle(QString::fromStdString(kop + Bestandsnaamdeel(inputbestandsnaam)));
}

void TRapportFormulier::BtnRapportNaarKlembordClick() {
  memo_->SelecteerAlles();
  memo_->KopieerSelectie();
  memo_->ZetSelectie(0, 0);
}

void TRapportFormulier::BtnRapportvensterSluitenClick() { close(); }

void TRapportFormulier::MenuOpslaanAlsClick() {
  const auto gekozen = dialogen_.BewaarBestand(QStringLiteral("Rapport opslaan"), QStringLiteral("*.txt"),
                                               QStringLiteral("*.txt"));
  if (!gekozen) return;
  const std::string naam = gekozen->toStdString();
  const bool bestaat = QFileInfo::exists(*gekozen);
  if (bestaat && dialogen_.Bericht(BerichtSoort::Bevestiging,
                                   "Bestand bestaat al. Moet het worden overschreven?") != Antwoord::Ja)
    return;
  // The text split again into lines, so a line break inside a report line becomes a line end.
  // It is the lines' bytes, not the decoded text: the file gets the document's own bytes.
  // Nearly always every line end already is a lone CR LF: then the text is that form as it is,
  // and a report as large as the document is not held twice more while it is saved.
  std::string tekst = memo_->Tekst();
  if (!AlleenCrLf(tekst)) tekst = Regellijst::UitBuffer(std::move(tekst)).Tekst();
  if (BestandsFout f = BewaarBytes(tekst, BestandsPad(*gekozen))) {
    dialogen_.Bericht(BerichtSoort::Fout, f.tekst);
    return;
  }
  dialogen_.Bericht(BerichtSoort::Informatie,
                    (bestaat ? "Rapport opgeslagen: " : "Resultaat opgeslagen: ") + naam);
}

}  // namespace plovena
