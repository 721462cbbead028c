#include <string>
#include <vector>

#include "commands/correct/testhulp.h"

namespace plovena::test {
namespace {

using Lijst = std::vector<std::string>;

// The merge as it reads step by step, deleting and inserting in the list itself; the walk must
// give the same lines, count and progress steps. With stopBij, it stops at that step as an error
// there would stop it.
struct Letterlijk {
  Lijst regels;
  std::size_t verwijderd = 0;
  int stappen = 0;
};

Letterlijk LetterlijkSamenvoegen(Regellijst wb, bool plaatsen, int stopBij = 0) {
  const std::string tag = plaatsen ? "RESI" : "OCCU";
  Letterlijk uit;
  auto niveau = [&](std::size_t k) { return static_cast<unsigned char>(BepaalNiveau(wb[k])); };
  auto isNul = [&](std::size_t k) { return k < wb.Count() && niveau(k) == '0'; };
  auto trailer = [&](std::size_t k) { return isNul(k) && BepaalTag(wb[k]) == "TRLR"; };
  auto eindPersoon = [&](std::size_t k) {
    return k >= wb.Count() ||
           (isNul(k) && (BepaalWaarde(wb[k]) == "INDI" || BepaalWaarde(wb[k]) == "FAM" || trailer(k)));
  };
  auto eindScan = [&](std::size_t k) {
    return k >= wb.Count() || (isNul(k) && (BepaalWaarde(wb[k]) == "FAM" || trailer(k)));
  };
  std::size_t i = 0;
  while (i < wb.Count()) {
    bool stop;
    if (isNul(i) && BepaalWaarde(wb[i]) == "INDI") {
      std::string samen;
      bool naVerwijdering = false;
      while (true) {
        if (!naVerwijdering) ++i;
        naVerwijdering = false;
        if (i >= wb.Count()) break;
        if (niveau(i) == '1' && BepaalTag(wb[i]) == tag) {
          std::string v;
          if (!plaatsen)
            v = BepaalWaarde(wb[i]);
          else if (i + 2 < wb.Count() && BepaalTag(wb[i + 2]) == "CITY")
            v = BepaalWaarde(wb[i + 2]);
          if (!v.empty()) {
            const std::string opgeslagen = plaatsen ? v : KleineLetters(v);
            if (samen.empty())
              samen = opgeslagen;
            else if (KleineLetters(samen).find(KleineLetters(v)) == std::string::npos)
              samen += ", " + opgeslagen;
          }
          wb.Verwijder(i);
          ++uit.verwijderd;
          while (i < wb.Count() && niveau(i) > '1') {
            wb.Verwijder(i);
            ++uit.verwijderd;
          }
          naVerwijdering = true;
        }
        if (eindPersoon(i)) break;
      }
      stop = eindScan(i);
      if (!samen.empty()) wb.VoegIn(i, "1 " + tag + " " + samen);
    } else {
      stop = eindScan(i);
      ++i;
    }
    if (IsStapmoment(i, wb.Count()) && ++uit.stappen == stopBij) break;
    if (stop) break;
  }
  uit.regels = Regels(wb);
  return uit;
}

Walk WalkVoor(bool plaatsen) { return plaatsen ? PlaatsenSamenvoegen : BeroepenSamenvoegen; }

void VergelijkMetLetterlijk(const Werkbestand& wb, bool plaatsen, const std::string& naam) {
  const Letterlijk ref = LetterlijkSamenvoegen(wb, plaatsen);
  const Uitkomst u = VoerUit(WalkVoor(plaatsen), wb);
  EXPECT_EQ(u.regels, ref.regels) << naam;
  EXPECT_EQ(u.resultaat.tekst,
            "Er zijn " + std::to_string(ref.verwijderd) + " regels verwijderd uit het werkbestand.")
      << naam;
  EXPECT_EQ(u.omgeving.balk.stappen, ref.stappen) << naam;
}

TEST(BeroepenSamenvoegen, VoorbeeldVerwijdertVijfEnKrimptVier) {
  const Werkbestand wb =
      Document(Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 OCCU Landbouwer", "2 DATE 1850", "2 PLAC Ede",
                     "1 BIRT", "2 DATE 1820", "1 OCCU Arbeider", "1 OCCU landbouwer", "0 @I2@ INDI",
                     "1 NAME Piet /Smit/", "0 @F1@ FAM", "1 HUSB @I1@"});
  const Uitkomst u = VoerUit(BeroepenSamenvoegen, wb);
  EXPECT_EQ(u.regels, (Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 BIRT", "2 DATE 1820",
                             "1 OCCU landbouwer, arbeider", "0 @I2@ INDI", "1 NAME Piet /Smit/", "0 @F1@ FAM",
                             "1 HUSB @I1@"}));
  EXPECT_EQ(u.regels.size() + 4, wb.Count());
  VerwachtRoute(u, "De beroepen per persoon samenvoegen?", "Voortgang beroepen samenvoegen",
                "Er zijn 5 regels verwijderd uit het werkbestand.");
  VerwachtWeigeringNee(BeroepenSamenvoegen, wb);
}

