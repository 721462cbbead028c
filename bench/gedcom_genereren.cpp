// gedcom-genereren REGELS ZAAD UITVOER
//
// Writes a GEDCOM 5.5.1 file of exactly REGELS lines, the way Haza21 writes its exports, with
// something for every command to do: empty surnames, runs of NOTE lines, several and void
// occupations, residences without address, deviating source citations, family events and
// witnesses, _UID tags. The same REGELS and ZAAD always give the same bytes. Plain C++ on
// purpose: the benchmark input must not depend on the code it measures.

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// splitmix64: tiny, fast and the same on every platform, unlike std::*_distribution.
class Toeval {
 public:
  explicit Toeval(std::uint64_t zaad) : s_(zaad) {}
  std::uint64_t Volgende() {
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n-1 (n > 0); the slight bias of the modulo does not matter here.
  std::uint32_t Onder(std::uint32_t n) { return static_cast<std::uint32_t>(Volgende() % n); }
  std::uint32_t Tussen(std::uint32_t van, std::uint32_t tot) { return van + Onder(tot - van + 1); }
  bool Kans(std::uint32_t procent) { return Onder(100) < procent; }
  template <std::size_t N>
  std::string_view Kies(const std::string_view (&lijst)[N]) {
    return lijst[Onder(static_cast<std::uint32_t>(N))];
  }

 private:
  std::uint64_t s_;
};

constexpr std::string_view kMannen[] = {
    "Jan",     "Pieter",  "Hendrik", "Cornelis", "Johannes", "Willem", "Gerrit",  "Jacobus",
    "Dirk",    "Hendrikus", "Teunis", "Arie",    "Klaas",    "Daniël", "Noël",    "Joël",
    "Michaël", "René",    "André",   "Eugène",   "Gijsbert", "Evert",  "Wouter",  "Adriaan",
    "Jan Pieter", "Johannes Hendrikus", "Rafaël", "Bartholomeus"};
constexpr std::string_view kVrouwen[] = {
    "Maria",    "Anna",    "Johanna",  "Cornelia", "Geertruida", "Hendrika", "Aaltje", "Grietje",
    "Neeltje",  "Willemijntje", "Zoë",  "Anaïs",    "Hélène",     "Noëlle",   "Dieuwertje", "Trijntje",
    "Elisabeth", "Maria Johanna", "Désirée", "Ariënne", "Jacoba", "Petronella", "Wilhelmina", "Clasina"};
constexpr std::string_view kAchternamen[] = {
    "Jansen",     "de Vries",   "van den Berg", "Bakker",   "Visser",     "Smit",      "Meijer",
    "de Boer",    "Mulder",     "de Groot",     "Bos",      "Vos",        "Peters",    "Hendriks",
    "van Leeuwen", "Dekker",    "Brouwer",      "de Wit",   "Dijkstra",   "Smits",     "de Graaf",
    "van der Meer", "Kok",      "Jacobs",       "Schröder", "Gödecke",    "Coënen",    "Noël",
    "van 't Hof", "Verhoeven",  "Kuipers",      "Janssen",  "van Dijk",   "Hoekstra",  "Cöp"};
constexpr std::string_view kPlaatsen[] = {
    "Amsterdam", "Rotterdam",   "Utrecht",  "Zwolle",   "Ede",        "Deventer",    "Leiden",
    "Haarlem",   "'s-Hertogenbosch", "Groningen", "Leeuwarden", "Assen", "Arnhem", "Nijmegen",
    "Kampen",    "Sint-Oedenrode", "Coevorden", "Oisterwijk", "Veenendaal", "Barneveld", "Gouda",
    "Delft",     "Schiedam",    "Kerkrade", "Roermond", "Sluis",      "Hoogezand",   "Dalfsen"};
constexpr std::string_view kBeroepen[] = {
    "landbouwer", "arbeider",  "dienstmeid",  "boerenknecht", "smid",       "bakker",   "schipper",
    "timmerman",  "koopman",   "caféhouder",  "naaister",     "onderwijzer", "predikant", "notaris",
    "kleermaker", "metselaar", "veldwachter", "winkelierster", "schoenmaker", "molenaar", "herbergier",
    "koetsier",   "turfsteker", "wever"};
constexpr std::string_view kStraten[] = {
    "Kerkstraat", "Dorpsstraat", "Molenweg", "Hoofdstraat", "Schoolstraat", "Nieuwstraat",
    "Kerkpad",    "Brink",       "Markt",    "Achterom",    "Oude Gracht",  "Lindenlaan"};
constexpr std::string_view kZinnen[] = {
    "Geboren op de boerderij van zijn grootvader.",
    "Later verhuisd naar de stad.",
    "Volgens het doopboek gedoopt op zondag.",
    "Eén van de twaalf kinderen.",
    "Heeft het huis geërfd van haar ouders.",
    "Vermeld in het bevolkingsregister.",
    "Getuige bij de reünie van de familie.",
    "Woonde bij de ruïne van het kasteel.",
    "Overleden in het gasthuis.",
    "Zie ook de aantekeningen van de kerkenraad.",
    "Naam ook gespeld als",
    "Emigreerde naar Amerika.",
    "Lid van de schutterij.",
    "Kreeg een uitkering van de armenzorg."};
constexpr std::string_view kBronsoorten[] = {"Doopboek", "Trouwboek", "Begraafboek",
                                             "Burgerlijke Stand", "Bevolkingsregister",
                                             "Notarieel archief", "Lidmatenregister"};
constexpr std::string_view kMaanden[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::string_view kGezinsgebeurtenissen[] = {"ondertrouw", "scheiding", "kerkelijk huwelijk",
                                                      "huwelijkse voorwaarden"};

class Uitvoer {
 public:
  explicit Uitvoer(std::FILE* f) : f_(f) { buf_.reserve(kBuffer + 4096); }
  ~Uitvoer() { Spoel(); }

  // One line: level, delimiter, tag, optionally delimiter and value, CR LF.
  void Regel(char niveau, std::string_view tag) {
    buf_ += niveau;
    buf_ += ' ';
    buf_ += tag;
    Einde();
  }
  template <typename... Delen>
  void Regel(char niveau, std::string_view tag, const Delen&... delen) {
    buf_ += niveau;
    buf_ += ' ';
    buf_ += tag;
    buf_ += ' ';
    (Voeg(delen), ...);
    Einde();
  }
  std::uint64_t Aantal() const { return aantal_; }
  bool Fout() const { return fout_; }

  void Spoel() {
    if (!buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), f_) != buf_.size()) fout_ = true;
    buf_.clear();
  }

