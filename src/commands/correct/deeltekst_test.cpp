#include "commands/correct/deeltekst.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace plovena {
namespace {

// Grows texts far past the point where the index takes over and checks every answer against
// a plain search, with pieces that do and do not occur.
TEST(Deeltekst, AntwoordtAlsGewoonZoeken) {
  Deeltekst d;
  for (unsigned zaad = 1; zaad <= 6; ++zaad) {
    std::mt19937 gen(zaad);
    d.Wis();
    const std::string alfabet = zaad % 2 ? "ab, " : "abcdefg, \xC3\xA9";
    auto stuk = [&](std::size_t lengte) {
      std::string s;
      for (std::size_t k = 0; k < lengte; ++k) s += alfabet[gen() % alfabet.size()];
      return s;
    };
    while (d.Tekst().size() < 3 * Deeltekst::kDrempel) {
      d.VoegToe(stuk(1 + gen() % 12));
      const std::string& t = d.Tekst();
      for (int q = 0; q < 4; ++q) {
        const std::string p = q % 2 ? stuk(1 + gen() % 10) : t.substr(gen() % t.size(), 1 + gen() % 15);
        ASSERT_EQ(d.Bevat(p), t.find(p) != std::string::npos) << "zaad " << zaad << " lengte " << t.size();
      }
    }
    EXPECT_TRUE(d.Geindexeerd());
  }
  d.Wis();
  EXPECT_FALSE(d.Geindexeerd());
  EXPECT_FALSE(d.Bevat("a"));
  d.VoegToe("boer");
  EXPECT_TRUE(d.Bevat("oe"));
}

}  // namespace
}  // namespace plovena
