// Search and classification: worked examples, what lies before the pattern
// and NUL bytes in the text of indexOfAnyBut. The property tests compare
// every search with the model on long texts.
#include "test_util.hpp"

TEST(Search, WorkedExamples) {
  const IString banana("banana");
  // clang-format off
  expectExamples({
      {banana.indexOf('a', 3), 4},        {banana.lastIndexOf('a', 3), 2},
      {banana.indexOfAnyBut('a', 2), 3},  {banana.occurrencesOf('a', 3), 2},
      {banana.indexOf("ana", 3), 4},      {banana.lastIndexOf("ana", 5), 2},
      {banana.indexOfAnyBut("ab"), 3},    {IString("0x1F").isHexDigits(), 0},
      {IString("1aF").isHexDigits(), 1}, {IString("012").isBinaryDigits(), 0}});
  // clang-format on
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
TEST(IndexOfAnyBut, NulBytesInTheText) {
  const IString nuls(lit("ab\0ab\0") + std::string(70, 'a') + lit("\0c"));
  expectExamples({{IString(lit("ab\0ab")).indexOfAnyBut("ab", 4), 0},
                  {IString(lit("\0\0a")).indexOfAnyBut(""), 3},
                  {nuls.indexOfAnyBut("ab"), 78},
                  {nuls.indexOfAnyBut("a"), 2}});
}
