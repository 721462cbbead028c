#pragma once

// Shared by the tests of the corrections: running a walk on a fake front end, the real files,
// and random documents for comparisons with a literal walk.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/correct/corrigeren.h"
#include "document/werkbestand.h"
#include "nepomgeving.h"

namespace plovena::test {

using Walk = Resultaat (*)(Toestand&, Omgeving&);

struct Uitkomst {
  Resultaat resultaat;
  std::vector<std::string> regels;
  NepOmgeving omgeving;
};

inline Uitkomst VoerUit(Walk walk, const Werkbestand& wb, std::string bronprogramma = "ONBEKEND") {
  Toestand t;
  t.werkbestand = wb;
  t.bestandIngelezen = true;
  t.bronprogramma = std::move(bronprogramma);
  Uitkomst u;
  u.resultaat = walk(t, u.omgeving);
  u.regels = Regels(t.werkbestand);
  return u;
}

inline std::vector<std::string> Regels(std::initializer_list<std::string_view> r) {
  return {r.begin(), r.end()};
}

inline Werkbestand Document(const std::vector<std::string>& regels) {
  Werkbestand wb;
  for (const auto& r : regels) wb.VoegToe(r);
  return wb;
}

// Every real file, split into lines as opening it would.
inline std::vector<std::pair<std::string, Werkbestand>> EchteBestanden() {
  std::vector<std::pair<std::string, Werkbestand>> uit;
  for (const auto& e : std::filesystem::directory_iterator(PLOVENA_TESTDATA_DIR)) {
    if (e.path().extension() != ".ged") continue;
    std::ifstream in(e.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Werkbestand wb;
    if (!Ontleed(std::move(bytes), wb)) uit.emplace_back(e.path().filename().string(), std::move(wb));
  }
  return uit;
}

// A document of up to maxRegels lines drawn from a pool, the same for the same seed.
inline Werkbestand WillekeurigDocument(unsigned zaad, const std::vector<std::string_view>& pool,
                                       std::size_t maxRegels) {
  std::mt19937 gen(zaad);
  Werkbestand wb;
  const std::size_t n = gen() % (maxRegels + 1);
  for (std::size_t i = 0; i < n; ++i) wb.VoegToe(pool[gen() % pool.size()]);
  return wb;
}

// A front end whose progress bar fails at its k-th step, as a front end may under memory
// pressure: the walk stops there with the error.
class BrekendeOmgeving : public NepOmgeving {
 public:
  explicit BrekendeOmgeving(int k) { breker.breekBij = k; }
  Voortgang& Balk() override { return breker; }
  struct Breker : NepVoortgang {
    int breekBij = 0;
    void Stap() override {
      NepVoortgang::Stap();
      if (stappen == breekBij) throw std::runtime_error("balk");
    }
  } breker;
};

// The lines a walk leaves behind when its bar fails at step k; the bar must be hidden again.
inline std::vector<std::string> NaBreuk(Walk walk, const Werkbestand& wb, int k) {
  Toestand t;
  t.werkbestand = wb;
  t.bestandIngelezen = true;
  BrekendeOmgeving o(k);
  EXPECT_THROW(walk(t, o), std::runtime_error);
  EXPECT_FALSE(o.breker.zichtbaar);
  return Regels(t.werkbestand);
}

// The fixed road every correction takes: its question, its bar, its message.
inline void VerwachtRoute(const Uitkomst& u, std::string_view vraag, std::string_view titel,
                          std::string_view bericht) {
  ASSERT_EQ(u.omgeving.vragen.size(), 1u);
  EXPECT_EQ(u.omgeving.vragen[0], std::string(vraag) + "\n\rBij grote bestanden kan dat wel even duren.");
  ASSERT_EQ(u.omgeving.balk.toningen.size(), 1u);
  EXPECT_EQ(u.omgeving.balk.toningen[0].titel, titel);
  EXPECT_EQ(u.omgeving.balk.toningen[0].maximum, 40);
  EXPECT_EQ(u.omgeving.balk.verbergingen, 1);
  EXPECT_EQ(u.resultaat.soort, Resultaat::Soort::Bericht);
  EXPECT_EQ(u.resultaat.berichtSoort, BerichtSoort::Informatie);
  EXPECT_EQ(u.resultaat.tekst, bericht);
  EXPECT_TRUE(u.resultaat.ververs);
  EXPECT_TRUE(u.resultaat.zetUit);
  EXPECT_FALSE(u.resultaat.geweigerd);
}

// A declined question leaves the document alone and shows nothing.
inline void VerwachtWeigeringNee(Walk walk, const Werkbestand& wb) {
  Toestand t;
  t.werkbestand = wb;
  t.bestandIngelezen = true;
  NepOmgeving o;
  o.antwoorden.push_back(false);
  const Resultaat r = walk(t, o);
  EXPECT_EQ(r.soort, Resultaat::Soort::Niets);
  EXPECT_FALSE(r.zetUit);
  EXPECT_EQ(o.vragen.size(), 1u);
  EXPECT_TRUE(o.balk.toningen.empty());
  EXPECT_EQ(Regels(t.werkbestand), Regels(wb));
}

}  // namespace plovena::test
