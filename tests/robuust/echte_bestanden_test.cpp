// Every command of the table on every real file, each on a fresh copy as the main window runs it
// after an open, with the checks the fuzz target makes; and the CLI on every real file with all
// commands in a row. The table of what each command did is written to PLOVENA_ROBUUST_TABEL.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "commands/opdrachten.h"
#include "document/bronprogramma.h"
#include "document/werkbestand.h"
#include "fuzz/invarianten.h"
#include "robuust/proces.h"

namespace plovena::test {
namespace {

std::vector<fs::path> EchteBestanden() {
  std::vector<fs::path> uit;
  for (const auto& e : fs::directory_iterator(PLOVENA_TESTDATA_DIR))
    if (e.path().extension() == ".ged") uit.push_back(e.path());
  std::sort(uit.begin(), uit.end());
  return uit;
}

std::vector<const Opdracht*> MetUitvoering() {
  std::vector<const Opdracht*> uit;
  for (const auto& o : Opdrachten())
    if (o.uitvoering) uit.push_back(&o);
  return uit;
}

// One cell: lines that went and came (a rewritten line is one of each), "=" for an unchanged
// document, or how the command ended by design.
std::string Cel(const std::vector<std::string>& voor, const Toestand& na, const Resultaat& r) {
  if (r.geweigerd) return "geweigerd";
  const fuzz::Verschil v = fuzz::Vergelijk(voor, na.werkbestand);
  if (v.weg == 0 && v.bij == 0) return "=";
  std::string c = "-" + std::to_string(v.weg);
  if (v.bij) c += " +" + std::to_string(v.bij);
  return c;
}

TEST(EchteBestanden, ElkeOpdrachtOpElkBestand) {
  const auto bestanden = EchteBestanden();
  ASSERT_GE(bestanden.size(), 30u);
  const auto opdrachten = MetUitvoering();

  std::ofstream tabel(PLOVENA_ROBUUST_TABEL);
  tabel << "| bestand | regels |";
  for (const Opdracht* o : opdrachten)
    tabel << ' '
          << (o->id == OpdrachtId::TagsVerwijderen ? "tags-verwijderen (standaardkeuze)"
                                                   : o->cli.front().naam)
          << " |";
  tabel << "\n|---|---|";
  for (std::size_t i = 0; i < opdrachten.size(); ++i) tabel << "---|";
  tabel << '\n';

  for (const fs::path& p : bestanden) {
    SCOPED_TRACE(p.filename().string());
    Toestand basis;
    const BestandsFout f = Laad(p, basis.werkbestand);
    ASSERT_FALSE(f) << f.tekst;
    basis.inputbestandsnaam = p.string();
    basis.bestandIngelezen = true;
    basis.bronprogramma = BepaalBronprogramma(basis.werkbestand, basis.inputbestandsnaam).bronprogramma;
    const std::vector<std::string> voor = fuzz::Kopie(basis.werkbestand);
    tabel << "| " << p.filename().string() << " | " << voor.size() << " |";

    for (const Opdracht* o : opdrachten) {
      SCOPED_TRACE(std::string(o->handler));
      Toestand t = basis;
      fuzz::ControleOmgeving omgeving;  // Yes to every question; the tag dialog's standard choice
      std::string cel;
      try {
        const Resultaat r = o->uitvoering(t, omgeving);
        EXPECT_EQ(fuzz::ControleerResultaat(o->id, voor, t, r, omgeving), "");
        cel = Cel(voor, t, r);
      } catch (const OpdrachtFout& e) {
        // By design only the tag combinations stop, on a level that is no digit.
        EXPECT_EQ(fuzz::ControleerFout(o->id, voor, t, omgeving), "") << e.what();
        cel = "stopt";
      } catch (const std::exception& e) {
        ADD_FAILURE() << "onverwachte fout: " << e.what();
        cel = "FOUT";
      }
      EXPECT_TRUE(fuzz::Gelijk(voor, basis.werkbestand)) << "the copy changed the original";
      tabel << ' ' << cel << " |";
    }
    tabel << '\n';
  }
  std::cout << "Tabel: " << PLOVENA_ROBUUST_TABEL << '\n';
}

// The real program with all commands in a row on each file: exit 0 or 1, never a crash nor an
// unexpected error, and what it saves opens again.
TEST(EchteBestanden, CliMetAlleOpdrachten) {
  std::string sjabloon = (fs::temp_directory_path() / "plovena-echt-XXXXXX").string();
  ASSERT_NE(::mkdtemp(sjabloon.data()), nullptr);
  const fs::path map = sjabloon;
  std::vector<std::string> opdrachten{"--tags", "NOTE _UID", "bronprogramma"};
  for (const auto& o : Opdrachten())
    for (const auto& c : o.cli) opdrachten.emplace_back(c.naam);

  for (const fs::path& p : EchteBestanden()) {
    SCOPED_TRACE(p.filename().string());
    std::vector<std::string> args{p.string(), "-o", (map / "uit.ged").string()};
    args.insert(args.end(), opdrachten.begin(), opdrachten.end());
    const Afloop a = StartCli(args, map);
    EXPECT_TRUE(a.status == 0 || a.status == 1) << "status " << a.status << ", signaal " << a.signaal;
    EXPECT_EQ(a.err, "");
    Werkbestand wb;
    const BestandsFout f = Laad(map / "uit.ged", wb);
    EXPECT_FALSE(f) << f.tekst;
  }
  std::error_code ec;
  fs::remove_all(map, ec);
}

}  // namespace
}  // namespace plovena::test
