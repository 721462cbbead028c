#include "document/collatie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace plovena {
namespace {

class CollatieInLocale : public testing::TestWithParam<const char*> {};

TEST_P(CollatieInLocale, Eigenschappen) {
  Collatie c(GetParam());
  // Underscore before digits, digits before letters: custom tags first, then numbers, then tags.
  EXPECT_LT(c.Vergelijk("_UID", "0"), 0);
  EXPECT_LT(c.Vergelijk("_", "9"), 0);
  EXPECT_LT(c.Vergelijk("9", "A"), 0);
  EXPECT_LT(c.Vergelijk("9", "a"), 0);
  EXPECT_LT(c.Vergelijk("_ZZZ", "ADDR"), 0);
  EXPECT_LT(c.Vergelijk("ADDR", "BIRT"), 0);
  EXPECT_LT(c.Vergelijk("addr", "BIRT"), 0);
  EXPECT_GT(c.Vergelijk("BIRT", "addr"), 0);
  EXPECT_LT(c.Vergelijk("NAME", "NAME.GIVN"), 0);
  EXPECT_LT(c.Vergelijk("", "A"), 0);
  // Case is ignored...
  EXPECT_EQ(c.Vergelijk("Name", "NAME"), 0);
  EXPECT_EQ(c.Vergelijk("_uid", "_UID"), 0);
  EXPECT_EQ(c.Vergelijk("\xC3\xA9", "\xC3\x89"), 0);  // é and É
  // ...accents are not.
  EXPECT_NE(c.Vergelijk("e", "\xC3\xA9"), 0);
  EXPECT_LT(c.Vergelijk("e", "\xC3\xA9"), 0);
  EXPECT_LT(c.Vergelijk("\xC3\xA9", "f"), 0);
  EXPECT_FALSE(c.Kleiner("A", "a"));
  EXPECT_TRUE(c.Kleiner("a", "B"));
}

TEST_P(CollatieInLocale, SorteersleutelVolgtVergelijk) {
  Collatie c(GetParam());
  // clang-format off
  std::vector<std::string> teksten = {
      "", "_", "_UID", "_uid", "0", "10", "9", "A", "a", "ADDR", "addr", "Birt", "BIRT", "e",
      "\xC3\xA9", "\xC3\x89", "f", "NAME", "NAME.GIVN", "NAME.SURN", "z", "\xE9", "\xE8", "\xC3",
      "Z\xCC\x81", "\xF0\x9F\x98\x80"};
  // clang-format on
  teksten.emplace_back("a\0b", 3);
  for (const auto& a : teksten) {
    for (const auto& b : teksten) {
      SCOPED_TRACE(testing::PrintToString(a) + " vs " + testing::PrintToString(b));
      const int v = c.Vergelijk(a, b);
      const int s = c.Sorteersleutel(a).compare(c.Sorteersleutel(b));
      EXPECT_EQ(v < 0, s < 0);
      EXPECT_EQ(v == 0, s == 0);
      EXPECT_EQ(v, -c.Vergelijk(b, a));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, CollatieInLocale,
                         testing::Values("C", "C.UTF-8", "nl_NL.UTF-8", "POSIX", ""),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string n = *info.param ? info.param : "leeg";
                           std::replace_if(
                               n.begin(), n.end(), [](char ch) { return !std::isalnum(ch); }, '_');
                           return n;
                         });

TEST(Collatie, BytesBuitenUtf8AlsWindows1252) {
  // A file in a legacy code page: é (E9) and è (E8) must not become one and the same text.
  Collatie c("nl_NL.UTF-8");
  EXPECT_NE(c.Vergelijk("_\xE9", "_\xE8"), 0);
  EXPECT_EQ(c.Vergelijk("\xE9", "\xC3\xA9"), 0);      // é in Latin-1 and in UTF-8
  EXPECT_EQ(c.Vergelijk("\x80", "\xE2\x82\xAC"), 0);  // the euro sign of Windows-1252
  EXPECT_LT(c.Vergelijk("e", "\xE9"), 0);
  EXPECT_LT(c.Vergelijk("\xE9", "f"), 0);
  // A sequence cut short: its bytes count one by one.
  EXPECT_NE(c.Vergelijk("\xC3", "\xE2\x82"), 0);
}

TEST(Collatie, LangeTekst) {
  Collatie c("C");
  const std::string a(1000, 'a'), b = std::string(999, 'A') + "b";
  EXPECT_LT(c.Vergelijk(a, b), 0);
  EXPECT_EQ(c.Vergelijk(a, std::string(1000, 'A')), 0);
  EXPECT_EQ(c.Sorteersleutel(a), c.Sorteersleutel(std::string(1000, 'A')));
}

// Restores one environment variable when the test ends.
class Omgeving {
 public:
  explicit Omgeving(const char* naam) : naam_(naam) {
    if (const char* w = std::getenv(naam)) oud_ = w, had_ = true;
  }
  ~Omgeving() { had_ ? setenv(naam_, oud_.c_str(), 1) : unsetenv(naam_); }
  void Zet(const char* w) { w ? setenv(naam_, w, 1) : unsetenv(naam_); }

 private:
  const char* naam_;
  std::string oud_;
  bool had_ = false;
};

TEST(Collatie, LocaleUitOmgeving) {
  Omgeving all("LC_ALL"), collate("LC_COLLATE"), lang("LANG");
  all.Zet(nullptr);
  collate.Zet(nullptr);
  lang.Zet(nullptr);
  EXPECT_EQ(Collatie::OmgevingsLocale(), "");
  lang.Zet("nl_NL.UTF-8");
  EXPECT_EQ(Collatie::OmgevingsLocale(), "nl_NL.UTF-8");
  collate.Zet("de_DE.UTF-8");
  EXPECT_EQ(Collatie::OmgevingsLocale(), "de_DE.UTF-8");
  all.Zet("");  // set but empty counts as not set
  EXPECT_EQ(Collatie::OmgevingsLocale(), "de_DE.UTF-8");
  all.Zet("C");
  EXPECT_EQ(Collatie::OmgevingsLocale(), "C");
}

}  // namespace
}  // namespace plovena
