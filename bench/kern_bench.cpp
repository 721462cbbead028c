// plovena-kern-bench INVOER [KEREN] [OPDRACHT ...]
//
// The core without a process around it: reading and splitting the file, each command's walk and
// the bytes that saving writes, timed apart (median of KEREN runs, default 5). Where plovena-cli
// as a whole misses a target, this tells which phase is to blame; run it under
// `valgrind --tool=callgrind` with one command to see where the walk spends its time.
// Without OPDRACHT names every command of the CLI runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "commands/opdrachten.h"
#include "commands/remove/verwijderen.h"
#include "document/bronprogramma.h"
#include "document/werkbestand.h"

namespace {

using Klok = std::chrono::steady_clock;
using plovena::Resultaat;

// Answers like plovena-cli: Yes (or the CLI entry's answer), no bar, --tags "NOTE _UID".
class BenchOmgeving : public plovena::Omgeving {
 public:
  bool Bevestig(const std::string&) override { return antwoord; }
  plovena::Voortgang& Balk() override { return balk_; }
  Resultaat KiesTags(plovena::Toestand& t, std::vector<std::string> tags) override {
    if (modus == plovena::CliModus::TagsLijst) {
      Resultaat r;
      r.soort = Resultaat::Soort::Rapport;
      for (const auto& tag : tags) r.rapport.VoegToe(tag);
      return r;
    }
    return plovena::VerwijderingUitvoeren(t, *this, tags, plovena::CliSelectie(tags, "NOTE _UID"));
  }

  bool antwoord = true;
  plovena::CliModus modus = plovena::CliModus::Gewoon;

 private:
  plovena::GeenVoortgang balk_;
};

double Mediaan(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Seconden(Klok::time_point a, Klok::time_point b) { return std::chrono::duration<double>(b - a).count(); }

std::string LeesBestand(const char* pad) {
  std::ifstream f(pad, std::ios::binary);
  if (!f) {
    std::fprintf(stderr, "kan %s niet lezen\n", pad);
    std::exit(3);
  }
  f.seekg(0, std::ios::end);
  std::string bytes(static_cast<std::size_t>(f.tellg()), '\0');
  f.seekg(0);
  f.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "gebruik: plovena-kern-bench INVOER [KEREN] [OPDRACHT ...]\n");
    return 2;
  }
  const char* pad = argv[1];
  int keren = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  std::vector<std::string> namen(argv + std::min(argc, 3), argv + argc);
  if (namen.empty()) {
    for (const auto& o : plovena::Opdrachten())
      for (const auto& c : o.cli) namen.emplace_back(c.naam);
  }

  // Reading and splitting, apart, so that the file system is not charged to the split.
  std::vector<double> lezen, ontleden, bytes;
  plovena::Toestand basis;
  for (int k = 0; k < keren; ++k) {
    auto a = Klok::now();
    std::string inhoud = LeesBestand(pad);
    auto b = Klok::now();
    plovena::Werkbestand wb;
    if (auto fout = plovena::Ontleed(std::move(inhoud), wb)) {
      std::fprintf(stderr, "%s\n", fout.tekst.c_str());
      return 3;
    }
    auto c = Klok::now();
    std::string uit = plovena::NaarBytes(wb);
    auto d = Klok::now();
    lezen.push_back(Seconden(a, b));
    ontleden.push_back(Seconden(b, c));
    bytes.push_back(Seconden(c, d));
    basis.werkbestand = std::move(wb);
  }
  basis.inputbestandsnaam = pad;
  basis.bestandIngelezen = true;
  basis.bronprogramma = plovena::BepaalBronprogramma(basis.werkbestand, pad).bronprogramma;

  std::printf("%zu regels\n", basis.werkbestand.Count());
  std::printf("%-28s %9s %9s\n", "fase", "mediaan s", "regels na");
  std::printf("%-28s %9.4f\n", "lezen (ifstream)", Mediaan(lezen));
  std::printf("%-28s %9.4f\n", "Ontleed", Mediaan(ontleden));
  std::printf("%-28s %9.4f\n", "NaarBytes", Mediaan(bytes));

  for (const auto& naam : namen) {
    const plovena::CliNaam* variant = nullptr;
    const plovena::Opdracht* opdracht = plovena::ZoekCliOpdracht(naam, &variant);
    if (opdracht == nullptr || !opdracht->uitvoering) {
      std::printf("%-28s onbekend\n", naam.c_str());
      continue;
    }
    std::vector<double> tijden, bewaren;
    std::size_t na = 0;
    for (int k = 0; k < keren; ++k) {
      plovena::Toestand t = basis;  // shares the lines' bytes: a copy of the views only
      BenchOmgeving o;
      o.antwoord = variant->antwoord;
      o.modus = variant->modus;
      auto a = Klok::now();
      try {
        Resultaat r = opdracht->uitvoering(t, o);
        (void)r;
      } catch (const plovena::OpdrachtFout& f) {
        std::printf("%-28s OpdrachtFout: %s\n", naam.c_str(), f.what());
      }
      auto b = Klok::now();
      std::string uit = plovena::NaarBytes(t.werkbestand);
      auto c = Klok::now();
      tijden.push_back(Seconden(a, b));
      bewaren.push_back(Seconden(b, c));
      na = t.werkbestand.Count();
    }
    std::printf("%-28s %9.4f %9zu   (+ NaarBytes %.4f)\n", naam.c_str(), Mediaan(tijden), na,
                Mediaan(bewaren));
  }
  return 0;
}
