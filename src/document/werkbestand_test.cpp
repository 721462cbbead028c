#include "document/werkbestand.h"
#include "document/regel.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace plovena {
namespace {

namespace fs = std::filesystem;
using Regels = std::vector<std::string>;

Regels Lijst(const Regellijst& r) { return {r.Regels().begin(), r.Regels().end()}; }

// UTF-16 code units as bytes, in either byte order.
std::string U16(std::u16string_view s, bool le) {
  std::string b;
  for (char16_t c : s) {
    const char hoog = static_cast<char>(c >> 8), laag = static_cast<char>(c & 0xFF);
    b += le ? laag : hoog;
    b += le ? hoog : laag;
  }
  return b;
}

TEST(Werkbestand, OntleedEnNaarBytes) {
  const std::string bom8 = "\xEF\xBB\xBF";
  std::string allesHoog;
  for (int c = 0x80; c <= 0xFF; ++c) allesHoog += static_cast<char>(c);
  // "0 Hé 😀" and "1 x" in UTF-16, with mixed line ends and no final one.
  const std::u16string tekst16 = u"0 H\u00E9 \U0001F600\r\n1 x\r2\n\n3";
  const Regels regels16 = {"0 H\xC3\xA9 \xF0\x9F\x98\x80", "1 x", "2", "", "3"};
  const std::u16string uit16 = u"0 H\u00E9 \U0001F600\r\n1 x\r\n2\r\n\r\n3\r\n";

  const struct {
    const char* wat;
    std::string bytes;
    Codering codering;
    Regels regels;
    std::string uit;
  } gevallen[] = {
      {"leeg bestand", "", Codering::Bytes, {}, ""},
      {"gemengde regeleinden",
       "a\r\nb\nc\rd\r\n",
       Codering::Bytes,
       {"a", "b", "c", "d"},
       "a\r\nb\r\nc\r\nd\r\n"},
      {"geen slotregeleinde",
       "0 HEAD\n0 TRLR",
       Codering::Bytes,
       {"0 HEAD", "0 TRLR"},
       "0 HEAD\r\n0 TRLR\r\n"},
      {"LF CR", "a\n\rb\n\r", Codering::Bytes, {"a", "b"}, "a\r\nb\r\n"},
      {"bytes 80-FF",
       allesHoog + "\n" + allesHoog,
       Codering::Bytes,
       {allesHoog, allesHoog},
       allesHoog + "\r\n" + allesHoog + "\r\n"},
      {"Ctrl-Z en NUL",
       std::string("0 TRLR\n\x1A\0", 9),
       Codering::Bytes,
       {"0 TRLR", std::string("\x1A\0", 2)},
       std::string("0 TRLR\r\n\x1A\0\r\n", 12)},
      {"alleen UTF-8-merkteken", bom8, Codering::Utf8Bom, {}, bom8},
      {"UTF-8-merkteken",
       bom8 + "0 HEAD\n1 NAME J\xC3\xA9\n",
       Codering::Utf8Bom,
       {"0 HEAD", "1 NAME J\xC3\xA9"},
       bom8 + "0 HEAD\r\n1 NAME J\xC3\xA9\r\n"},
      {"tweede merkteken hoort bij de regel",
       bom8 + bom8 + "x",
       Codering::Utf8Bom,
       {bom8 + "x"},
       bom8 + bom8 + "x\r\n"},
      {"half merkteken", "\xEF\xBB", Codering::Bytes, {"\xEF\xBB"}, "\xEF\xBB\r\n"},
      {"alleen UTF-16LE-merkteken", "\xFF\xFE", Codering::Utf16LeBom, {}, "\xFF\xFE"},
      {"alleen UTF-16BE-merkteken", "\xFE\xFF", Codering::Utf16BeBom, {}, "\xFE\xFF"},
      {"UTF-16LE met merkteken", "\xFF\xFE" + U16(tekst16, true), Codering::Utf16LeBom, regels16,
       "\xFF\xFE" + U16(uit16, true)},
      {"UTF-16BE met merkteken", "\xFE\xFF" + U16(tekst16, false), Codering::Utf16BeBom, regels16,
       "\xFE\xFF" + U16(uit16, false)},
      {"UTF-16LE zonder merkteken", U16(tekst16, true), Codering::Utf16Le, regels16, U16(uit16, true)},
      {"UTF-16BE zonder merkteken", U16(tekst16, false), Codering::Utf16Be, regels16, U16(uit16, false)},
      {"UTF-16LE met NUL",
       U16(std::u16string(u"0\0x", 3), true),
       Codering::Utf16Le,
       {std::string("0\0x", 3)},
       U16(std::u16string(u"0\0x\r\n", 5), true)},
      {"een enkele 0", "0", Codering::Bytes, {"0"}, "0\r\n"},
      {"0 HEAD is geen UTF-16", "0 HEAD", Codering::Bytes, {"0 HEAD"}, "0 HEAD\r\n"},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.wat);
    Werkbestand wb;
    ASSERT_FALSE(Ontleed(g.bytes, wb));
    EXPECT_EQ(wb.codering, g.codering);
    EXPECT_EQ(Lijst(wb), g.regels);
    EXPECT_EQ(NaarBytes(wb), g.uit);
  }
}

