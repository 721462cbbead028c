#include "ui/dialogen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace plovena {

QString SchermTekst(const std::string& tekst) {
  QString t = QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
  t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  return t;
}

Antwoord QtDialogen::Bericht(BerichtSoort soort, const std::string& tekst) {
  QMessageBox box(QApplication::activeWindow());
  box.setText(SchermTekst(tekst));
  switch (soort) {
    case BerichtSoort::Waarschuwing:
      box.setIcon(QMessageBox::Warning);
      box.setWindowTitle(QStringLiteral("Waarschuwing"));
      break;
    case BerichtSoort::Fout:
      box.setIcon(QMessageBox::Critical);
      box.setWindowTitle(QStringLiteral("Fout"));
      break;
    case BerichtSoort::Informatie:
      box.setIcon(QMessageBox::Information);
      box.setWindowTitle(QStringLiteral("Informatie"));
      break;
    case BerichtSoort::Bevestiging:
      box.setIcon(QMessageBox::Question);
      box.setWindowTitle(QStringLiteral("Bevestigen"));
      break;
    case BerichtSoort::Gewoon:
      box.setIcon(QMessageBox::NoIcon);
      box.setWindowTitle(QStringLiteral("Plovena"));
      break;
  }
  if (soort == BerichtSoort::Bevestiging) {
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nee = box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole);
    box.setEscapeButton(nee);  // closing the box counts as No
    box.setDefaultButton(ja);
    box.exec();
    return box.clickedButton() == ja ? Antwoord::Ja : Antwoord::Nee;
  }
  box.addButton(QMessageBox::Ok);
  box.exec();
  return Antwoord::Ok;
}

bool QtDialogen::Onverwacht(const std::string& tekst) {
  QMessageBox box(QApplication::activeWindow());
  box.setIcon(QMessageBox::Critical);
  box.setWindowTitle(QStringLiteral("Plovena - fout"));
  box.setText(SchermTekst(tekst));
  box.setInformativeText(QStringLiteral("Doorgaan met het programma of het programma beëindigen?"));
  QPushButton* door = box.addButton(QStringLiteral("&Doorgaan"), QMessageBox::AcceptRole);
  QPushButton* stop = box.addButton(QStringLiteral("Programma &beëindigen"), QMessageBox::DestructiveRole);
  box.setEscapeButton(door);
  box.setDefaultButton(door);
  box.exec();
  return box.clickedButton() != stop;
}

namespace {
std::optional<QString> Bestandsdialoog(QFileDialog::AcceptMode modus, const QString& titel,
                                       const QString& naam, const QString& filter,
                                       const QString& map = QString()) {
  QFileDialog dlg(QApplication::activeWindow(), titel);
  dlg.setAcceptMode(modus);
  // Any name is accepted: an open of a missing file has its own message, and the program asks
  // about overwriting itself.
  dlg.setFileMode(QFileDialog::AnyFile);
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
  dlg.setNameFilter(filter);
  if (!map.isEmpty()) dlg.setDirectory(map);
  if (!naam.isEmpty()) dlg.selectFile(naam);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().front();
}
}  // namespace

std::optional<QString> QtDialogen::OpenBestand(const QString& titel, const QString& naam,
                                               const QString& filter, const QString& map) {
  return Bestandsdialoog(QFileDialog::AcceptOpen, titel, naam, filter, map);
}

std::optional<QString> QtDialogen::BewaarBestand(const QString& titel, const QString& naam,
                                                 const QString& filter) {
  return Bestandsdialoog(QFileDialog::AcceptSave, titel, naam, filter);
}

void QtDialogen::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace plovena
