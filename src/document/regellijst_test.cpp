#include "document/regellijst.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

// Copies share the views until one of them changes: each change, on either side, leaves the
// other as it was.
TEST(Regellijst, KopieDeeltTotEenWijziging) {
  using V = std::vector<std::string>;
  const struct {
    const char* naam;
    void (*wijzig)(Regellijst&);
    V na;
  } gevallen[] = {
      {"Vervang", [](Regellijst& r) { r.Vervang(0, "x"); }, {"x", "b", "c"}},
      {"Verwijder", [](Regellijst& r) { r.Verwijder(1); }, {"a", "c"}},
      {"VoegIn", [](Regellijst& r) { r.VoegIn(0, "x"); }, {"x", "a", "b", "c"}},
      {"VoegToe", [](Regellijst& r) { r.VoegToe("x"); }, {"a", "b", "c", "x"}},
      {"Wis", [](Regellijst& r) { r.Wis(); }, {}},
      {"Regels", [](Regellijst& r) { r.Regels()[2] = r.Bewaar("x"); }, {"a", "b", "x"}},
      {"Regels resize", [](Regellijst& r) { r.Regels().resize(1); }, {"a"}},
  };
  const V oud{"a", "b", "c"};
  for (const auto& g : gevallen) {
    for (bool origineel : {true, false}) {
      SCOPED_TRACE(std::string(g.naam) + (origineel ? " op het origineel" : " op de kopie"));
      Regellijst r = Regellijst::UitBuffer("a\nb\nc");
      Regellijst kopie = r;
      // Reading, also through a non-const list, copies nothing.
      EXPECT_EQ(std::as_const(r).Regels().data(), std::as_const(kopie).Regels().data());
      EXPECT_EQ(r[1], "b");
      EXPECT_EQ(kopie.Regel(2), "c");
      EXPECT_EQ(r.Tekst(), kopie.Tekst());
      EXPECT_EQ(std::as_const(r).Regels().data(), std::as_const(kopie).Regels().data());

      Regellijst& gewijzigd = origineel ? r : kopie;
      const Regellijst& andere = origineel ? kopie : r;
      g.wijzig(gewijzigd);
      EXPECT_EQ(Lijst(gewijzigd), g.na);
      EXPECT_EQ(Lijst(andere), oud);
      // Once changed, the list has views of its own: a second change stays on its side too.
      gewijzigd.VoegToe("y");
      EXPECT_EQ(Lijst(andere), oud);
    }
  }
}

TEST(Regellijst, ToewijzingDeeltEnLaatHetOudeLos) {
  Regellijst a = Regellijst::UitBuffer("a\nb");
  Regellijst b = Regellijst::UitBuffer("x");
  b = a;
  a.Vervang(0, "A");
  b.VoegToe("c");
  EXPECT_EQ(Lijst(a), (std::vector<std::string>{"A", "b"}));
  EXPECT_EQ(Lijst(b), (std::vector<std::string>{"a", "b", "c"}));
  b = std::move(a);  // the views move along: nothing is copied
  EXPECT_EQ(Lijst(b), (std::vector<std::string>{"A", "b"}));
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
  // A moved-from list is empty, and reading it is safe.
  EXPECT_TRUE(r.Leeg());
  EXPECT_EQ(r.Count(), 0u);
  EXPECT_TRUE(std::as_const(r).Regels().empty());
  EXPECT_EQ(r.Tekst(), "");
  EXPECT_EQ(r.TekstLengte(), 0u);
  Regellijst kopie = r;  // and so is a copy of it
  EXPECT_TRUE(kopie.Leeg());
  r.VoegToe("b");  // a moved-from list gets fresh storage
  r.VoegIn(0, "a");
  EXPECT_EQ(Lijst(r), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Lijst(nieuw), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(kopie.Leeg());

  Regellijst weg = Regellijst::UitBuffer("p\nq");
  Regellijst ook = std::move(weg);
  weg.Regels().push_back(weg.Bewaar("z"));  // a walk on a moved-from list
  EXPECT_EQ(Lijst(weg), (std::vector<std::string>{"z"}));
  EXPECT_EQ(Lijst(ook), (std::vector<std::string>{"p", "q"}));
}

}  // namespace
}  // namespace plovena
