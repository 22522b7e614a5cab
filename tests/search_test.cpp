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
  expectExamples({
      {classes("0101"), "111"}, {classes("012"), "011"},
      {classes("1aF"), "001"}, {classes("0x1F"), "000"},
      {classes(""), "111"}, {classes(nullString()), "111"},
      {classes(IString(lit("1\0"))), "000"}, {classes("+1"), "000"}});
  for (char c : std::string("/:@G`g "))  // next to the digit ranges
    EXPECT_EQ(classes(IString(c)), "000") << c;
}

// indexOf, lastIndexOf, indexOfAnyBut and occurrencesOf of c from (or up
// to) position pos.
std::string charSearch(const IString& s, char c, unsigned pos) {
  return std::to_string(s.indexOf(c, pos)) + " " +
         std::to_string(s.lastIndexOf(c, pos)) + " " +
         std::to_string(s.indexOfAnyBut(c, pos)) + " " +
         std::to_string(s.occurrencesOf(c, pos));
}

TEST(CharSearch, PositionsAndCounts) {
  const IString banana("banana"), ab(kAbNulAb);
  expectExamples({{charSearch(banana, 'a', 3), "4 2 3 2"},
                  {charSearch(banana, 'a', 0), "2 0 1 3"},
                  {charSearch(banana, 'b', 7), "0 1 0 0"},
                  {charSearch("aaab", 'a', 1), "1 1 4 3"},
                  {charSearch(ab, 'b', 3), "5 2 3 1"},
                  {charSearch(ab, '\0', 1), "3 0 1 1"},
                  {charSearch(ab, '\0', 9), "0 3 0 0"},
                  {charSearch("", 'a', 1), "0 0 0 0"},
                  {banana.lastIndexOf('a'), 6}});
}

// indexOf(pat, from) and lastIndexOf(pat, to).
std::string firstLast(const std::string& text, const char* pat, unsigned from,
                 unsigned to) {
  const IString s(text);
  return std::to_string(s.indexOf(pat, from)) + " " +
         std::to_string(s.lastIndexOf(pat, to));
}

TEST(SubstringSearch, PositionsAndBounds) {
  const std::string& ab = kAbNulAb;
  expectExamples({
      {firstLast("banana", "ana", 3, 5), "4 2"},
      {firstLast("banana", "ana", 0, ~0u), "2 4"},
      {firstLast("banana", kNone, 1, 6), "0 0"},
      {firstLast("abc", "", 2, 2), "4 3"},  // empty: where the scan stops
      {firstLast("abc", "", 5, 0), "0 1"}, {firstLast("", "", 1, 5), "0 1"},
      {firstLast(ab, "ab", 2, 5), "0 1"},  // the scan stops at the NUL byte
      {firstLast(ab, "", 1, ~0u), "3 6"}, {firstLast(ab, "b", 3, 5), "5 5"},
      {firstLast("aaabaa" + kPad, "aabaa", 1, ~0u), "2 2"},  // failed first
      {firstLast(kPad + "aabaaa", "aabaa", 1, ~0u), "41 41"},
      {firstLast(kPad + "abc", "abc", 1, 42), "41 0"},  // must end by `to`
      {nullString().indexOf(""), 0}, {nullString().lastIndexOf(""), 1},
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
  expectExamples({
      {IString("banana").indexOfAnyBut("ab"), 3},
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
