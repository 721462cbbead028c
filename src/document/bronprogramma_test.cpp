#include "document/bronprogramma.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace plovena {
namespace {

Regellijst Document(const std::vector<std::string>& regels) {
  Regellijst r;
  for (const auto& regel : regels) r.VoegToe(regel);
  return r;
}

std::string Verwacht(const std::string& naam, const std::string& bron, std::optional<std::string> versie) {
  std::string t =
      "Informatie over ingelezen bestand\n\r\n\rBestandsnaam: " + naam + "\n\rBronprogramma: " + bron;
  if (versie) t += "\n\rProgrammaversie: " + *versie;
  return t;
}

std::vector<std::string> LangeKop(std::size_t sourIndex) {
  std::vector<std::string> r = {"0 HEAD"};
  while (r.size() < sourIndex) r.push_back("2 NOTE kop");
  r.push_back("1 SOUR Lang");
  r.push_back("2 VERS 9");
  return r;
}

TEST(Bronprogramma, Gevallen) {
  const std::optional<std::string> geen;
  const struct {
    const char* wat;
    std::vector<std::string> regels;
    std::string bron;
    std::optional<std::string> versie;
  } gevallen[] = {
      {"standaardkop", {"0 HEAD", "1 SOUR Pro-Gen", "2 VERS 3.21", "1 CHAR ANSI"}, "PRO-GEN", "3.21"},
      {"kleine letters", {"0 HEAD", "1 sour pro-gen", "2 vers 3.21a Beta"}, "PRO-GEN", "3.21a Beta"},
      {"waarde met versie", {"0 HEAD", "1 SOUR PRO-GEN 3.21"}, "PRO-GEN 3.21", geen},
      {"andere regel voor VERS", {"0 HEAD", "1 SOUR HAZA21", "2 NAME Haza", "2 VERS 1"}, "HAZA21", geen},
      {"geen SOUR voor het volgende record",
       {"0 HEAD", "1 CHAR UTF-8", "0 @I1@ INDI", "1 SOUR X"},
       "ONBEKEND",
       "ONBEKEND"},
      {"record met SOUR als type", {"0 HEAD", "0 @S1@ SOUR", "1 SOUR X"}, "ONBEKEND", "ONBEKEND"},
      {"diepere SOUR eerst", {"0 HEAD", "1 GEDC", "2 SOUR Diep", "1 SOUR Hoog", "2 VERS 2"}, "DIEP", geen},
      {"eerste regel geen kop", {"0 @I1@ INDI", "1 SOUR abc", "2 VERS x"}, "ABC", "x"},
      {"eerste regel zelf SOUR", {"1 SOUR Eerst", "2 VERS 1"}, "EERST", "1"},
      {"VERS op elk niveau", {"0 HEAD", "1 SOUR A", "0 VERS 7"}, "A", "7"},
      {"SOUR zonder waarde", {"0 HEAD", "1 SOUR", "2 VERS"}, "", ""},
      {"waarde met spatie vooraan", {"0 HEAD", "1 SOUR  x"}, " X", geen},
      {"lege regel in de kop", {"0 HEAD", "", "   ", "1 SOUR Na Leeg"}, "NA LEEG", geen},
      {"leeg document", {}, "ONBEKEND", "ONBEKEND"},
      {"alleen de kop", {"0 HEAD", "1 CHAR ANSEL"}, "ONBEKEND", "ONBEKEND"},
      {"SOUR als laatste regel", {"0 HEAD", "1 SOUR Laatst"}, "LAATST", geen},
      {"SOUR op index 255", LangeKop(255), "LANG", "9"},
      {"SOUR op index 256", LangeKop(256), "ONBEKEND", "ONBEKEND"},
      {"SOUR op index 255 als laatste regel",
       [] {
         auto r = LangeKop(255);
         r.pop_back();
         return r;
       }(),
       "LANG", geen},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.wat);
    Bronprogrammainfo info = BepaalBronprogramma(Document(g.regels), "/home/jan/stamboom.ged");
    EXPECT_EQ(info.bronprogramma, g.bron);
    EXPECT_EQ(info.tekst, Verwacht("stamboom.ged", g.bron, g.versie));
  }
}

TEST(Bronprogramma, Bestandsnaamdeel) {
  const Regellijst doc = Document({"0 HEAD", "1 SOUR X"});
  EXPECT_EQ(BepaalBronprogramma(doc, "C:\\Gen\\a.ged").tekst, Verwacht("a.ged", "X", std::nullopt));
  EXPECT_EQ(BepaalBronprogramma(doc, "b.ged").tekst, Verwacht("b.ged", "X", std::nullopt));
  EXPECT_EQ(BepaalBronprogramma(doc, "").tekst, Verwacht("", "X", std::nullopt));
}

}  // namespace
}  // namespace plovena