TEST(PlaatsenSamenvoegen, VoorbeeldTelTienRegels) {
  const Werkbestand wb = Document(Lijst{
      "0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 RESI", "2 ADDR Dorpsstraat 1", "3 CITY Ede", "2 DATE 1850",
      "1 RESI", "2 ADDR", "3 CITY Arnhem", "1 RESI", "2 ADDR", "3 CITY EDE", "0 @F1@ FAM"});
  const Uitkomst u = VoerUit(PlaatsenSamenvoegen, wb);
  EXPECT_EQ(u.regels, (Lijst{"0 @I1@ INDI", "1 NAME Jan /Jansen/", "1 RESI Ede, Arnhem", "0 @F1@ FAM"}));
  VerwachtRoute(u, "De woonplaatsen per persoon samenvoegen?", "Voortgang plaatsen samenvoegen",
                "Er zijn 10 regels verwijderd uit het werkbestand.");
  VerwachtWeigeringNee(PlaatsenSamenvoegen, wb);
}

struct Geval {
  const char* naam;
  bool plaatsen;
  Lijst voor;
  Lijst na;
  std::size_t verwijderd;
};

TEST(Samenvoegen, Randgevallen) {
  const std::vector<Geval> gevallen = {
      {"een beroep met datum",
       false,
       {"0 @I1@ INDI", "1 OCCU Landbouwer", "2 DATE 1850", "1 NAME Jan", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 NAME Jan", "1 OCCU landbouwer", "0 @F1@ FAM"},
       2},
      {"kleine letters en inspringing",
       false,
       {"0 @I1@ INDI", "   1 occu Boer", "  2 date 1900", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 OCCU boer", "0 @F1@ FAM"},
       2},
      {"deel van een eerder beroep",
       false,
       {"0 @I1@ INDI", "1 OCCU Arbeider", "1 OCCU arbeid", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 OCCU arbeider", "0 @F1@ FAM"},
       2},
      {"eerder beroep deel van later",
       false,
       {"0 @I1@ INDI", "1 OCCU arbeid", "1 OCCU Arbeider", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 OCCU arbeid, arbeider", "0 @F1@ FAM"},
       2},
      {"alleen lege beroepen",
       false,
       {"0 @I1@ INDI", "1 OCCU", "2 DATE 1900", "1 OCCU ", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "0 @F1@ FAM"},
       3},
      {"beroep op niveau 2 blijft",
       false,
       {"0 @I1@ INDI", "1 BIRT", "2 OCCU Boer", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 BIRT", "2 OCCU Boer", "0 @F1@ FAM"},
       0},
      {"kop en records voor de eerste persoon blijven",
       false,
       {"0 HEAD", "1 OCCU Kop", "0 @N1@ NOTE", "1 OCCU Notitie", "0 @I1@ INDI", "1 OCCU Boer", "0 @F1@ FAM"},
       {"0 HEAD", "1 OCCU Kop", "0 @N1@ NOTE", "1 OCCU Notitie", "0 @I1@ INDI", "1 OCCU boer", "0 @F1@ FAM"},
       1},
      {"personen na het eerste gezin blijven",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "0 @F1@ FAM", "0 @I2@ INDI", "1 OCCU Smid", "1 OCCU Bakker", "0 TRLR"},
       {"0 @I1@ INDI", "1 OCCU boer", "0 @F1@ FAM", "0 @I2@ INDI", "1 OCCU Smid", "1 OCCU Bakker", "0 TRLR"},
       1},
      {"gezin zonder verwijzing eindigt niets",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "0 FAM", "1 OCCU Smid", "0 @I2@ INDI", "1 OCCU Bakker", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "0 FAM", "1 OCCU boer, smid", "0 @I2@ INDI", "1 OCCU bakker", "0 @F1@ FAM"},
       3},
      {"notitierecord tussen personen",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "0 @N1@ NOTE", "1 OCCU Smid", "1 CONT x", "0 @I2@ INDI", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "0 @N1@ NOTE", "1 CONT x", "1 OCCU boer, smid", "0 @I2@ INDI", "0 @F1@ FAM"},
       2},
      {"persoon zonder beroep krijgt geen regel",
       false,
       {"0 @I1@ INDI", "1 NAME Jan", "0 @I2@ INDI", "1 OCCU Boer", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 NAME Jan", "0 @I2@ INDI", "1 OCCU boer", "0 @F1@ FAM"},
       1},
      {"lege regel eindigt de onderdelen, niet de persoon",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "", "2 DATE 1900", "1 OCCU Smid", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "", "2 DATE 1900", "1 OCCU boer, smid", "0 @F1@ FAM"},
       2},
      {"trailer eindigt persoon en scan",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "0 TRLR", "0 @I2@ INDI", "1 OCCU Smid"},
       {"0 @I1@ INDI", "1 OCCU boer", "0 TRLR", "0 @I2@ INDI", "1 OCCU Smid"},
       1},
      {"trailer in kleine letters",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "0 trlr"},
       {"0 @I1@ INDI", "1 OCCU boer", "0 trlr"},
       1},
      {"persoon loopt tot het einde",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "1 NAME Jan"},
       {"0 @I1@ INDI", "1 NAME Jan", "1 OCCU boer"},
       1},
      {"onderdelen lopen tot het einde",
       false,
       {"0 @I1@ INDI", "1 OCCU Boer", "2 DATE 1900", "3 NOTE x"},
       {"0 @I1@ INDI", "1 OCCU boer"},
       3},
      {"lege persoon aan het einde", false, {"0 @I1@ INDI"}, {"0 @I1@ INDI"}, 0},
      {"plaatsen met dubbelen",
       true,
       {"0 @I1@ INDI", "1 RESI", "2 ADDR", "3 CITY Ede", "1 RESI", "2 ADDR", "3 CITY Arnhem", "1 RESI",
        "2 ADDR", "3 city EDE", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 RESI Ede, Arnhem", "0 @F1@ FAM"},
       9},
      {"tweede regel onder RESI is geen CITY",
       true,
       {"0 @I1@ INDI", "1 RESI", "2 DATE 1900", "2 PLAC Ede", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "0 @F1@ FAM"},
       3},
      {"CITY direct onder RESI telt niet",
       true,
       {"0 @I1@ INDI", "1 RESI", "2 CITY Ede", "2 DATE 1900", "0 @F1@ FAM"},
       {"0 @I1@ INDI", "0 @F1@ FAM"},
       3},
      {"CITY op elk niveau, ook buiten de structuur",
       true,
       {"0 @I1@ INDI", "1 RESI Zwolle", "1 NAME Jan", "2 CITY Ede", "1 RESI", "2 ADDR", "3 CITY Arnhem",
        "0 @F1@ FAM"},
       {"0 @I1@ INDI", "1 NAME Jan", "2 CITY Ede", "1 RESI Ede, Arnhem", "0 @F1@ FAM"},
       4},
      {"RESI vlak voor het einde", true, {"0 @I1@ INDI", "1 RESI", "2 ADDR"}, {"0 @I1@ INDI"}, 2},
      {"plaats bewaart haar schrijfwijze",
       true,
       {"0 @I1@ INDI", "1 RESI", "2 ADDR", "3 CITY 's-Gravenhage", "0 TRLR"},
       {"0 @I1@ INDI", "1 RESI 's-Gravenhage", "0 TRLR"},
       3},
  };
  for (const Geval& g : gevallen) {
    const Uitkomst u = VoerUit(WalkVoor(g.plaatsen), Document(g.voor));
    EXPECT_EQ(u.regels, g.na) << g.naam;
    EXPECT_EQ(u.resultaat.tekst,
              "Er zijn " + std::to_string(g.verwijderd) + " regels verwijderd uit het werkbestand.")
        << g.naam;
    VergelijkMetLetterlijk(Document(g.voor), g.plaatsen, g.naam);
  }
}

