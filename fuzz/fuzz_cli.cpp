// plovena-cli's argument handling on argument vectors made from the input: one argument per
// line. Everything happens in a temporary folder of its own: an argument that is no option and
// no command name becomes one of a few input files there, and every -o value becomes one of a
// few outputs there (or "-"), so nothing outside that folder is ever written. (The working
// folder stays: libFuzzer reads its corpus by relative names while it runs. The only relative
// names left, "-" and command names in the place of the input, are only read.)

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "fuzz/controle.h"

namespace plovena::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKlein =
    "0 HEAD\r\n1 SOUR HAZA21\r\n2 VERS 2.3\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n1 NAME Jan //\r\n"
    "1 OCCU boer\r\n1 OCCU\r\n1 OCCU visser\r\n1 RESI\r\n2 CITY Delft\r\n1 RESI\r\n2 ADDR Markt 1\r\n"
    "2 CITY Gouda\r\n1 NOTE eerste\r\n1 NOTE tweede\r\n2 CONC deel\r\n2 SOUR S3\r\n1 @S4@ SOUR\r\n"
    "1 _UID 12AB\r\n0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 EVEN\r\n2 TYPE feest\r\n1 WITN @I1@\r\n"
    "0 @S3@ SOUR\r\n1 TITL Doop\r\n0 TRLR\r\n";
constexpr std::string_view kProGen =
    "0 HEAD\r\n1 SOUR PRO-GEN\r\n2 VERS 3.21\r\n0 @I1@ INDI\r\n2 SOUR S3\r\n";

struct Bestand {
  std::string naam;
  std::string inhoud;
};

