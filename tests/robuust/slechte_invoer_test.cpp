// Bad input and failing disks through the real plovena-cli: whatever the file or the disk does,
// the program ends with an exit status and a Dutch message naming the file and the reason, and
// an old output file is left as it was. Each case prints one row of the table for the issue.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "commands/opdrachten.h"
#include "fuzz/invarianten.h"
#include "robuust/proces.h"

namespace plovena::test {
namespace {

constexpr std::string_view kKlein =
    "0 HEAD\r\n1 SOUR HAZA21\r\n2 VERS 2.3\r\n0 @I1@ INDI\r\n1 NAME Jan //\r\n1 OCCU\r\n0 TRLR\r\n";
constexpr std::string_view kOud = "oud\r\n";

// Every command of the table as plovena-cli names it, tags-verwijderen with a --tags.
std::vector<std::string> AlleOpdrachten() {
  std::vector<std::string> args{"--tags", "NOTE _UID", "bronprogramma"};
  for (const auto& o : Opdrachten())
    for (const auto& c : o.cli) args.emplace_back(c.naam);
  return args;
}

// The first line of a text, for the table.
std::string Kort(const std::string& s) {
  const std::string r = s.substr(0, s.find('\n'));
  return r.size() > 110 ? r.substr(0, 107) + "..." : r;
}

void Rij(std::string_view geval, const Afloop& a, std::string_view uitkomst = {}) {
  std::cout << "| " << geval << " | " << a.status << " | "
            << (uitkomst.empty() ? Kort(a.err.empty() ? a.out : a.err) : std::string(uitkomst)) << " |\n";
}

std::string Leesfout(const fs::path& p, std::string_view reden) {
  return "Kan \"" + p.string() + "\" niet lezen: " + std::string(reden) + ".\n";
}
std::string Opslagfout(const fs::path& p, std::string_view reden) {
  return "Kan \"" + p.string() + "\" niet opslaan: " + std::string(reden) + ".\n";
}

// Nobody must reach the folder to meet the permission that is taken away.
void VoorNobody(const fs::path& map) { ::chmod(map.c_str(), 0755); }

// ---------------------------------------------------------------------------------------------
// Input that cannot be opened: exit 3, nothing written.

using SlechteInvoer = Werkmap;

TEST_F(SlechteInvoer, InvoerDieNietTeOpenenIs) {
  struct Geval {
    std::string naam;
    std::function<fs::path()> maak;
    std::function<std::string(const fs::path&)> melding;
    bool alsNobody = false;
  };
  const auto bestaatNiet = [](const fs::path&) {
    return std::string("Het opgegeven bestand bestaat niet!\n");
  };
  std::vector<Geval> gevallen = {
      {"ontbrekend bestand", [&] { return Pad("weg.ged"); }, bestaatNiet},
      {"een map als bestand",
       [&] {
         fs::create_directory(Pad("map.ged"));
         return Pad("map.ged");
       },
       bestaatNiet},
      {"geen leesrecht",
       [&] {
         Maak("dicht.ged", kKlein);
         fs::permissions(Pad("dicht.ged"), fs::perms::owner_write);
         return Pad("dicht.ged");
       },
       [](const fs::path& p) { return Leesfout(p, "geen toegang"); }, IsRoot()},
      {"UTF-16 met een oneven aantal bytes", [&] { return fs::path(Maak("oneven.ged", "\xFF\xFE\x30")); },
       [](const fs::path& p) { return Leesfout(p, "ongeldige UTF-16-tekst: oneven aantal bytes"); }},
  };
  if (IsRoot()) VoorNobody(map_);
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    const fs::path in = g.maak();
    const Afloop a =
        StartCli({in.string(), "bronprogramma", "-o", Pad("uit.ged").string()}, map_, AlsNobody(g.alsNobody));
    Rij(g.naam, a);
    EXPECT_EQ(a.status, 3);
    EXPECT_EQ(a.err, g.melding(in));
    EXPECT_EQ(a.out, "");
    EXPECT_FALSE(fs::exists(Pad("uit.ged")));
  }
}

// ---------------------------------------------------------------------------------------------
// Input that opens, however odd: every command runs (exit 0 or 1, no unexpected error), and
// saving it unchanged gives its bytes back with the line ends made CR LF.

std::string Binair() {
  std::string b(1 << 16, '\0');
  std::uint32_t x = 2463534242u;
  for (auto& c : b) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    // NUL, CR and LF often, the rest anything.
    const std::uint32_t k = x % 16;
    c = k < 3 ? '\0' : k == 3 ? '\r' : k == 4 ? '\n' : static_cast<char>(x >> 24);
  }
  b[0] = 'x';  // no byte-order mark nor UTF-16 by chance
  return b;
}

