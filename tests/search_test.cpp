// Search and classification: worked examples and the edge cases around NUL
// bytes, empty and one-character patterns, start and end positions. The
// property tests (tests/model) compare every search with the model on long
// texts.
#include <gtest/gtest.h>

#include "test_util.hpp"

namespace {

const std::string kAbNulAb = lit("ab\0ab");

TEST(DigitPredicates, Classes) {
  const struct {
    std::string text;
    const char* bdx;  // isBinaryDigits, isDigits, isHexDigits
  } rows[] = {{"0101", "111"},     {"012", "011"}, {"1aF", "001"},
              {"0x1F", "000"},     {"12 ", "000"}, {"", "111"},
              {lit("1\0"), "000"}, {"/", "000"},   {":", "000"},
              {"@", "000"},        {"G", "000"},   {"`", "000"},
              {"g", "000"},        {"+1", "000"}};
  for (const auto& r : rows) {
    const IString s = withBytes(r.text);
    EXPECT_EQ(std::to_string(s.isBinaryDigits()) +
                  std::to_string(s.isDigits()) +
                  std::to_string(s.isHexDigits()),
              r.bdx)
        << r.text;
  }
  EXPECT_TRUE(nullString().isDigits());
}

TEST(CharSearch, PositionsAndCounts) {
  const struct {
    std::string text;
    char c;
    unsigned pos, indexOf, lastIndexOf, anyBut, count;
  } rows[] = {
      {"banana", 'a', 3, 4, 2, 3, 2},  {"banana", 'a', 0, 2, 0, 1, 3},
      {"banana", 'b', 7, 0, 1, 0, 0},  {"aaab", 'a', 1, 1, 1, 4, 3},
      {kAbNulAb, 'b', 3, 5, 2, 3, 1},  {kAbNulAb, '\0', 1, 3, 0, 1, 1},
      {kAbNulAb, '\0', 9, 0, 3, 0, 0}, {"", 'a', 1, 0, 0, 0, 0},
  };
  for (const auto& r : rows) {
    const IString s = withBytes(r.text);
    EXPECT_EQ(s.indexOf(r.c, r.pos), r.indexOf) << r.text << r.pos;
    EXPECT_EQ(s.lastIndexOf(r.c, r.pos), r.lastIndexOf) << r.text << r.pos;
    EXPECT_EQ(s.indexOfAnyBut(r.c, r.pos), r.anyBut) << r.text << r.pos;
    EXPECT_EQ(s.occurrencesOf(r.c, r.pos), r.count) << r.text << r.pos;
  }
  EXPECT_EQ(IString("banana").lastIndexOf('a'), 6u);
}

TEST(SubstringSearch, PositionsAndBounds) {
  const std::string pad(40, 'x');
  const struct {
    std::string text;
    const char* pat;
    unsigned from, first;  // indexOf(pat, from) gives first
    unsigned to, last;     // lastIndexOf(pat, to) gives last
  } rows[] = {
      {"banana", "ana", 3, 4, 5, 2},
      {"banana", "ana", 0, 2, ~0u, 4},
      {"banana", "n", 1, 3, 4, 3},
      {"abc", "", 2, 4, 2, 3},  // empty: where the scan stops
      {"abc", "", 5, 0, 0, 1},
      {"", "", 1, 0, 5, 1},
      {"banana", kNone, 1, 0, 6, 0},
      {kAbNulAb, "ab", 2, 0, 5, 1},  // the scan stops at the NUL byte
      {kAbNulAb, "", 1, 3, ~0u, 6},
      {kAbNulAb, "b", 3, 5, 5, 5},              // one character: the char form
      {"aaabaa" + pad, "aabaa", 1, 2, ~0u, 2},  // a failed candidate first
      {pad + "aabaaa", "aabaa", 1, 41, ~0u, 41},
      {pad + "abc", "abc", 1, 41, 42, 0},  // must end by `to`
  };
  for (const auto& r : rows) {
    const IString s = withBytes(r.text);
    EXPECT_EQ(s.indexOf(r.pat, r.from), r.first) << r.text << " " << r.from;
    EXPECT_EQ(s.lastIndexOf(r.pat, r.to), r.last) << r.text << " " << r.to;
  }
  EXPECT_EQ(nullString().indexOf(""), 0u);
  EXPECT_EQ(nullString().lastIndexOf(""), 1u);
  EXPECT_EQ(nullString().lastIndexOf("ab"), 0u);
}

// A NUL byte in the text belongs to every set of other than one character.
TEST(IndexOfAnyBut, Sets) {
  const std::string nuls = lit("ab\0ab\0") + std::string(70, 'a') + lit("\0c");
  const struct {
    std::string text;
    const char* set;
    unsigned from, want;
  } rows[] = {
      {"banana", "ab", 1, 3},       {"abcx", "abc", 0, 4},
      {"abca", "abc", 1, 0},        {"abc", "", 1, 1},
      {"\xE9\xE9z", "\xE9y", 1, 3}, {"a", kNone, 1, 0},
      {kAbNulAb, "ab", 1, 0},       {lit("\0\0a"), "", 1, 3},
      {nuls, "ab", 1, 78},          {nuls, "a", 1, 2},
  };
  for (const auto& r : rows)
    EXPECT_EQ(withBytes(r.text).indexOfAnyBut(r.set, r.from), r.want)
        << testing::PrintToString(r.text) << " " << r.set;
}

}  // namespace
