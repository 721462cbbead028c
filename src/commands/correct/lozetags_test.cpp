#include <string>
#include <vector>

#include "commands/correct/testhulp.h"

namespace plovena::test {
namespace {

using Lijst = std::vector<std::string>;

TEST(LozeTag, Gevallen) {
  struct Geval {
    Lijst regels;
    std::size_t index;
    bool loos;
  };
  const std::vector<Geval> gevallen = {
      {{"1 OCCU"}, 0, true},
      {{"1 occu "}, 0, true},
      {{"2 OCCU", "3 DATE 1900"}, 0, true},  // any level, sub-lines do not help
      {{"1 OCCU Boer"}, 0, false},
      {{"1 RESI Ede", "1 NAME x"}, 0, true},
      {{"1 RESI", "2 PLAC Ede", "2 DATE 1900", "1 BIRT"}, 0, true},
      {{"1 RESI", "1 ADDR Kerkstraat"}, 0, false},  // the line after the structure counts
      {{"1 RESI", "0 ADDR"}, 0, false},
      {{"1 RESI", "2 DATE 1900", "3 ADDR Kerkstraat 2", "1 BIRT"}, 0, false},
      {{"1 RESI", "2 DATE 1900", "1 BIRT", "2 ADDR x"}, 0, true},
      {{"1 RESI", "2 addr x"}, 0, false},
      {{"1 RESI", "", "2 ADDR x"}, 0, true},  // a blank line ends the structure
      {{"1 RESI", "2 DATE 1900"}, 0, true},   // the end ends the look-ahead
      {{"1 RESI"}, 0, true},
      {{"1 NAME Jan"}, 0, false},
      {{""}, 0, false},
      {{"1 OCCU"}, 1, false},  // past the end
  };
  for (const Geval& g : gevallen) {
    EXPECT_EQ(LozeTag(Document(g.regels), g.index), g.loos) << g.regels[0] << " op " << g.index;
  }
}

TEST(VerwijderHaza21Problemen, VoorbeeldVerwijdertVijf) {
  const Werkbestand wb = Document(Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 OCCU", "2 DATE 1850",
                                        "1 OCCU Landbouwer", "1 RESI", "2 DATE 1880", "2 PLAC Ede", "1 RESI",
                                        "2 ADDR Dorpsstraat 1", "3 CITY Ede", "0 TRLR"});
  const Uitkomst u = VoerUit(VerwijderHaza21Problemen, wb);
  EXPECT_EQ(u.regels, (Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 OCCU Landbouwer", "1 RESI",
                             "2 ADDR Dorpsstraat 1", "3 CITY Ede", "0 TRLR"}));
  VerwachtRoute(u, "Loze OCCU- en RESI- tags verwijderen?", "Voortgang tags verwijderen",
                "Er zijn 5 regels verwijderd uit het werkbestand.");
  VerwachtWeigeringNee(VerwijderHaza21Problemen, wb);
}

// The removal as it reads, deleting in the list itself; with stopBij it stops at that step.
struct Letterlijk {
  Lijst regels;
  std::size_t verwijderd = 0;
  int stappen = 0;
};

Letterlijk LetterlijkVerwijderen(Regellijst wb, int stopBij = 0) {
  Letterlijk uit;
  auto niveau = [&](std::size_t k) { return static_cast<unsigned char>(BepaalNiveau(wb[k])); };
  std::size_t i = 0;
  while (i < wb.Count()) {
    if (LozeTag(wb, i)) {
      const unsigned char eerste = niveau(i);
      wb.Verwijder(i);
      ++uit.verwijderd;
      while (i < wb.Count() && niveau(i) > eerste) {
        wb.Verwijder(i);
        ++uit.verwijderd;
      }
    } else {
      ++i;
    }
    if (IsStapmoment(i, wb.Count()) && ++uit.stappen == stopBij) break;
  }
  uit.regels = Regels(wb);
  return uit;
}

void VergelijkMetLetterlijk(const Werkbestand& wb, const std::string& naam) {
  const Letterlijk ref = LetterlijkVerwijderen(wb);
  const Uitkomst u = VoerUit(VerwijderHaza21Problemen, wb);
  EXPECT_EQ(u.regels, ref.regels) << naam;
  EXPECT_EQ(u.resultaat.tekst,
            "Er zijn " + std::to_string(ref.verwijderd) + " regels verwijderd uit het werkbestand.")
      << naam;
  EXPECT_EQ(u.omgeving.balk.stappen, ref.stappen) << naam;
}

