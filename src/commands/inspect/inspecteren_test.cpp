#include "commands/inspect/inspecteren.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/collatie.h"
#include "document/werkbestand.h"
#include "nepomgeving.h"

namespace plovena {
namespace {

using test::Document;
using test::NepOmgeving;
using test::Regels;
using Lijst = std::vector<std::string>;

Toestand MetDocument(std::initializer_list<std::string_view> regels) {
  Toestand t;
  t.werkbestand = Document(regels);
  t.inputbestandsnaam = "/gen/stamboom.ged";
  t.bestandIngelezen = true;
  return t;
}

std::string Nl() { return std::string(NLCR); }

// ---------------------------------------------------------------- tag key

TEST(TagSleutel, TagOfWaardeVanEenRecordregel) {
  struct Geval {
    std::string_view regel, sleutel;
  } gevallen[] = {
      {"0 HEAD", "HEAD"},
      {"1 name Jan", "NAME"},
      {"0 @I1@ INDI", "INDI"},
      {"0 @i9@ indi", "indi"},  // the value keeps its case
      {"0 @N1@ NOTE Dit is een notitie", "NOTE Dit is een notitie"},
      {"0 @I1@", ""},
      {"", ""},          // blank line: empty tag, which is no cross-reference
      {"1", ""},         // only a level
      {"1  @X@ Y", ""},  // two blanks after the level: the tag is empty, not "@X@"
  };
  for (const auto& g : gevallen) EXPECT_EQ(TagSleutel(g.regel), g.sleutel) << g.regel;
}

// ---------------------------------------------------------------- tag count

Toestand TagVoorbeeld() {
  return MetDocument({"0 HEAD", "1 CHAR ANSEL", "0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 _UID 1234",
                      "1 SEX M", "1 NOTE Zie ook NAME", "0 @I2@ INDI", "1 name Piet /Jansen/", "0 TRLR"});
}

TEST(TagsAnalyseren, UitgewerktVoorbeeld) {
  Toestand t = TagVoorbeeld();
  NepOmgeving o;
  Resultaat r = TagsAnalyseren(t, o);

  ASSERT_EQ(o.vragen.size(), 1u);
  EXPECT_EQ(o.vragen[0], "In het werkbestand zijn 8 tags gevonden. " + Nl() +
                             "Het aantal vermeldingen per tag tellen?" + Nl() +
                             "Bij grote bestanden kan dat wel even duren.");
  EXPECT_EQ(r.soort, Resultaat::Soort::Rapport);
  EXPECT_EQ(r.kop, "Plovena - rapport: ");
  EXPECT_FALSE(r.ververs);
  EXPECT_EQ(Regels(r.rapport),
            (Lijst{"_UID\t1", "CHAR\t1", "HEAD\t1", "INDI\t2", "NAME\t2", "NOTE\t1", "SEX\t1", "TRLR\t1"}));

  // One step per entry, the maximum being the number of entries; hidden before the report.
  ASSERT_EQ(o.balk.toningen.size(), 1u);
  EXPECT_EQ(o.balk.toningen[0].titel, "Voortgang tags tellen");
  EXPECT_EQ(o.balk.toningen[0].maximum, 8);
  EXPECT_EQ(o.balk.stappen, 8);
  EXPECT_EQ(o.balk.verbergingen, 1);
  EXPECT_FALSE(o.balk.zichtbaar);
}

TEST(TagsAnalyseren, NeeToontNietsEnTeltNiet) {
  Toestand t = TagVoorbeeld();
  NepOmgeving o;
  o.antwoorden = {false};
  Resultaat r = TagsAnalyseren(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Niets);
  EXPECT_TRUE(o.balk.toningen.empty());
  EXPECT_EQ(o.balk.stappen, 0);
}

TEST(TagsAnalyseren, LeegDocument) {
  Toestand t = MetDocument({});
  NepOmgeving o;
  Resultaat r = TagsAnalyseren(t, o);
  ASSERT_EQ(o.vragen.size(), 1u);
  EXPECT_EQ(o.vragen[0].rfind("In het werkbestand zijn 0 tags gevonden. ", 0), 0u);
  EXPECT_EQ(r.soort, Resultaat::Soort::Rapport);
  EXPECT_EQ(r.rapport.Count(), 0u);
  EXPECT_EQ(o.balk.toningen[0].maximum, 0);
  EXPECT_FALSE(o.balk.zichtbaar);
}

// The report rows of the tag count, straight from the pure pieces.
Lijst TagRapport(std::initializer_list<std::string_view> regels) {
  Werkbestand wb = Document(regels);
  Lijst tags = TagLijst(wb);
  std::vector<std::size_t> aantallen = TelVermeldingen(wb, tags);
  Lijst rijen;
  for (std::size_t k = 0; k < tags.size(); ++k)
    rijen.push_back(tags[k] + "\t" + std::to_string(aantallen[k]));
  return rijen;
}

TEST(TagsAnalyseren, Randgevallen) {
  struct Geval {
    const char* naam;
    std::initializer_list<std::string_view> regels;
    Lijst rapport;
  } gevallen[] = {
      {"hoofdletters maken een tag", {"1 sex M", "1 SEX F", "1 Sex M"}, {"SEX\t3"}},
      // indi is equal to INDI in the collation (not added) and is not exactly INDI (not counted)
      {"recordwaarde houdt haar letters",
       {"0 @I1@ INDI", "0 @I9@ indi", "1 TYPE INDI"},
       {"INDI\t2", "TYPE\t1"}},
      {"de eerst ontmoete tekst blijft", {"0 @I9@ indi", "0 @I1@ INDI"}, {"indi\t1"}},
      {"notitie op de recordregel",
       {"0 @N1@ NOTE Dit is een notitie", "1 CONT verder"},
       {"CONT\t1", "NOTE Dit is een notitie\t1"}},
      // the empty key sorts first and counts every line with an empty value or tag
      {"record zonder waarde",
       {"0 @I1@", "0 HEAD", "1 BIRT", "1 SEX M"},
       {"\t3", "BIRT\t1", "HEAD\t1", "SEX\t1"}},
      {"lege regels en lege tags", {"0 HEAD", "", "   ", "1", "1  X"}, {"\t5", "HEAD\t1"}},
      {"liggend streepje voor cijfers en letters",
       {"0 @X@ 9TAG", "1 ZZZ", "1 _UID 1", "1 AAA", "1 _CUSTOM"},
       {"_CUSTOM\t1", "_UID\t1", "9TAG\t1", "AAA\t1", "ZZZ\t1"}},
      // tag and value both NAME: the line counts once
      {"tag en waarde gelijk", {"1 NAME NAME", "1 NOTE NAME", "1 NAME x"}, {"NAME\t3", "NOTE\t1"}},
      {"waarde telt alleen als geheel",
       {"1 NAME Jan", "1 NOTE Zie ook NAME", "1 NOTE NAME "},
       {"NAME\t2", "NOTE\t2"}},
  };
  for (const auto& g : gevallen) EXPECT_EQ(TagRapport(g.regels), g.rapport) << g.naam;
}

// ---------------------------------------------------------------- indented view

TEST(RegelInspringen, DrieSpatiesPerNiveau) {
  struct Geval {
    std::string_view regel, uit;
  } gevallen[] = {
      {"0 HEAD", "0 HEAD"},
      {"1 SOUR Stamboom", "   1 SOUR Stamboom"},
      {"9 X", std::string_view("                           9 X")},
      {"12 NOTE x", "   12 NOTE x"},            // only the first digit counts
      {"zomaar tekst", "zomaar tekst"},         // no level: no indentation
      {"\t2 DATE 1820 ", "      2 DATE 1820"},  // the tab makes way for the indentation
      {"1 CONC met spatie \r", "   1 CONC met spatie"},
      {"", ""},  // a blank line becomes the empty line
      {" \t \x01", ""},
      {"\xC3\xA9 1 X", "\xC3\xA9 1 X"},  // bytes above 127 stay
  };
  for (const auto& g : gevallen) EXPECT_EQ(RegelInspringen(g.regel), g.uit) << g.regel;
}

TEST(ToonMetInspringing, UitgewerktVoorbeeldLaatHetDocumentGetrimd) {
  Toestand t = MetDocument({"0 HEAD", "1 SOUR Stamboom", "2 VERS 2.1", "0 @N1@ NOTE Eerste deel",
                            "1 CONC met spatie ", "  1 CONT Laatste regel"});
  NepOmgeving o;
  Resultaat r = ToonMetInspringing(t, o);

  EXPECT_EQ(r.soort, Resultaat::Soort::Rapport);
  EXPECT_EQ(r.kop, "Plovena - rapport: ");
  EXPECT_EQ(Regels(r.rapport),
            (Lijst{"0 HEAD", "   1 SOUR Stamboom", "      2 VERS 2.1", "0 @N1@ NOTE Eerste deel",
                   "   1 CONC met spatie", "   1 CONT Laatste regel"}));
  EXPECT_EQ(Regels(t.werkbestand),
            (Lijst{"0 HEAD", "1 SOUR Stamboom", "2 VERS 2.1", "0 @N1@ NOTE Eerste deel", "1 CONC met spatie",
                   "1 CONT Laatste regel"}));
  EXPECT_FALSE(r.ververs);  // the main view keeps the document as last shown
  EXPECT_FALSE(r.zetUit);
  EXPECT_TRUE(o.vragen.empty());
  EXPECT_TRUE(o.balk.toningen.empty());
}

TEST(ToonMetInspringing, TweemaalGeeftHetzelfdeRapport) {
  Toestand t = MetDocument({"\t0 HEAD\t", "1 X", "", "  ", "12 NOTE x", "tekst"});
  NepOmgeving o;
  Lijst eerste = Regels(ToonMetInspringing(t, o).rapport);
  Lijst document = Regels(t.werkbestand);
  EXPECT_EQ(document, (Lijst{"0 HEAD", "1 X", "", "", "12 NOTE x", "tekst"}));
  EXPECT_EQ(Regels(ToonMetInspringing(t, o).rapport), eerste);
  EXPECT_EQ(Regels(t.werkbestand), document);
  EXPECT_EQ(t.werkbestand.Tekst(), "0 HEAD\r\n1 X\r\n\r\n\r\n12 NOTE x\r\ntekst\r\n");
}

TEST(ToonMetInspringing, KopieVanHetDocumentBlijftOngemoeid) {
  // The main view holds a copy; trimming the document must not change it.
  Toestand t = MetDocument({"  0 HEAD  ", " 1 X "});
  Regellijst kopie = t.werkbestand;
  NepOmgeving o;
  ToonMetInspringing(t, o);
  EXPECT_EQ(Regels(kopie), (Lijst{"  0 HEAD  ", " 1 X "}));
  EXPECT_EQ(Regels(t.werkbestand), (Lijst{"0 HEAD", "1 X"}));
}

TEST(ToonMetInspringing, LeegDocument) {
  Toestand t = MetDocument({});
  NepOmgeving o;
  Resultaat r = ToonMetInspringing(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Rapport);
  EXPECT_EQ(r.rapport.Count(), 0u);
}

// ---------------------------------------------------------------- tag combinations

TEST(CombinatieInkorten, SnijdtElementenAfEnLaatDeTabStaan) {
  struct Geval {
    std::string_view in;
    int n;
    std::string_view uit;
  } gevallen[] = {
      {"HEAD\tSOUR\tVERS", 1, "HEAD\tSOUR\t"},
      {"HEAD\tSOUR\tVERS", 2, "HEAD\t"},
      {"HEAD\tSOUR\tVERS", 9, "HEAD\t"},  // the record-level element stays
      {"HEAD", 1, "HEAD"},
      {"HEAD\t", 1, "HEAD\t"},  // an empty last element is one element
      {"HEAD\t\t", 1, "HEAD\t\t"},
      {"HEAD\t\t", 2, "HEAD\t"},
      {"\tDATE", 1, "\t"},  // an empty first element stays, and only that
      {"\tDATE\tX", 1, "\tDATE\t"},
      {"\tDATE\tX", 2, "\t"},
      {"A\t\tB", 1, "A\t\t"},
      {"A\t\tB", 2, "A\t"},
      {"", 3, ""},
      {"\t", 1, "\t"},
      {"\t\t", 1, "\t\t"},
      {"A\tB", 0, "A\tB"},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(CombinatieInkorten(g.in, g.n), g.uit)
        << testing::PrintToString(std::string(g.in)) << " " << g.n;
}

TEST(CombinatieInkorten, GeenLengtegrens) {
  const std::string lang(300, 'x'), langer(1000, 'y');
  EXPECT_EQ(CombinatieInkorten(lang + "\t" + langer + "\tZ", 1), lang + "\t" + langer + "\t");
  EXPECT_EQ(CombinatieInkorten(lang + "\t" + langer + "\tZ", 2), lang + "\t");
}

Toestand CombinatieVoorbeeld() {
  return MetDocument({"0 HEAD", "1 SOUR Stamboom", "2 VERS 2.1", "1 CHAR ANSEL", "0 @I1@ INDI",
                      "1 NAME Jan /Jansen/", "2 GIVN Jan", "1 BIRT", "2 DATE 1820", "2 PLAC Ede", "1 SEX M",
                      "0 @I2@ INDI", "1 NAME Piet /Jansen/", "1 SEX M", "0 @F1@ FAM", "0 TRLR"});
}

const std::string kVoorbeeldVraag = "Bestand verwerkt" + std::string(NLCR) + std::string(NLCR) +
                                    "Aantal regels: 16" + std::string(NLCR) + "Aantal combinaties: 9" +
                                    std::string(NLCR) + std::string(NLCR) + "Overzicht sorteren op alfabet?";

TEST(StructuurAnalyseren, UitgewerktVoorbeeldInVolgordeVanVastleggen) {
  Toestand t = CombinatieVoorbeeld();
  NepOmgeving o;
  o.antwoorden = {false};
  Resultaat r = StructuurAnalyseren(t, o);

  ASSERT_EQ(o.vragen.size(), 1u);
  EXPECT_EQ(o.vragen[0], kVoorbeeldVraag);
  EXPECT_EQ(r.soort, Resultaat::Soort::Rapport);
  EXPECT_EQ(r.kop, "Plovena - rapport: ");
  EXPECT_EQ(Regels(r.rapport),
            (Lijst{"HEAD\tSOUR\tVERS", "HEAD\tCHAR", "INDI\tNAME\tGIVN", "INDI\tBIRT\tDATE",
                   "INDI\tBIRT\tPLAC", "INDI\tSEX", "INDI\tNAME", "FAM", "TRLR"}));

  ASSERT_EQ(o.balk.toningen.size(), 1u);
  EXPECT_EQ(o.balk.toningen[0].titel, "Voortgang tag-combinaties bepalen");
  EXPECT_EQ(o.balk.toningen[0].maximum, 16);
  EXPECT_EQ(o.balk.stappen, 16);
  EXPECT_EQ(o.balk.verbergingen, 1);
  EXPECT_FALSE(o.balk.zichtbaar);
}

TEST(StructuurAnalyseren, UitgewerktVoorbeeldGesorteerd) {
  Toestand t = CombinatieVoorbeeld();
  NepOmgeving o;
  Resultaat r = StructuurAnalyseren(t, o);  // Yes
  EXPECT_EQ(o.vragen.at(0), kVoorbeeldVraag);
  EXPECT_EQ(Regels(r.rapport),
            (Lijst{"FAM", "HEAD\tCHAR", "HEAD\tSOUR\tVERS", "INDI\tBIRT\tDATE", "INDI\tBIRT\tPLAC",
                   "INDI\tNAME", "INDI\tNAME\tGIVN", "INDI\tSEX", "TRLR"}));
}

Lijst Combinaties(std::initializer_list<std::string_view> regels, bool sorteren = false) {
  GeenVoortgang v;
  CombinatieLijst lijst = TagCombinaties(Document(regels), v);
  if (sorteren) lijst.Sorteer();
  return lijst.Lijst();
}

TEST(TagCombinaties, Randgevallen) {
  const std::string lang(400, 'N');
  const std::string langeRegel = "1 " + lang;
  struct Geval {
    const char* naam;
    std::initializer_list<std::string_view> regels;
    Lijst combinaties;
  } gevallen[] = {
      {"twee records zonder onderliggende regels", {"0 @F1@ FAM", "0 TRLR"}, {"FAM", "TRLR"}},
      {"niveausprong",
       {"0 @I1@ INDI", "2 DATE 1820", "1 SEX M", "0 TRLR"},
       {"INDI\tDATE", "INDI\tSEX", "TRLR"}},
      {"notitie op de recordregel",
       {"0 @N1@ NOTE Tekst hier", "1 CONT meer", "0 TRLR"},
       {"NOTE Tekst hier\tCONT", "TRLR"}},
      {"tags in hoofdletters",
       {"0 @I1@ INDI", "1 sex M", "0 @I2@ INDI", "1 SEX M", "0 TRLR"},
       {"INDI\tSEX", "TRLR"}},
      // equal in the collation: one entry, as first met
      {"recordwaarden die alleen in letters verschillen",
       {"0 @I1@ indi", "1 SEX M", "0 @I2@ INDI", "1 SEX M", "0 TRLR"},
       {"indi\tSEX", "TRLR"}},
      // an empty first element: the cut keeps it and never glues two keys together
      {"eerste regel boven niveau 0", {"1 X", "1 Y", "0 TRLR"}, {"\tX", "\tY", "TRLR"}},
      {"record zonder waarde",
       {"0 @I1@", "1 NAME a", "2 GIVN a", "1 SEX M", "0 TRLR"},
       {"\tNAME\tGIVN", "\tSEX", "TRLR"}},
      {"lege tag met onderliggende regels",
       {"0 HEAD", "1", "2", "2 X", "1 Y", "0 TRLR"},
       {"HEAD\t\t", "HEAD\t\tX", "HEAD\tY", "TRLR"}},
      // the pending combination is tested like every other one
      {"laatste combinatie al bekend", {"0 @I1@ INDI", "1 SEX M", "0 @I2@ INDI", "1 SEX F"}, {"INDI\tSEX"}},
      {"leeg document", {}, {""}},
      {"alleen lege regels", {"", "  "}, {""}},
      // blank lines are passed over; the first line after them starts the combination
      {"lege regels vooraan", {"", " \t", "0 HEAD", "1 CHAR X", "0 TRLR"}, {"HEAD\tCHAR", "TRLR"}},
      {"lege regel houdt het vorige niveau",
       {"0 HEAD", "1 SOUR X", "", "2 VERS 1", "", "1 CHAR Y", "0 TRLR"},
       {"HEAD\tSOUR\tVERS", "HEAD\tCHAR", "TRLR"}},
      {"lege tags", {"0 HEAD", "1", "1  X", "0 TRLR"}, {"HEAD\t", "TRLR"}},
      {"tweecijferig niveau telt als eerste cijfer", {"0 HEAD", "12 NOTE x", "0 TRLR"}, {"HEAD\t", "TRLR"}},
      {"lange combinatie",
       {"0 HEAD", langeRegel, "2 A", "1 B", "0 TRLR"},
       {"HEAD\t" + lang + "\tA", "HEAD\tB", "TRLR"}},
  };
  for (const auto& g : gevallen) EXPECT_EQ(Combinaties(g.regels), g.combinaties) << g.naam;
}

TEST(TagCombinaties, SorterenInDeLijstcollatie) {
  // underscore before digits before letters; case ignored
  EXPECT_EQ(Combinaties({"0 @X@ zzz", "0 @Y@ 123", "0 _UID", "0 @W@ abc", "0 ABD", "0 @Z@ Abc"}, true),
            (Lijst{"_UID", "123", "abc", "ABD", "zzz"}));
  EXPECT_EQ(Combinaties({"0 A", "1 _X", "1 B", "1 1"}, true), (Lijst{"A\t_X", "A\t1", "A\tB"}));
}

TEST(StructuurAnalyseren, FoutNiveauStoptMetRegelnummer) {
  Toestand t = MetDocument({"0 HEAD", "", "x CHAR ANSEL", "0 TRLR"});
  const Lijst voor = Regels(t.werkbestand);
  NepOmgeving o;
  try {
    StructuurAnalyseren(t, o);
    FAIL() << "geen fout";
  } catch (const OpdrachtFout& f) {
    EXPECT_EQ(
        std::string(f.what()),
        "Fout in regel 3: het niveau \"x\" is geen cijfer. De tag-combinaties kunnen niet worden bepaald.");
  }
  EXPECT_TRUE(o.vragen.empty());
  ASSERT_EQ(o.balk.toningen.size(), 1u);
  EXPECT_EQ(o.balk.toningen[0].maximum, 4);
  EXPECT_EQ(o.balk.stappen, 2);  // the two lines before it
  EXPECT_EQ(o.balk.verbergingen, 1);
  EXPECT_FALSE(o.balk.zichtbaar);
  EXPECT_EQ(Regels(t.werkbestand), voor);
}

TEST(TagCombinaties, FoutNiveauNoemtGeenVreemdeBytes) {
  GeenVoortgang v;
  try {
    TagCombinaties(Document({"\xC3\xA9 X"}), v);
    FAIL() << "geen fout";
  } catch (const OpdrachtFout& f) {
    EXPECT_EQ(std::string(f.what()),
              "Fout in regel 1: het niveau is geen cijfer. De tag-combinaties kunnen niet worden bepaald.");
  }
}

TEST(StructuurAnalyseren, LeegDocument) {
  Toestand t = MetDocument({});
  NepOmgeving o;
  Resultaat r = StructuurAnalyseren(t, o);
  EXPECT_EQ(o.vragen.at(0), "Bestand verwerkt" + Nl() + Nl() + "Aantal regels: 0" + Nl() +
                                "Aantal combinaties: 1" + Nl() + Nl() + "Overzicht sorteren op alfabet?");
  EXPECT_EQ(Regels(r.rapport), (Lijst{""}));
  EXPECT_EQ(o.balk.toningen.at(0).maximum, 0);
  EXPECT_FALSE(o.balk.zichtbaar);
}

TEST(StructuurAnalyseren, LegeRegelsZettenDeBalkToch) {
  Toestand t = MetDocument({"", "0 HEAD", "", "1 X", ""});
  NepOmgeving o;
  StructuurAnalyseren(t, o);
  EXPECT_EQ(o.balk.toningen.at(0).maximum, 5);
  EXPECT_EQ(o.balk.stappen, 5);
  EXPECT_NE(o.vragen.at(0).find("Aantal regels: 5"), std::string::npos);
}

// ---------------------------------------------------------------- record count

TEST(TelPersonenGezinnen, UitgewerktVoorbeeld) {
  Toestand t = MetDocument({"0 HEAD", "0 @I1@ INDI", "1 NAME Jan", "0 @I2@ indi", "0 @F1@ FAM", "1 HUSB @I1@",
                            "0 @S1@ SOUR", "1 SOUR @S1@", "0 @N1@ NOTE", "0 INDI", "0 TRLR"});
  NepOmgeving o;
  Resultaat r = TelPersonenGezinnen(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Bericht);
  EXPECT_EQ(r.berichtSoort, BerichtSoort::Informatie);
  EXPECT_EQ(r.tekst, "Resultaat telling" + Nl() + Nl() + "2 personen" + Nl() + "1 gezinnen" + Nl() +
                         "1 bronnen" + Nl());
  EXPECT_FALSE(r.ververs);
  EXPECT_TRUE(o.vragen.empty());

  ASSERT_EQ(o.balk.toningen.size(), 1u);
  EXPECT_EQ(o.balk.toningen[0].titel, "Voortgang tellen personen en gezinnen");
  EXPECT_EQ(o.balk.toningen[0].maximum, 40);
  EXPECT_EQ(o.balk.stappen, 11);  // fewer than 40 lines: a step on every line
  EXPECT_EQ(o.balk.verbergingen, 1);
  EXPECT_FALSE(o.balk.zichtbaar);
}

TEST(TelRecords, WatEenRecordregelIs) {
  struct Geval {
    std::string_view regel;
    std::size_t personen, gezinnen, bronnen;
  } gevallen[] = {
      {"0 @I1@ INDI", 1, 0, 0},
      {"  0 @I1@ INDI", 1, 0, 0},
      {"0 @i1@ Indi", 1, 0, 0},
      {"0 @F1@ fam", 0, 1, 0},
      {"0 @S1@ SOUR", 0, 0, 1},
      {"0 @I1@  INDI", 0, 0, 0},
      {"0 @I1@ INDI x", 0, 0, 0},
      {"1 @I1@ INDI", 0, 0, 0},
      {"0 INDI", 0, 0, 0},
      {"0  @I1@ INDI", 0, 0, 0},
      {"0", 0, 0, 0},
      {"", 0, 0, 0},
      {"0 @I1@ INDIVIDUAL", 0, 0, 0},
      {"0 @I1@", 0, 0, 0},
  };
  for (const auto& g : gevallen) {
    GeenVoortgang v;
    RecordTelling r = TelRecords(Document({g.regel}), v);
    EXPECT_EQ(r.personen, g.personen) << g.regel;
    EXPECT_EQ(r.gezinnen, g.gezinnen) << g.regel;
    EXPECT_EQ(r.bronnen, g.bronnen) << g.regel;
  }
}

TEST(TelRecords, VoortgangPerVeertigsteDeel) {
  struct Geval {
    std::size_t regels;
    int stappen, positie;
  } gevallen[] = {{0, 0, 0},    {39, 39, 39},  {40, 40, 40},  {80, 40, 40},
                  {81, 41, 40}, {100, 50, 40}, {1000, 40, 40}};
  for (const auto& g : gevallen) {
    Werkbestand wb;
    for (std::size_t i = 0; i < g.regels; ++i) wb.VoegToe("1 X");
    test::NepVoortgang balk;
    balk.Toon("t", 40);
    TelRecords(wb, balk);
    EXPECT_EQ(balk.stappen, g.stappen) << g.regels;
    EXPECT_EQ(balk.positie, g.positie) << g.regels;
  }
}

// ---------------------------------------------------------------- tab-delimited view

TEST(TabRegel, NiveauTagWaarde) {
  struct Geval {
    std::string_view regel, rij;
  } gevallen[] = {
      {"0 HEAD", "0\tHEAD\t"},
      {"0 @i1@ INDI", "0\t@I1@\tINDI"},  // no swap for record lines
      {"1 name Jan /Jansen/", "1\tNAME\tJan /Jansen/"},
      {"1 BIRT", "1\tBIRT\t"},
      {"2 CONC met spatie", "2\tCONC\tmet spatie"},
      {"2 CONC  tekst", "2\tCONC\t tekst"},
      {"  1 SEX M  ", "1\tSEX\tM"},
      {"1 NAME\tJan", "1\tNAME\tJAN\t"},
      {"12 NOTE x", "1\t\tNOTE x"},
      {"", " \t\t"},  // a blank line: its level character is the space
      {"   ", " \t\t"},
      {"0", "0\t\t"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(TabRegel(g.regel), g.rij) << g.regel;
}

TEST(ToonTabDelimited, RijPerRegelEnDocumentOngemoeid) {
  Toestand t = MetDocument({"0 HEAD ", "1 name Jan", ""});
  NepOmgeving o;
  Resultaat r = ToonTabDelimited(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Rapport);
  EXPECT_EQ(r.kop, "Plovena - tab delimited file: ");
  EXPECT_EQ(Regels(r.rapport), (Lijst{"0\tHEAD\t", "1\tNAME\tJan", " \t\t"}));
  EXPECT_EQ(Regels(t.werkbestand), (Lijst{"0 HEAD ", "1 name Jan", ""}));
  EXPECT_FALSE(r.ververs);
  EXPECT_TRUE(o.vragen.empty());
  EXPECT_TRUE(o.balk.toningen.empty());

  Toestand leeg = MetDocument({});
  EXPECT_EQ(ToonTabDelimited(leeg, o).rapport.Count(), 0u);
}

// ---------------------------------------------------------------- real files

Werkbestand LaadEcht(const char* naam) {
  Werkbestand wb;
  BestandsFout f = Laad(std::filesystem::path(PLOVENA_TESTDATA_DIR) / naam, wb);
  EXPECT_FALSE(f) << f.tekst;
  return wb;
}

// The counts of the sources list of the test files.
TEST(TelRecords, EchteBestanden) {
  struct Geval {
    const char* bestand;
    std::size_t personen, gezinnen;
  } gevallen[] = {
      {"royal92.ged", 3010, 1422},
      {"tgc551lf.ged", 15, 7},
      {"kennedy-easytree.ged", 69, 19},
      {"pres2020.ged", 2322, 1115},
      {"555sample16le.ged", 3, 2},
      {"aldfaer-tudors.ged", 95, 57},
      {"willis-ftm-utf16be-nobom.ged", 761, 293},
      {"not-gedcom-html-page.ged", 0, 0},
  };
  for (const auto& g : gevallen) {
    GeenVoortgang v;
    RecordTelling r = TelRecords(LaadEcht(g.bestand), v);
    EXPECT_EQ(r.personen, g.personen) << g.bestand;
    EXPECT_EQ(r.gezinnen, g.gezinnen) << g.bestand;
  }
}

// The slow methods, literally: one pass over the document per entry, and a scan of the list
// for every recorded combination. The fast ones must give the same results.
std::vector<std::size_t> TelTraag(const Regellijst& regels, const Lijst& tags) {
  std::vector<std::size_t> aantallen;
  for (const std::string& e : tags) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < regels.Count(); ++i)
      if (BepaalTag(regels[i]) == e || BepaalWaarde(regels[i]) == e) ++n;
    aantallen.push_back(n);
  }
  return aantallen;
}

bool Gelijk(const std::string& a, const std::string& b) { return Collatie::Standaard().Vergelijk(a, b) == 0; }

TEST(TagsAnalyseren, SnelGelijkAanTraagOpEchteBestanden) {
  for (const char* bestand : {"tgc551lf.ged", "allged.ged", "maximal70.ged", "humo-genealogy-test.ged"}) {
    Werkbestand wb = LaadEcht(bestand);
    Lijst tags = TagLijst(wb);
    ASSERT_FALSE(tags.empty()) << bestand;
    for (std::size_t k = 1; k < tags.size(); ++k)
      EXPECT_TRUE(Collatie::Standaard().Kleiner(tags[k - 1], tags[k])) << bestand << ": " << tags[k];
    // every key of the document is equal to exactly one entry
    for (std::size_t i = 0; i < wb.Count(); ++i) {
      std::string s = TagSleutel(wb[i]);
      int treffers = 0;
      for (const std::string& e : tags) treffers += Gelijk(s, e);
      EXPECT_EQ(treffers, 1) << bestand << " regel " << i + 1;
    }
    EXPECT_EQ(TelVermeldingen(wb, tags), TelTraag(wb, tags)) << bestand;
  }
}

TEST(TagCombinaties, SnelGelijkAanTraagOpEchteBestanden) {
  for (const char* bestand : {"tgc551lf.ged", "allged.ged", "maximal70.ged"}) {
    Werkbestand wb = LaadEcht(bestand);
    GeenVoortgang v;
    Lijst snel = TagCombinaties(wb, v).Lijst();

    // The walk again with the slow duplicate test.
    Lijst traag;
    auto toevoegen = [&](const std::string& c) {
      for (const std::string& e : traag)
        if (Gelijk(c, e)) return;
      traag.push_back(c);
    };
    std::string huidig;
    int vorige = 0;
    for (std::size_t i = 0; i < wb.Count(); ++i) {
      const int niveau = BepaalNiveau(wb[i]) - '0';
      const std::string sleutel = TagSleutel(wb[i]);
      if (niveau > vorige) {
        huidig += "\t" + sleutel;
      } else if (i == 0) {
        huidig = sleutel;
      } else {
        toevoegen(huidig);
        huidig = niveau == 0 ? sleutel : CombinatieInkorten(huidig, vorige - niveau + 1) + sleutel;
      }
      vorige = niveau;
    }
    toevoegen(huidig);
    EXPECT_EQ(snel, traag) << bestand;
  }
}

TEST(TagCombinaties, HtmlPaginaStoptMetFout) {
  GeenVoortgang v;
  EXPECT_THROW(TagCombinaties(LaadEcht("not-gedcom-html-page.ged"), v), OpdrachtFout);
}

}  // namespace
}  // namespace plovena
