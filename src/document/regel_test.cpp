#include "document/regel.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace plovena {
namespace {

struct Uitkomst {
  std::string_view regel;
  char niveau;
  std::string_view tag;
  std::string_view waarde;
};

// The worked results every command relies on.
TEST(Regel, AccessorTabel) {
  using namespace std::string_view_literals;
  const Uitkomst tabel[] = {
      {"0 HEAD", '0', "HEAD", ""},
      {"1 SOUR PRO-GEN", '1', "SOUR", "PRO-GEN"},
      {"0 @I1@ INDI", '0', "@I1@", "INDI"},
      {"0 @i1@ INDI", '0', "@I1@", "INDI"},
      {"0 @F3@ FAM", '0', "@F3@", "FAM"},
      {"1 name Jan /Jansen/", '1', "NAME", "Jan /Jansen/"},
      {"  2 DATE 12 MAR 1890   ", '2', "DATE", "12 MAR 1890"},
      {"2 CONC  tekst", '2', "CONC", " tekst"},
      {"1 BIRT", '1', "BIRT", ""},
      {"1\tNAME Jan", '1', "NAME", "Jan"},
      {"1 NAME\tJan", '1', "NAME\tJAN", ""},
      {"\t\t1 NAME Jan\t", '1', "NAME", "Jan"},
      {"10 NOTE abc", '1', "", "NOTE abc"},
      {"0", '0', "", ""},
      {"0 ", '0', "", ""},
      {"1 X", '1', "X", ""},
      {"1 NAME ", '1', "NAME", ""},
      {"1 NAME  ", '1', "NAME", ""},
      {"2 _uid abc DEF", '2', "_UID", "abc DEF"},
      {"1 NOTE \xC3\xA9\xC3\xA9n", '1', "NOTE", "\xC3\xA9\xC3\xA9n"},
      {"1 n\xC3\xA9me x", '1', "N\xC3\xA9ME", "x"},  // only a-z change
      // No level at all: ' ', below every digit, so such a line ends every block.
      {"", ' ', "", ""},
      {"   ", ' ', "", ""},
      {"\t \r", ' ', "", ""},
      {"\x01\x1F 3 ADDR", '3', "ADDR", ""},
      {"\x00 1 NAME x"sv, '1', "NAME", "x"},
      {"\x80 NAME x", '\x80', "NAME", "x"},  // a byte above 127 is no blank
  };
  for (const auto& u : tabel) {
    SCOPED_TRACE(testing::Message() << "regel \"" << u.regel << "\"");
    EXPECT_EQ(BepaalNiveau(u.regel), u.niveau);
    EXPECT_EQ(BepaalTag(u.regel), u.tag);
    EXPECT_EQ(HoofdLetters(RuweTag(u.regel)), u.tag);
    EXPECT_EQ(BepaalWaarde(u.regel), u.waarde);
  }
}

TEST(Regel, RuweTagHoudtHoofdlettergebruik) {
  EXPECT_EQ(RuweTag("1 name Jan"), "name");
  EXPECT_EQ(RuweTag("0 @i1@ INDI"), "@i1@");
  EXPECT_EQ(RuweTag("10 NOTE"), "");
}

TEST(Regel, HoofdEnKleineLettersAlleenAtotZ) {
  EXPECT_EQ(HoofdLetters("abc_xyz \xC3\xA9 @i1@"), "ABC_XYZ \xC3\xA9 @I1@");
  EXPECT_EQ(KleineLetters("ABC_XYZ \xC3\x89 @I1@"), "abc_xyz \xC3\x89 @i1@");
  EXPECT_TRUE(GelijkHoofd("Sour", "SOUR"));
  EXPECT_TRUE(GelijkHoofd("SOUR", "SOUR"));
  EXPECT_FALSE(GelijkHoofd("SOURC", "SOUR"));
  EXPECT_FALSE(GelijkHoofd("SOU", "SOUR"));
  EXPECT_FALSE(GelijkHoofd("sour", "sour"));  // the right side is upper case by contract
}

TEST(Regel, Trim) {
  EXPECT_EQ(Trim(" \t\r\n x y \x01"), "x y");
  EXPECT_EQ(Trim("\x7F"), "\x7F");  // DEL is no blank
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
}

TEST(Regel, InTagTekstIsEenDeeltekst) {
  EXPECT_TRUE(InTagTekst("NAME", kBeschermdeTags));
  EXPECT_TRUE(InTagTekst("FAM", kBeschermdeTags));
  EXPECT_TRUE(InTagTekst("AM", kBeschermdeTags));  // a part of a listed tag counts too
  EXPECT_TRUE(InTagTekst("E F", kBeschermdeTags));
  EXPECT_FALSE(InTagTekst("name", kBeschermdeTags));  // case-sensitive
  EXPECT_FALSE(InTagTekst("", kBeschermdeTags));
  EXPECT_FALSE(InTagTekst("OCCU", kBeschermdeTags));
  EXPECT_TRUE(InTagTekst("OCCU", kGezinsTags));
  EXPECT_TRUE(InTagTekst("_WITN", kStandaardkeuze));
}

}  // namespace
}  // namespace plovena
