#include <optional>
#include <string>
#include <vector>

#include "commands/correct/testhulp.h"

namespace plovena::test {
namespace {

using Lijst = std::vector<std::string>;

TEST(VerbeterdeBronregel, Gevallen) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> gevallen = {
      {"2 SOUR S3", "2 SOUR @S3@"},
      {"2 SOUR s3", "2 SOUR @s3@"},
      {"2 SOUR Stadsarchief Ede", "2 SOUR @Stadsarchief Ede@"},
      {"1 SOUR Stamboom", "1 SOUR @Stamboom@"},
      {"1 sour S3", "1 SOUR @S3@"},
      {"  2 SOUR S3", "2 SOUR @S3@"},
      {"0 SOUR S1", "0 SOUR @S1@"},  // rule A does not look at the level
      {"1 @s4@ sour", "1 SOUR @S4@"},
      {"1 @S4@ SOUR", "1 SOUR @S4@"},
      {"1 SOUR @S3@", std::nullopt},
      {"2 SOUR Bron 3", std::nullopt},
      {"1 SOUR", std::nullopt},
      {"0 @S4@ SOUR", std::nullopt},
      {"1 X SOUR", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [regel, verwacht] : gevallen) EXPECT_EQ(VerbeterdeBronregel(regel), verwacht) << regel;
}

TEST(VerbeterHaza21Bronnen, VoorbeeldVerbetertTwee) {
  const Werkbestand wb =
      Document(Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 BIRT", "2 DATE 1820", "2 SOUR S3",
                     "1 @S4@ SOUR", "2 PAGE blz. 12", "0 @S3@ SOUR", "1 TITL Doopboek Ede"});
  const Uitkomst u = VoerUit(VerbeterHaza21Bronnen, wb, "PRO-GEN 3.0");
  EXPECT_EQ(u.regels, (Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 BIRT", "2 DATE 1820", "2 SOUR @S3@",
                             "1 SOUR @S4@", "2 PAGE blz. 12", "0 @S3@ SOUR", "1 TITL Doopboek Ede"}));
  VerwachtRoute(u, "Afwijkende SOUR-tags verbeteren?", "Voortgang tags verbeteren",
                "Er zijn 2 regels verbeterd in het werkbestand.");
  VerwachtWeigeringNee(VerbeterHaza21Bronnen, wb);
}

TEST(VerbeterHaza21Bronnen, WeigertProGen) {
  const Werkbestand wb = Document(Lijst{"0 HEAD", "1 SOUR PRO-GEN", "2 SOUR S3"});
  const Uitkomst u = VoerUit(VerbeterHaza21Bronnen, wb, "PRO-GEN");
  EXPECT_EQ(u.resultaat.soort, Resultaat::Soort::Bericht);
  EXPECT_EQ(u.resultaat.berichtSoort, BerichtSoort::Informatie);
  EXPECT_EQ(u.resultaat.tekst, "Niet zinvol voor Pro-Gen bestand");
  EXPECT_TRUE(u.resultaat.geweigerd);
  EXPECT_FALSE(u.resultaat.zetUit);
  EXPECT_FALSE(u.resultaat.ververs);
  EXPECT_TRUE(u.omgeving.vragen.empty());
  EXPECT_TRUE(u.omgeving.balk.toningen.empty());
  EXPECT_EQ(u.regels, Regels(wb));
}

TEST(PasNoteTagsAan, VoorbeeldPastDrieAan) {
  const Werkbestand wb = Document(
      Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 NOTE Geboren op de boerderij",
            "1 NOTE van zijn grootvader.", "1 NOTE Later verhuisd naar Ede.", "1 BIRT", "2 DATE 1820",
            "2 NOTE Volgens het doopboek", "3 CONC van Ede", "2 NOTE gedoopt op zondag.", "0 TRLR"});
  const Uitkomst u = VoerUit(PasNoteTagsAan, wb);
  EXPECT_EQ(u.regels,
            (Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 NOTE Geboren op de boerderij",
                   "2 CONT van zijn grootvader.", "2 CONT Later verhuisd naar Ede.", "1 BIRT", "2 DATE 1820",
                   "2 NOTE Volgens het doopboek", "3 CONC van Ede", "3 CONT gedoopt op zondag.", "0 TRLR"}));
  VerwachtRoute(u, "Vervolgregels notities aanpassen (NOTE/CONT)?", "Voortgang tags verwijderen",
                "Er zijn 3 regels aangepast.");
  VerwachtWeigeringNee(PasNoteTagsAan, wb);
}