TEST(Werkbestand, OngeldigeUtf16GeeftFout) {
  const struct {
    std::string bytes;
    std::string tekst;
  } gevallen[] = {
      {std::string("\xFF\xFE\x30\0 ", 5), "Ongeldige UTF-16-tekst: oneven aantal bytes."},
      {std::string("0\0 \0x", 5), "Ongeldige UTF-16-tekst: oneven aantal bytes."},
      {"\xFF\xFE" + U16(u"0 \xD800", true), "Ongeldige UTF-16-tekst: losse surrogaat op byte 6."},
      {"\xFE\xFF" + U16(u"0 \xDC00x", false), "Ongeldige UTF-16-tekst: losse surrogaat op byte 6."},
      {U16(u"0 \xD800x", true), "Ongeldige UTF-16-tekst: losse surrogaat op byte 4."},
      {U16(u"0 \xD800\xD800\xDC00", false), "Ongeldige UTF-16-tekst: losse surrogaat op byte 4."},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(testing::PrintToString(g.bytes));
    Werkbestand wb;
    wb.VoegToe("oud");
    BestandsFout f = Ontleed(g.bytes, wb);
    EXPECT_EQ(f.tekst, g.tekst);
    EXPECT_EQ(Lijst(wb), Regels{"oud"});  // untouched
    EXPECT_EQ(wb.codering, Codering::Bytes);
  }
}

TEST(Werkbestand, BewerkteUtf16Regels) {
  Werkbestand wb;
  ASSERT_FALSE(Ontleed("\xFF\xFE" + U16(u"0 HEAD\r\n", true), wb));
  wb.VoegToe("1 NOTE \xC3\xA9\xE2\x82\xAC\xF0\x90\x80\x80");  // é € U+10000
  wb.VoegToe("1 NOTE \xC3 \xED\xA0\x80!");                    // a cut sequence and an encoded surrogate
  EXPECT_EQ(NaarBytes(wb), "\xFF\xFE" + U16(u"0 HEAD\r\n1 NOTE \u00E9\u20AC\U00010000\r\n"
                                            u"1 NOTE \uFFFD \uFFFD\uFFFD\uFFFD!\r\n",
                                            true));
}

