// plovena-gui-bench INVOER [KEREN]
//
// The desktop program's own timings on a large file, offscreen, through the real windows:
// - openen: from the moment the open dialog returns the file to the first paint of the text
//   view (load, detection, the information box, which paints the view behind it as a modal box
//   would);
// - verversen: after an editing command, from closing its message to the repainted view (the
//   walk itself is shown apart);
// - zoeken: find next, from the press of the find button to the view painted at the match.
// Prints a Markdown table of medians in milliseconds with the targets.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWindow>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "commands/opdrachten.h"
#include "ui/dialogen.h"
#include "ui/regelweergave.h"
#include "ui/vensters.h"
#include "ui/zoekvenster.h"

namespace {

using plovena::Antwoord;
using plovena::BerichtSoort;

QElapsedTimer klok;
double Nu() { return static_cast<double>(klok.nsecsElapsed()) / 1e6; }  // ms

// Counts the paints of one widget.
class Verfteller : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++aantal;
    return false;
  }
  int aantal = 0;
};

Verfteller* verf = nullptr;

// Runs the event loop until the view has painted once more than `vanaf` times; the time after
// that pass, or nullopt after 10 s without a paint.
std::optional<double> WachtOpVerf(int vanaf) {
  const double grens = Nu() + 10000;
  while (verf->aantal <= vanaf) {
    if (Nu() > grens) return std::nullopt;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return Nu();
}

// Every dialog answered at once: the file dialog with the bench file, every question with Yes.
// A message box runs the event loop while it is up, as a modal box does; with wachtOpVerf set it
// stays up until the view behind it has painted.
class BenchDialogen : public plovena::Dialogen {
 public:
  Antwoord Bericht(BerichtSoort soort, const std::string& tekst) override {
    berichten.push_back(tekst);
    if (soort != BerichtSoort::Bevestiging) {
      berichtOpen = Nu();
      if (wachtOpVerf) {
        verfInBericht = WachtOpVerf(verfVoor);
      } else {
        QCoreApplication::processEvents();
      }
      berichtDicht = Nu();
    }
    return soort == BerichtSoort::Bevestiging ? Antwoord::Ja : Antwoord::Ok;
  }
  bool Onverwacht(const std::string& tekst) override {
    std::fprintf(stderr, "onverwacht: %s\n", tekst.c_str());
    return true;
  }
  std::optional<QString> OpenBestand(const QString&, const QString&, const QString&,
                                     const QString&) override {
    gekozen = Nu();
    return pad;
  }
  std::optional<QString> BewaarBestand(const QString&, const QString&, const QString&) override { return {}; }
  void OpenUrl(const QUrl&) override {}

  QString pad;
  std::vector<std::string> berichten;
  bool wachtOpVerf = false;
  int verfVoor = 0;
  double gekozen = 0, berichtOpen = 0, berichtDicht = 0;
  std::optional<double> verfInBericht;
};

// The offscreen platform warns about every raise() of the find dialog: noise in the output.
void AlleenErnstig(QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
  if (soort == QtCriticalMsg || soort == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(tekst));
}

double PiekMb() {
  rusage gebruik{};
  getrusage(RUSAGE_SELF, &gebruik);
  return static_cast<double>(gebruik.ru_maxrss) / 1024.0;
}

double Mediaan(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Rij(const char* meting, const std::vector<double>& ms, const char* doel) {
  if (ms.empty()) {
    std::printf("| %s | geen verf | | | %s |\n", meting, doel);
    return;
  }
  auto [a, b] = std::minmax_element(ms.begin(), ms.end());
  std::printf("| %s | %.1f | %.1f | %.1f | %s |\n", meting, Mediaan(ms), *a, *b, doel);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "gebruik: plovena-gui-bench INVOER [KEREN]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(AlleenErnstig);
  QApplication app(argc, argv);
  const int keren = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  klok.start();

  QTemporaryDir map;  // the settings file lives and dies here
  BenchDialogen dialogen;
  dialogen.pad = QDir(QDir::currentPath()).absoluteFilePath(QString::fromLocal8Bit(argv[1]));
  plovena::Vensters vensters(dialogen, map.filePath(QStringLiteral("plovena.ini")));
  plovena::THoofdFormulier* hoofd = vensters.HoofdFormulier.get();
  hoofd->show();
  while (!hoofd->windowHandle() || !hoofd->windowHandle()->isExposed()) QCoreApplication::processEvents();

  Verfteller teller;
  verf = &teller;
  hoofd->Memo1()->viewport()->installEventFilter(&teller);
  QCoreApplication::processEvents();

  // Opening: the file choice to the first painted view.
  std::vector<double> openen;
  for (int k = 0; k < keren; ++k) {
    dialogen.wachtOpVerf = true;
    dialogen.verfVoor = teller.aantal;
    dialogen.verfInBericht.reset();
    hoofd->BestandOpenenClick();
    std::optional<double> t = dialogen.verfInBericht ? dialogen.verfInBericht : WachtOpVerf(dialogen.verfVoor);
    dialogen.wachtOpVerf = false;
    if (t) openen.push_back(*t - dialogen.gekozen);
  }
  const std::size_t regels = hoofd->Staat().werkbestand.Count();
  const double piekOpenen = PiekMb();

  // An edit: reload (not timed), the command, its message closed, then the refresh.
  std::vector<std::string> uitkomsten;  // each command's message, to show that it did its work
  auto Bewerking = [&](plovena::OpdrachtId id, std::vector<double>& loop, std::vector<double>& ververs) {
    for (int k = 0; k < keren; ++k) {
      const int herladen = teller.aantal;
      hoofd->BestandHerladenClick();
      WachtOpVerf(herladen);
      const double begin = Nu();
      hoofd->VoerOpdrachtUit(plovena::ZoekOpdracht(id));
      const int voor = teller.aantal;
      // The view refreshes after the message; a paint during the message is the old text.
      std::optional<double> t = WachtOpVerf(voor);
      loop.push_back(dialogen.berichtOpen - begin);
      if (t) ververs.push_back(*t - dialogen.berichtDicht);
    }
    uitkomsten.push_back(dialogen.berichten.empty() ? "" : dialogen.berichten.back());
  };
  std::vector<double> zaLoop, zaVervers, bvLoop, bvVervers;
  Bewerking(plovena::OpdrachtId::ZonderAchternaam, zaLoop, zaVervers);
  Bewerking(plovena::OpdrachtId::BronnenVerwijderen, bvLoop, bvVervers);

  // Find next: a place name that occurs every few dozen lines, pressed many times; and a text
  // that only the last line holds, found from the top (the whole document searched).
  const int herladen = teller.aantal;
  hoofd->BestandHerladenClick();
  WachtOpVerf(herladen);
  plovena::Zoekvenster* zoek = hoofd->FindDialog1();
  auto Druk = [&]() -> std::optional<double> {
    const int voor = teller.aantal;
    const double begin = Nu();
    zoek->DrukZoeken();
    std::optional<double> t = WachtOpVerf(voor);
    if (!t) return std::nullopt;
    return *t - begin;
  };
  hoofd->ZoekenClick();
  zoek->ZetZoekTekst(QStringLiteral("Zwolle"));
  Druk();  // the first find
  std::vector<double> volgende;
  for (int k = 0; k < std::max(20, keren); ++k)
    if (auto t = Druk()) volgende.push_back(*t);
  std::vector<double> laatste;
  for (int k = 0; k < keren; ++k) {
    hoofd->ZoekenClick();
    zoek->ZetZoekTekst(QStringLiteral("TRLR"));
    if (auto t = Druk()) laatste.push_back(*t);
  }
  zoek->hide();

  std::printf("%zu regels, mediaan van %d keer (zoeken volgende: %zu keer), in ms\n\n", regels, keren,
              volgende.size());
  std::printf("| meting | mediaan | min | max | doel |\n|---|---:|---:|---:|---:|\n");
  Rij("bestand gekozen tot eerste verf", openen, "500");
  Rij("zonder-achternaam: opdracht tot bericht", zaLoop, "");
  Rij("zonder-achternaam: bericht dicht tot verf", zaVervers, "100");
  Rij("bronnen-verwijderen: opdracht tot bericht", bvLoop, "");
  Rij("bronnen-verwijderen: bericht dicht tot verf", bvVervers, "100");
  Rij("zoeken volgende (Zwolle)", volgende, "50");
  Rij("zoeken vanaf boven tot de laatste regel (TRLR)", laatste, "");
  std::error_code ec;
  const double mb = static_cast<double>(std::filesystem::file_size(argv[1], ec)) / (1024.0 * 1024.0);
  if (!ec && mb > 0)
    std::printf("\nPiekgeheugen van het proces: %.1f MB (%.2fx het bestand) na het openen, %.1f MB (%.2fx) aan het eind.\n",
                piekOpenen, piekOpenen / mb, PiekMb(), PiekMb() / mb);
  std::printf("\nBerichten:");
  for (const auto& b : uitkomsten) std::printf(" \"%s\"", b.c_str());
  std::printf("\n");
  std::fflush(stdout);
  hoofd->close();
  return 0;
}