std::string LangeRegel() {
  std::string b = "0 HEAD\n1 SOUR HAZA21\n0 @I1@ INDI\n1 NOTE ";
  b.append(50u << 20, 'x');
  b += "\n0 TRLR\n";
  return b;
}

TEST_F(SlechteInvoer, VreemdeInvoerWordtGeopendEnBlijftHeel) {
  const std::vector<std::pair<std::string, std::string>> gevallen = {
      {"leeg bestand", ""},
      {"alleen een UTF-8-markering", "\xEF\xBB\xBF"},
      {"alleen een UTF-16-markering (LE)", "\xFF\xFE"},
      {"alleen een UTF-16-markering (BE)", "\xFE\xFF"},
      {"binaire gegevens met NUL-bytes", Binair()},
      {"een regel van 50 MB", LangeRegel()},
  };
  for (const auto& [naam, bytes] : gevallen) {
    SCOPED_TRACE(naam);
    const std::string in = Maak("in.ged", bytes);
    std::vector<std::string> args{in};
    for (auto& a : AlleOpdrachten()) args.push_back(a);
    args.insert(args.end(), {"-o", Pad("na-opdrachten.ged").string()});
    const Afloop alles = StartCli(args, map_);
    EXPECT_TRUE(alles.status == 0 || alles.status == 1) << alles.status << " / signaal " << alles.signaal;
    EXPECT_EQ(alles.err, "");  // no unexpected error, no memory shortage
    EXPECT_TRUE(fs::exists(Pad("na-opdrachten.ged")));

    const Afloop a = StartCli({in, "bronprogramma", "-o", Pad("uit.ged").string()}, map_);
    EXPECT_EQ(a.status, 0);
    const bool gelijk = Inhoud(Pad("uit.ged")) == fuzz::VerwachtNaOpslaan(bytes);
    EXPECT_TRUE(gelijk);  // no dump of 50 MB
    Rij(naam, alles,
        std::string("geopend; alle opdrachten liepen tot het eind") +
            (gelijk ? "; ongewijzigd opgeslagen: dezelfde bytes (regeleinden CR LF)" : ""));
  }
}

// ---------------------------------------------------------------------------------------------
// Memory: a child with a limited address space cannot take the machine.

// A file of about groot bytes that costs no disk: a hole between a head and a tail. Its one long
// line holds the hole's NUL bytes inside a value, so no trimming makes it short.
fs::path Gat(const fs::path& p, off_t groot) {
  const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  EXPECT_GE(fd, 0);
  const std::string kop = "0 HEAD\n1 SOUR HAZA21\n0 @I1@ INDI\n1 NOTE x";
  EXPECT_EQ(::write(fd, kop.data(), kop.size()), static_cast<ssize_t>(kop.size()));
  EXPECT_EQ(::lseek(fd, groot, SEEK_SET), groot);
  EXPECT_EQ(::write(fd, "x\n0 TRLR\n", 9), 9);
  ::close(fd);
  return p;
}