// A temporary folder per test, removed afterwards.
class Bestanden : public testing::Test {
 protected:
  void SetUp() override {
    std::string sjabloon = (fs::temp_directory_path() / "plovena-werkbestand-XXXXXX").string();
    ASSERT_NE(mkdtemp(sjabloon.data()), nullptr);
    map_ = sjabloon;
  }
  void TearDown() override {
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(map_, ec))
      if (e.is_directory(ec) && !e.is_symlink(ec)) fs::permissions(e.path(), fs::perms::owner_all, ec);
    fs::permissions(map_, fs::perms::owner_all, ec);
    fs::remove_all(map_, ec);
  }

  fs::path Pad(const std::string& naam) const { return map_ / naam; }
  static void Schrijf(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  static std::string Lees(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Names in the folder: a save must leave no temporary file behind.
  std::vector<std::string> Inhoud() const {
    std::vector<std::string> namen;
    for (auto& e : fs::directory_iterator(map_)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }
  static Werkbestand Document(const Regels& regels) {
    Werkbestand wb;
    for (const auto& r : regels) wb.VoegToe(r);
    return wb;
  }
  static unsigned Modus(const fs::path& p) {
    struct stat st;
    EXPECT_EQ(::stat(p.c_str(), &st), 0);
    return st.st_mode & 07777;
  }
  static bool IsRoot() { return ::geteuid() == 0; }

  fs::path map_;
};

TEST_F(Bestanden, LaadEnBewaar) {
  const fs::path p = Pad("a.ged");
  Schrijf(p, "\xFE\xFF" + U16(u"0 HEAD\n1 SOUR X\n", false));
  Werkbestand wb;
  ASSERT_FALSE(Laad(p, wb));
  EXPECT_EQ(Lijst(wb), (Regels{"0 HEAD", "1 SOUR X"}));
  EXPECT_EQ(wb.codering, Codering::Utf16BeBom);
  wb.VoegToe("0 TRLR");
  ASSERT_FALSE(Bewaar(wb, Pad("b.ged")));
  EXPECT_EQ(Lees(Pad("b.ged")), "\xFE\xFF" + U16(u"0 HEAD\r\n1 SOUR X\r\n0 TRLR\r\n", false));
  EXPECT_EQ(Lijst(wb), (Regels{"0 HEAD", "1 SOUR X", "0 TRLR"}));  // saving leaves it as it was

  // A new file gets the usual permissions of a new file.
  const mode_t masker = ::umask(0);
  ::umask(masker);
  EXPECT_EQ(Modus(Pad("b.ged")), 0666u & ~masker);
  EXPECT_EQ(Inhoud(), (std::vector<std::string>{"a.ged", "b.ged"}));

  ASSERT_FALSE(BewaarBytes("rapport\r\n", Pad("r.txt")));
  EXPECT_EQ(Lees(Pad("r.txt")), "rapport\r\n");
  ASSERT_FALSE(BewaarBytes("", Pad("r.txt")));
  EXPECT_EQ(Lees(Pad("r.txt")), "");
}

// Saving goes out in buffered pieces: lines across the piece boundaries and a line longer than
// a piece must arrive exactly as the bytes of the text form.
TEST_F(Bestanden, BewaarInStukkenGeeftDezelfdeBytes) {
  for (Codering c : {Codering::Bytes, Codering::Utf8Bom, Codering::Utf16LeBom}) {
    Werkbestand wb;
    wb.codering = c;
    wb.VoegToe("0 HEAD");
    for (int i = 0; i < 120000; ++i) wb.VoegToe("1 NOTE regel " + std::to_string(i));
    wb.VoegToe(std::string(3 << 20, 'x'));
    wb.VoegToe("");
    wb.VoegToe("0 TRLR");
    const fs::path p = Pad("groot.ged");
    ASSERT_FALSE(Bewaar(wb, p));
    EXPECT_TRUE(Lees(p) == NaarBytes(wb)) << static_cast<int>(c);
  }
}

TEST_F(Bestanden, LaadFouten) {
  Werkbestand wb = Document({"blijft"});
  wb.codering = Codering::Utf8Bom;
  const fs::path weg = Pad("weg.ged");
  EXPECT_EQ(Laad(weg, wb).tekst, "Kan \"" + weg.string() + "\" niet lezen: het bestand bestaat niet.");
  EXPECT_EQ(Laad(map_, wb).tekst, "Kan \"" + map_.string() + "\" niet lezen: het is een map.");
  Schrijf(Pad("bestand"), "x");
  EXPECT_EQ(Laad(Pad("bestand") / "a.ged", wb).tekst, "Kan \"" + (Pad("bestand") / "a.ged").string() +
                                                          "\" niet lezen: een deel van het pad is geen map.");
  Schrijf(Pad("oneven.ged"), "\xFF\xFE\x30");
  EXPECT_EQ(
      Laad(Pad("oneven.ged"), wb).tekst,
      "Kan \"" + Pad("oneven.ged").string() + "\" niet lezen: ongeldige UTF-16-tekst: oneven aantal bytes.");
  if (!IsRoot()) {
    Schrijf(Pad("dicht.ged"), "0 HEAD\n");
    fs::permissions(Pad("dicht.ged"), fs::perms::none);
    EXPECT_EQ(Laad(Pad("dicht.ged"), wb).tekst,
              "Kan \"" + Pad("dicht.ged").string() + "\" niet lezen: geen toegang.");
  }
  EXPECT_EQ(Lijst(wb), Regels{"blijft"});
  EXPECT_EQ(wb.codering, Codering::Utf8Bom);
}

#if defined(__SANITIZE_ADDRESS__)
#define PLOVENA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLOVENA_ASAN 1
#endif
#endif

#ifndef PLOVENA_ASAN
// Loads with 64 MB of address space to spare; 0 when Laad failed with the expected text and
// left its target alone.
int LaadMetKrapGeheugen(const fs::path& p, const std::string& verwacht) {
  long paginas = 0;
  std::ifstream("/proc/self/statm") >> paginas;
  const rlim_t grens =
      static_cast<rlim_t>(paginas) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64 << 20);
  const rlimit r{grens, grens};
  if (::setrlimit(RLIMIT_AS, &r) != 0) return 2;
  Werkbestand wb;
  wb.VoegToe("blijft");
  const BestandsFout f = Laad(p, wb);
  return f.tekst == verwacht && wb.Count() == 1 ? 0 : 1;
}
#endif

TEST_F(Bestanden, TeGrootVoorHetGeheugen) {
#ifdef PLOVENA_ASAN
  GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
#else
  const fs::path p = Pad("groot.ged");
  const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, 256 << 20), 0);  // sparse: costs no disk
  ::close(fd);
  const std::string verwacht =
      "Kan \"" + p.string() + "\" niet lezen: het bestand is te groot voor het geheugen.";
  // In a child process with too little address space for the file: an error, no crash.
  EXPECT_EXIT(std::_Exit(LaadMetKrapGeheugen(p, verwacht)), testing::ExitedWithCode(0), "");
