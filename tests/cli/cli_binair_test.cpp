// The real program on the example file, as a user runs it from the shell.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "cli/hulp.h"

namespace plovena::test {
namespace {

struct Lauf {
  int status;
  std::string out;
  std::string err;
};

class CliBinair : public TijdelijkeMap {
 protected:
  // Arguments are quoted for the shell; none of ours holds a single quote.
  Lauf Start(const std::vector<std::string>& args) {
    std::string opdracht = "'" + std::string(PLOVENA_CLI_PATH) + "'";
    for (const auto& a : args) opdracht += " '" + a + "'";
    const fs::path out = Pad("stdout"), err = Pad("stderr");
    opdracht += " >'" + out.string() + "' 2>'" + err.string() + "' </dev/null";
    const int s = std::system(opdracht.c_str());
    EXPECT_TRUE(WIFEXITED(s)) << opdracht;
    return {WEXITSTATUS(s), LeesBytes(out), LeesBytes(err)};
  }
};

constexpr std::string_view kVoorbeeldBron =
    "Informatie over ingelezen bestand\n\nBestandsnaam: voorbeeld.ged\nBronprogramma: HAZA21\n"
    "Programmaversie: 2.3\n";

TEST_F(CliBinair, Bronprogramma) {
  auto r = Start({Voorbeeld(), "bronprogramma"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kVoorbeeldBron);
  EXPECT_EQ(r.err, "");
}

TEST_F(CliBinair, ExitstatussenTweeEnDrie) {
  auto gebruik = Start({});
  EXPECT_EQ(gebruik.status, 2);
  EXPECT_EQ(gebruik.out, "");
  EXPECT_NE(gebruik.err.find("Gebruik: plovena-cli"), std::string::npos);

  auto weg = Start({Pad("ontbreekt.ged").string(), "bronprogramma"});
  EXPECT_EQ(weg.status, 3);
  EXPECT_EQ(weg.err, "Het opgegeven bestand bestaat niet!\n");
}

TEST_F(CliBinair, DocumentNaarStandaarduitvoerHoudtDeBytes) {
  auto r = Start({"-o", "-", Voorbeeld(), "bronprogramma"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, LeesBytes(Voorbeeld()));  // the example is CR LF already
  EXPECT_EQ(r.err, kVoorbeeldBron);
}

TEST_F(CliBinair, AlleOpdrachtenAchterElkaar) {
  const std::string uit = Pad("hersteld.ged").string();
  // clang-format off
  auto r = Start({Voorbeeld(), "-o", uit, "--tags", "_UID", "tags-tellen", "tag-combinaties",
                  "tag-combinaties-gesorteerd", "personen-tellen", "tab-delimited", "tags-lijst",
                  "occu-resi-correctie", "beroepen-samenvoegen", "plaatsen-samenvoegen", "sour-correctie",
                  "note-cont-correctie", "zonder-achternaam", "gezinstags-opschonen", "tags-verwijderen",
                  "bronnen-verwijderen", "inspringen", "bronprogramma"});
  // clang-format on
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string bytes = LeesBytes(uit);
  EXPECT_EQ(bytes.rfind("0 HEAD\r\n1 SOUR HAZA21\r\n", 0), 0u);
  EXPECT_TRUE(bytes.ends_with("\r\n0 TRLR\r\n"));
  for (const char* weg : {"//", "_UID", "2 SOUR S3", "@S4@ SOUR", "WITN", "1 OCCU\r\n"}) {
    EXPECT_EQ(bytes.find(weg), std::string::npos) << weg;
  }
  EXPECT_TRUE(r.out.ends_with(kVoorbeeldBron));
}

}  // namespace
}  // namespace plovena::test