TEST_F(SlechteInvoer, TeWeinigGeheugen) {
  if (kMetAsan) GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
  constexpr off_t kGiB = off_t{1} << 30;

  // Larger than the memory the program may use: refused at the open.
  const fs::path groot = Gat(Pad("groot.ged"), 2 * kGiB);
  const Afloop a = StartCli({groot.string(), "personen-tellen"}, map_, MetAdresruimte(rlim_t{1} << 30));
  Rij("bestand groter dan het geheugen (2 GiB, 1 GiB adresruimte)", a);
  EXPECT_EQ(a.status, 3) << "signaal " << a.signaal;
  EXPECT_EQ(a.err, Leesfout(groot, "het bestand is te groot voor het geheugen"));

  // It fits, but a command that needs more memory does not: that command fails and the session
  // goes on with the next one. (Saving streams the lines, so it needs no second copy.)
  const fs::path past = Gat(Pad("past.ged"), kGiB);
  const Afloop b = StartCli({past.string(), "tab-delimited", "personen-tellen"}, map_,
                            MetAdresruimte(rlim_t{3} << 29));  // 1.5 GiB
  Rij("opdracht zonder geheugen (1 GiB regel, 1.5 GiB adresruimte)", b);
  EXPECT_EQ(b.status, 1) << "signaal " << b.signaal;
  // The report streams, so the rows before the long line were printed already.
  const std::string telling = "Resultaat telling\n\n1 personen\n0 gezinnen\n0 bronnen\n";
  EXPECT_EQ(b.out, "0\tHEAD\t\n1\tSOUR\tHAZA21\n0\t@I1@\tINDI\n" + telling);
  EXPECT_TRUE(b.err.rfind("Onvoldoende geheugen: de opdracht tab-delimited is afgebroken.\n", 0) == 0)
      << b.err;
}

// ---------------------------------------------------------------------------------------------
// Saving that fails: exit 3, the message names the file and the reason, the old file stays.

using FalendeSchijf = Werkmap;