 private:
  static constexpr std::size_t kBuffer = 1 << 20;

  void Voeg(std::string_view s) { buf_ += s; }
  void Voeg(char c) { buf_ += c; }
  void Voeg(std::uint32_t n) {
    char t[10];
    int i = 10;
    do {
      t[--i] = static_cast<char>('0' + n % 10);
      n /= 10;
    } while (n != 0);
    buf_.append(t + i, static_cast<std::size_t>(10 - i));
  }
  void Einde() {
    buf_ += "\r\n";
    ++aantal_;
    if (buf_.size() >= kBuffer) Spoel();
  }

  std::FILE* f_;
  std::string buf_;
  std::uint64_t aantal_ = 0;
  bool fout_ = false;
};

// Cross-reference text "@I12@" and friends.
struct Verwijzing {
  char soort;
  std::uint32_t nummer;
};

class Generator {
 public:
  Generator(std::uint64_t regels, std::uint64_t zaad, Uitvoer& uit)
      : regels_(regels), t_(zaad), uit_(uit) {
    // Estimates of the record counts, so that references point at records that will exist.
    // (lines per record as measured on the output).
    personen_ = Max1(static_cast<std::uint32_t>(regels * 70 / 100 * 10 / 201));
    gezinnen_ = Max1(static_cast<std::uint32_t>(regels * 20 / 100 * 10 / 122));
    bronnen_ = Max1(static_cast<std::uint32_t>(regels * 6 / 100 * 10 / 53));
    notities_ = Max1(static_cast<std::uint32_t>(regels * 4 / 100 * 10 / 35));
    archieven_ = Max1(static_cast<std::uint32_t>(regels / 50000));
  }