TEST(VerwijderHaza21Problemen, Randgevallen) {
  struct Geval {
    const char* naam;
    Lijst voor;
    Lijst na;
    std::size_t verwijderd;
  };
  const std::vector<Geval> gevallen = {
      {"kleine letters", {"0 @I1@ INDI", "1 occu", "1 OCCU Boer"}, {"0 @I1@ INDI", "1 OCCU Boer"}, 1},
      {"beroep op niveau 2 met onderdelen",
       {"1 MARR", "2 OCCU", "3 DATE 1900", "2 PLAC Ede"},
       {"1 MARR", "2 PLAC Ede"},
       2},
      {"RESI met waarde zonder adres", {"1 RESI Ede", "2 DATE 1900", "1 NAME x"}, {"1 NAME x"}, 2},
      {"RESI gevolgd door ADDR op niveau 1",
       {"1 RESI", "1 ADDR Kerkstraat", "0 TRLR"},
       {"1 RESI", "1 ADDR Kerkstraat", "0 TRLR"},
       0},
      {"ADDR dieper in de structuur",
       {"1 RESI", "2 DATE 1900", "3 ADDR Kerkstraat 2", "0 TRLR"},
       {"1 RESI", "2 DATE 1900", "3 ADDR Kerkstraat 2", "0 TRLR"},
       0},
      {"opeenvolgende loze structuren",
       {"1 OCCU", "1 OCCU", "2 DATE 1", "1 RESI", "2 PLAC x", "0 TRLR"},
       {"0 TRLR"},
       5},
      {"RESI tot het einde", {"0 @I1@ INDI", "1 RESI", "2 DATE 1900", "3 NOTE x"}, {"0 @I1@ INDI"}, 3},
      {"loze OCCU aan het einde", {"0 @I1@ INDI", "1 OCCU", "2 DATE 1900"}, {"0 @I1@ INDI"}, 2},
      {"lege regel stopt de verwijdering", {"1 OCCU", "", "2 DATE 1900"}, {"", "2 DATE 1900"}, 1},
      {"niets te doen", {"0 @I1@ INDI", "1 OCCU Boer"}, {"0 @I1@ INDI", "1 OCCU Boer"}, 0},
  };
  for (const Geval& g : gevallen) {
    const Uitkomst u = VoerUit(VerwijderHaza21Problemen, Document(g.voor));
    EXPECT_EQ(u.regels, g.na) << g.naam;
    EXPECT_EQ(u.resultaat.tekst,
              "Er zijn " + std::to_string(g.verwijderd) + " regels verwijderd uit het werkbestand.")
        << g.naam;
    VergelijkMetLetterlijk(Document(g.voor), g.naam);
  }
}

TEST(VerwijderHaza21Problemen, GelijkAanLetterlijkeWandeling) {
  const std::vector<std::string_view> pool = {
      "0 @I1@ INDI", "1 OCCU",   "1 OCCU Boer", "2 OCCU",   "1 RESI",   "1 RESI Ede", "2 ADDR x",
      "3 ADDR y",    "1 ADDR z", "2 DATE 1900", "3 NOTE x", "4 CONT y", "",           "0 TRLR",
      "1 NAME Jan"};
  for (unsigned zaad = 1; zaad <= 300; ++zaad)
    VergelijkMetLetterlijk(WillekeurigDocument(zaad, pool, 300), "zaad " + std::to_string(zaad));
  const auto bestanden = EchteBestanden();
  EXPECT_GT(bestanden.size(), 20u);
  for (const auto& [naam, wb] : bestanden) VergelijkMetLetterlijk(wb, naam);
}

// An error during the walk leaves the document as the literal walk leaves it at that step.
TEST(VerwijderHaza21Problemen, FoutLaatDocumentAlsLetterlijk) {
  const Werkbestand vast = Document(Lijst{"1 OCCU", "2 DATE 1", "1 NAME Jan", "0 TRLR"});
  EXPECT_EQ(NaBreuk(VerwijderHaza21Problemen, vast, 2), (Lijst{"1 NAME Jan", "0 TRLR"}));
  const std::vector<std::string_view> pool = {"0 @I1@ INDI", "1 OCCU",   "1 OCCU Boer",
                                              "1 RESI",      "2 ADDR x", "2 DATE 1900",
                                              "3 NOTE x",    "",         "1 NAME Jan"};
  for (unsigned zaad = 1; zaad <= 40; ++zaad) {
    const Werkbestand wb = zaad == 1 ? vast : WillekeurigDocument(zaad, pool, 200);
    const int stappen = LetterlijkVerwijderen(wb).stappen;
    for (int k = 1; k <= stappen; ++k)
      ASSERT_EQ(NaBreuk(VerwijderHaza21Problemen, wb, k), LetterlijkVerwijderen(wb, k).regels)
          << "zaad " << zaad << " stap " << k;
  }
}

}  // namespace
}  // namespace plovena::test