#endif
}

TEST_F(Bestanden, MislukteBewaringLaatDoelHeel) {
  const Werkbestand wb = Document({"0 HEAD", "0 TRLR"});

  const fs::path zonderMap = Pad("geen") / "a.ged";
  EXPECT_EQ(Bewaar(wb, zonderMap).tekst,
            "Kan \"" + zonderMap.string() + "\" niet opslaan: de map bestaat niet.");
  EXPECT_FALSE(fs::exists(Pad("geen")));

  EXPECT_EQ(Bewaar(wb, map_).tekst, "Kan \"" + map_.string() + "\" niet opslaan: het is een map.");

  // A file the user protected is not replaced, also not by root.
  const fs::path beschermd = Pad("beschermd.ged");
  Schrijf(beschermd, "oud\n");
  fs::permissions(beschermd, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(Bewaar(wb, beschermd).tekst,
            "Kan \"" + beschermd.string() + "\" niet opslaan: het bestand is alleen-lezen.");
  EXPECT_EQ(Lees(beschermd), "oud\n");
  EXPECT_EQ(Modus(beschermd), 0440u);
  EXPECT_EQ(Inhoud(), std::vector<std::string>{"beschermd.ged"});
}

TEST_F(Bestanden, AlleenLezenMap) {
  if (IsRoot()) GTEST_SKIP() << "root may write in any folder";
  const fs::path p = Pad("a.ged");
  Schrijf(p, "oud\n");
  fs::permissions(map_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(Bewaar(Document({"nieuw"}), p).tekst, "Kan \"" + p.string() + "\" niet opslaan: geen toegang.");
  EXPECT_EQ(Lees(p), "oud\n");
  fs::permissions(map_, fs::perms::owner_all);
  EXPECT_EQ(Inhoud(), std::vector<std::string>{"a.ged"});
}

TEST_F(Bestanden, VolleSchijf) {
  if (!IsRoot()) GTEST_SKIP() << "making a device node needs root";
  // A node of our own for the device that is always full; /dev/full itself is never touched.
  const fs::path vol = Pad("full");
  ASSERT_EQ(::mknod(vol.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
  EXPECT_EQ(Bewaar(Document({"0 HEAD"}), vol).tekst,
            "Kan \"" + vol.string() + "\" niet opslaan: de schijf is vol.");
  EXPECT_TRUE(fs::is_character_file(vol));  // written directly, not replaced
  EXPECT_EQ(Inhoud(), std::vector<std::string>{"full"});
}

TEST_F(Bestanden, RechtenBlijven) {
  const fs::path p = Pad("a.ged");
  Schrijf(p, "oud\n");
  ASSERT_EQ(::chmod(p.c_str(), 0604), 0);
  ASSERT_FALSE(Bewaar(Document({"nieuw"}), p));
  EXPECT_EQ(Lees(p), "nieuw\r\n");
  EXPECT_EQ(Modus(p), 0604u);
  ASSERT_EQ(::chmod(p.c_str(), 0750), 0);
  ASSERT_FALSE(Bewaar(Document({"weer"}), p));
  EXPECT_EQ(Modus(p), 0750u);
  EXPECT_EQ(Inhoud(), std::vector<std::string>{"a.ged"});
}

TEST_F(Bestanden, KoppelingWordtGevolgd) {
  fs::create_directory(Pad("echt"));
  const fs::path doel = Pad("echt") / "a.ged";
  Schrijf(doel, "oud\n");
  ASSERT_EQ(::chmod(doel.c_str(), 0640), 0);
  fs::create_symlink("echt/a.ged", Pad("tussen"));  // relative, and a chain of two
  fs::create_symlink(Pad("tussen"), Pad("link.ged"));

  ASSERT_FALSE(Bewaar(Document({"nieuw"}), Pad("link.ged")));
  EXPECT_TRUE(fs::is_symlink(Pad("link.ged")));
  EXPECT_TRUE(fs::is_symlink(Pad("tussen")));
  EXPECT_EQ(Lees(doel), "nieuw\r\n");
  EXPECT_EQ(Modus(doel), 0640u);
  EXPECT_EQ(Inhoud(), (std::vector<std::string>{"echt", "link.ged", "tussen"}));
  EXPECT_EQ(fs::directory_iterator(Pad("echt"))->path().filename(), "a.ged");

  // A dangling link: its target is created, the link stays.
  fs::create_symlink("echt/nieuw.ged", Pad("los.ged"));
  ASSERT_FALSE(Bewaar(Document({"x"}), Pad("los.ged")));
  EXPECT_TRUE(fs::is_symlink(Pad("los.ged")));
  EXPECT_EQ(Lees(Pad("echt") / "nieuw.ged"), "x\r\n");
}

TEST_F(Bestanden, FifoWordtDirectBeschreven) {
  const fs::path fifo = Pad("pijp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string ontvangen;
  std::thread lezer([&] { ontvangen = Lees(fifo); });
  const BestandsFout f = Bewaar(Document({"0 HEAD", "0 TRLR"}), fifo);
  if (f) ::close(::open(fifo.c_str(), O_WRONLY));  // let the reader go
  lezer.join();
  EXPECT_FALSE(f) << f.tekst;
  EXPECT_EQ(ontvangen, "0 HEAD\r\n0 TRLR\r\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

// What saving a loaded file must give, worked out on its own: every line end (CR LF, LF, lone
// CR) made CR LF, a missing last one added, UTF-16 files in their own code units.
std::string VerwachtNaOpslaan(const std::string& bytes) {
  std::size_t begin = 0, breedte = 1;
  bool le = false;
  auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    begin = 3;
  } else if (bytes.size() >= 2 && ((b(0) == 0xFF && b(1) == 0xFE) || (b(0) == 0xFE && b(1) == 0xFF))) {
    begin = 2, breedte = 2, le = b(0) == 0xFF;
  } else if (bytes.size() >= 2 && ((b(0) == '0' && b(1) == 0) || (b(0) == 0 && b(1) == '0'))) {
    breedte = 2, le = b(0) == '0';
  }
  auto teken = [&](std::size_t i) -> unsigned {
    if (breedte == 1) return b(i);
    return le ? b(i) | (b(i + 1) << 8) : (b(i) << 8) | b(i + 1);
  };
  auto schrijf = [&](std::string& uit, unsigned c) {
    if (breedte == 1) {
      uit += static_cast<char>(c);
    } else {
      uit += static_cast<char>(le ? c & 0xFF : c >> 8);
      uit += static_cast<char>(le ? c >> 8 : c & 0xFF);
    }
  };
  std::string uit = bytes.substr(0, begin);
  bool open = false;  // a line has begun that has no end yet
  for (std::size_t i = begin; i < bytes.size(); i += breedte) {
    const unsigned c = teken(i);
    if (c == '\r' || c == '\n') {
      if (i + breedte < bytes.size()) {
        const unsigned d = teken(i + breedte);
        if ((d == '\r' || d == '\n') && d != c) i += breedte;  // CR LF or LF CR: one line end
      }
      schrijf(uit, '\r');
      schrijf(uit, '\n');
      open = false;
    } else {
      schrijf(uit, c);
      open = true;
    }
  }
  if (open) {
    schrijf(uit, '\r');
    schrijf(uit, '\n');
  }
  return uit;
}

TEST(EchteBestanden, OpenEnOpslaanGeeftDezelfdeBytes) {
  std::size_t aantal = 0;
  for (const auto& e : fs::directory_iterator(PLOVENA_TESTDATA_DIR)) {
    if (e.path().extension() != ".ged") continue;
    SCOPED_TRACE(e.path().filename().string());
    ++aantal;
    std::ifstream in(e.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    Werkbestand wb;
    const BestandsFout f = Laad(e.path(), wb);
    ASSERT_FALSE(f) << f.tekst;
    EXPECT_TRUE(NaarBytes(wb) == VerwachtNaOpslaan(bytes));  // no dump of megabytes on failure
  }
  EXPECT_GE(aantal, 30u);
}

// The line counts the collection's own description gives, which counts CR, LF, CR LF and LF CR
// as one line end each.
TEST(EchteBestanden, RegelaantallenKloppenMetBeschrijving) {
  std::ifstream in(fs::path(PLOVENA_TESTDATA_DIR) / "SOURCES.md");
  ASSERT_TRUE(in) << "SOURCES.md ontbreekt";
  std::string regel;
  std::size_t aantal = 0;
  while (std::getline(in, regel)) {
    // | name.ged | size | lines | ...
    if (regel.rfind("| ", 0) != 0 || regel.find(".ged |") == std::string::npos) continue;
    std::vector<std::string> kolommen;
    std::size_t p = 1;
    for (std::size_t q; (q = regel.find('|', p)) != std::string::npos; p = q + 1)
      kolommen.push_back(std::string(Trim(std::string_view(regel).substr(p, q - p))));
    ASSERT_GE(kolommen.size(), 3u);
    SCOPED_TRACE(kolommen[0]);
    Werkbestand wb;
    const BestandsFout f = Laad(fs::path(PLOVENA_TESTDATA_DIR) / kolommen[0], wb);
    ASSERT_FALSE(f) << f.tekst;
    EXPECT_EQ(wb.Count(), std::stoul(kolommen[2]));
    ++aantal;
  }
  EXPECT_GE(aantal, 30u);
}

TEST(Werkbestand, Bestandsnaamdeel) {
  EXPECT_EQ(Bestandsnaamdeel("C:\\Gen\\a.ged"), "a.ged");
  EXPECT_EQ(Bestandsnaamdeel("/home/jan/b.ged"), "b.ged");
  EXPECT_EQ(Bestandsnaamdeel("c.ged"), "c.ged");
  EXPECT_EQ(Bestandsnaamdeel("/map/"), "");
  EXPECT_EQ(Bestandsnaamdeel(""), "");
}

}  // namespace
}  // namespace plovena
