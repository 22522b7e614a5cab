// Words: the six delimiters, the first NUL byte ending the text, ranges and
// numbers beyond the last word.
#include <cstring>
#include <string>

#include "test_util.hpp"

namespace {

// The words of `s` as "[word@index]..." through word, words(i, 1),
// indexOfWord and lengthOfWord; a word beyond the last must be an empty
// string, not a null one, at index 0.
std::string wordList(const IString& s) {
  std::string out;
  const unsigned n = s.numWords();
  for (unsigned i = 1; i <= n; ++i) {
    const std::string w = bytes(s.word(i));
    out += "[" + w + "@" + std::to_string(s.indexOfWord(i)) + "]";
    if (bytes(s.words(i, 1)) != w || s.lengthOfWord(i) != w.size())
      out += "(disagree)";
  }
  if (bytes(s.word(n + 1)) != "" || s.indexOfWord(n + 1) != 0 ||
      s.lengthOfWord(n + 1) != 0)
    out += "(beyond)";
  return out;
}

TEST(Words, SplitAtTheSixDelimitersBeforeTheFirstNul) {
  expectExamples(
      {{wordList("  one two\tthree\n"), "[one@3][two@7][three@11]"},
       {wordList(""), ""}, {wordList(" \t\n\r\v\f"), ""},
       {wordList("a\034b c\240d"), "[a\034b@1][c\240d@5]"},  // 0x1C, 0xA0 join
       {wordList(IString(lit("one\0two three"))), "[one@1]"},
       {wordList(IString(lit("\0one"))), ""}, {wordList(nullString()), ""}});
}

TEST(Words, RangesKeepTheDelimitersBetween) {
  const IString s("  one two\tthree\n");
  expectExamples({
      {s.words(2, ~0u), "two\tthree"}, {s.words(1, 2), "one two"},
      {s.words(2, 5), "two\tthree"}, {s.words(1, 0), ""},
      {s.words(4, 1), ""}, {s.words(~0u, 2), ""}, {s.words(0, 2), ""},
      {s.words(2), "two\tthree"}, {s.words(0), ""},
      {nullString().words(1), ""}, {s.word(0), ""},
      {s.lengthOfWord(0), 0}, {s.indexOfWord(0), 0}});
}

// The word operations keep no strtok state of the caller's.
TEST(Words, LeaveTheCallersStrtokSequenceAlone) {
  char text[] = "red,green;blue";
  std::string tokens;
  const IString s(" x y\tz ");
  for (char* t = std::strtok(text, ",;"); t; t = std::strtok(nullptr, ",;")) {
    tokens += std::string(t) + "|";
    EXPECT_EQ(wordList(s), "[x@2][y@4][z@6]");
    EXPECT_EQ(bytes(s.words(1, 2)), "x y");
  }
  EXPECT_EQ(tokens, "red|green|blue|");
}

}  // namespace
