#pragma once

// The batch front end: one session as the user would run it in the main window, driven by the
// arguments instead of the mouse.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "commands/opdrachten.h"

namespace plovena {

// Exit statuses.
inline constexpr int kCliGelukt = 0;
inline constexpr int kCliGeweigerd = 1;  // a command refused or stopped
inline constexpr int kCliGebruik = 2;    // wrong arguments: nothing run, nothing written
inline constexpr int kCliBestand = 3;    // the input cannot be opened or the output not written

// The name of the pseudo-command that prints the detection made at open.
inline constexpr std::string_view kCliBronprogramma = "bronprogramma";

// The parsed arguments.
struct CliAanroep {
  std::string invoer;
  std::optional<std::string> uitvoer;  // "-": standard output
  std::optional<std::string> tags;
  std::vector<std::string> opdrachten;
};

// Parses the arguments (without the program name). Returns the reason of a usage error, or an
// empty text when the call is sound: every command name is known, and tags-verwijderen has
// --tags.
std::string LeesAanroep(const std::vector<std::string>& args, CliAanroep& aanroep);

// The short usage text, ending in "\n".
std::string Gebruikstekst();

// A message as the terminal shows it: every LF CR pair becomes "\n", and the text ends in "\n".
void SchrijfBericht(std::ostream& uit, std::string_view tekst);

// Runs one command of the table on t as the main window would with every question answered
// from the CLI entry, and prints its text to tekstUit (unexpected failures to fouten). Returns
// false when the command refused or stopped on an error.
bool VoerOpdrachtUit(const Opdracht& opdracht, const CliNaam& variant, Toestand& t, const std::string& tags,
                     std::ostream& tekstUit, std::ostream& fouten);

// The whole program: args without the program name; out is standard output (also for "-o -"),
// err standard error. Returns the exit status.
int VoerCliUit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace plovena
