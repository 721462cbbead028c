#include "commands/remove/verwijderen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "commands/opdrachten.h"
#include "document/werkbestand.h"
#include "nepomgeving.h"

namespace plovena {
namespace {

using test::NepOmgeving;
using test::Regels;
using Lijst = std::vector<std::string>;

Toestand MetRegels(const Lijst& regels) {
  Toestand t;
  for (const auto& r : regels) t.werkbestand.VoegToe(r);
  t.bestandIngelezen = true;
  return t;
}

std::string Vraag(std::string_view zin) { return std::string(zin) + "\n\r" + std::string(kDuurtEven); }

// A case written as the document before the walk: lines marked with '~' are the ones the walk
// must remove; the others must stay, in order.
struct Geval {
  std::string naam;
  Lijst regels;
};
Lijst Voor(const Geval& g) {
  Lijst l;
  for (const auto& r : g.regels) l.push_back(r.starts_with('~') ? r.substr(1) : r);
  return l;
}
Lijst Na(const Geval& g) {
  Lijst l;
  for (const auto& r : g.regels)
    if (!r.starts_with('~')) l.push_back(r);
  return l;
}
std::size_t Weg(const Geval& g) { return g.regels.size() - Na(g).size(); }

void ToetsBalk(const NepOmgeving& o, std::string_view titel) {
  ASSERT_EQ(o.balk.toningen.size(), 1u);
  EXPECT_EQ(o.balk.toningen[0].titel, titel);
  EXPECT_EQ(o.balk.toningen[0].maximum, 40);
  EXPECT_EQ(o.balk.verbergingen, 1);
  EXPECT_FALSE(o.balk.zichtbaar);
}

// ---------------------------------------------------------------- BeginBlok

TEST(BeginBlok, IndexNaDeEersteRecordregelVanHetType) {
  struct {
    Lijst regels;
    std::string_view type;
    std::size_t index;
  } gevallen[] = {
      {{"0 @I1@ INDI", "1 NAME a"}, "INDI", 1},
      {{"0 HEAD", "1 SOUR X", "0 @I1@ indi", "0 @I2@ INDI"}, "INDI", 3},
      {{"0 INDI", "0 @I1@ INDI X", "1 @I2@ INDI", "0 @I3@ INDI"}, "INDI", 4},
      {{"  0 @F1@ FAM"}, "FAM", 1},
      {{"0 HEAD", "0 @I1@ INDI"}, "FAM", 2},  // none: the line count
      {{}, "INDI", 0},
  };
  for (const auto& g : gevallen) {
    Toestand t = MetRegels(g.regels);
    EXPECT_EQ(BeginBlok(t.werkbestand, g.type), g.index) << g.regels.size() << " " << g.type;
  }
}

// ---------------------------------------------------------------- collection

const Lijst kVoorbeeld31 = {"0 HEAD",
                            "1 SOUR PROG",
                            "1 CHAR ANSI",
                            "0 @U1@ SUBM",
                            "1 NAME Jan",
                            "1 ADDR Straat 1",
                            "0 @I1@ INDI",
                            "1 NAME Jan /Jansen/",
                            "1 NOTE Eerste regel",
                            "2 CONT tweede regel",
                            "1 BIRT",
                            "2 DATE 1 JAN 1900",
                            "2 NOTE Geboren thuis",
                            "1 ALIA Jantje",
                            "0 @I2@ INDI",
                            "1 NAME Piet /Smit/",
                            "1 ADDR Dorp 2",
                            "2 CITY Ede",
                            "0 TRLR"};

TEST(VerzamelTags, GesorteerdUniekZonderBeschermdeTagsOfVerwijzingen) {
  struct {
    Lijst regels;
    Lijst tags;
  } gevallen[] = {
      {kVoorbeeld31, {"ADDR", "ALIA", "BIRT", "CITY", "CONT", "DATE", "NOTE", "SOUR"}},
      {{"1 NOTE a", "1 _UID b", "1 ADDR c"}, {"_UID", "ADDR", "NOTE"}},
      // Protected tags and their pieces, cross-references, empty tags: never offered.
      {{"0 HEAD", "1 AM x", "1 EAD", "1 FAMC @F1@", "1 ILE", "0 @I1@ INDI", "", "   ", "1", "10 NOTE x",
        "1 MS", "1 NAMES"},
       {"NAMES"}},
      // Lower case is offered upper-cased, once.
      {{"1 note a", "1 NOTE b", "1 Note c"}, {"NOTE"}},
      // Collation-equal tags are one entry, the first met.
      {{"1 _\xC3\xA9N a", "1 _\xC3\x89N b"}, {"_\xC3\xA9N"}},
      {{"1 _\xC3\x89N b", "1 _\xC3\xA9N a"}, {"_\xC3\x89N"}},
  };
  for (const auto& g : gevallen) {
    Toestand t = MetRegels(g.regels);
    EXPECT_EQ(VerzamelTags(t.werkbestand), g.tags) << g.regels.front();
  }
}

TEST(TagsVerwijderen, BiedtDeTagsAanOfMeldtDatErGeenZijn) {
  Toestand t = MetRegels(kVoorbeeld31);
  NepOmgeving o;
  Resultaat r = TagsVerwijderen(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Niets);
  EXPECT_EQ(o.keuzes, 1);
  EXPECT_EQ(o.aangebodenTags, (Lijst{"ADDR", "ALIA", "BIRT", "CITY", "CONT", "DATE", "NOTE", "SOUR"}));
  EXPECT_TRUE(o.vragen.empty());

  Toestand leeg = MetRegels({"0 HEAD", "1 CHAR ANSI", "0 @I1@ INDI", "1 NAME Jan", "1 SEX M", "0 TRLR"});
  NepOmgeving o2;
  r = TagsVerwijderen(leeg, o2);
  EXPECT_EQ(r.soort, Resultaat::Soort::Bericht);
  EXPECT_EQ(r.berichtSoort, BerichtSoort::Gewoon);
  EXPECT_EQ(r.tekst, "Geen tags meer om te verwijderen");
  EXPECT_TRUE(r.geweigerd);
  EXPECT_EQ(o2.keuzes, 0);
  EXPECT_TRUE(o2.balk.toningen.empty());
}

// ---------------------------------------------------------------- selection

TEST(Tagkeuze, VoorkeuzesKiezenOpDeelTekst) {
  const Lijst lijst1 = {"ADDR", "BIRT", "COMM", "DATE", "NOTE", "_UID"};
  EXPECT_EQ(Standaardkeuze(lijst1), (Tagkeuze{true, false, true, false, true, false}));
  EXPECT_EQ(Standaardkeuze({"ORIG", "PLAC", "PAGE", "RFN", "RF", "_WITN"}),
            (Tagkeuze{true, false, false, true, true, true}));

  const Lijst lijst2 = {"_ALIA", "ALIA", "NOTE", "SOUR"};
  EXPECT_EQ(LaatstGebruikt(lijst2, "_ALIA NOTE"), (Tagkeuze{true, true, true, false}));
  EXPECT_EQ(LaatstGebruikt(lijst2, "ALIA"), (Tagkeuze{false, true, false, false}));
  EXPECT_EQ(LaatstGebruikt(lijst2, "_alia note"), (Tagkeuze{false, false, false, false}));
  EXPECT_EQ(LaatstGebruikt(lijst2, ""), std::nullopt);
  EXPECT_EQ(LaatstGebruikt({"EVEN", "OCCU", "RES", "WITN", "EVENT"}, kGezinsTags),
            (Tagkeuze{true, true, true, true, false}));

  // The CLI upper-cases its --tags text first.
  EXPECT_EQ(CliSelectie(lijst2, "_alia note"), (Tagkeuze{true, true, true, false}));
  EXPECT_EQ(CliSelectie(lijst2, "xyz"), (Tagkeuze{false, false, false, false}));
}

TEST(Tagkeuze, SelectieTekst) {
  const Lijst lijst = {"ADDR", "BIRT", "NOTE", "_uid"};
  EXPECT_EQ(SelectieTekst(lijst, {true, false, true, false}), "ADDR NOTE");
  EXPECT_EQ(SelectieTekst(lijst, {false, false, true, true}), " NOTE _UID");
  EXPECT_EQ(SelectieTekst(lijst, {false, false, false, false}), "");
  EXPECT_EQ(SelectieTekst({"\tX", " Y"}, {true, true}), "X  Y");  // only entry 0 loses its blanks
  EXPECT_EQ(SelectieTekst(lijst, {true}), "ADDR");                // missing flags: not chosen
}

TEST(Tagkeuze, VerwijderenZonderKeuzeWaarschuwt) {
  Toestand t = MetRegels(kVoorbeeld31);
  NepOmgeving o;
  Resultaat r = VerwijderingUitvoeren(t, o, {"ADDR", "NOTE"}, {false, false});
  EXPECT_EQ(r.berichtSoort, BerichtSoort::Waarschuwing);
  EXPECT_EQ(r.tekst, "Geen tags of bereik geselecteerd!");
  EXPECT_TRUE(r.geweigerd);
  EXPECT_TRUE(o.vragen.empty());
  EXPECT_EQ(t.werkbestand.Count(), kVoorbeeld31.size());

  r = VerwijderingUitvoeren(t, o, {"ADDR", "NOTE"}, {false, true});
  EXPECT_EQ(r.tekst, "Er zijn 3 regels verwijderd uit het werkbestand.");
  EXPECT_EQ(t.lastDelTags, "NOTE");
}

// ---------------------------------------------------------------- removing selected tags

TEST(GeselecteerdeTagsVerwijderen, UitgewerktVoorbeeld) {
  Toestand t = MetRegels(kVoorbeeld31);
  t.lastDelTags = "OUD";
  NepOmgeving o;
  const Lijst tags = VerzamelTags(t.werkbestand);
  Tagkeuze keuze(tags.size());
  keuze[0] = keuze[6] = true;  // ADDR, NOTE
  ASSERT_EQ(SelectieTekst(tags, keuze), "ADDR NOTE");

  Resultaat r = GeselecteerdeTagsVerwijderen(t, o, SelectieTekst(tags, keuze));
  EXPECT_EQ(o.vragen, (Lijst{Vraag("De geselecteerd tag(s) incl. subtags verwijderen?")}));
  EXPECT_EQ(r.soort, Resultaat::Soort::Bericht);
  EXPECT_EQ(r.berichtSoort, BerichtSoort::Informatie);
  EXPECT_EQ(r.tekst, "Er zijn 5 regels verwijderd uit het werkbestand.");
  EXPECT_TRUE(r.ververs);
  EXPECT_FALSE(r.zetUit);
  EXPECT_FALSE(r.geweigerd);
  EXPECT_EQ(t.lastDelTags, "ADDR NOTE");
  EXPECT_EQ(Regels(t.werkbestand),
            (Lijst{"0 HEAD", "1 SOUR PROG", "1 CHAR ANSI", "0 @U1@ SUBM", "1 NAME Jan", "1 ADDR Straat 1",
                   "0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 BIRT", "2 DATE 1 JAN 1900", "1 ALIA Jantje",
                   "0 @I2@ INDI", "1 NAME Piet /Smit/", "0 TRLR"}));
  ToetsBalk(o, "Voortgang tags verwijderen");
}

TEST(GeselecteerdeTagsVerwijderen, Blokregels) {
  const Geval gevallen[] = {
      {"opeenvolgende blokken", {"0 @I1@ INDI", "~1 NOTE a", "~2 CONT b", "~1 NOTE c", "1 BIRT", "0 TRLR"}},
      {"geneste keuze",
       {"0 @I1@ INDI", "1 BIRT", "2 DATE 1900", "~2 NOTE x", "~3 CONT y", "~3 CONC z", "1 DEAT"}},
      {"deel van een gekozen tag", {"0 @I1@ INDI", "~1 ALIA Jantje", "1 _ALIAS Jan", "~1 LIA"}},
      {"alleen in de kop", {"0 HEAD", "1 _ALIA PROG", "0 @I1@ INDI", "1 NAME Jan"}},
      {"recordregel met gekozen tag",
       {"0 @I1@ INDI", "1 NAME Jan", "~0 _ALIA Ede", "~1 NOTE a", "~2 CONT b", "0 @I2@ INDI"}},
      {"recordregel met verwijzing", {"0 @I1@ INDI", "0 @N1@ NOTE", "~1 NOTE a", "0 TRLR"}},
      {"niveau 10 en dieper",
       {"0 @I1@ INDI", "~1 NOTE a", "10 NOTE abc", "~0 NOTE x", "~10 CONT y", "~1 BIRT", "0 TRLR"}},
      {"lege regels sluiten een blok af", {"0 @I1@ INDI", "~1 NOTE a", "", "   ", "~2 NOTE b", "1 BIRT"}},
      {"blok aan het einde", {"0 @I1@ INDI", "1 NAME Jan", "~1 NOTE a", "~2 CONT b", "~2 CONT c"}},
      {"kleine letters", {"0 @I1@ INDI", "~1 note a", "~2 cont b", "1 BIRT"}},
      {"geen persoon", {"0 HEAD", "1 NOTE a", "0 @F1@ FAM", "1 NOTE b"}},
  };
  for (const auto& g : gevallen) {
    Toestand t = MetRegels(Voor(g));
    NepOmgeving o;
    Resultaat r = GeselecteerdeTagsVerwijderen(t, o, "_ALIA NOTE");
    EXPECT_EQ(Regels(t.werkbestand), Na(g)) << g.naam;
    EXPECT_EQ(r.tekst, "Er zijn " + std::to_string(Weg(g)) + " regels verwijderd uit het werkbestand.")
        << g.naam;
    EXPECT_EQ(t.lastDelTags, "_ALIA NOTE") << g.naam;
  }
}

TEST(GeselecteerdeTagsVerwijderen, NeeLaatAllesStaan) {
  Toestand t = MetRegels(kVoorbeeld31);
  t.lastDelTags = "OUD";
  NepOmgeving o;
  o.antwoorden = {false};
  Resultaat r = GeselecteerdeTagsVerwijderen(t, o, "ADDR NOTE");
  EXPECT_EQ(r.soort, Resultaat::Soort::Niets);
  EXPECT_FALSE(r.ververs);
  EXPECT_EQ(Regels(t.werkbestand), kVoorbeeld31);
  EXPECT_EQ(t.lastDelTags, "OUD");
  EXPECT_TRUE(o.balk.toningen.empty());
}

TEST(GeselecteerdeTagsVerwijderen, NietsGevondenZetTochDeLaatsteSelectie) {
  Toestand t = MetRegels(kVoorbeeld31);
  NepOmgeving o;
  Resultaat r = GeselecteerdeTagsVerwijderen(t, o, " _uid  ");  // as built when entry 0 is not chosen
  EXPECT_EQ(r.tekst, "Er zijn 0 regels verwijderd uit het werkbestand.");
  EXPECT_TRUE(r.ververs);
  EXPECT_EQ(t.lastDelTags, "_UID");
}

TEST(GeselecteerdeTagsVerwijderen, LangeSelectie) {
  // A selection too long to search on every line: each tag's answer is kept, also for tags in
  // lower case, and a long run of tags met only once pushes none of the answers out.
  std::string selectie = "_ALIA NOTE";
  for (int k = 0; k < 20; ++k) selectie += " _X" + std::to_string(k);
  ASSERT_GT(selectie.size(), 64u);

  std::vector<Geval> gevallen = {
      {"kleine letters",
       {"0 @I1@ INDI", "~1 note a", "~2 cont b", "1 BIRT", "~1 Note c", "~1 note d", "1 nam e", "~1 _x1 f",
        "~1 alia g", "1 _alias h", "~1 NOTE i"}},
  };
  const Lijst bekend = {"~1 note a", "~1 Note b", "1 BIRT", "~1 _x5 c", "1 _y d"};
  Geval veel{"veel verschillende tags", {"0 @I1@ INDI"}};
  veel.regels.insert(veel.regels.end(), bekend.begin(), bekend.end());
  for (int k = 0; k < 20000; ++k) veel.regels.push_back("1 _Y" + std::to_string(k));
  veel.regels.insert(veel.regels.end(), bekend.begin(), bekend.end());
  gevallen.push_back(veel);

  for (const auto& g : gevallen) {
    Toestand t = MetRegels(Voor(g));
    NepOmgeving o;
    Resultaat r = GeselecteerdeTagsVerwijderen(t, o, selectie);
    EXPECT_EQ(Regels(t.werkbestand), Na(g)) << g.naam;
    EXPECT_EQ(r.tekst, "Er zijn " + std::to_string(Weg(g)) + " regels verwijderd uit het werkbestand.")
        << g.naam;
  }
}

// ---------------------------------------------------------------- source removal

TEST(BronnenVerwijderen, UitgewerktVoorbeeld) {
  Toestand t = MetRegels({"0 HEAD", "1 SOUR PROG", "0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 BIRT",
                          "2 DATE 1900", "2 SOUR @S1@", "3 PAGE blz. 4", "1 SOUR @S1@", "0 @S1@ SOUR",
                          "1 TITL Doopboek", "1 REPO @R1@", "0 @R1@ REPO", "1 NAME Archief", "0 TRLR"});
  t.lastDelTags = "OUD";
  NepOmgeving o;
  Resultaat r = BronnenVerwijderen(t, o);
  EXPECT_EQ(o.vragen, (Lijst{Vraag("Alle bronnen en de verwijzingen ernaar verwijderen?")}));
  EXPECT_EQ(r.berichtSoort, BerichtSoort::Informatie);
  EXPECT_EQ(r.tekst, "Er zijn 6 regels met bronnen en verwijzingen verwijderd uit het werkbestand.");
  EXPECT_TRUE(r.ververs);
  EXPECT_TRUE(r.zetUit);
  EXPECT_EQ(t.lastDelTags, "OUD");
  EXPECT_EQ(Regels(t.werkbestand),
            (Lijst{"0 HEAD", "1 SOUR PROG", "0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 BIRT", "2 DATE 1900",
                   "0 @R1@ REPO", "1 NAME Archief", "0 TRLR"}));
  ToetsBalk(o, "Voortgang bronnen verwijderen");
}

TEST(BronnenVerwijderen, Bronregels) {
  const Geval gevallen[] = {
      {"bronrecord in kleine letters", {"0 @I1@ INDI", "~0 @S2@ sour", "~1 TITL x", "0 TRLR"}},
      {"tag exact", {"0 @I1@ INDI", "1 _SOUR a", "1 SOURCE b", "~1 sour c", "1 NOTE SOUR x"}},
      {"waarde SOUR", {"0 @I1@ INDI", "1 EVEN", "~2 TYPE Sour", "~3 NOTE x", "2 DATE 1900"}},
      {"vervolgregels",
       {"0 @I1@ INDI", "1 BIRT", "~2 SOUR Kerkboek", "~3 CONC deel 2", "~3 NOTE x", "~4 CONT y", "1 DEAT"}},
      {"twee op een rij", {"0 @I1@ INDI", "~1 SOUR @S1@", "~1 SOUR @S2@", "1 NAME x"}},
      {"niveau 10 en dieper",
       {"0 @I1@ INDI", "~1 SOUR @S1@", "10 CONT a", "~0 @S1@ SOUR", "~10 CONT b", "~1 TITL t", "0 TRLR"}},
      {"bron aan het einde zonder TRLR",
       {"0 @I1@ INDI", "1 NAME x", "~0 @S1@ SOUR", "~1 TITL t", "~2 CONT u"}},
      {"voor de eerste persoon", {"0 HEAD", "1 SOUR P", "0 @S1@ SOUR", "1 TITL t", "0 @I1@ INDI"}},
      {"lege regel", {"0 @I1@ INDI", "~1 SOUR a", "", "~2 SOUR b"}},
  };
  for (const auto& g : gevallen) {
    Toestand t = MetRegels(Voor(g));
    NepOmgeving o;
    Resultaat r = BronnenVerwijderen(t, o);
    EXPECT_EQ(Regels(t.werkbestand), Na(g)) << g.naam;
    EXPECT_EQ(r.tekst, "Er zijn " + std::to_string(Weg(g)) +
                           " regels met bronnen en verwijzingen verwijderd uit het werkbestand.")
        << g.naam;
  }
}

TEST(BronnenVerwijderen, NeeLaatAllesStaan) {
  Toestand t = MetRegels({"0 @I1@ INDI", "1 SOUR a"});
  NepOmgeving o;
  o.antwoorden = {false};
  Resultaat r = BronnenVerwijderen(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Niets);
  EXPECT_FALSE(r.zetUit);
  EXPECT_EQ(t.werkbestand.Count(), 2u);
  EXPECT_TRUE(o.balk.toningen.empty());
}

// ---------------------------------------------------------------- family tag clean-up

TEST(GezinsTagsVerwijderen, UitgewerktVoorbeeld) {
  Toestand t = MetRegels({"0 @I1@ INDI",   "1 NAME Jan /Jansen/",
                          "1 EVEN",        "2 TYPE Verhuizing",
                          "0 @F1@ FAM",    "1 HUSB @I1@",
                          "1 MARR",        "2 DATE 1920",
                          "2 WITN Piet",   "1 RESI",
                          "2 ADDR Dorp 1", "3 CITY Ede",
                          "0 @F2@ FAM",    "1 HUSB @I2@",
                          "1 EVEN",        "2 TYPE Ondertrouw",
                          "0 @S1@ SOUR",   "1 TITL Boek",
                          "0 @F3@ FAM",    "1 OCCU Boer",
                          "0 TRLR"});
  NepOmgeving o;
  Resultaat r = GezinsTagsVerwijderen(t, o);
  EXPECT_EQ(o.vragen, (Lijst{Vraag("De overtollige FAM-tag(s) incl. subtags verwijderen?")}));
  EXPECT_EQ(r.berichtSoort, BerichtSoort::Informatie);
  EXPECT_EQ(r.tekst, "Er zijn 6 regels verwijderd uit het werkbestand.");
  EXPECT_TRUE(r.ververs);
  EXPECT_TRUE(r.zetUit);
  EXPECT_EQ(t.lastDelTags, "EVEN OCCU RESI WITN");
  EXPECT_EQ(Regels(t.werkbestand),
            (Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 EVEN", "2 TYPE Verhuizing", "0 @F1@ FAM",
                   "1 HUSB @I1@", "1 MARR", "2 DATE 1920", "0 @F2@ FAM", "1 HUSB @I2@", "0 @S1@ SOUR",
                   "1 TITL Boek", "0 @F3@ FAM", "1 OCCU Boer", "0 TRLR"}));
  ToetsBalk(o, "Voortgang FAM-tags verwijderen");
}

TEST(GezinsTagsVerwijderen, Gezinsregels) {
  const Geval gevallen[] = {
      {"type in kleine letters", {"0 @F1@ fam", "~1 EVEN", "0 @F2@ fam", "1 EVEN", "0 @F3@ FAM", "1 RESI"}},
      {"afgewisseld met personen",
       {"0 @F1@ FAM", "~1 OCCU x", "0 @I1@ INDI", "1 OCCU y", "0 @F2@ FAM", "1 OCCU z"}},
      {"WITN dieper", {"0 @F1@ FAM", "1 MARR", "~2 WITN a", "~3 NOTE b", "2 DATE c", "1 DIV", "~3 WITN d"}},
      {"opeenvolgend", {"0 @F1@ FAM", "~1 EVEN", "~2 TYPE a", "~1 EVEN", "~2 TYPE b", "0 TRLR"}},
      {"deel of geheel", {"0 @F1@ FAM", "1 EVENT", "1 _WITN", "~1 RES", "~1 ven", "~1 occu"}},
      {"niveau 10 en dieper", {"0 @F1@ FAM", "~1 EVEN", "10 TYPE a", "~1 WITN", "0 TRLR"}},
      {"lege regel", {"0 @F1@ FAM", "~1 EVEN", "", "~2 WITN a", "1 CHIL"}},
      {"blok aan het einde", {"0 @F1@ FAM", "1 HUSB @I1@", "~1 EVEN", "~2 TYPE a"}},
      {"niets voor het eerste gezin", {"0 HEAD", "1 EVEN", "0 @I1@ INDI", "1 RESI", "0 @F1@ FAM", "~1 RESI"}},
      // The first family has no sub-lines: the walk starts on the person's opening line, which
      // ends it there instead of cleaning the person as a family.
      {"gezin zonder regels", {"0 @F1@ FAM", "0 @I1@ INDI", "1 EVEN", "1 OCCU", "0 @F2@ FAM", "1 EVEN"}},
      {"gezinnen zonder regels", {"0 @F1@ FAM", "0 @F2@ FAM", "~1 EVEN", "0 TRLR"}},
      {"geen gezin", {"0 @I1@ INDI", "1 EVEN"}},
  };
  for (const auto& g : gevallen) {
    Toestand t = MetRegels(Voor(g));
    NepOmgeving o;
    Resultaat r = GezinsTagsVerwijderen(t, o);
    EXPECT_EQ(Regels(t.werkbestand), Na(g)) << g.naam;
    EXPECT_EQ(r.tekst, "Er zijn " + std::to_string(Weg(g)) + " regels verwijderd uit het werkbestand.")
        << g.naam;
    EXPECT_EQ(t.lastDelTags, "EVEN OCCU RESI WITN") << g.naam;
  }
}

TEST(GezinsTagsVerwijderen, NeeLaatAllesStaan) {
  Toestand t = MetRegels({"0 @F1@ FAM", "1 EVEN"});
  t.lastDelTags = "OUD";
  NepOmgeving o;
  o.antwoorden = {false};
  Resultaat r = GezinsTagsVerwijderen(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Niets);
  EXPECT_EQ(t.werkbestand.Count(), 2u);
  EXPECT_EQ(t.lastDelTags, "OUD");
  EXPECT_TRUE(o.balk.toningen.empty());
}

// ---------------------------------------------------------------- against the literal walks

// The walks as written, deleting one line at a time at the index, stepping the bar on the
// current count: the one-pass walks must remove the same lines and step the same number of times.
bool Stapmoment(std::size_t i, const Regellijst& wb) {
  const std::size_t interval = wb.Count() / 40;
  return interval == 0 || i % interval == 0;
}
bool Dieper(std::string_view regel, char b) {
  return static_cast<unsigned char>(BepaalNiveau(regel)) > static_cast<unsigned char>(b);
}
std::size_t LetterlijkBegin(const Regellijst& wb, std::string_view type) {
  std::size_t i = 0;
  while (i < wb.Count()) {
    std::string_view r = wb[i++];
    if (BepaalNiveau(r) == '0' && HoofdLetters(BepaalWaarde(r)) == type) return i;
  }
  return i;
}

struct Letterlijk {
  std::size_t weg = 0;
  int stappen = 0;
};

// The literal walks stop at this step when it is set, as a walk does when its bar fails.
int stopBijStap = 0;
struct Gestopt {};
void Tel(Letterlijk& u) {
  if (++u.stappen == stopBijStap) throw Gestopt{};
}

Letterlijk LetterlijkTags(Regellijst& wb, const std::string& selectie) {
  Letterlijk u;
  std::size_t i = LetterlijkBegin(wb, "INDI");
  while (i < wb.Count()) {
    const char l = BepaalNiveau(wb[i]);
    const std::string tag = BepaalTag(wb[i]);
    if (!tag.empty() && selectie.find(tag) != std::string::npos) {
      wb.Verwijder(i), ++u.weg;
      while (i < wb.Count() && Dieper(wb[i], l)) wb.Verwijder(i), ++u.weg;
    } else {
      ++i;
    }
    if (Stapmoment(i, wb)) Tel(u);
  }
  return u;
}

Letterlijk LetterlijkBronnen(Regellijst& wb) {
  Letterlijk u;
  std::size_t i = LetterlijkBegin(wb, "INDI");
  while (i < wb.Count()) {
    const char l = BepaalNiveau(wb[i]);
    if (HoofdLetters(BepaalWaarde(wb[i])) == "SOUR" || BepaalTag(wb[i]) == "SOUR") {
      for (;;) {
        wb.Verwijder(i), ++u.weg;
        if (Stapmoment(i, wb)) Tel(u);
        if (!(i < wb.Count() && Dieper(wb[i], l))) break;
      }
    } else {
      ++i;
      if (Stapmoment(i, wb)) Tel(u);
    }
  }
  return u;
}

Letterlijk LetterlijkGezinnen(Regellijst& wb) {
  Letterlijk u;
  std::size_t i = LetterlijkBegin(wb, "FAM");
  std::string type = "FAM";
  if (i < wb.Count() && BepaalNiveau(wb[i]) == '0') type = BepaalWaarde(wb[i]);
  while (i < wb.Count() && type == "FAM") {
    const char l = BepaalNiveau(wb[i]);
    const std::string tag = BepaalTag(wb[i]);
    if (!tag.empty() && std::string_view(kGezinsTags).find(tag) != std::string_view::npos) {
      wb.Verwijder(i), ++u.weg;
      while (i < wb.Count() && Dieper(wb[i], l)) wb.Verwijder(i), ++u.weg;
    } else {
      ++i;
    }
    if (i >= wb.Count()) break;
    if (BepaalNiveau(wb[i]) == '0') type = BepaalWaarde(wb[i]);
    if (Stapmoment(i, wb)) Tel(u);
  }
  return u;
}

// A document of record-like runs with the lines that make walks go wrong: deep and blank lines,
// lower case, sources by tag and by value, family runs broken by other records.
Lijst Willekeurig(unsigned zaad, std::size_t aantal) {
  std::mt19937 gen(zaad);
  auto kies = [&](std::initializer_list<const char*> uit) {
    return std::string(uit.begin()[std::uniform_int_distribution<std::size_t>(0, uit.size() - 1)(gen)]);
  };
  Lijst l = {"0 HEAD", "1 SOUR PROG", "1 CHAR UTF-8"};
  while (l.size() < aantal) {
    const int soort = std::uniform_int_distribution<int>(0, 9)(gen);
    if (soort < 3) {
      l.push_back(kies({"0 @I1@ INDI", "0 @F1@ FAM", "0 @F2@ fam", "0 @S1@ SOUR", "0 @S2@ sour",
                        "0 @N1@ NOTE", "0 _ALIA x", "0 TRLR", "0 @R1@ REPO"}));
    } else {
      std::string niveau = kies({"1", "1", "1", "2", "2", "3", "4", "10", "9"});
      if (soort == 9) {
        l.push_back(kies({"", "  ", "1", "\x80 x", "2 TYPE Sour"}));
        continue;
      }
      l.push_back(
          niveau + " " +
          kies({"NOTE a", "CONT b", "SOUR @S1@", "sour x", "EVEN", "OCCU Boer", "RESI", "WITN", "RES",
                "EVENT", "_WITN", "NAME Jan", "BIRT", "DATE 1900", "ALIA", "_ALIA", "ADDR x", "note"}));
    }
  }
  return l;
}

struct Uitkomst {
  Lijst regels;
  std::size_t weg;
  int stappen;
  std::string lastDelTags;
};

template <class Walk>
Uitkomst Draai(const Werkbestand& wb, Walk walk) {
  Toestand t;
  t.werkbestand = wb;
  t.bestandIngelezen = true;
  NepOmgeving o;
  Resultaat r = walk(t, o);
  std::size_t weg = std::stoul(r.tekst.substr(std::string_view("Er zijn ").size()));
  return {Regels(t.werkbestand), weg, o.balk.stappen, t.lastDelTags};
}

template <class Walk, class Ref>
void Vergelijk(const Werkbestand& wb, const std::string& naam, Walk walk, Ref ref) {
  Uitkomst snel = Draai(wb, walk);
  Regellijst kopie = wb;
  Letterlijk verwacht = ref(kopie);
  EXPECT_EQ(snel.regels, Regels(kopie)) << naam;
  EXPECT_EQ(snel.weg, verwacht.weg) << naam;
  EXPECT_EQ(snel.stappen, verwacht.stappen) << naam;
}

void VergelijkAlle(const Werkbestand& wb, const std::string& naam) {
  const Lijst tags = VerzamelTags(wb);
  Tagkeuze om(tags.size());
  for (std::size_t i = 0; i < om.size(); i += 2) om[i] = true;
  for (const std::string& selectie :
       {SelectieTekst(tags, om), SelectieTekst(tags, Standaardkeuze(tags)), std::string("_ALIA NOTE")}) {
    Vergelijk(
        wb, naam + " tags " + selectie,
        [&](Toestand& t, Omgeving& o) { return GeselecteerdeTagsVerwijderen(t, o, selectie); },
        [&](Regellijst& l) { return LetterlijkTags(l, selectie); });
  }
  Vergelijk(wb, naam + " bronnen", BronnenVerwijderen, LetterlijkBronnen);
  Vergelijk(wb, naam + " gezinnen", GezinsTagsVerwijderen, LetterlijkGezinnen);
}

TEST(LetterlijkeLoop, GegenereerdeDocumenten) {
  for (unsigned zaad = 1; zaad <= 40; ++zaad) {
    const std::size_t aantal = zaad % 4 == 0 ? 2000 : 10 * zaad;
    Werkbestand wb;
    for (const auto& r : Willekeurig(zaad, aantal)) wb.VoegToe(r);
    VergelijkAlle(wb, "zaad " + std::to_string(zaad));
  }
}

// A bar that fails at its k-th step: the walk stops there, like any unexpected error.
class FalendeBalk : public test::NepVoortgang {
 public:
  explicit FalendeBalk(int k) : k_(k) {}
  void Stap() override {
    test::NepVoortgang::Stap();
    if (stappen == k_) throw std::runtime_error("balk");
  }

