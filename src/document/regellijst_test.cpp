#include "document/regellijst.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plovena {
namespace {

std::vector<std::string> Lijst(const Regellijst& r) { return {r.Regels().begin(), r.Regels().end()}; }

TEST(Regellijst, SplitstBijElkRegeleinde) {
  using V = std::vector<std::string>;
  const struct {
    std::string bytes;
    V regels;
  } gevallen[] = {
      {"", {}},
      {"\r\n", {""}},
      {"\n", {""}},
      {"\r", {""}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"a\n\rb\n\r", {"a", "b"}},  // LF CR is one line end, as CR LF
      {"a\n\r\n\rb", {"a", "", "b"}},
      {"a\r\n\rb", {"a", "", "b"}},  // CR LF, then a lone CR
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n\n", {"", ""}},
      {"a\r", {"a"}},
      {" a \t\r\n", {" a \t"}},  // blanks are kept
      {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
      {"\x80\xFF\x0B\x0C\x85\n", {"\x80\xFF\x0B\x0C\x85"}},  // only CR and LF end a line
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(testing::PrintToString(g.bytes));
    Regellijst r = Regellijst::UitBuffer(g.bytes);
    EXPECT_EQ(Lijst(r), g.regels);
    EXPECT_EQ(r.Count(), g.regels.size());
  }
}

TEST(Regellijst, UitBufferVanafBegin) {
  EXPECT_EQ(Lijst(Regellijst::UitBuffer("xyza\r\nb", 3)), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Regellijst::UitBuffer("xyz", 3).Count(), 0u);
  EXPECT_EQ(Regellijst::UitBuffer("xyz", 10).Count(), 0u);
}

TEST(Regellijst, BewerkingenEnTekst) {
  Regellijst r = Regellijst::UitBuffer("0 HEAD\n1 SOUR X\n0 TRLR\n");
  r.Vervang(1, "1 SOUR Y");
  r.VoegIn(1, "1 CHAR UTF-8");
  r.VoegToe("");
  r.Verwijder(0);
  EXPECT_EQ(Lijst(r), (std::vector<std::string>{"1 CHAR UTF-8", "1 SOUR Y", "0 TRLR", ""}));
  EXPECT_EQ(r.Tekst(), "1 CHAR UTF-8\r\n1 SOUR Y\r\n0 TRLR\r\n\r\n");
  EXPECT_EQ(r.TekstLengte(), r.Tekst().size());
  r.Wis();
  EXPECT_TRUE(r.Leeg());
  EXPECT_EQ(r.Tekst(), "");
}

TEST(Regellijst, KopieIsMomentopname) {
  Regellijst r = Regellijst::UitBuffer("a\nb\nc");
  std::string_view gelezen = r[1];
  Regellijst kopie = r;
  r.Vervang(1, "B");
  r.VoegToe("d");
  // A one-pass rebuild through Regels(), as the walks do.
  auto& regels = r.Regels();
  std::size_t w = 0;
  for (std::size_t i = 0; i < regels.size(); ++i)
    if (regels[i] != "a") regels[w++] = regels[i];
  regels.resize(w);
  regels.push_back(r.Bewaar(std::string("e")));

  EXPECT_EQ(Lijst(r), (std::vector<std::string>{"B", "c", "d", "e"}));
  EXPECT_EQ(Lijst(kopie), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(gelezen, "b");
  r.Wis();
  EXPECT_EQ(Lijst(kopie), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Regellijst, LangeRegelsEnVeelRegels) {
  Regellijst r;
  const std::string lang(300 * 1024, 'x');
  for (int i = 0; i < 5000; ++i) r.VoegToe("1 NOTE " + std::to_string(i));
  r.VoegToe(lang);
  r.VoegToe("z");
  ASSERT_EQ(r.Count(), 5002u);
  EXPECT_EQ(r[0], "1 NOTE 0");
  EXPECT_EQ(r[4999], "1 NOTE 4999");
  EXPECT_EQ(r[5000], lang);
  EXPECT_EQ(r[5001], "z");
}

TEST(Regellijst, NaVerplaatsenBruikbaar) {
  Regellijst r = Regellijst::UitBuffer("a");
  Regellijst nieuw = std::move(r);
  r.VoegToe("b");  // a moved-from list gets fresh storage
  r.VoegIn(0, "a");
  EXPECT_EQ(Lijst(r), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Lijst(nieuw), (std::vector<std::string>{"a"}));
}

}  // namespace
}  // namespace plovena
