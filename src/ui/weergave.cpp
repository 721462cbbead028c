#include "ui/weergave.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include "ui/regelweergave.h"

namespace plovena {

QFont Lettertype(const QString& familie, int pixels, bool vet) {
  QFont f(familie);
  f.setPixelSize(pixels);
  f.setBold(vet);
  return f;
}

QFont VensterLettertype(int pixels, bool vet) {
  QFont f;
  f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans Narrow"),
                 QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Sans Serif")});
  f.setPixelSize(pixels);
  f.setBold(vet);
  return f;
}

void MaakMemoOp(Regelweergave& memo, const QColor& achtergrond) {
  QFont f = Lettertype(QStringLiteral("Courier New"), 12);
  f.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
  f.setFixedPitch(true);
  if (!QFontInfo(f).fixedPitch()) {
    f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPixelSize(12);
  }
  memo.setFont(f);
  QPalette p = memo.palette();
  p.setColor(QPalette::Base, achtergrond);
  p.setColor(QPalette::Text, Qt::black);
  memo.setPalette(p);
}

void NaarVoren(QWidget& venster, bool activeer) {
  venster.show();
  // The offscreen platform of the tests has no stacking order.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  venster.raise();
  if (activeer) venster.activateWindow();
}

std::filesystem::path BestandsPad(const QString& naam) {
  const QByteArray b = QFile::encodeName(naam);
  return std::filesystem::path(std::string(b.constData(), static_cast<std::size_t>(b.size())));
}

}  // namespace plovena
