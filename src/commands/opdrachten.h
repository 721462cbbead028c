#pragma once

#include <string_view>
#include <vector>

#include "commands/opdracht.h"

namespace plovena {

enum class OpdrachtId {
  BestandOpenen,
  BestandHerladen,
  Zoeken,
  ToonMetInspringing,
  ToonTabDelimited,
  TagsAnalyseren,
  StructuurAnalyseren,
  TelPersonenGezinnen,
  TagsVerwijderen,
  BronnenVerwijderen,
  GezinsTagsVerwijderen,
  BeroepenSamenvoegen,
  PlaatsenSamenvoegen,
  VerwijderHaza21Problemen,
  VerbeterHaza21Bronnen,
  PasNoteTagsAan,
  ZonderAchternaam,
  Klembord,
  BestandOpslaan,
  Afsluiten,
  Help,
  About,
};

enum class Menu { Bestand, Bewerken, Inspecteren, Help };

// How plovena-cli runs a command of the table.
enum class CliModus {
  Gewoon,
  TagsLijst,        // only the collection step of the tag removal: print the entries
  TagsVerwijderen,  // select the entries named by --tags, then remove
};
struct CliNaam {
  std::string_view naam;
  bool antwoord = true;  // the answer to the command's Yes/No question
  CliModus modus = CliModus::Gewoon;
};

// One row of the command table: the texts of its button and menu item, its refusal when no
// file is loaded, and its walk. The GUI, the CLI and the tests all go through this table.
struct Opdracht {
  OpdrachtId id;
  std::string_view handler;      // the main window's handler, e.g. "BestandOpenenClick"
  std::string_view knop;         // button object name
  std::string_view knopTekst;
  std::string_view hint;
  bool hintZichtbaar;
  std::string_view menuItem;     // menu item object name
  Menu menu;
  std::string_view menuTekst;
  std::string_view sneltoets;    // "Ctrl+O", "F1" or empty
  bool geschakeld;               // switched on and off by OptiesAanUit
  bool rechtsBoven;              // one of the two buttons at the top right
  BerichtSoort weigerSoort;      // refusal before a file is loaded (weigerTekst empty: none)
  std::string_view weigerTekst;
  Uitvoering uitvoering;         // empty for the commands the GUI carries out itself
  std::vector<CliNaam> cli;
};

// The table in the order of the buttons: the left column from the top, then the two at the
// top right.
const std::vector<Opdracht>& Opdrachten();
const Opdracht& ZoekOpdracht(OpdrachtId id);
// The command behind a CLI name, or nullptr; variant receives the matching CLI entry.
const Opdracht* ZoekCliOpdracht(std::string_view naam, const CliNaam** variant = nullptr);

// The four menus in order, each with its items; OpdrachtId nullopt-like marker for separators.
struct MenuRegel {
  bool scheiding;
  OpdrachtId id;
};
struct MenuIndeling {
  Menu menu;
  std::string_view titel;
  std::vector<MenuRegel> regels;
};
const std::vector<MenuIndeling>& MenuIndelingen();

// The confirmation every editing command ends its question with.
inline constexpr std::string_view kDuurtEven = "Bij grote bestanden kan dat wel even duren.";

}  // namespace plovena