std::string Lees(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Schrijf(const fs::path& p, std::string_view b) {
  std::ofstream(p, std::ios::binary | std::ios::trunc)
      .write(b.data(), static_cast<std::streamsize>(b.size()));
}

// The folder and its fixed contents, made once.
struct Map {
  fs::path pad;
  std::vector<Bestand> invoer;
  std::vector<std::string> invoerNamen;  // the inputs, also those that are no readable file
  std::vector<std::string> uitvoer;
  std::vector<std::string> vast;  // every name the folder holds before and after a run
  bool apparaat = false;

  Map() {
    const char* tmp = std::getenv("TMPDIR");
    std::string sjabloon = std::string(tmp && *tmp ? tmp : "/tmp") + "/plovena-fuzz-cli-XXXXXX";
    if (!::mkdtemp(sjabloon.data())) std::abort();
    pad = sjabloon;

    std::string utf16 = "\xFF\xFE";
    for (char c : kKlein) (utf16 += c) += '\0';
    invoer = {{"in.ged", std::string(kKlein)},
              {"progen.ged", std::string(kProGen)},
              {"leeg.ged", ""},
              {"bom.ged", "\xEF\xBB\xBF"},
              {"utf16.ged", utf16},
              {"kapot.ged", std::string("\xFF\xFE\x30\x00\x00\xD8", 6)}};
    for (const auto& b : invoer) {
      Schrijf(pad / b.naam, b.inhoud);
      invoerNamen.push_back((pad / b.naam).string());
    }
    fs::create_directory(pad / "map");
    invoerNamen.push_back((pad / "map").string());
    invoerNamen.push_back((pad / "weg.ged").string());

    Schrijf(pad / "alleen-lezen.ged", "oud\r\n");
    fs::permissions(pad / "alleen-lezen.ged", fs::perms::owner_read | fs::perms::group_read);
    fs::create_symlink("uit2.ged", pad / "link.ged");
    fs::create_symlink("lus.ged", pad / "lus.ged");
    uitvoer = {"-",
               (pad / "uit.ged").string(),
               (pad / "map").string(),
               (pad / "geen" / "uit.ged").string(),
               (pad / "alleen-lezen.ged").string(),
               (pad / "link.ged").string(),
               (pad / "lus.ged").string()};
    // A full device of our own; /dev/full itself is never touched.
    if (::geteuid() == 0 && ::mknod((pad / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
      apparaat = true;
      uitvoer.push_back((pad / "full").string());
    }
    vast = Namen();
  }
  ~Map() {
    std::error_code ec;
    fs::remove_all(pad, ec);
  }

  std::vector<std::string> Namen() const {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(pad)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
  }
};

Map& DeMap() {
  static Map m;
  return m;
}

std::uint64_t Hash(std::string_view s) {
  std::uint64_t h = 1469598103934665603ull;
  for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
  return h;
}

bool IsOptie(std::string_view a) { return a.size() > 1 && a.front() == '-'; }
bool IsNaam(std::string_view a) { return a == kCliBronprogramma || ZoekCliOpdracht(a); }

std::vector<std::string> Argumenten(std::string_view bytes, const Map& m) {
  std::vector<std::string> ruw;
  for (std::size_t begin = 0; begin <= bytes.size() && ruw.size() < 40;) {
    std::size_t lf = bytes.find('\n', begin);
    if (lf == std::string_view::npos) lf = bytes.size();
    ruw.emplace_back(bytes.substr(begin, lf - begin));
    begin = lf + 1;
  }
  std::vector<std::string> args;
  for (std::size_t i = 0; i < ruw.size(); ++i) {
    const std::string& a = ruw[i];
    const bool waarde = i + 1 < ruw.size() && !IsOptie(ruw[i + 1]);
    if (a == "-o") {
      args.push_back(a);
      if (waarde) args.push_back(m.uitvoer[Hash(ruw[++i]) % m.uitvoer.size()]);
    } else if (a == "--tags") {
      args.push_back(a);
      if (waarde) args.push_back(ruw[++i]);
    } else if (IsOptie(a) || IsNaam(a) || a == "-") {
      args.push_back(a);
    } else {
      args.push_back(m.invoerNamen[Hash(a) % m.invoerNamen.size()]);
    }
  }
  return args;
}

void Test(std::string_view bytes) {
  Map& m = DeMap();
  const std::vector<std::string> args = Argumenten(bytes, m);
  std::ostringstream out, err;
  const int status = VoerCliUit(args, out, err);

  Controleer(status >= kCliGelukt && status <= kCliBestand, "exitstatus " + std::to_string(status));
  const std::string o = out.str(), e = err.str();
  if (status == kCliGebruik) {
    Controleer(
        o.empty() && e.starts_with("plovena-cli: ") && e.find("Gebruik: plovena-cli") != std::string::npos,
        "een gebruiksfout zonder zijn melding, of met uitvoer");
    Controleer(!fs::exists(m.pad / "uit.ged") && !fs::exists(m.pad / "uit2.ged"),
               "een gebruiksfout schreef toch een bestand");
  }
  if (status == kCliBestand) Controleer(!e.empty() && e.back() == '\n', "exitstatus 3 zonder melding");

  // The inputs and the fixed outputs are as they were; nothing came besides the two outputs.
  for (const auto& b : m.invoer) Controleer(Lees(m.pad / b.naam) == b.inhoud, b.naam + " veranderde");
  Controleer(Lees(m.pad / "alleen-lezen.ged") == "oud\r\n", "een alleen-lezen bestand werd overschreven");
  Controleer(fs::is_directory(m.pad / "map") && fs::is_empty(m.pad / "map"), "de map veranderde");
  Controleer(fs::is_symlink(m.pad / "link.ged") && fs::is_symlink(m.pad / "lus.ged"),
             "een koppeling verdween");
  if (m.apparaat) Controleer(fs::is_character_file(m.pad / "full"), "het apparaat werd vervangen");
  std::error_code ec;
  fs::remove(m.pad / "uit.ged", ec);
  fs::remove(m.pad / "uit2.ged", ec);
  Controleer(m.Namen() == m.vast, "een bestand te veel of te weinig in de map");
}

}  // namespace
}  // namespace plovena::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plovena::fuzz::Test(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