 private:
  int k_;
};
class FalendeOmgeving : public test::NepOmgeving {
 public:
  explicit FalendeOmgeving(int k) : falend(k) {}
  Voortgang& Balk() override { return falend; }
  FalendeBalk falend;
};

// Stopped halfway, a walk leaves what the one-at-a-time deletion would have left at that point:
// no line doubled, none lost beyond those already removed, and the bar hidden.
TEST(LetterlijkeLoop, FoutHalverwegeLaatDocumentAlsLetterlijk) {
  for (unsigned zaad = 1; zaad <= 12; ++zaad) {
    Werkbestand wb;
    for (const auto& r : Willekeurig(zaad, 60 + 20 * zaad)) wb.VoegToe(r);
    const std::string selectie = "NOTE _ALIA EVEN";
    struct Geval {
      const char* naam;
      std::function<Resultaat(Toestand&, Omgeving&)> walk;
      std::function<Letterlijk(Regellijst&)> ref;
    } gevallen[] = {
        {"tags", [&](Toestand& t, Omgeving& o) { return GeselecteerdeTagsVerwijderen(t, o, selectie); },
         [&](Regellijst& l) { return LetterlijkTags(l, selectie); }},
        {"bronnen", BronnenVerwijderen, LetterlijkBronnen},
        {"gezinnen", GezinsTagsVerwijderen, LetterlijkGezinnen},
    };
    for (const auto& g : gevallen) {
      for (int k = 1; k <= 45; k += 4) {
        SCOPED_TRACE(std::string(g.naam) + " zaad " + std::to_string(zaad) + " stap " + std::to_string(k));
        Toestand t;
        t.werkbestand = wb;
        FalendeOmgeving o(k);
        bool gestopt = false;
        try {
          g.walk(t, o);
        } catch (const std::runtime_error&) {
          gestopt = true;
        }
        Regellijst kopie = wb;
        stopBijStap = k;
        bool refGestopt = false;
        try {
          g.ref(kopie);
        } catch (Gestopt) {
          refGestopt = true;
        }
        stopBijStap = 0;
        EXPECT_EQ(gestopt, refGestopt);
        EXPECT_EQ(Regels(t.werkbestand), Regels(kopie));
        EXPECT_FALSE(o.falend.zichtbaar);
      }
    }
  }
}

TEST(LetterlijkeLoop, EchteBestanden) {
  const std::filesystem::path map = PLOVENA_TESTDATA_DIR;
  ASSERT_TRUE(std::filesystem::is_directory(map)) << map;
  int gelezen = 0;
  for (const auto& e : std::filesystem::directory_iterator(map)) {
    if (e.path().extension() != ".ged") continue;
    std::ifstream in(e.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    Werkbestand wb;
    if (Ontleed(bytes.str(), wb)) continue;
    VergelijkAlle(wb, e.path().filename().string());
    ++gelezen;
  }
  EXPECT_GT(gelezen, 20);
}

}  // namespace
}  // namespace plovena