// Random documents large enough for a progress interval above 0, with every line kind that
// matters to the merge, and the real files: the one-pass walk must match the literal one in
// lines, count and progress steps.
TEST(Samenvoegen, GelijkAanLetterlijkeWandeling) {
  const std::vector<std::string_view> pool = {"0 @I1@ INDI",
                                              "0 @I2@ INDI",
                                              "1 NAME Jan",
                                              "1 OCCU Boer",
                                              "1 occu boer",
                                              "1 OCCU Arbeider",
                                              "1 OCCU arbeid",
                                              "1 OCCU",
                                              "2 DATE 1900",
                                              "3 NOTE x",
                                              "1 RESI",
                                              "2 ADDR",
                                              "3 CITY Ede",
                                              "2 CITY Arnhem",
                                              "0 @F1@ FAM",
                                              "0 FAM",
                                              "0 @N1@ NOTE",
                                              "0 TRLR",
                                              "",
                                              "1 BIRT",
                                              "2 OCCU Smid"};
  // Without family and trailer lines the scan runs through the whole document.
  std::vector<std::string_view> doorlopend;
  for (auto r : pool)
    if (r != "0 @F1@ FAM" && r != "0 TRLR") doorlopend.push_back(r);
  for (unsigned zaad = 1; zaad <= 400; ++zaad) {
    const Werkbestand wb = WillekeurigDocument(zaad, zaad % 3 ? doorlopend : pool, 400);
    VergelijkMetLetterlijk(wb, zaad % 2 == 0, "zaad " + std::to_string(zaad));
  }
  const auto bestanden = EchteBestanden();
  EXPECT_GT(bestanden.size(), 20u);
  for (const auto& [naam, wb] : bestanden) {
    VergelijkMetLetterlijk(wb, false, naam);
    VergelijkMetLetterlijk(wb, true, naam);
  }
}