  void Schrijf() {
    Kop();
    // Each phase stops while a whole record of the next still fits; the note records at the end
    // fill up the count exactly.
    constexpr std::uint64_t kRuimte = 80;
    for (std::uint32_t i = 1; Voor(70) && Past(kRuimte); ++i) Persoon(i);
    for (std::uint32_t i = 1; Voor(90) && Past(kRuimte); ++i) Gezin(i);
    for (std::uint32_t i = 1; i <= archieven_ && Past(kRuimte); ++i) Archief(i);
    for (std::uint32_t i = 1; Voor(96) && Past(kRuimte); ++i) Bron(i);
    std::uint32_t n = 1;
    while (Over() > 1) Notitie(n++, Over() - 1);
    if (Over() == 1) uit_.Regel('0', "TRLR");
  }

 private:
  static std::uint32_t Max1(std::uint32_t n) { return n == 0 ? 1 : n; }
  bool Voor(std::uint64_t procent) const { return uit_.Aantal() < regels_ * procent / 100; }
  bool Past(std::uint64_t n) const { return uit_.Aantal() + n < regels_; }
  std::uint64_t Over() const { return regels_ - uit_.Aantal(); }

  std::string_view Ref(char soort, std::uint32_t nummer) {
    ref_.clear();
    ref_ += '@';
    ref_ += soort;
    char t[10];
    int i = 10;
    do {
      t[--i] = static_cast<char>('0' + nummer % 10);
      nummer /= 10;
    } while (nummer != 0);
    ref_.append(t + i, static_cast<std::size_t>(10 - i));
    ref_ += '@';
    return ref_;
  }

  std::string_view Uid() {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::uint64_t a = t_.Volgende(), b = t_.Volgende();
    for (int i = 0; i < 16; ++i) {
      uid_[i] = kHex[(a >> (i * 4)) & 15];
      uid_[16 + i] = kHex[(b >> (i * 4)) & 15];
    }
    return {uid_, 32};
  }

  std::string_view Datum(std::uint32_t vanJaar, std::uint32_t totJaar, bool exact = false) {
    datum_.clear();
    std::uint32_t vorm = exact ? 9 : t_.Onder(10);
    if (vorm == 0) datum_ += "ABT ";
    if (vorm == 1) datum_ += "BEF ";
    if (vorm >= 3) {
      AppendGetal(datum_, t_.Tussen(1, 28));
      datum_ += ' ';
      datum_ += t_.Kies(kMaanden);
      datum_ += ' ';
    }
    AppendGetal(datum_, t_.Tussen(vanJaar, totJaar));
    return datum_;
  }

  static void AppendGetal(std::string& s, std::uint32_t n) {
    char t[10];
    int i = 10;
    do {
      t[--i] = static_cast<char>('0' + n % 10);
      n /= 10;
    } while (n != 0);
    s.append(t + i, static_cast<std::size_t>(10 - i));
  }

