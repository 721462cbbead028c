#include "cli/cli.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <new>
#include <sstream>

#include "cli/hulp.h"
#include "document/werkbestand.h"

namespace plovena::test {
namespace {

struct Uitkomst {
  int status;
  std::string out;
  std::string err;
};

Uitkomst Voer(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = VoerCliUit(args, out, err);
  return {status, out.str(), err.str()};
}

// LF line ends on purpose: a save writes CR LF.
constexpr std::string_view kKlein =
    "0 HEAD\n1 SOUR HAZA21\n2 VERS 2.3\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jan //\n1 NOTE a\n1 NOTE b\n"
    "0 @I2@ INDI\n1 NAME Piet //\n1 _UID 123\n0 TRLR\n";
constexpr std::string_view kKleinOpgeslagen =
    "0 HEAD\r\n1 SOUR HAZA21\r\n2 VERS 2.3\r\n1 CHAR UTF-8\r\n"
    "0 @I1@ INDI\r\n1 NAME Jan //\r\n1 NOTE a\r\n1 NOTE b\r\n"
    "0 @I2@ INDI\r\n1 NAME Piet //\r\n1 _UID 123\r\n0 TRLR\r\n";
constexpr std::string_view kKleinBron =
    "Informatie over ingelezen bestand\n\nBestandsnaam: klein.ged\nBronprogramma: HAZA21\nProgrammaversie: "
    "2.3\n";

// ---------------------------------------------------------------------------------------------
// Arguments

struct ArgGeval {
  std::vector<std::string> args;
  std::string fout;  // a piece of the usage error; empty: sound
  std::string invoer;
  std::optional<std::string> uitvoer;
  std::optional<std::string> tags;
  std::vector<std::string> opdrachten;
};

TEST(CliArgumenten, Tabel) {
  using V = std::vector<std::string>;
  // clang-format off
  const std::vector<ArgGeval> gevallen = {
      {{"in.ged", "bronprogramma"}, "", "in.ged", {}, {}, {"bronprogramma"}},
      // Options stand anywhere; the last one wins.
      {{"-o", "uit.ged", "in.ged", "personen-tellen", "bronprogramma"},
       "", "in.ged", "uit.ged", {}, {"personen-tellen", "bronprogramma"}},
      {{"in.ged", "-o", "a.ged", "bronprogramma", "-o", "b.ged"}, "", "in.ged", "b.ged", {}, {"bronprogramma"}},
      {{"--tags", "NOTE", "in.ged", "tags-verwijderen", "--tags", "addr"},
       "", "in.ged", {}, "addr", {"tags-verwijderen"}},
      {{"in.ged", "bronprogramma", "-o", "-"}, "", "in.ged", "-", {}, {"bronprogramma"}},
      // "-" alone is a name, not an option.
      {{"-", "bronprogramma"}, "", "-", {}, {}, {"bronprogramma"}},
      // --tags without tags-verwijderen is harmless; a command named twice runs twice.
      {{"in.ged", "--tags", "x", "bronprogramma", "bronprogramma"},
       "", "in.ged", {}, "x", {"bronprogramma", "bronprogramma"}},
      {{}, "Geen invoerbestand", "", {}, {}, {}},
      {{"-o", "uit.ged"}, "Geen invoerbestand", "", {}, {}, {}},
      {{"in.ged"}, "Geen opdracht", "", {}, {}, {}},
      {{"in.ged", "onbekend"}, "Onbekende opdracht: onbekend", "", {}, {}, {}},
      {{"in.ged", "Bronprogramma"}, "Onbekende opdracht: Bronprogramma", "", {}, {}, {}},
      {{"in.ged", "bronprogramma", "-"}, "Onbekende opdracht: -", "", {}, {}, {}},
      {{"in.ged", "bronprogramma", "-x"}, "Onbekende optie: -x", "", {}, {}, {}},
      {{"in.ged", "bronprogramma", "--tags=NOTE"}, "Onbekende optie: --tags=NOTE", "", {}, {}, {}},
      {{"--", "in.ged", "bronprogramma"}, "Onbekende optie: --", "", {}, {}, {}},
      {{"in.ged", "bronprogramma", "-o"}, "Optie -o zonder waarde", "", {}, {}, {}},
      {{"in.ged", "bronprogramma", "--tags"}, "Optie --tags zonder waarde", "", {}, {}, {}},
      {{"in.ged", "-o", "--tags", "x", "bronprogramma"}, "Optie -o zonder waarde", "", {}, {}, {}},
      {{"in.ged", "tags-verwijderen"}, "tags-verwijderen vraagt --tags", "", {}, {}, {}},
  };
  // clang-format on
  for (const auto& g : gevallen) {
    std::string beschrijving;
    for (const auto& a : g.args) beschrijving += "[" + a + "] ";
    SCOPED_TRACE(beschrijving);
    CliAanroep a;
    const std::string fout = LeesAanroep(g.args, a);
    if (!g.fout.empty()) {
      EXPECT_NE(fout.find(g.fout), std::string::npos) << fout;
      continue;
    }
    ASSERT_EQ(fout, "");
    EXPECT_EQ(a.invoer, g.invoer);
    EXPECT_EQ(a.uitvoer, g.uitvoer);
    EXPECT_EQ(a.tags, g.tags);
    EXPECT_EQ(a.opdrachten, V(g.opdrachten));
  }
}

TEST(CliArgumenten, ElkeCliNaamVanDeTabelIsBekend) {
  for (const auto& o : Opdrachten()) {
    for (const auto& c : o.cli) {
      CliAanroep a;
      EXPECT_EQ(LeesAanroep({"in.ged", std::string(c.naam), "--tags", "NOTE"}, a), "") << c.naam;
      EXPECT_NE(Gebruikstekst().find(c.naam), std::string::npos) << c.naam;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Printing

TEST(CliBericht, RegelafbrekingenEnSlot) {
  const std::vector<std::pair<std::string, std::string>> gevallen = {
      {"a\n\rb", "a\nb\n"},
      {"a\n\r", "a\n"},
      {"a\n", "a\n"},
      {"a", "a\n"},
      {"", "\n"},
      {"a\n\r\n\rb", "a\n\nb\n"},
      {"a\n\n\r", "a\n\n"},
      // CR LF is no break of ours: left alone.
      {"a\r\nb", "a\r\nb\n"},
  };
  for (const auto& [in, verwacht] : gevallen) {
    std::ostringstream uit;
    SchrijfBericht(uit, in);
    EXPECT_EQ(uit.str(), verwacht) << in;
  }
}

// ---------------------------------------------------------------------------------------------
// One command through the table row, with fake walks

Opdracht NepOpdracht(Uitvoering u) {
  Opdracht o{};
  o.uitvoering = std::move(u);
  return o;
}

struct OpdrachtUitkomst {
  bool gelukt;
  std::string tekst;
  std::string fouten;
};

OpdrachtUitkomst VoerNep(Uitvoering u, CliNaam variant = {"nep"}, const std::string& tags = "") {
  Toestand t;
  t.bestandIngelezen = true;
  std::ostringstream tekst, fouten;
  const bool gelukt = VoerOpdrachtUit(NepOpdracht(std::move(u)), variant, t, tags, tekst, fouten);
  return {gelukt, tekst.str(), fouten.str()};
}

TEST(CliOpdracht, DrukktElkeSoortResultaatAf) {
  auto rapport = VoerNep([](Toestand&, Omgeving& o) {
    VoortgangsVenster v(o.Balk(), "Voortgang", 40);
    o.Balk().Stap();
    Regellijst r;
    r.VoegToe("_UID\t1");
    r.VoegToe("");
    r.VoegToe("NAME\t2");
    return Resultaat::Rapport(r, "Plovena - rapport: ");
  });
  EXPECT_TRUE(rapport.gelukt);
  EXPECT_EQ(rapport.tekst, "_UID\t1\n\nNAME\t2\n");  // the caption is not printed

  auto bericht = VoerNep([](Toestand&, Omgeving&) {
    return Resultaat::Bericht(BerichtSoort::Informatie, "Aantal personen: 2\n\rAantal gezinnen: 1");
  });
  EXPECT_TRUE(bericht.gelukt);
  EXPECT_EQ(bericht.tekst, "Aantal personen: 2\nAantal gezinnen: 1\n");

  auto niets = VoerNep([](Toestand&, Omgeving&) { return Resultaat{}; });
  EXPECT_TRUE(niets.gelukt);
  EXPECT_EQ(niets.tekst, "");
  EXPECT_EQ(niets.fouten, "");
}

TEST(CliOpdracht, BeantwoordtVragenMetHetAntwoordVanDeCliNaam) {
  auto walk = [](Toestand&, Omgeving& o) {
    std::string s = o.Bevestig("Sorteren?") ? "ja" : "nee";
    s += o.Bevestig("Nog eens?") ? " ja" : " nee";
    return Resultaat::Bericht(BerichtSoort::Informatie, s);
  };
  EXPECT_EQ(VoerNep(walk, {"tag-combinaties", false}).tekst, "nee nee\n");
  EXPECT_EQ(VoerNep(walk, {"tag-combinaties-gesorteerd", true}).tekst, "ja ja\n");
}

TEST(CliOpdracht, WeigeringEnFoutGevenGeenSucces) {
  auto geweigerd = VoerNep([](Toestand&, Omgeving&) {
    Resultaat r = Resultaat::Bericht(BerichtSoort::Informatie, "Niet zinvol voor Pro-Gen bestand");
    r.geweigerd = true;
    return r;
  });
  EXPECT_FALSE(geweigerd.gelukt);
  EXPECT_EQ(geweigerd.tekst, "Niet zinvol voor Pro-Gen bestand\n");

  // An error in the document: its text goes where the command's texts go.
  auto fout =
      VoerNep([](Toestand&, Omgeving&) -> Resultaat { throw OpdrachtFout("Fout in regel 3\n\rniveau x"); });
  EXPECT_FALSE(fout.gelukt);
  EXPECT_EQ(fout.tekst, "Fout in regel 3\nniveau x\n");
  EXPECT_EQ(fout.fouten, "");
}

TEST(CliOpdracht, OnverwachteFoutenWordenGemeldNietDoorgegeven) {
  auto geheugen = VoerNep([](Toestand&, Omgeving&) -> Resultaat { throw std::bad_alloc(); }, {"inspringen"});
  EXPECT_FALSE(geheugen.gelukt);
  EXPECT_EQ(geheugen.tekst, "");
  EXPECT_EQ(geheugen.fouten, "Onvoldoende geheugen: de opdracht inspringen is afgebroken.\n");

  auto anders =
      VoerNep([](Toestand&, Omgeving&) -> Resultaat { throw std::out_of_range("index 9"); }, {"tags-tellen"});
  EXPECT_FALSE(anders.gelukt);
  EXPECT_EQ(anders.fouten, "Onverwachte fout in de opdracht tags-tellen: index 9\n");

  auto vreemd = VoerNep([](Toestand&, Omgeving&) -> Resultaat { throw 42; }, {"tags-tellen"});
  EXPECT_FALSE(vreemd.gelukt);
  EXPECT_NE(vreemd.fouten.find("tags-tellen"), std::string::npos);

  auto leeg = VoerNep({}, {"nep"});
  EXPECT_FALSE(leeg.gelukt);
}

auto BiedTagsAan(std::vector<std::string> tags) {
  return [tags](Toestand& t, Omgeving& o) { return o.KiesTags(t, tags); };
}

TEST(CliOpdracht, TagsLijstDruktDeAangebodenTags) {
  auto lijst = VoerNep(BiedTagsAan({"_UID", "ADDR", "NOTE"}), {"tags-lijst", true, CliModus::TagsLijst});
  EXPECT_TRUE(lijst.gelukt);
  EXPECT_EQ(lijst.tekst, "_UID\nADDR\nNOTE\n");

  // Nothing to offer: the walk returns its message without asking for a choice.
  auto geen = VoerNep(
      [](Toestand&, Omgeving&) {
        return Resultaat::Bericht(BerichtSoort::Gewoon, "Geen tags meer om te verwijderen");
      },
      {"tags-lijst", true, CliModus::TagsLijst});
  EXPECT_FALSE(geen.gelukt);
  EXPECT_EQ(geen.tekst, "Geen tags meer om te verwijderen\n");
}

TEST(CliOpdracht, TagsVerwijderenZonderKeuzeWeigert) {
  auto niets = VoerNep(BiedTagsAan({"_UID", "ADDR"}), {"tags-verwijderen", true, CliModus::TagsVerwijderen},
                       "note plac");
  EXPECT_FALSE(niets.gelukt);
  EXPECT_EQ(niets.tekst, "Geen tags of bereik geselecteerd!\n");
}

// ---------------------------------------------------------------------------------------------
// The session: arguments, opening, printing and saving

using CliSessie = TijdelijkeMap;

TEST_F(CliSessie, GebruiksfoutDoetNietsEnSchrijftNiets) {
  const std::string in = Maak("klein.ged", kKlein);
  const std::string bestaand = Maak("bestaand.ged", "oud");
  const std::string nieuw = Pad("nieuw.ged").string();
  const std::vector<std::vector<std::string>> gevallen = {
      {},
      {in},
      {in, "-o", nieuw},
      {in, "bronprogramma", "onbekend", "-o", nieuw},
      {in, "bronprogramma", "--help", "-o", bestaand},
      {in, "tags-verwijderen", "-o", bestaand},
      {in, "bronprogramma", "-o", bestaand, "--tags"},
      {Pad("ontbreekt.ged").string(), "onbekend", "-o", nieuw},  // usage comes before the file
  };
  for (const auto& args : gevallen) {
    auto u = Voer(args);
    EXPECT_EQ(u.status, kCliGebruik);
    EXPECT_EQ(u.out, "");
    EXPECT_EQ(u.err.rfind("plovena-cli: ", 0), 0u) << u.err;
    EXPECT_NE(u.err.find("Gebruik: plovena-cli [-o UITVOER]"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(nieuw));
  EXPECT_EQ(LeesBytes(bestaand), "oud");
}

TEST_F(CliSessie, InvoerDieNietBestaatOfEenMapIs) {
  fs::create_directory(Pad("map.ged"));
  fs::create_symlink(Pad("weg.ged"), Pad("los.ged"));
  const std::string uit = Pad("uit.ged").string();
  for (const std::string naam : {"ontbreekt.ged", "map.ged", "los.ged"}) {
    auto u = Voer({Pad(naam).string(), "bronprogramma", "-o", uit});
    EXPECT_EQ(u.status, kCliBestand) << naam;
    EXPECT_EQ(u.out, "");
    EXPECT_EQ(u.err, "Het opgegeven bestand bestaat niet!\n");
  }
  EXPECT_FALSE(fs::exists(uit));
}

TEST_F(CliSessie, OnleesbareInvoerNoemtHetBestand) {
  // Malformed UTF-16 after its mark: a lone surrogate.
  const std::string kapot("\xFF\xFE\x30\x00\x20\x00\x00\xD8", 8);
  std::vector<std::string> invoer = {Maak("kapot.ged", kapot)};
  if (geteuid() != 0) {  // root reads every file
    invoer.push_back(Maak("dicht.ged", kKlein));
    fs::permissions(invoer.back(), fs::perms::none);
  }
  for (const auto& in : invoer) {
    auto u = Voer({in, "bronprogramma", "-o", Pad("uit.ged").string()});
    EXPECT_EQ(u.status, kCliBestand) << in;
    EXPECT_EQ(u.out, "");
    EXPECT_NE(u.err.find(fs::path(in).filename().string()), std::string::npos) << u.err;
    EXPECT_TRUE(u.err.ends_with("\n"));
  }
  EXPECT_FALSE(fs::exists(Pad("uit.ged")));
}

TEST_F(CliSessie, BronprogrammaZoalsBijHetOpenen) {
  const std::string in = Maak("klein.ged", kKlein);
  auto u = Voer({in, "bronprogramma", "bronprogramma"});
  EXPECT_EQ(u.status, kCliGelukt);
  EXPECT_EQ(u.out, std::string(kKleinBron) + std::string(kKleinBron));
  EXPECT_EQ(u.err, "");
}

TEST_F(CliSessie, UitvoerNaarBestandVervangtHetAtomair) {
  const std::string in = Maak("klein.ged", kKlein);
  const std::string a = Pad("a.ged").string();
  const std::string b = Maak("b.ged", "oude inhoud die langer is dan het nieuwe bestand niet");
  fs::permissions(b, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  auto u = Voer({"-o", a, in, "bronprogramma", "-o", b});
  EXPECT_EQ(u.status, kCliGelukt) << u.err;
  EXPECT_EQ(u.out, kKleinBron);  // the texts stay on standard output; saving adds none
  EXPECT_EQ(u.err, "");
  EXPECT_FALSE(fs::exists(a));  // the last -o wins
  EXPECT_EQ(LeesBytes(b), kKleinOpgeslagen);
  EXPECT_EQ(fs::status(b).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // No temporary file is left beside the target.
  EXPECT_EQ(std::distance(fs::directory_iterator(map_), fs::directory_iterator()), 2);
}

TEST_F(CliSessie, UitvoerNaarStandaarduitvoerZetTekstenOpStandaardfout) {
  const std::string in = Maak("klein.ged", kKlein);
  auto u = Voer({in, "bronprogramma", "-o", "-"});
  EXPECT_EQ(u.status, kCliGelukt);
  EXPECT_EQ(u.out, kKleinOpgeslagen);
  EXPECT_EQ(u.err, kKleinBron);
}

TEST_F(CliSessie, OnschrijfbareUitvoerNaDeOpdrachten) {
  const std::string in = Maak("klein.ged", kKlein);
  fs::create_directory(Pad("map"));
  for (const fs::path& uit : {Pad("ontbreekt") / "uit.ged", Pad("map")}) {
    auto u = Voer({in, "bronprogramma", "-o", uit.string()});
    EXPECT_EQ(u.status, kCliBestand) << uit;
    EXPECT_EQ(u.out, kKleinBron);  // the commands ran
    EXPECT_NE(u.err.find(uit.filename().string()), std::string::npos) << u.err;
  }
  EXPECT_FALSE(fs::exists(Pad("ontbreekt")));
  EXPECT_TRUE(fs::is_directory(Pad("map")));
}

// ---------------------------------------------------------------------------------------------
// With the real commands

constexpr std::string_view kProGen =
    "0 HEAD\r\n1 SOUR PRO-GEN\r\n2 VERS 3.21\r\n0 @I1@ INDI\r\n1 NAME Jan /Smit/\r\n2 SOUR S3\r\n0 TRLR\r\n";

TEST_F(CliSessie, WeigeringGeeftStatusEenEnDeSessieGaatDoor) {
  const std::string in = Maak("progen.ged", kProGen);
  const std::string uit = Pad("uit.ged").string();
  auto u = Voer({in, "sour-correctie", "bronprogramma", "-o", uit});
  EXPECT_EQ(u.status, kCliGeweigerd);
  EXPECT_EQ(u.out,
            "Niet zinvol voor Pro-Gen bestand\n"
            "Informatie over ingelezen bestand\n\nBestandsnaam: progen.ged\nBronprogramma: PRO-GEN\n"
            "Programmaversie: 3.21\n");
  EXPECT_EQ(LeesBytes(uit), kProGen);
}

TEST_F(CliSessie, HetWerkbestandGaatMeeVanOpdrachtNaarOpdracht) {
  const std::string in =
      Maak("klein.ged", "0 HEAD\n  1 SOUR HAZA21\n0 @I1@ INDI\n   1 NAME Jan //  \n0 TRLR\n");
  auto u = Voer({in, "inspringen", "zonder-achternaam", "zonder-achternaam", "-o", "-"});
  EXPECT_EQ(u.status, kCliGelukt) << u.err;
  // The indented view leaves the lines trimmed; a command named twice runs twice.
  EXPECT_EQ(u.out, "0 HEAD\r\n1 SOUR HAZA21\r\n0 @I1@ INDI\r\n1 NAME Jan /-/\r\n0 TRLR\r\n");
  EXPECT_EQ(u.err,
            "0 HEAD\n   1 SOUR HAZA21\n0 @I1@ INDI\n   1 NAME Jan //\n0 TRLR\n"
            "Er zijn 1 regels aangepast in het werkbestand.\n"
            "Er zijn 0 regels aangepast in het werkbestand.\n");
}

TEST_F(CliSessie, TagsLijstEnTagsVerwijderen) {
  const std::string in = Maak("klein.ged", kKlein);
  auto lijst = Voer({in, "tags-lijst"});
  EXPECT_EQ(lijst.status, kCliGelukt);
  EXPECT_EQ(lijst.out, "_UID\nNOTE\nSOUR\n");

  auto weg = Voer({in, "--tags", "note _uid", "tags-verwijderen", "-o", "-"});
  EXPECT_EQ(weg.status, kCliGelukt);
  EXPECT_EQ(weg.err, "Er zijn 3 regels verwijderd uit het werkbestand.\n");
  EXPECT_EQ(weg.out,
            "0 HEAD\r\n1 SOUR HAZA21\r\n2 VERS 2.3\r\n1 CHAR UTF-8\r\n"
            "0 @I1@ INDI\r\n1 NAME Jan //\r\n0 @I2@ INDI\r\n1 NAME Piet //\r\n0 TRLR\r\n");

  auto niets = Voer({in, "--tags", "PLAC", "tags-verwijderen", "bronprogramma"});
  EXPECT_EQ(niets.status, kCliGeweigerd);
  EXPECT_EQ(niets.out, "Geen tags of bereik geselecteerd!\n" + std::string(kKleinBron));
}

TEST_F(CliSessie, GeenTagsMeerGeeftStatusEen) {
  const std::string in = Maak("kaal.ged", "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jan\n0 TRLR\n");
  for (auto args : {std::vector<std::string>{in, "tags-lijst"}, {in, "--tags", "NOTE", "tags-verwijderen"}}) {
    auto u = Voer(args);
    EXPECT_EQ(u.status, kCliGeweigerd);
    EXPECT_EQ(u.out, "Geen tags meer om te verwijderen\n");
  }
}

// Every repair command finds work in the example file.
TEST(CliVoorbeeld, ElkeReparatieVindtWerk) {
  const std::vector<std::vector<std::string>> gevallen = {
      {"bronnen-verwijderen"},  {"gezinstags-opschonen"}, {"beroepen-samenvoegen"},
      {"plaatsen-samenvoegen"}, {"occu-resi-correctie"},  {"sour-correctie"},
      {"note-cont-correctie"},  {"zonder-achternaam"},    {"--tags", "_UID", "tags-verwijderen"},
  };
  for (auto args : gevallen) {
    args.insert(args.begin(), Voorbeeld());
    auto u = Voer(args);
    EXPECT_EQ(u.status, kCliGelukt) << args.back() << ": " << u.out << u.err;
    EXPECT_EQ(u.out.rfind("Er zijn ", 0), 0u) << args.back() << ": " << u.out;
    EXPECT_EQ(u.out.find("Er zijn 0 "), std::string::npos) << args.back() << ": " << u.out;
  }
}

}  // namespace
}  // namespace plovena::test