TEST_F(FalendeSchijf, OpslaanMisluktZonderVerlies) {
  struct Geval {
    std::string naam;
    std::function<fs::path()> maak;  // the target; an old file in it holds kOud
    std::string reden;
    bool alsNobody = false;
  };
  const std::string in = Maak("in.ged", kKlein);
  std::vector<Geval> gevallen = {
      {"map zonder schrijfrecht",
       [&] {
         fs::create_directory(Pad("dicht"));
         Maak("dicht/uit.ged", kOud);
         // Root writes in any folder: the folder is root's, the saving user is nobody.
         if (IsRoot()) {
           ::chmod(Pad("dicht/uit.ged").c_str(), 0666);  // the file nobody may write, not the folder
           ::chmod(Pad("dicht").c_str(), 0755);
         } else {
           ::chmod(Pad("dicht").c_str(), 0555);
         }
         return Pad("dicht/uit.ged");
       },
       "geen toegang", IsRoot()},
      {"ontbrekende map", [&] { return Pad("geen/uit.ged"); }, "de map bestaat niet"},
      {"een map als doel",
       [&] {
         fs::create_directory(Pad("doelmap"));
         return Pad("doelmap");
       },
       "het is een map"},
      {"alleen-lezen bestand",
       [&] {
         Maak("ro.ged", kOud);
         fs::permissions(Pad("ro.ged"),
                         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         return Pad("ro.ged");
       },
       "het bestand is alleen-lezen"},
      {"koppeling naar een alleen-lezen bestand",
       [&] {
         Maak("ro2.ged", kOud);
         fs::permissions(Pad("ro2.ged"), fs::perms::owner_read);
         fs::create_symlink("ro2.ged", Pad("naar-ro.ged"));
         return Pad("naar-ro.ged");
       },
       "het bestand is alleen-lezen"},
      {"koppeling naar een ontbrekende map",
       [&] {
         fs::create_symlink("nergens/uit.ged", Pad("los.ged"));
         return Pad("los.ged");
       },
       "de map bestaat niet"},
      {"koppeling die naar zichzelf wijst",
       [&] {
         fs::create_symlink("lus.ged", Pad("lus.ged"));
         return Pad("lus.ged");
       },
       "te veel symbolische koppelingen"},
  };
  // A full device of the test's own; /dev/full itself is never touched. A container may forbid
  // making or opening one: the case is then left out.
  bool apparaat = false;
  if (IsRoot() && ::mknod(Pad("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
    const int fd = ::open(Pad("full").c_str(), O_WRONLY);
    apparaat = fd >= 0;
    if (fd >= 0) ::close(fd);
  }
  if (apparaat)
    gevallen.push_back({"volle schijf (apparaat)", [&] { return Pad("full"); }, "de schijf is vol"});
  if (IsRoot()) VoorNobody(map_);
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    const fs::path doel = g.maak();
    const fs::path map = doel.parent_path();
    std::error_code ec;
    const bool oud = fs::is_regular_file(doel, ec);
    const std::vector<std::string> voor = fs::exists(map) ? Namen(map) : std::vector<std::string>{};
    const Afloop a = StartCli({in, "zonder-achternaam", "-o", doel.string()}, map_, AlsNobody(g.alsNobody));
    Rij("opslaan: " + g.naam, a);
    EXPECT_EQ(a.status, 3);
    EXPECT_EQ(a.out, "Er zijn 1 regels aangepast in het werkbestand.\n");  // the command ran
    EXPECT_EQ(a.err, Opslagfout(doel, g.reden));
    if (oud) {
      EXPECT_EQ(Inhoud(doel), kOud);
    }
    if (fs::exists(map)) {
      EXPECT_EQ(Namen(map), voor);  // no temporary file left behind
    }
  }
  EXPECT_TRUE(fs::is_symlink(Pad("naar-ro.ged")));
  if (apparaat) {
    EXPECT_TRUE(fs::is_character_file(Pad("full")));  // written directly, not replaced
  }
}

TEST_F(FalendeSchijf, KoppelingWordtGevolgd) {
  const std::string in = Maak("in.ged", kKlein);
  Maak("echt.ged", kOud);
  fs::create_symlink("echt.ged", Pad("link.ged"));
  const Afloop a = StartCli({in, "zonder-achternaam", "-o", Pad("link.ged").string()}, map_);
  Rij("opslaan: koppeling naar een bestand", a);
  EXPECT_EQ(a.status, 0) << a.err;
  EXPECT_TRUE(fs::is_symlink(Pad("link.ged")));
  EXPECT_EQ(Inhoud(Pad("echt.ged")),
            "0 HEAD\r\n1 SOUR HAZA21\r\n2 VERS 2.3\r\n0 @I1@ INDI\r\n1 NAME Jan /-/\r\n1 OCCU\r\n0 TRLR\r\n");
  EXPECT_EQ(Namen(map_), (std::vector<std::string>{"echt.ged", "in.ged", "link.ged"}));
}

// A file system that fills up while the file is written: a small tmpfs in a mount namespace of
// the child's own (root, and a kernel that allows it; skipped otherwise).
TEST_F(FalendeSchijf, VolleSchijfTijdensHetSchrijven) {
  if (!IsRoot()) GTEST_SKIP() << "mounting needs root";
  std::string groot = "0 HEAD\r\n1 SOUR HAZA21\r\n";
  for (int i = 0; i < 5000; ++i) groot += "0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME Jan //\r\n";
  groot += "0 TRLR\r\n";  // about 150 KB, the file system holds 64 KB
  const std::string in = Maak("in.ged", groot);
  fs::create_directory(Pad("vol"));
  const std::string script =
      "unshare -m sh -c 'mount -t tmpfs -o size=64k tmpfs \"$1\" 2>/dev/null || exit 99; "
      "printf \"oud\\r\\n\" > \"$1/uit.ged\"; \"$2\" \"$3\" zonder-achternaam -o \"$1/uit.ged\" >\"$4/.out\" "
      "2>\"$4/.err\"; "
      "echo $? >\"$4/.status\"; cat \"$1/uit.ged\" >\"$4/.na\"; ls -A \"$1\" >\"$4/.namen\"' sh '" +
      Pad("vol").string() + "' '" + PLOVENA_CLI_PATH + "' '" + in + "' '" + map_.string() + "' 2>/dev/null";
  const int s = std::system(script.c_str());
  if (!WIFEXITED(s) || WEXITSTATUS(s) == 99 || !fs::exists(Pad(".status")))
    GTEST_SKIP() << "no private tmpfs here (unshare -m, mount -t tmpfs)";
  const Afloop a{std::stoi(Inhoud(Pad(".status"))), 0, Inhoud(Pad(".out")), Inhoud(Pad(".err"))};
  Rij("opslaan: volle schijf (tmpfs van 64 KB)", a);
  const fs::path doel = Pad("vol") / "uit.ged";
  EXPECT_EQ(a.status, 3);
  EXPECT_EQ(a.err, Opslagfout(doel, "de schijf is vol"));
  EXPECT_EQ(Inhoud(Pad(".na")), kOud);
  EXPECT_EQ(Inhoud(Pad(".namen")), "uit.ged\n");  // the partly written temporary file is gone
}

}  // namespace
}  // namespace plovena::test