  void Kop() {
    uit_.Regel('0', "HEAD");
    uit_.Regel('1', "SOUR", std::string_view("HAZA21"));
    uit_.Regel('2', "VERS", std::string_view("2.2.4"));
    uit_.Regel('2', "NAME", std::string_view("Haza-21"));
    uit_.Regel('1', "DEST", std::string_view("ANY"));
    uit_.Regel('1', "DATE", std::string_view("14 MAR 2024"));
    uit_.Regel('2', "TIME", std::string_view("20:41:07"));
    uit_.Regel('1', "SUBM", std::string_view("@U1@"));
    uit_.Regel('1', "FILE", std::string_view("stamboom.ged"));
    uit_.Regel('1', "GEDC");
    uit_.Regel('2', "VERS", std::string_view("5.5.1"));
    uit_.Regel('2', "FORM", std::string_view("LINEAGE-LINKED"));
    uit_.Regel('1', "CHAR", std::string_view("UTF-8"));
    uit_.Regel('1', "LANG", std::string_view("Dutch"));
    uit_.Regel('0', "@U1@", std::string_view("SUBM"));
    uit_.Regel('1', "NAME", std::string_view("Geërte van den Brink"));
    uit_.Regel('1', "ADDR", std::string_view("Kerkstraat 1"));
    uit_.Regel('2', "CITY", std::string_view("Zwolle"));
  }

  // A citation under an event (level 2) in one of three forms.
  void Citatie(char niveau) {
    std::uint32_t s = t_.Tussen(1, bronnen_);
    std::uint32_t vorm = t_.Onder(100);
    if (vorm < 20) {
      uit_.Regel(niveau, "SOUR", Ref('S', s));
      if (t_.Kans(60)) uit_.Regel(static_cast<char>(niveau + 1), "PAGE", std::string_view("akte "), t_.Tussen(1, 900));
    } else if (vorm < 30) {
      uit_.Regel(niveau, "SOUR", 'S', s);  // Haza21's form without '@'
    }
  }

  void Gebeurtenis(std::string_view tag, std::uint32_t vanJaar, std::uint32_t totJaar) {
    uit_.Regel('1', tag);
    if (t_.Kans(90)) uit_.Regel('2', "DATE", Datum(vanJaar, totJaar));
    if (t_.Kans(80)) uit_.Regel('2', "PLAC", t_.Kies(kPlaatsen));
    Citatie('2');
  }

  void Notes(char niveau, std::uint32_t max) {
    std::uint32_t n = t_.Tussen(1, max);
    for (std::uint32_t k = 0; k < n; ++k) {
      uit_.Regel(niveau, "NOTE", t_.Kies(kZinnen));
      if (t_.Kans(5)) uit_.Regel(static_cast<char>(niveau + 1), "CONC", std::string_view(" en verder."));
    }
  }

