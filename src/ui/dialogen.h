#pragma once

#include <QString>
#include <QUrl>
#include <optional>
#include <string>

#include "commands/opdracht.h"

class QWidget;

namespace plovena {

enum class Antwoord { Ok, Ja, Nee };

// Every message box, file dialog and shell call of the program goes through here, so the tests
// can answer them and read their exact texts.
class Dialogen {
 public:
  virtual ~Dialogen() = default;
  // A box of the given kind: Bevestiging asks Yes/No (closing it counts as No), the others have
  // one OK button; Gewoon has no icon. The text uses LF CR for its line breaks.
  virtual Antwoord Bericht(BerichtSoort soort, const std::string& tekst) = 0;
  // An unexpected error inside a command: true to go on, false to end the program.
  virtual bool Onverwacht(const std::string& tekst) = 0;
  // File dialogs: the chosen full path, nothing when cancelled. naam presets the name field;
  // the open dialog starts in map unless it is empty.
  virtual std::optional<QString> OpenBestand(const QString& titel, const QString& naam, const QString& filter,
                                             const QString& map) = 0;
  virtual std::optional<QString> BewaarBestand(const QString& titel, const QString& naam,
                                               const QString& filter) = 0;
  // Hands a file to the desktop (the help file).
  virtual void OpenUrl(const QUrl& url) = 0;
};

// The real boxes and dialogs, on top of the active window.
class QtDialogen : public Dialogen {
 public:
  Antwoord Bericht(BerichtSoort soort, const std::string& tekst) override;
  bool Onverwacht(const std::string& tekst) override;
  std::optional<QString> OpenBestand(const QString& titel, const QString& naam, const QString& filter,
                                     const QString& map) override;
  std::optional<QString> BewaarBestand(const QString& titel, const QString& naam,
                                       const QString& filter) override;
  void OpenUrl(const QUrl& url) override;
};

// A message text as the screen shows it: each LF CR pair becomes one line break.
QString SchermTekst(const std::string& tekst);

}  // namespace plovena
