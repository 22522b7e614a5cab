// Search and classification: worked examples, what lies before the pattern
// and NUL bytes in the text of indexOfAnyBut. The property tests compare
// every search with the model on long texts.
#include "test_util.hpp"

const IString banana("banana");

TEST(IndexOf, FindsFromStartPos) {
  expectExamples({{banana.indexOf('a', 3), 4},
                  {banana.indexOf("ana", 3), 4},
                  {banana.indexOf("ana", 0), 2},
                  {IString(lit("ab\0ab")).indexOf("ab", 2), 0},
                  {IString(lit("ab\0ab")).indexOf("", 2), 3}});
}

TEST(LastIndexOf, OccurrencesEndingByEndPos) {
  expectExamples({{banana.lastIndexOf('a', 3), 2},
                  {banana.lastIndexOf("ana", 5), 2},
                  {banana.lastIndexOf("ana", 0), 0},
                  {nullString().lastIndexOf(""), 1}});
}

TEST(OccurrencesOf, CountsFromStartPos) {
  expectExamples({{banana.occurrencesOf('a', 3), 2},
                  {IString(lit("a\0a")).occurrencesOf('\0'), 1}});
}

TEST(IsDigits, EveryCharacterInTheClass) {
  // clang-format off
  expectExamples({
      {IString("0x1F").isHexDigits(), 0}, {IString("1aF").isHexDigits(), 1},
      {IString("012").isBinaryDigits(), 0}, {IString("0110").isBinaryDigits(), 1},
      {IString("12 ").isDigits(), 0}, {nullString().isDigits(), 1}});
  // clang-format on
}

// Only the pattern's own bytes count, whatever lies in memory before it:
// the text repeats the byte before the pattern (a 70-byte pattern: the
// two-way matcher).
TEST(IndexOf, ReadsOnlyThePattern) {
  const std::string needle =
      "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_-+=!@#$";
  const std::string buffer = "yb" + needle;
  const IString text("zb" + needle + "tail-of-text");
  expectExamples({{text.indexOf(buffer.c_str() + 2), 3},
                  {text.lastIndexOf(buffer.c_str() + 2), 3}});
}

// Needles that end at the edge of memory, at every offset from the vector
// that holds their NUL byte, are read no further than that byte, and the
// NUL bytes before them do not count: each search gives what it gives with
// a copy of the needle.
TEST(IndexOf, ReadsNoNeedlePastItsNul) {
  PageEnd page;
  for (unsigned n = 0; n <= 40; ++n) {
    const std::string needle = n ? "q" + std::string(n - 1, 'n') : "";
    const char* const at_end = page.textAtEnd(needle);
    const char* const copy = needle.c_str();
    const IString text("ab" + needle + "cd" + needle + "e");
    expectExamples({{text.indexOf(at_end), text.indexOf(copy)},
                    {text.lastIndexOf(at_end), text.lastIndexOf(copy)},
                    {text.indexOf(at_end, 4), text.indexOf(copy, 4)},
                    {IString::change(text, at_end, "-"),
                     bytes(IString::change(text, copy, "-"))}});
    if (n > 0) {
      EXPECT_EQ(text.lastIndexOf(at_end), 5 + n) << n;
    }
  }
}

// A NUL byte in the text belongs to every set of other than one character,
// on the short path and past the vector blocks.
TEST(IndexOfAnyBut, NulBytesInTheText) {
  const IString nuls(lit("ab\0ab\0") + std::string(70, 'a') + lit("\0c"));
  expectExamples({{banana.indexOfAnyBut('a', 2), 3},
                  {banana.indexOfAnyBut("ab"), 3},
                  {IString(lit("ab\0ab")).indexOfAnyBut("ab", 4), 0},
                  {IString(lit("\0\0a")).indexOfAnyBut(""), 3},
                  {nuls.indexOfAnyBut("ab"), 78},
                  {nuls.indexOfAnyBut("a"), 2}});
}