  void Persoon(std::uint32_t i) {
    bool man = t_.Kans(50);
    std::string_view voornaam = man ? t_.Kies(kMannen) : t_.Kies(kVrouwen);
    std::uint32_t geboren = t_.Tussen(1700, 1960);

    uit_.Regel('0', Ref('I', i), std::string_view("INDI"));
    if (t_.Kans(85)) uit_.Regel('1', "_UID", Uid());
    if (t_.Kans(10)) {
      uit_.Regel('1', "NAME", voornaam, std::string_view(" //"));
    } else {
      std::string_view achternaam = t_.Kies(kAchternamen);
      uit_.Regel('1', "NAME", voornaam, std::string_view(" /"), achternaam, '/');
      if (t_.Kans(40)) {
        uit_.Regel('2', "GIVN", voornaam);
        uit_.Regel('2', "SURN", achternaam);
      }
    }
    uit_.Regel('1', "SEX", man ? 'M' : 'F');
    Gebeurtenis("BIRT", geboren, geboren);
    if (t_.Kans(50)) Gebeurtenis("BAPM", geboren, geboren + 1);
    if (t_.Kans(65)) Gebeurtenis("DEAT", geboren + 1, geboren + 95);

    std::uint32_t beroepen = t_.Onder(100) < 55 ? 1 : (t_.Kans(60) ? 2 : 3);
    for (std::uint32_t k = 0; k < beroepen; ++k) {
      if (t_.Kans(15)) {
        uit_.Regel('1', "OCCU");  // Haza21 writes an occupation without value as well
      } else {
        uit_.Regel('1', "OCCU", t_.Kies(kBeroepen));
      }
      if (t_.Kans(30)) uit_.Regel('2', "DATE", Datum(geboren + 18, geboren + 60));
      if (t_.Kans(15)) uit_.Regel('2', "PLAC", t_.Kies(kPlaatsen));
    }
    if (t_.Kans(55)) {
      uit_.Regel('1', "RESI");
      if (t_.Kans(70)) uit_.Regel('2', "ADDR", t_.Kies(kStraten), ' ', t_.Tussen(1, 180));
      if (t_.Kans(90)) uit_.Regel('2', "CITY", t_.Kies(kPlaatsen));
      if (t_.Kans(30)) uit_.Regel('2', "DATE", Datum(geboren + 20, geboren + 70));
    }
    if (t_.Kans(40)) Notes('1', 4);
    if (t_.Kans(6)) uit_.Regel('1', "NOTE", Ref('N', t_.Tussen(1, notities_)));
    if (t_.Kans(30)) {
      uit_.Regel('1', "SOUR", Ref('S', t_.Tussen(1, bronnen_)));
      if (t_.Kans(50)) uit_.Regel('2', "PAGE", std::string_view("blz. "), t_.Tussen(1, 400));
    }
    if (t_.Kans(8)) {
      uit_.Regel('1', Ref('S', t_.Tussen(1, bronnen_)), std::string_view("SOUR"));  // Haza21's form
      uit_.Regel('2', "PAGE", std::string_view("blz. "), t_.Tussen(1, 400));
    }
    // Couples: persons 2k-1 and 2k are husband and wife of family k.
    std::uint32_t gezin = (i + 1) / 2;
    if (gezin <= gezinnen_ && t_.Kans(80)) uit_.Regel('1', "FAMS", Ref('F', gezin));
    if (t_.Kans(70)) uit_.Regel('1', "FAMC", Ref('F', t_.Tussen(1, gezinnen_)));
    if (t_.Kans(60)) {
      uit_.Regel('1', "CHAN");
      uit_.Regel('2', "DATE", Datum(2005, 2024, true));
      uit_.Regel('3', "TIME", std::string_view("12:"), t_.Tussen(10, 59), ':', t_.Tussen(10, 59));
    }
  }

  void Gezin(std::uint32_t k) {
    uit_.Regel('0', Ref('F', k), std::string_view("FAM"));
    if (t_.Kans(85)) uit_.Regel('1', "_UID", Uid());
    if (t_.Kans(95)) uit_.Regel('1', "HUSB", Ref('I', 2 * k - 1 <= personen_ ? 2 * k - 1 : t_.Tussen(1, personen_)));
    if (t_.Kans(95)) uit_.Regel('1', "WIFE", Ref('I', 2 * k <= personen_ ? 2 * k : t_.Tussen(1, personen_)));
    std::uint32_t kinderen = t_.Onder(7);
    for (std::uint32_t c = 0; c < kinderen; ++c) uit_.Regel('1', "CHIL", Ref('I', t_.Tussen(1, personen_)));
    if (t_.Kans(80)) Gebeurtenis("MARR", 1720, 1985);
    if (t_.Kans(25)) {
      uit_.Regel('1', "EVEN");
      uit_.Regel('2', "TYPE", t_.Kies(kGezinsgebeurtenissen));
      if (t_.Kans(80)) uit_.Regel('2', "DATE", Datum(1720, 1985));
      if (t_.Kans(60)) uit_.Regel('2', "PLAC", t_.Kies(kPlaatsen));
    }
    if (t_.Kans(25)) {
      std::uint32_t getuigen = t_.Tussen(1, 2);
      for (std::uint32_t g = 0; g < getuigen; ++g)
        uit_.Regel('1', "WITN", t_.Kies(kMannen), ' ', t_.Kies(kAchternamen));
    }
    if (t_.Kans(20)) {
      uit_.Regel('1', "RESI");
      if (t_.Kans(60)) uit_.Regel('2', "ADDR", t_.Kies(kStraten), ' ', t_.Tussen(1, 180));
      uit_.Regel('2', "CITY", t_.Kies(kPlaatsen));
    }
    if (t_.Kans(10)) Notes('1', 3);
    if (t_.Kans(50)) {
      uit_.Regel('1', "CHAN");
      uit_.Regel('2', "DATE", Datum(2005, 2024, true));
    }
  }

