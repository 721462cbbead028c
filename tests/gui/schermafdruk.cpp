// Writes the screenshots of the documentation: the main window with a file open, the report
// window with a tag count, and the tag selection dialog with its standard choice. Runs on the
// offscreen platform; every box is answered with OK.
//   plovena_schermafdruk GEDCOM-BESTAND UITMAP
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "ui/PV_HoofdFormulier.h"
#include "ui/PV_RapportFormulier.h"
#include "ui/PV_TagSelectieFormulier.h"
#include "ui/dialogen.h"
#include "ui/vensters.h"

namespace {
class StilleDialogen : public plovena::Dialogen {
 public:
  plovena::Antwoord Bericht(plovena::BerichtSoort, const std::string&) override {
    return plovena::Antwoord::Ja;
  }
  bool Onverwacht(const std::string& t) override {
    std::fprintf(stderr, "fout: %s\n", t.c_str());
    return true;
  }
  std::optional<QString> OpenBestand(const QString&, const QString&, const QString&,
                                     const QString&) override {
    return {};
  }
  std::optional<QString> BewaarBestand(const QString&, const QString&, const QString&) override { return {}; }
  void OpenUrl(const QUrl&) override {}
};

bool Bewaar(QWidget* w, const QString& pad) {
  const bool ok = w->grab().save(pad, "PNG");
  std::fprintf(stderr, "%s %s\n", ok ? "geschreven:" : "MISLUKT:", qPrintable(pad));
  return ok;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plovena"));
  if (argc < 3) {
    std::fprintf(stderr, "gebruik: plovena_schermafdruk GEDCOM-BESTAND UITMAP\n");
    return 2;
  }
  const QString bestand = QString::fromLocal8Bit(argv[1]);
  const QDir uit(QString::fromLocal8Bit(argv[2]));
  StilleDialogen dialogen;
  plovena::Vensters v(dialogen, QDir::temp().filePath(QStringLiteral("plovena-schermafdruk.ini")));
  plovena::THoofdFormulier* hoofd = v.HoofdFormulier.get();
  hoofd->show();
  hoofd->OpenBestandVeilig(QFileInfo(bestand).absoluteFilePath());
  if (!hoofd->Staat().bestandIngelezen) {
    std::fprintf(stderr, "kan %s niet openen\n", argv[1]);
    return 1;
  }
  app.processEvents();
  bool ok = Bewaar(hoofd, uit.filePath(QStringLiteral("hoofdvenster.png")));
  hoofd->Actie(plovena::OpdrachtId::TagsAnalyseren)->trigger();
  app.processEvents();
  if (v.RapportFormulier->isVisible())
    ok = Bewaar(v.RapportFormulier.get(), uit.filePath(QStringLiteral("rapportvenster.png"))) && ok;
  else
    std::fprintf(stderr, "geen rapport getoond\n"), ok = false;
  hoofd->Actie(plovena::OpdrachtId::TagsVerwijderen)->trigger();
  app.processEvents();
  if (v.TagSelectieFormulier->isVisible()) {
    v.TagSelectieFormulier->BtnPreset1Click();
    ok = Bewaar(v.TagSelectieFormulier.get(), uit.filePath(QStringLiteral("tagselectie.png"))) && ok;
  }
  return ok ? 0 : 1;
}
