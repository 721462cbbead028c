#include "gui_test.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <map>

namespace plovena::test {

namespace {
std::map<std::string, Maker>& Tests() {
  static std::map<std::string, Maker> t;
  return t;
}
}  // namespace

Registratie::Registratie(const char* naam, Maker maak) { Tests()[naam] = std::move(maak); }

QString SchrijfBestand(const QTemporaryDir& dir, const QString& naam, const QByteArray& inhoud) {
  const QString pad = dir.filePath(naam);
  QFile f(pad);
  if (!f.open(QIODevice::WriteOnly) || f.write(inhoud) != inhoud.size())
    qFatal("kan %s niet schrijven", qPrintable(pad));
  return pad;
}

QByteArray LeesBestand(const QString& pad) {
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray("(niet te lezen)");
  return f.readAll();
}

}  // namespace plovena::test

// plovena_gui_test [Klasse] [Qt Test options]
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plovena"));
  QApplication::setQuitOnLastWindowClosed(false);
  QStringList args = QApplication::arguments();
  std::vector<std::string> namen;
  if (args.size() > 1 && !args.at(1).startsWith(QLatin1Char('-'))) {
    namen.push_back(args.at(1).toStdString());
    args.removeAt(1);
  } else {
    for (const auto& [naam, maak] : plovena::test::Tests()) namen.push_back(naam);
  }
  int fouten = 0;
  for (const auto& naam : namen) {
    auto it = plovena::test::Tests().find(naam);
    if (it == plovena::test::Tests().end()) {
      std::fprintf(stderr, "onbekende testklasse %s\n", naam.c_str());
      return 2;
    }
    auto object = it->second();
    fouten += QTest::qExec(object.get(), args);
  }
  return fouten == 0 ? 0 : 1;
}
