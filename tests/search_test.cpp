// Search and classification: worked examples and the edge cases around NUL
// bytes, empty and one-character patterns, start and end positions. The
// property tests (tests/model) compare every search with the model on long
// texts.
#include "test_util.hpp"

namespace {

const std::string kAbNulAb = lit("ab\0ab"), kPad(40, 'x');

// isBinaryDigits, isDigits, isHexDigits as three digits.
std::string classes(const IString& s) {
  return std::to_string(s.isBinaryDigits()) + std::to_string(s.isDigits()) +
         std::to_string(s.isHexDigits());
}

TEST(DigitPredicates, Classes) {
  expectExamples({{classes("0101"), "111"}, {classes("012"), "011"},
                  {classes("1aF"), "001"}, {classes("0x1F"), "000"},
                  {classes(""), "111"}, {classes(nullString()), "111"},
                  {classes(IString(lit("1\0"))), "000"}, {classes("+1"), "000"}});
  for (char c : std::string("/:@G`g "))  // next to the digit ranges
    EXPECT_EQ(classes(IString(c)), "000") << c;
}

// indexOf, lastIndexOf, indexOfAnyBut and occurrencesOf of one character
// from (or up to) one position.
TEST(CharSearch, PositionsAndCounts) {
  const struct {
    std::string text;
    char c;
    unsigned pos;
    const char* want;
  } rows[] = {{"banana", 'a', 3, "4 2 3 2"},   {"banana", 'a', 0, "2 0 1 3"},
              {"banana", 'b', 7, "0 1 0 0"},   {"aaab", 'a', 1, "1 1 4 3"},
              {kAbNulAb, 'b', 3, "5 2 3 1"},   {kAbNulAb, '\0', 1, "3 0 1 1"},
              {kAbNulAb, '\0', 9, "0 3 0 0"},  {"", 'a', 1, "0 0 0 0"}};
  for (const auto& r : rows) {
    const IString s(r.text);
    EXPECT_EQ(std::to_string(s.indexOf(r.c, r.pos)) + " " +
                  std::to_string(s.lastIndexOf(r.c, r.pos)) + " " +
                  std::to_string(s.indexOfAnyBut(r.c, r.pos)) + " " +
                  std::to_string(s.occurrencesOf(r.c, r.pos)),
              r.want) << testing::PrintToString(r.text) << " " << r.pos;
  }
  EXPECT_EQ(IString("banana").lastIndexOf('a'), 6u);
}

TEST(SubstringSearch, PositionsAndBounds) {
  const struct {
    std::string text;
    const char* pat;
    unsigned from, first;  // indexOf(pat, from) gives first
    unsigned to, last;     // lastIndexOf(pat, to) gives last
  } rows[] = {
      {"banana", "ana", 3, 4, 5, 2}, {"banana", "ana", 0, 2, ~0u, 4},
      {"banana", "n", 1, 3, 4, 3},   {"banana", kNone, 1, 0, 6, 0},
      {"abc", "", 2, 4, 2, 3},  // empty: where the scan stops
      {"abc", "", 5, 0, 0, 1},       {"", "", 1, 0, 5, 1},
      {kAbNulAb, "ab", 2, 0, 5, 1},  // the scan stops at the NUL byte
      {kAbNulAb, "", 1, 3, ~0u, 6},  {kAbNulAb, "b", 3, 5, 5, 5},
      {"aaabaa" + kPad, "aabaa", 1, 2, ~0u, 2},  // a failed candidate first
      {kPad + "aabaaa", "aabaa", 1, 41, ~0u, 41},
      {kPad + "abc", "abc", 1, 41, 42, 0}};  // must end by `to`
  for (const auto& r : rows) {
    const IString s(r.text);
    SCOPED_TRACE(testing::PrintToString(r.text) + " " + std::to_string(r.from));
    expectExamples({{s.indexOf(r.pat, r.from), r.first},
                    {s.lastIndexOf(r.pat, r.to), r.last}});
  }
  expectExamples({{nullString().indexOf(""), 0},
                  {nullString().lastIndexOf(""), 1},
                  {nullString().lastIndexOf("ab"), 0}});
}

// Only the pattern's own bytes count, whatever lies in memory before it:
// the text repeats the byte before the pattern (a 70-byte pattern: the
// two-way matcher).
TEST(SubstringSearch, ReadsOnlyThePattern) {
  const std::string needle =
      "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_-+=!@#$";
  const std::string buffer = "yb" + needle;
  const IString text("zb" + needle + "tail-of-text");
  expectExamples({{text.indexOf(buffer.c_str() + 2), 3},
                  {text.lastIndexOf(buffer.c_str() + 2), 3}});
}

// A NUL byte in the text belongs to every set of other than one character,
// on the short path and past the vector blocks.
TEST(IndexOfAnyBut, Sets) {
  const IString nuls(lit("ab\0ab\0") + std::string(70, 'a') + lit("\0c"));
  const IString ab_nul_ab(kAbNulAb);
  expectExamples({{IString("banana").indexOfAnyBut("ab"), 3},
                  {IString("abcx").indexOfAnyBut("abc", 0), 4},
                  {IString("abca").indexOfAnyBut("abc"), 0},
                  {IString("abc").indexOfAnyBut(""), 1},
                  {IString("\xE9\xE9z").indexOfAnyBut("\xE9y"), 3},
                  {IString("a").indexOfAnyBut(kNone), 0},
                  {ab_nul_ab.indexOfAnyBut("ab"), 0},
                  {ab_nul_ab.indexOfAnyBut("ab", 4), 0},
                  {IString(lit("\0\0a")).indexOfAnyBut(""), 3},
                  {nuls.indexOfAnyBut("ab"), 78}, {nuls.indexOfAnyBut("a"), 2}});
}

}  // namespace