TEST(PasNoteTagsAan, Randgevallen) {
  struct Geval {
    Lijst voor;
    Lijst na;
  };
  const std::vector<Geval> gevallen = {
      {{"1 NOTE a", "2 CONT b", "1 NOTE c"}, {"1 NOTE a", "2 CONT b", "1 NOTE c"}},
      {{"1 NOTE a", "2 NOTE b", "1 NOTE c"}, {"1 NOTE a", "2 NOTE b", "2 CONT c"}},
      {{"2 NOTE a", "1 NOTE b", "1 NOTE c"}, {"2 NOTE a", "1 NOTE b", "2 CONT c"}},
      {{"1 NOTE a", "  1 note B"}, {"1 NOTE a", "2 CONT B"}},
      {{"1 NOTE a", "1 NOTE"}, {"1 NOTE a", "2 CONT "}},
      {{"1 NOTE @N1@", "1 NOTE @N2@", "0 @N1@ NOTE x", "0 @N2@ NOTE y"},
       {"1 NOTE @N1@", "2 CONT @N2@", "0 @N1@ NOTE x", "0 @N2@ NOTE y"}},
      {{"0 CONC a", "0 NOTE b", "1 NOTE c"}, {"0 CONC a", "0 NOTE b", "1 NOTE c"}},  // G = -1
      {{"9 NOTE a", "9 NOTE b"}, {"9 NOTE a", "10 CONT b"}},
      {{"1 NOTE a", "", "1 NOTE b", "1 NOTE c"}, {"1 NOTE a", "", "1 NOTE b", "2 CONT c"}},
      {{"1 NOTE a", "x NOTE b", "1 NOTE c"}, {"1 NOTE a", "x NOTE b", "1 NOTE c"}},  // no digit: no group
      {{"1 NOTE a", "1 NOTE b"}, {"1 NOTE a", "2 CONT b"}},                          // the end ends the group
      {{"1 NOTE a"}, {"1 NOTE a"}},
  };
  for (const Geval& g : gevallen) {
    const Uitkomst u = VoerUit(PasNoteTagsAan, Document(g.voor));
    EXPECT_EQ(u.regels, g.na) << g.voor[0] << " / " << g.voor.back();
    std::size_t verschil = 0;
    for (std::size_t i = 0; i < g.na.size(); ++i) verschil += g.voor[i] != g.na[i];
    EXPECT_EQ(u.resultaat.tekst, "Er zijn " + std::to_string(verschil) + " regels aangepast.");
  }
}

TEST(NaamMetAchternaam, Gevallen) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> gevallen = {
      {"1 NAME Jan //", "1 NAME Jan /-/"},
      {"1 NAME Jan // ", "1 NAME Jan /-/"},
      {"1 name Jan //", "1 NAME Jan /-/"},
      {"   1 NAME Jan //", "1 NAME Jan /-/"},
      {"1 NAME Jan // jr.", "1 NAME Jan /-/"},
      {"1 NAME Klaas// jr.", "1 NAME Klaas/-/"},
      {"1 NAME Jan ///", "1 NAME Jan /-/"},
      {"1 NAME ///", "1 NAME /-/"},
      {"1 NAME //", "1 NAME /-/"},
      {"1 NAME Jan", std::nullopt},
      {"1 NAME Jan /Jansen/", std::nullopt},
      {"1 NAME Jan / /", std::nullopt},
      {"1 NAME Jan /-/", std::nullopt},
      {"2 NAME Jan //", std::nullopt},
      {"1 NAMES Jan //", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [regel, verwacht] : gevallen) EXPECT_EQ(NaamMetAchternaam(regel), verwacht) << regel;
}

TEST(ZonderAchternaam, VoorbeeldPastDrieAan) {
  const Werkbestand wb = Document(Lijst{"0 @I1@ INDI", "1 NAME Jan //", "0 @I2@ INDI", "1 NAME Piet /Smit/",
                                        "0 @I3@ INDI", "1 NAME Klaas// jr.", "0 @I4@ INDI", "1 NAME //"});
  const Uitkomst u = VoerUit(ZonderAchternaam, wb);
  EXPECT_EQ(u.regels, (Lijst{"0 @I1@ INDI", "1 NAME Jan /-/", "0 @I2@ INDI", "1 NAME Piet /Smit/",
                             "0 @I3@ INDI", "1 NAME Klaas/-/", "0 @I4@ INDI", "1 NAME /-/"}));
  VerwachtRoute(u, "Persoonsnamen zonder achternaam aanpassen?", "Voortgang personen zonder achternaam",
                "Er zijn 3 regels aangepast in het werkbestand.");
  VerwachtWeigeringNee(ZonderAchternaam, wb);
  // Run again on its own result: nothing left to do.
  EXPECT_EQ(VoerUit(ZonderAchternaam, Document(u.regels)).resultaat.tekst,
            "Er zijn 0 regels aangepast in het werkbestand.");
}

// The in-place walks step after every line (or group): 80 lines give an interval of 2, so
// indexes 2, 4, ..., 80 step the bar 40 times; a NOTE run of three lines is one pass.
TEST(Regelcorrecties, Voortgangsstappen) {
  Lijst regels(80, "1 NAME Jan");
  EXPECT_EQ(VoerUit(ZonderAchternaam, Document(regels)).omgeving.balk.stappen, 40);
  EXPECT_EQ(VoerUit(VerbeterHaza21Bronnen, Document(regels)).omgeving.balk.stappen, 40);
  EXPECT_EQ(VoerUit(PasNoteTagsAan, Document(regels)).omgeving.balk.stappen, 40);
  regels[10] = regels[11] = regels[12] = "1 NOTE x";  // one pass 10 -> 13: skips the step at 12
  EXPECT_EQ(VoerUit(PasNoteTagsAan, Document(regels)).omgeving.balk.stappen, 39);
  EXPECT_EQ(VoerUit(ZonderAchternaam, Document(Lijst(5, "1 NAME Jan"))).omgeving.balk.stappen, 5);
}

}  // namespace
}  // namespace plovena::test