// An error during the walk (here the bar failing at each step in turn) leaves the document as
// the literal walk leaves it at that step: no line doubled, none lost beyond what it removed.
TEST(Samenvoegen, FoutLaatDocumentAlsLetterlijk) {
  const Werkbestand vast =
      Document(Lijst{"0 @I1@ INDI", "1 OCCU Boer", "1 NAME Jan", "0 @I2@ INDI", "1 RESI", "2 ADDR",
                     "3 CITY Ede", "1 OCCU Smid", "0 @F1@ FAM", "1 HUSB @I1@"});
  EXPECT_EQ(NaBreuk(BeroepenSamenvoegen, vast, 1),
            (Lijst{"0 @I1@ INDI", "1 NAME Jan", "1 OCCU boer", "0 @I2@ INDI", "1 RESI", "2 ADDR",
                   "3 CITY Ede", "1 OCCU Smid", "0 @F1@ FAM", "1 HUSB @I1@"}));
  const std::vector<std::string_view> pool = {"0 @I1@ INDI",
                                              "1 NAME Jan",
                                              "1 OCCU Boer",
                                              "1 OCCU Smid",
                                              "2 DATE 1900",
                                              "1 RESI",
                                              "2 ADDR",
                                              "3 CITY Ede",
                                              "0 @F1@ FAM",
                                              "0 TRLR",
                                              ""};
  for (unsigned zaad = 1; zaad <= 40; ++zaad) {
    const Werkbestand wb = zaad == 1 ? vast : WillekeurigDocument(zaad, pool, 200);
    for (const bool plaatsen : {false, true}) {
      const int stappen = LetterlijkSamenvoegen(wb, plaatsen).stappen;
      for (int k = 1; k <= stappen; ++k)
        ASSERT_EQ(NaBreuk(WalkVoor(plaatsen), wb, k), LetterlijkSamenvoegen(wb, plaatsen, k).regels)
            << "zaad " << zaad << " stap " << k << (plaatsen ? " plaatsen" : " beroepen");
    }
  }
}

// One person with far more distinct occupations than the plain search handles cheaply.
TEST(Samenvoegen, VeleBeroepenVanEenPersoon) {
  Werkbestand wb;
  wb.VoegToe("0 @I1@ INDI");
  std::string verwacht = "1 OCCU ";
  for (int k = 0; k < 3000; ++k) {
    const std::string beroep = "Beroep" + std::to_string(k) + "x";
    wb.VoegToe("1 OCCU " + beroep);
    wb.VoegToe("1 OCCU " + beroep.substr(0, 7));  // always a part of an earlier one
    verwacht += (k ? ", " : "") + KleineLetters(beroep);
  }
  wb.VoegToe("0 TRLR");
  const Uitkomst u = VoerUit(BeroepenSamenvoegen, wb);
  ASSERT_EQ(u.regels.size(), 3u);
  EXPECT_EQ(u.regels[1], verwacht);
  EXPECT_EQ(u.resultaat.tekst, "Er zijn 6000 regels verwijderd uit het werkbestand.");
}

}  // namespace
}  // namespace plovena::test