  void Archief(std::uint32_t r) {
    std::string_view plaats = t_.Kies(kPlaatsen);
    uit_.Regel('0', Ref('R', r), std::string_view("REPO"));
    uit_.Regel('1', "NAME", std::string_view("Gemeentearchief "), plaats);
    uit_.Regel('1', "ADDR", t_.Kies(kStraten), ' ', t_.Tussen(1, 90));
    uit_.Regel('2', "CITY", plaats);
    if (t_.Kans(50)) uit_.Regel('1', "PHON", std::string_view("0"), t_.Tussen(100000000, 999999999));
  }

  void Bron(std::uint32_t s) {
    std::string_view plaats = t_.Kies(kPlaatsen);
    uit_.Regel('0', Ref('S', s), std::string_view("SOUR"));
    uit_.Regel('1', "TITL", t_.Kies(kBronsoorten), ' ', plaats);
    if (t_.Kans(60)) uit_.Regel('1', "AUTH", std::string_view("Gemeente "), plaats);
    if (t_.Kans(30)) uit_.Regel('1', "PUBL", std::string_view("Gedigitaliseerd "), t_.Tussen(1995, 2023));
    uit_.Regel('1', "REPO", Ref('R', t_.Tussen(1, archieven_)));
    if (t_.Kans(40)) uit_.Regel('2', "CALN", std::string_view("inv.nr. "), t_.Tussen(1, 3000));
    if (t_.Kans(30)) Notes('1', 2);
    if (t_.Kans(50)) uit_.Regel('1', "_UID", Uid());
  }

  // A note record of at most `max` lines (max >= 1).
  void Notitie(std::uint32_t n, std::uint64_t max) {
    std::uint64_t lengte = t_.Tussen(1, 6);
    if (lengte > max) lengte = max;
    uit_.Regel('0', Ref('N', n), std::string_view("NOTE "), t_.Kies(kZinnen));
    for (std::uint64_t k = 1; k < lengte; ++k) {
      if (t_.Kans(20)) {
        uit_.Regel('1', "CONC", std::string_view(" "), t_.Kies(kZinnen));
      } else {
        uit_.Regel('1', "CONT", t_.Kies(kZinnen));
      }
    }
  }

  std::uint64_t regels_;
  Toeval t_;
  Uitvoer& uit_;
  std::uint32_t personen_, gezinnen_, bronnen_, notities_, archieven_;
  std::string ref_, datum_;
  char uid_[32];
};

bool LeesGetal(const char* tekst, std::uint64_t& n) {
  if (*tekst < '0' || *tekst > '9') return false;
  char* eind = nullptr;
  errno = 0;
  n = std::strtoull(tekst, &eind, 10);
  return errno == 0 && *eind == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t regels = 0, zaad = 0;
  if (argc != 4 || !LeesGetal(argv[1], regels) || !LeesGetal(argv[2], zaad) || regels < 100 ||
      regels > 0xFFFFFFFFull) {
    std::fprintf(stderr, "gebruik: gedcom-genereren REGELS ZAAD UITVOER   (REGELS >= 100)\n");
    return 2;
  }
  std::FILE* f = std::strcmp(argv[3], "-") == 0 ? stdout : std::fopen(argv[3], "wb");
  if (f == nullptr) {
    std::fprintf(stderr, "kan %s niet schrijven: %s\n", argv[3], std::strerror(errno));
    return 3;
  }
  bool fout;
  {
    Uitvoer uit(f);
    Generator(regels, zaad, uit).Schrijf();
    uit.Spoel();
    fout = uit.Fout();
  }
  if (std::fclose(f) != 0 || fout) {
    std::fprintf(stderr, "kan %s niet schrijven\n", argv[3]);
    return 3;
  }
  return 0;
}
