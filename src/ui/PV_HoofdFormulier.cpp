#include "ui/PV_HoofdFormulier.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <array>
#include <functional>
#include <new>
#include <optional>

#include "app/instellingen.h"
#include "commands/remove/verwijderen.h"
#include "document/bronprogramma.h"
#include "document/regel.h"
#include "document/tekenset.h"
#include "ui/PV_RapportFormulier.h"
#include "ui/PV_TagSelectieFormulier.h"
#include "ui/PV_VoortgangsFormulier.h"
#include "ui/dialogen.h"
#include "ui/regelweergave.h"
#include "ui/weergave.h"
#include "ui/zoekvenster.h"

namespace plovena {

namespace {

const char* const kOntwerpTitel = "Plovena - Programma voor inspectie en bewerking van GEDCOM-bestanden";

// What a walk asks of the desktop: questions as Yes/No boxes, the progress window, and the
// tag selection dialog, which takes over from there (its "Verwijderen" runs the removal).
class GuiOmgeving : public Omgeving {
 public:
  GuiOmgeving(Dialogen& d, Voortgang& v, std::function<void(std::vector<std::string>)> kies)
      : dialogen_(d), balk_(v), kies_(std::move(kies)) {}
  bool Bevestig(const std::string& vraag) override {
    return dialogen_.Bericht(BerichtSoort::Bevestiging, vraag) == Antwoord::Ja;
  }
  Voortgang& Balk() override { return balk_; }
  Resultaat KiesTags(Toestand&, std::vector<std::string> tags) override {
    kies_(std::move(tags));
    return {};
  }

 private:
  Dialogen& dialogen_;
  Voortgang& balk_;
  std::function<void(std::vector<std::string>)> kies_;
};

// Forward search of one text of UTF-16 units, a to z folded unless exact (Horspool: the shift
// table, keyed by a unit's low byte, is built once per search and serves every line).
class Zoeker {
 public:
  Zoeker(std::u16string_view naald, bool exact) : exact_(exact) {
    for (char16_t c : naald) naald_ += Vouw(c);
    sprong_.fill(naald_.size());
    // Units that share a low byte share an entry: the smallest shift of them, still safe.
    for (std::size_t i = 0; i + 1 < naald_.size(); ++i) sprong_[naald_[i] & 0xFF] = naald_.size() - 1 - i;
  }

  // First occurrence in tekst at or after position van.
  std::optional<std::size_t> Zoek(std::u16string_view tekst, std::size_t van) const {
    const std::size_t n = naald_.size();
    if (n == 0 || van > tekst.size() || n > tekst.size() - van) return std::nullopt;
    const char16_t laatste = naald_[n - 1];
    for (std::size_t i = van; i + n <= tekst.size();) {
      const char16_t c = Vouw(tekst[i + n - 1]);
      if (c == laatste) {
        std::size_t k = 0;
        while (k + 1 < n && Vouw(tekst[i + k]) == naald_[k]) ++k;
        if (k + 1 >= n) return i;
      }
      i += sprong_[c & 0xFF];
    }
    return std::nullopt;
  }

