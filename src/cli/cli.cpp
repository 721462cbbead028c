#include "cli/cli.h"

#include <exception>
#include <filesystem>
#include <new>
#include <system_error>

#include "commands/remove/verwijderen.h"
#include "document/bronprogramma.h"
#include "document/werkbestand.h"

namespace plovena {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTagsVerwijderen = "tags-verwijderen";

bool IsOptie(std::string_view arg) { return arg.size() > 1 && arg.front() == '-'; }

// The front end's part of a command: the questions, the bar and the tag choice.
class CliOmgeving final : public Omgeving {
 public:
  CliOmgeving(const CliNaam& variant, const std::string& tags, std::ostream& uit)
      : variant_(variant), tags_(tags), uit_(uit) {}

  bool Bevestig(const std::string&) override { return variant_.antwoord; }
  Voortgang& Balk() override { return balk_; }

  Resultaat KiesTags(Toestand& t, std::vector<std::string> tags) override {
    keuzeGemaakt_ = true;
    if (variant_.modus == CliModus::TagsVerwijderen) {
      // The dialog's "Verwijderen" after "Laatst gebruikt" with the --tags text.
      return VerwijderingUitvoeren(t, *this, tags, CliSelectie(tags, tags_));
    }
    // tags-lijst, and any other command that offers tags: the dialog's entries, one per line.
    Regellijst lijst;
    for (const auto& tag : tags) lijst.VoegToe(tag);
    return Resultaat::Rapport(std::move(lijst), "");
  }

  // Reports are printed as they are made, each line followed by "\n".
  bool StroomtRapport() const override { return true; }
  void RapportRegel(std::string_view regel) override { uit_ << regel << '\n'; }

  bool KeuzeGemaakt() const { return keuzeGemaakt_; }

 private:
  const CliNaam& variant_;
  const std::string& tags_;
  std::ostream& uit_;
  GeenVoortgang balk_;
  bool keuzeGemaakt_ = false;
};

void SchrijfResultaat(std::ostream& uit, const Resultaat& r) {
  switch (r.soort) {
    case Resultaat::Soort::Niets:
      break;
    case Resultaat::Soort::Bericht:
      SchrijfBericht(uit, r.tekst);
      break;
    case Resultaat::Soort::Rapport:
      for (std::size_t i = 0; i < r.rapport.Count(); ++i) {
        uit << r.rapport[i] << '\n';
      }
      break;
  }
}

// Opens the input as the open command does; an empty text when it went well.
std::string Open(const std::string& invoer, Toestand& t) {
  t.inputbestandsnaam = invoer;
  std::error_code ec;
  const fs::file_status st = fs::status(invoer, ec);
  // A status that cannot be taken for another reason (no permission on a folder on the way)
  // is left to Laad, whose text names the reason.
  if (st.type() == fs::file_type::not_found || st.type() == fs::file_type::directory) {
    return "Het opgegeven bestand bestaat niet!";
  }
  Werkbestand wb;
  try {
    if (BestandsFout f = Laad(invoer, wb)) return f.tekst;
  } catch (const std::bad_alloc&) {
    return "Onvoldoende geheugen om het bestand " + invoer + " in te lezen.";
  }
  t.werkbestand = std::move(wb);
  t.bestandIngelezen = true;
  return {};
}

// Saves as the save command does, or writes the bytes to standard output for "-".
std::string Sla(const Werkbestand& wb, const std::string& uitvoer, std::ostream& out) {
  try {
    if (uitvoer == "-") {
      const std::string bytes = NaarBytes(wb);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
      if (!out) return "Het werkbestand kan niet naar de standaarduitvoer worden geschreven.";
      return {};
    }
    if (BestandsFout f = Bewaar(wb, uitvoer)) return f.tekst;
  } catch (const std::bad_alloc&) {
    return "Onvoldoende geheugen om het bestand " + uitvoer + " op te slaan.";
  }
  return {};
}

}  // namespace

std::string LeesAanroep(const std::vector<std::string>& args, CliAanroep& aanroep) {
  CliAanroep a;
  bool invoerGezien = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-o" || arg == "--tags") {
      // The next argument is the value, unless it is itself an option ("-" alone is a value).
      if (i + 1 >= args.size() || IsOptie(args[i + 1])) return "Optie " + arg + " zonder waarde.";
      (arg == "-o" ? a.uitvoer : a.tags) = args[++i];
    } else if (IsOptie(arg)) {
      return "Onbekende optie: " + arg;
    } else if (!invoerGezien) {
      // "-" alone is a name like any other: an input file of that name.
      a.invoer = arg;
      invoerGezien = true;
    } else {
      a.opdrachten.push_back(arg);
    }
  }
  if (!invoerGezien) return "Geen invoerbestand opgegeven.";
  if (a.opdrachten.empty()) return "Geen opdracht opgegeven.";
  for (const auto& naam : a.opdrachten) {
    if (naam == kCliBronprogramma) continue;
    if (!ZoekCliOpdracht(naam)) return "Onbekende opdracht: " + naam;
    if (naam == kTagsVerwijderen && !a.tags)
      return "De opdracht tags-verwijderen vraagt --tags \"TAG TAG ...\".";
  }
  aanroep = std::move(a);
  return {};
}

