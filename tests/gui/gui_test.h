#pragma once

// The GUI tests: each test class registers itself under its name; the runner executes the one
// named on the command line (all of them without a name).

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogen.h"

namespace plovena::test {

using Maker = std::function<std::unique_ptr<QObject>()>;
struct Registratie {
  Registratie(const char* naam, Maker maak);
};
#define PLOVENA_GUI_TEST(Klasse)                                    \
  static ::plovena::test::Registratie registratie_##Klasse(#Klasse, \
                                                           [] { return std::make_unique<Klasse>(); });

// Answers every box and dialog from queues and keeps what was shown.
class NepDialogen : public Dialogen {
 public:
  struct Melding {
    BerichtSoort soort;
    std::string tekst;
  };
  Antwoord Bericht(BerichtSoort soort, const std::string& tekst) override {
    meldingen.push_back({soort, tekst});
    if (soort != BerichtSoort::Bevestiging) return Antwoord::Ok;
    if (bijVraag) bijVraag();
    if (antwoorden.empty()) return Antwoord::Ja;
    Antwoord a = antwoorden.front();
    antwoorden.pop_front();
    return a;
  }
  bool Onverwacht(const std::string& tekst) override {
    fouten.push_back(tekst);
    return doorgaan;
  }
  std::optional<QString> OpenBestand(const QString& titel, const QString& naam, const QString& filter,
                                     const QString& map) override {
    openVragen.push_back(titel + QLatin1Char('|') + naam + QLatin1Char('|') + filter);
    openMappen.push_back(map);
    return Neem(openKeuzes);
  }
  std::optional<QString> BewaarBestand(const QString& titel, const QString& naam,
                                       const QString& filter) override {
    bewaarVragen.push_back(titel + QLatin1Char('|') + naam + QLatin1Char('|') + filter);
    return Neem(bewaarKeuzes);
  }
  void OpenUrl(const QUrl& url) override { urls.push_back(url); }

  // The texts shown, in order; and the last one.
  std::vector<std::string> Teksten() const {
    std::vector<std::string> t;
    for (const auto& m : meldingen) t.push_back(m.tekst);
    return t;
  }
  std::string Laatste() const {
    return meldingen.empty() ? std::string("(geen melding)") : meldingen.back().tekst;
  }
  void Wis() { meldingen.clear(); }

  std::vector<Melding> meldingen;
  std::deque<Antwoord> antwoorden;  // for Bevestiging; Ja when empty
  std::function<void()> bijVraag;   // runs while a question is asked, i.e. inside a command
  std::vector<std::string> fouten;
  bool doorgaan = true;
  std::deque<QString> openKeuzes, bewaarKeuzes;  // cancelled when empty or for a null QString
  std::vector<QString> openVragen, bewaarVragen;
  std::vector<QString> openMappen;  // the folder each open dialog was to start in
  std::vector<QUrl> urls;

 private:
  static std::optional<QString> Neem(std::deque<QString>& q) {
    if (q.empty()) return std::nullopt;
    const QString k = q.front();
    q.pop_front();
    if (k.isNull()) return std::nullopt;
    return k;
  }
};

// Writes bytes to a file in dir; returns its full path.
QString SchrijfBestand(const QTemporaryDir& dir, const QString& naam, const QByteArray& inhoud);
QByteArray LeesBestand(const QString& pad);

inline const char* Tekst(const std::string& s) { return s.c_str(); }

}  // namespace plovena::test

// Readable failure messages of std::string in QCOMPARE.
namespace std {
inline char* toString(const std::string& s) { return QTest::toString(QString::fromStdString(s)); }
}  // namespace std