 private:
  // Only a to z: an accented letter never matches its other case.
  char16_t Vouw(char16_t c) const { return !exact_ && c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }
  bool exact_;
  std::u16string naald_;
  std::array<std::size_t, 256> sprong_{};
};

// The search runs over the view's lines as they are shown, decoded one at a time from the
// start position into one buffer, not over a copy of the whole text: a text field holds one
// line, so a match never spans a line end (a pasted line end falls back to the whole text).
std::optional<std::size_t> ZoekInWeergave(const Regelweergave& v, std::size_t van, std::u16string_view naald,
                                          bool exact) {
  if (naald.empty()) return std::nullopt;
  const Zoeker zoeker(naald, exact);
  const Regellijst& regels = v.Regels();
  std::u16string regel;
  if (naald.find_first_of(u"\r\n") != std::u16string_view::npos) {
    for (std::size_t i = 0; i < regels.Count(); ++i) {
      v.VoegWeergaveToe(i, regel);
      regel += u"\r\n";
    }
    return zoeker.Zoek(regel, van);
  }
  for (std::size_t i = v.RegelVanPositie(van); i < regels.Count(); ++i) {
    const std::size_t begin = v.RegelBegin(i);
    regel.clear();
    v.VoegWeergaveToe(i, regel);
    if (auto p = zoeker.Zoek(regel, van > begin ? van - begin : 0)) return begin + *p;
  }
  return std::nullopt;
}

// The character set named in the information box. UTF-16 files are held as UTF-8, but the
// user's file is UTF-16.
std::string_view TekensetVan(Codering c, Tekenset t) {
  switch (c) {
    case Codering::Utf16LeBom:
    case Codering::Utf16Le:
      return "UTF-16 (little-endian)";
    case Codering::Utf16BeBom:
    case Codering::Utf16Be:
      return "UTF-16 (big-endian)";
    case Codering::Utf8Bom:
    case Codering::Bytes:
      break;
  }
  return TekensetNaam(t);
}

}  // namespace

QString MapVanLaatsteBestand(const std::string& lastInputFile) {
  if (lastInputFile.empty()) return {};
  const QFileInfo bestand(QString::fromStdString(lastInputFile));
  const QFileInfo map(bestand.path());
  // A relative folder would be taken from wherever the program was started.
  if (!bestand.isAbsolute() || !map.isDir()) return {};
  return map.filePath();
}

QString KiesHelpBestand(const QString& chm, const QString& exeMap, const QString& gedeeld,
                        const std::function<bool(const QString&)>& bestaat) {
  if (bestaat(chm)) return chm;
  const QString paginas[] = {
      exeMap + QStringLiteral("/plovena-help.html"),
      QDir::cleanPath(exeMap + QStringLiteral("/../share/plovena/plovena-help.html")),
      gedeeld,
  };
  for (const QString& p : paginas)
    if (!p.isEmpty() && bestaat(p)) return p;
  return chm;
}

std::optional<QString> GedcomBestandUit(const QMimeData* data) {
  if (!data || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
  const QString pad = urls.front().toLocalFile();
  if (!pad.endsWith(QStringLiteral(".ged"), Qt::CaseInsensitive)) return std::nullopt;
  return pad;
}

THoofdFormulier::THoofdFormulier(Dialogen& dialogen, QString instellingenPad, QWidget* ouder)
    : QMainWindow(ouder, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                             Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dialogen_(dialogen),
      instellingenPad_(std::move(instellingenPad)) {
  setObjectName(QStringLiteral("HoofdFormulier"));
  setWindowTitle(QString::fromUtf8(kOntwerpTitel));
  setFont(VensterLettertype(11));
  setAcceptDrops(true);  // the view takes no drops, so they come here
  BouwOpdrachten();
  FormCreate();
}

THoofdFormulier::~THoofdFormulier() = default;

void THoofdFormulier::BouwOpdrachten() {
  QStatusBar* balk = statusBar();
  balk->setObjectName(QStringLiteral("StatusBar1"));
  balk->setSizeGripEnabled(false);
  for (int i = 0; i < 3; ++i) {
    panelen_[i] = new QLabel(balk);
    panelen_[i]->setObjectName(QStringLiteral("Paneel%1").arg(i));
    panelen_[i]->setFixedWidth(275);
    balk->addWidget(panelen_[i]);
  }

  auto* midden = new QWidget(this);
  midden->setObjectName(QStringLiteral("Client"));
  midden->setFixedSize(807, 573 - balk->sizeHint().height());
  QPalette zilver = midden->palette();
  zilver.setColor(QPalette::Window, QColor(192, 192, 192));
  midden->setPalette(zilver);
  midden->setAutoFillBackground(true);
  setCentralWidget(midden);

  memo1_ = new Regelweergave(midden);
  memo1_->setObjectName(QStringLiteral("Memo1"));
  memo1_->setGeometry(152, 40, 641, 484);
  memo1_->setToolTip(QStringLiteral("Bekijk hier het resultaat (alleen lezen)"));
  MaakMemoOp(*memo1_, QColor(255, 255, 0));
  Regellijst leeg;
  leeg.VoegToe("");  // at start the view holds one empty line
  memo1_->ZetRegels(leeg);

  int links = 0, rechts = 0;
  for (const Opdracht& o : Opdrachten()) {
    auto* actie =
        new QAction(QString::fromUtf8(o.menuTekst.data(), static_cast<qsizetype>(o.menuTekst.size())), this);
    actie->setObjectName(QString::fromUtf8(o.menuItem.data(), static_cast<qsizetype>(o.menuItem.size())));
    if (!o.sneltoets.empty())
      actie->setShortcut(
          QKeySequence(QString::fromLatin1(o.sneltoets.data(), static_cast<qsizetype>(o.sneltoets.size()))));
    acties_[o.id] = actie;

    auto* knop = new QPushButton(
        QString::fromUtf8(o.knopTekst.data(), static_cast<qsizetype>(o.knopTekst.size())), midden);
    knop->setObjectName(QString::fromUtf8(o.knop.data(), static_cast<qsizetype>(o.knop.size())));
    knop->setAutoDefault(false);
    const QString hint = QString::fromUtf8(o.hint.data(), static_cast<qsizetype>(o.hint.size()));
    if (o.hintZichtbaar)
      knop->setToolTip(hint);
    else
      knop->setAccessibleDescription(hint);  // carried, not shown
    if (o.rechtsBoven)
      knop->setGeometry(657 + 71 * rechts++, 8, 65, 25);
    else
      knop->setGeometry(8, 8 + 27 * links++, 138, 25);
    knoppen_[o.id] = knop;

    // Button and menu item are one command: the button runs the action and follows its state.
    connect(knop, &QPushButton::clicked, actie, &QAction::trigger);
    connect(actie, &QAction::enabledChanged, knop, &QWidget::setEnabled);
    const Opdracht* rij = &o;
    connect(actie, &QAction::triggered, this, [this, rij] {
      Veilig([this, rij] {
        switch (rij->id) {
          case OpdrachtId::BestandOpenen:
            BestandOpenenClick();
            break;
          case OpdrachtId::BestandHerladen:
            BestandHerladenClick();
            break;
          case OpdrachtId::BestandOpslaan:
            BestandOpslaanClick();
            break;
          case OpdrachtId::Zoeken:
            ZoekenClick();
            break;
          case OpdrachtId::Klembord:
            KlembordClick();
            break;
          case OpdrachtId::Afsluiten:
            AfsluitenClick();
            break;
          case OpdrachtId::Help:
            ButtonHelpClick();
            break;
          case OpdrachtId::About:
            AboutClick();
            break;
          default:
            VoerOpdrachtUit(*rij);
            break;
        }
      });
    });
  }

  for (const MenuIndeling& m : MenuIndelingen()) {
    QMenu* menu =
        menuBar()->addMenu(QString::fromUtf8(m.titel.data(), static_cast<qsizetype>(m.titel.size())));
    menu->setObjectName(QStringLiteral("Menu") + menu->title());
    for (const MenuRegel& r : m.regels) {
      if (r.scheiding)
        menu->addSeparator();
      else
        menu->addAction(acties_.at(r.id));
    }
  }

  zoekvenster_ = new Zoekvenster(this);
  connect(zoekvenster_, &Zoekvenster::Zoek, this, [this] { Veilig([this] { Zoekdialoog(); }); });

  adjustSize();
  setFixedSize(sizeHint());
  if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

void THoofdFormulier::FormCreate() {
  toestand_.inputbestandsnaam.clear();
  toestand_.bronprogramma.clear();
  toestand_.lastDelTags.clear();
  toestand_.bestandIngelezen = false;
  OptiesAanUit(false);
  memo1_->ZetSelectie(0, 0);
  helpBestand_ = QCoreApplication::applicationDirPath() + QStringLiteral("/Plovena.chm");
  const Instellingen w = LeesInstellingen(instellingenPad_);
  lastInputFile_ = w.lastInputFile;
  lastDate_ = w.lastDate;
  toestand_.lastDelTags = w.lastDelTags;
}

void THoofdFormulier::KoppelVensters(TVoortgangsFormulier* voortgang, TRapportFormulier* rapport,
                                     TTagSelectieFormulier* tags) {
  voortgang_ = voortgang;
  rapport_ = rapport;
  tagSelectie_ = tags;
  if (tagSelectie_)
    connect(tagSelectie_, &TTagSelectieFormulier::VerwijderingGevraagd, this,
            [this] { Veilig([this] { GeselecteerdeTagsVerwijderen(); }); });
}

QAction* THoofdFormulier::Actie(OpdrachtId id) const { return acties_.at(id); }
QPushButton* THoofdFormulier::Knop(OpdrachtId id) const { return knoppen_.at(id); }
QString THoofdFormulier::Paneel(int i) const { return panelen_[i]->text(); }

void THoofdFormulier::OptiesAanUit(bool aan) {
  for (const Opdracht& o : Opdrachten())
    if (o.geschakeld) acties_.at(o.id)->setEnabled(aan);
}

void THoofdFormulier::Veilig(const std::function<void()>& f) {
  // Nothing may escape into the event loop: an error inside a command ends that command, and
  // the user chooses between going on and ending the program.
  std::string fout;
  try {
    f();
    return;
  } catch (const std::bad_alloc&) {
    fout = "Onvoldoende geheugen om de opdracht uit te voeren.";
  } catch (const std::exception& e) {
    fout = e.what();
  } catch (...) {
    fout = "Onbekende fout.";
  }
  bezig_ = false;
  if (voortgang_ && voortgang_->isVisible()) voortgang_->Verberg();
  bool doorgaan = true;
  try {
    doorgaan = dialogen_.Onverwacht(fout);
  } catch (...) {
  }
  if (!doorgaan) close();
}

bool THoofdFormulier::Weiger(const Opdracht& o) {
  if (o.weigerTekst.empty() || toestand_.bestandIngelezen) return false;
  dialogen_.Bericht(o.weigerSoort, std::string(o.weigerTekst));
  return true;
}

void THoofdFormulier::VoerOpdrachtUit(const Opdracht& o) {
  if (Weiger(o) || !o.uitvoering) return;
  VoerUit(o, o.uitvoering);
}

void THoofdFormulier::VoerUit(const Opdracht& o, const Uitvoering& u) {
  if (bezig_) return;
  Veilig([&] { VoerVeiligUit(o, u); });
}

void THoofdFormulier::VoerVeiligUit(const Opdracht& o, const Uitvoering& u) {
  GeenVoortgang geen;
  GuiOmgeving omgeving(dialogen_, voortgang_ ? static_cast<Voortgang&>(*voortgang_) : geen,
                       [this](std::vector<std::string> tags) {
                         if (!tagSelectie_) return;
                         tagSelectie_->Toon();
                         tagSelectie_->Wis();
                         tagSelectie_->MeervoudigeSelectieAan();
                         tagSelectie_->VoegToe(tags, decodeerder_);
                       });
  // A walk that stops halfway may leave a half-rebuilt list: the document goes back to what it
  // was before the command (a cheap copy of the line views).
  Werkbestand voor = toestand_.werkbestand;
  Resultaat r;
  bezig_ = true;
  try {
    r = u(toestand_, omgeving);
  } catch (...) {
    bezig_ = false;
    toestand_.werkbestand = std::move(voor);
    throw;
  }
  bezig_ = false;
  ToonResultaat(r);
  if (r.ververs) ToonWerkbestand();
  if (r.zetUit) acties_.at(o.id)->setEnabled(false);
}

void THoofdFormulier::ToonResultaat(const Resultaat& r) {
  switch (r.soort) {
    case Resultaat::Soort::Niets:
      break;
    case Resultaat::Soort::Bericht:
      dialogen_.Bericht(r.berichtSoort, r.tekst);
      break;
    case Resultaat::Soort::Rapport:
      // Reports hold lines of the document: they are shown in its character set.
      if (rapport_) rapport_->ToonRapport(r.rapport, r.kop, toestand_.inputbestandsnaam, decodeerder_);
      break;
  }
}

void THoofdFormulier::ToonWerkbestand() {
  memo1_->ZetRegels(toestand_.werkbestand);
  panelen_[1]->setText(QStringLiteral("Werkbestand: %1 regels").arg(toestand_.werkbestand.Count()));
}

void THoofdFormulier::ToonBestandsstatus(const std::string& naam) {
  setWindowTitle(QString::fromStdString("Plovena - " + Bestandsnaamdeel(naam)));
  const std::size_t n = toestand_.werkbestand.Count();
  panelen_[0]->setText(QStringLiteral("Inputbestand: %1 regels").arg(n));
  panelen_[1]->setText(QStringLiteral("Werkbestand: %1 regels").arg(n));
  panelen_[2]->setText(QString());
}

void THoofdFormulier::BepaalBronprogramma() {
  if (!toestand_.bestandIngelezen) {
    dialogen_.Bericht(BerichtSoort::Waarschuwing, "Er is nog geen bestand geopend!");
    return;
  }
  Bronprogrammainfo info = ::plovena::BepaalBronprogramma(toestand_.werkbestand, toestand_.inputbestandsnaam);
  toestand_.bronprogramma = std::move(info.bronprogramma);
  info.tekst += NLCR;
  info.tekst += "Tekenset: ";
  info.tekst += TekensetVan(toestand_.werkbestand.codering, decodeerder_.Soort());
  dialogen_.Bericht(BerichtSoort::Informatie, info.tekst);
}

void THoofdFormulier::BestandOpenenClick() {
  const auto gekozen = dialogen_.OpenBestand(QStringLiteral("Bestand opvragen"), QStringLiteral("*.ged"),
                                             QStringLiteral("*.ged"), MapVanLaatsteBestand(lastInputFile_));
  if (gekozen) OpenBestand(*gekozen);
}

void THoofdFormulier::OpenBestand(const QString& naam) {
  // The name is kept before the test, so a refused name is what a later reload reads.
  toestand_.inputbestandsnaam = naam.toStdString();
  if (!QFileInfo::exists(naam)) {
    dialogen_.Bericht(BerichtSoort::Fout, "Het opgegeven bestand bestaat niet!");
    return;
  }
  Werkbestand nieuw;
  if (BestandsFout f = Laad(BestandsPad(naam), nieuw)) {
    dialogen_.Bericht(BerichtSoort::Fout, f.tekst);
    return;
  }
  toestand_.werkbestand = std::move(nieuw);
  decodeerder_ = Decodeerder(KiesTekenset(toestand_.werkbestand));
  memo1_->ZetRegels(toestand_.werkbestand, decodeerder_);
  toestand_.bestandIngelezen = true;
  ToonBestandsstatus(toestand_.inputbestandsnaam);
  OptiesAanUit(true);
  lastInputFile_ = toestand_.inputbestandsnaam;
  lastDate_ = QDate::currentDate();
  BepaalBronprogramma();
}

void THoofdFormulier::OpenBestandVeilig(const QString& naam) {
  Veilig([this, &naam] { OpenBestand(naam); });
}

void THoofdFormulier::BestandHerladenClick() {
  if (Weiger(ZoekOpdracht(OpdrachtId::BestandHerladen))) return;
  Werkbestand nieuw;
  if (BestandsFout f = Laad(BestandsPad(QString::fromStdString(toestand_.inputbestandsnaam)), nieuw)) {
    dialogen_.Bericht(BerichtSoort::Fout, f.tekst);
    return;
  }
  toestand_.werkbestand = std::move(nieuw);
  decodeerder_ = Decodeerder(KiesTekenset(toestand_.werkbestand));
  memo1_->ZetRegels(toestand_.werkbestand, decodeerder_);
  ToonBestandsstatus(toestand_.inputbestandsnaam);
  OptiesAanUit(true);
  zoekPositie_ = 0;
  BepaalBronprogramma();
}

void THoofdFormulier::BestandOpslaanClick() {
  if (Weiger(ZoekOpdracht(OpdrachtId::BestandOpslaan))) return;
  const auto gekozen =
      dialogen_.BewaarBestand(QStringLiteral("Bestand opslaan"), opslagNaam_, QStringLiteral("*.ged"));
  if (!gekozen) return;
  opslagNaam_ = *gekozen;
  const std::string naam = gekozen->toStdString();
  const bool schrijven =
      !QFileInfo::exists(*gekozen) ||
      dialogen_.Bericht(BerichtSoort::Bevestiging, "Bestand bestaat al. Moet het worden overschreven?") ==
          Antwoord::Ja;
  if (schrijven) {
    if (BestandsFout f = Bewaar(toestand_.werkbestand, BestandsPad(*gekozen))) {
      dialogen_.Bericht(BerichtSoort::Fout, f.tekst);
      return;  // nothing was saved: caption and panels stay
    }
    dialogen_.Bericht(BerichtSoort::Informatie, "Resultaat opgeslagen: " + naam);
  }
  ToonBestandsstatus(naam);
}

void THoofdFormulier::ZoekenClick() {
  zoekPositie_ = 0;
  NaarVoren(*zoekvenster_);
}

void THoofdFormulier::Zoekdialoog() {
  // Positions count UTF-16 units of the text as shown (each line decoded, CR LF two units),
  // the view's own positions: the search compares the characters the user sees, and the
  // selection covers exactly those found.
  const QString zoek = zoekvenster_->ZoekTekst();
  const std::u16string_view zoektekst(reinterpret_cast<const char16_t*>(zoek.utf16()),
                                      static_cast<std::size_t>(zoek.size()));
  if (zoekPositie_ == 0) zoekvenster_->ZetVolgendeZoeken(false);
  const bool volgende = zoekvenster_->VolgendeZoeken();
  const std::size_t start = volgende ? zoekPositie_ + zoektekst.size() : 1;  // 1-based
  const auto p = ZoekInWeergave(*memo1_, start - 1, zoektekst, zoekvenster_->Hoofdlettergevoelig());
  if (p) {
    zoekPositie_ = *p + 1;
    memo1_->ZetSelectie(*p, zoektekst.size());
    memo1_->setFocus();
    return;
  }
  zoekPositie_ = 0;
  dialogen_.Bericht(BerichtSoort::Informatie,
                    "Kan \"" + zoek.toStdString() + (volgende ? "\" niet meer vinden" : "\" niet vinden"));
}

void THoofdFormulier::KlembordClick() {
  if (Weiger(ZoekOpdracht(OpdrachtId::Klembord))) return;
  memo1_->SelecteerAlles();
  memo1_->KopieerSelectie();
}

void THoofdFormulier::AfsluitenClick() { close(); }

void THoofdFormulier::ButtonHelpClick() {
  // Plovena.chm is a Windows help file; where it is missing (any other desktop, or a Windows
  // copy without it) the program's own help page serves.
  const QString gedeeld = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                 QStringLiteral("plovena/plovena-help.html"));
  const QString bestand = KiesHelpBestand(helpBestand_, QCoreApplication::applicationDirPath(), gedeeld,
                                          [](const QString& p) { return QFileInfo(p).isFile(); });
  dialogen_.OpenUrl(QUrl::fromLocalFile(bestand));
}

std::string THoofdFormulier::AboutTekst() {
  const std::string nl(NLCR);
  return "Plovena" + nl + nl + "Programma voor het inspecteren en bewerken van GEDCOM-bestanden" + nl +
         "Voor genealogen die hun GEDCOM-bestanden willen nakijken en opschonen" + nl + nl +
         "Versie 24 december 2022" + nl + "Gebouwd met C++20, Qt 6 en ICU" + nl +
         "Met dank aan iedereen die testbestanden en opmerkingen aanleverde" + nl +
         "Gebruik op eigen risico: bewaar altijd een kopie van het origineel" + nl;
}

void THoofdFormulier::AboutClick() { dialogen_.Bericht(BerichtSoort::Informatie, AboutTekst()); }

void THoofdFormulier::GeselecteerdeTagsVerwijderen() {
  const Opdracht& o = ZoekOpdracht(OpdrachtId::TagsVerwijderen);
  if (Weiger(o) || !tagSelectie_) return;  // the dialog stays open
  std::string selectie;
  for (int i = 0; i < tagSelectie_->Aantal(); ++i) {
    if (!tagSelectie_->IsGeselecteerd(i)) continue;
    if (i == 0) {
      const std::string eerste = tagSelectie_->Item(0);
      std::size_t k = 0;
      while (k < eerste.size() && static_cast<unsigned char>(eerste[k]) <= ' ') ++k;
      selectie += eerste.substr(k);
    } else {
      selectie += ' ';
      selectie += tagSelectie_->Item(i);
    }
  }
  selectie = HoofdLetters(selectie);
  tagSelectie_->Sluit();
  VoerUit(o, [selectie](Toestand& t, Omgeving& om) {
    return ::plovena::GeselecteerdeTagsVerwijderen(t, om, selectie);
  });
}

bool THoofdFormulier::NeemDropAan(QDropEvent* e) {
  // A command holds the document: a file dropped meanwhile is refused, not queued.
  if (bezig_ || !GedcomBestandUit(e->mimeData())) return false;
  // Copy, never move: a file manager removes the source after a move.
  if (!(e->possibleActions() & Qt::CopyAction)) return false;
  e->setDropAction(Qt::CopyAction);
  e->accept();
  return true;
}

void THoofdFormulier::dragEnterEvent(QDragEnterEvent* e) {
  if (!NeemDropAan(e)) e->ignore();
}

void THoofdFormulier::dragMoveEvent(QDragMoveEvent* e) {
  if (!NeemDropAan(e)) e->ignore();
}

void THoofdFormulier::dropEvent(QDropEvent* e) {
  if (!NeemDropAan(e)) {
    e->ignore();
    return;
  }
  // The open runs after the drop has ended, so the source program is not held up by its
  // messages; by then a command may have started, and the drop is let go.
  const QString pad = *GedcomBestandUit(e->mimeData());
  QTimer::singleShot(0, this, [this, pad] {
    if (!bezig_) OpenBestandVeilig(pad);
  });
}

void THoofdFormulier::closeEvent(QCloseEvent* e) {
  // A close that arrives while a command holds the window waits for the command.
  if (bezig_) {
    e->ignore();
    return;
  }
  // FormClose. A settings file that cannot be written is passed over: the window closes all
  // the same, the values of this run are then lost.
  Instellingen w{lastInputFile_, lastDate_, toestand_.lastDelTags};
  if (!SchrijfInstellingen(instellingenPad_, w, !toestand_.inputbestandsnaam.empty()))
    qWarning("Plovena: instellingen niet opgeslagen in %s", qPrintable(instellingenPad_));
  zoekvenster_->hide();
  if (voortgang_) voortgang_->hide();
  if (rapport_) rapport_->hide();
  if (tagSelectie_) tagSelectie_->hide();
  e->accept();
  emit Gesloten();
}

}  // namespace plovena