std::string Gebruikstekst() {
  std::string t =
      "Gebruik: plovena-cli [-o UITVOER] [--tags \"TAG TAG ...\"] INVOER OPDRACHT [OPDRACHT ...]\n"
      "  -o UITVOER   het werkbestand na de laatste opdracht opslaan (\"-\": naar de standaarduitvoer)\n"
      "  --tags ...   de tags voor tags-verwijderen\n"
      "Opdrachten:";
  std::size_t kolom = t.size() - t.rfind('\n') - 1;
  auto voegToe = [&](std::string_view naam) {
    if (kolom + 1 + naam.size() > 96) {
      t += "\n ";
      kolom = 1;
    }
    t += ' ';
    t += naam;
    kolom += 1 + naam.size();
  };
  voegToe(kCliBronprogramma);
  for (const auto& o : Opdrachten()) {
    for (const auto& c : o.cli) voegToe(c.naam);
  }
  t += '\n';
  return t;
}

void SchrijfBericht(std::ostream& uit, std::string_view tekst) {
  std::string s;
  s.reserve(tekst.size() + 1);
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    s += tekst[i];
    if (tekst[i] == '\n' && i + 1 < tekst.size() && tekst[i + 1] == '\r') ++i;
  }
  if (s.empty() || s.back() != '\n') s += '\n';
  uit << s;
}

bool VoerOpdrachtUit(const Opdracht& opdracht, const CliNaam& variant, Toestand& t, const std::string& tags,
                     std::ostream& tekstUit, std::ostream& fouten) {
  const std::string naam(variant.naam);
  if (!opdracht.uitvoering) {
    fouten << "De opdracht " << naam << " kan in plovena-cli niet worden uitgevoerd.\n";
    return false;
  }
  // The GUI's general error handler lets the user go on after an unexpected error; so does
  // the CLI: the error is reported, the session continues with the next command.
  try {
    CliOmgeving omgeving(variant, tags, tekstUit);
    Resultaat r = opdracht.uitvoering(t, omgeving);
    SchrijfResultaat(tekstUit, r);
    // Without a choice the collection found no tag to offer: its message is the refusal.
    const bool zonderKeuze = variant.modus != CliModus::Gewoon && !omgeving.KeuzeGemaakt();
    return !r.geweigerd && !zonderKeuze;
  } catch (const OpdrachtFout& e) {
    SchrijfBericht(tekstUit, e.what());
  } catch (const std::bad_alloc&) {
    fouten << "Onvoldoende geheugen: de opdracht " << naam << " is afgebroken.\n";
  } catch (const std::exception& e) {
    fouten << "Onverwachte fout in de opdracht " << naam << ": ";
    SchrijfBericht(fouten, e.what());
  } catch (...) {
    fouten << "Onverwachte fout in de opdracht " << naam << ".\n";
  }
  return false;
}

int VoerCliUit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliAanroep a;
  if (std::string fout = LeesAanroep(args, a); !fout.empty()) {
    err << "plovena-cli: " << fout << '\n' << Gebruikstekst();
    return kCliGebruik;
  }

  Toestand t;
  if (std::string fout = Open(a.invoer, t); !fout.empty()) {
    SchrijfBericht(err, fout);
    return kCliBestand;
  }
  // As after an open in the main window: the detection runs once, here, whether or not its
  // message is asked for.
  const Bronprogrammainfo info = BepaalBronprogramma(t.werkbestand, t.inputbestandsnaam);
  t.bronprogramma = info.bronprogramma;

  // With the document on standard output the texts go to standard error.
  std::ostream& tekstUit = (a.uitvoer && *a.uitvoer == "-") ? err : out;
  const std::string tags = a.tags.value_or("");
  int status = kCliGelukt;
  for (const auto& naam : a.opdrachten) {
    if (naam == kCliBronprogramma) {
      SchrijfBericht(tekstUit, info.tekst);
      continue;
    }
    const CliNaam* variant = nullptr;
    const Opdracht* opdracht = ZoekCliOpdracht(naam, &variant);
    if (!VoerOpdrachtUit(*opdracht, *variant, t, tags, tekstUit, err)) status = kCliGeweigerd;
  }
  tekstUit.flush();

  if (a.uitvoer) {
    if (std::string fout = Sla(t.werkbestand, *a.uitvoer, out); !fout.empty()) {
      SchrijfBericht(err, fout);
      return kCliBestand;
    }
  }
  return status;
}

}  // namespace plovena
