// Start-up of the desktop program: the application, its title, the four windows in their
// order, and the event loop until the main window closes.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/instellingen.h"
#include "ui/dialogen.h"
#include "ui/vensters.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plovena"));
  QApplication::setWindowIcon(plovena::PlovenaIcoon());
  // Ties the windows to the installed desktop file, whose icon a Wayland desktop shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("nl.plovena.Plovena"));
  // The program ends with the main window, even while the report window is still open.
  QApplication::setQuitOnLastWindowClosed(false);

  plovena::QtDialogen dialogen;
  plovena::Vensters vensters(dialogen, plovena::StandaardInstellingenPad());
  plovena::THoofdFormulier* hoofd = vensters.HoofdFormulier.get();
  QObject::connect(hoofd, &plovena::THoofdFormulier::Gesloten, &app, &QCoreApplication::quit);
  hoofd->show();

  // plovena FILE: opened as if chosen in the open dialog, once the window is on screen.
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    const QString naam = QFileInfo(args.at(1)).absoluteFilePath();
    QTimer::singleShot(0, hoofd, [hoofd, naam] { hoofd->OpenBestandVeilig(naam); });
  }
  return app.exec();
}
