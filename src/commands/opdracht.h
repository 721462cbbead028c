#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document/regel.h"
#include "document/werkbestand.h"

namespace plovena {

// The progress window as the walks see it. The GUI shows a bar; the CLI does nothing.
class Voortgang {
 public:
  virtual ~Voortgang() = default;
  virtual void Toon(std::string_view titel, int maximum) = 0;  // ToonVoortgang
  virtual void Stap() = 0;                                    // one step of the bar
  virtual void Verberg() = 0;                                 // VerbergVoortgang
};

class GeenVoortgang final : public Voortgang {
 public:
  void Toon(std::string_view, int) override {}
  void Stap() override {}
  void Verberg() override {}
};

// Line-driven protocol: step when the index is a multiple of (line count div 40), the count
// taken at the moment of the test. With fewer than 40 lines the interval is 0: step every pass.
inline bool IsStapmoment(std::size_t index, std::size_t aantalRegels) noexcept {
  const std::size_t interval = aantalRegels / 40;
  return interval == 0 || index % interval == 0;
}
inline void StapRegel(Voortgang& v, std::size_t index, std::size_t aantalRegels) {
  if (IsStapmoment(index, aantalRegels)) v.Stap();
}

// Shows the bar for the lifetime of the guard and hides it however the walk ends (also when it
// throws), so the window never stays behind.
class VoortgangsVenster {
 public:
  VoortgangsVenster(Voortgang& v, std::string_view titel, int maximum) : v_(v) { v_.Toon(titel, maximum); }
  ~VoortgangsVenster() { Sluit(); }
  void Sluit() {
    if (open_) {
      open_ = false;
      v_.Verberg();
    }
  }
  VoortgangsVenster(const VoortgangsVenster&) = delete;
  VoortgangsVenster& operator=(const VoortgangsVenster&) = delete;

 private:
  Voortgang& v_;
  bool open_ = true;
};

// The state every command shares.
struct Toestand {
  Werkbestand werkbestand;
  std::string inputbestandsnaam;  // full path as chosen
  bool bestandIngelezen = false;
  std::string bronprogramma;      // from the detection at open or reload
  std::string lastDelTags;        // last-used tag selection
};

enum class BerichtSoort { Waarschuwing, Fout, Informatie, Bevestiging, Gewoon };

// What a command hands back to its front end.
struct Resultaat {
  enum class Soort {
    Niets,    // the user declined, or the command shows its own window (the tag dialog)
    Bericht,  // a message box
    Rapport,  // the report window
  };
  Soort soort = Soort::Niets;
  BerichtSoort berichtSoort = BerichtSoort::Informatie;
  std::string tekst;         // message text (LF CR breaks)
  Regellijst rapport;        // report lines
  std::string kop;           // report caption prefix
  bool geweigerd = false;    // refused or stopped: the CLI exits 1
  bool ververs = false;      // the document changed: refresh the main view (ToonWerkbestand)
  bool zetUit = false;       // disable the command's own button and menu item

  static Resultaat Bericht(BerichtSoort s, std::string tekst) {
    Resultaat r;
    r.soort = Soort::Bericht;
    r.berichtSoort = s;
    r.tekst = std::move(tekst);
    return r;
  }
  static Resultaat Rapport(Regellijst regels, std::string kop) {
    Resultaat r;
    r.soort = Soort::Rapport;
    r.rapport = std::move(regels);
    r.kop = std::move(kop);
    return r;
  }
};

// A command stopped by an error in the document (the tag combinations on a level that is no
// digit): the front end shows the text as an error; the CLI exits 1.
class OpdrachtFout : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a command asks of its front end while it runs.
class Omgeving {
 public:
  virtual ~Omgeving() = default;
  // A Yes/No confirmation; true only for Yes (closing the box counts as No).
  virtual bool Bevestig(const std::string& vraag) = 0;
  virtual Voortgang& Balk() = 0;  // the progress window
  // The tag removal's choice: the GUI shows the selection dialog (and returns Niets), the CLI
  // selects from its --tags text and runs the removal, or only lists the tags.
  virtual Resultaat KiesTags(Toestand& t, std::vector<std::string> tags) = 0;
  // A front end that prints a report as it is made (the CLI) takes the lines here, so that a
  // report as large as the document is never held in memory; the walk then hands back an
  // empty report. The GUI keeps reports whole.
  virtual bool StroomtRapport() const { return false; }
  virtual void RapportRegel(std::string_view /*regel*/) {}
};

// Collects a report's lines, or passes them straight on where the front end streams them.
class RapportBouwer {
 public:
  RapportBouwer(Omgeving& o, std::size_t verwacht) : o_(o), stroom_(o.StroomtRapport()) {
    if (!stroom_) lijst_.Regels().reserve(verwacht);
  }
  void Regel(std::string_view regel) {
    if (stroom_)
      o_.RapportRegel(regel);
    else
      lijst_.VoegToe(regel);
  }
  Resultaat Klaar(std::string kop) { return Resultaat::Rapport(std::move(lijst_), std::move(kop)); }

 private:
  Omgeving& o_;
  bool stroom_;
  Regellijst lijst_;
};

// A command's walk: everything between the refusal test (done by the front end) and the refresh.
using Uitvoering = std::function<Resultaat(Toestand&, Omgeving&)>;

}  // namespace plovena
