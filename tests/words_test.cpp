// Words: worked examples, and the word operations leave the caller's strtok
// sequence alone. The property tests compare every word operation with the
// model.
#include <cstring>
#include "test_util.hpp"

// 0x1C and 0xA0 are not delimiters; a range keeps the delimiters between.
TEST(Words, WorkedExamples) {
  const IString s("  one two\tthree\n"), t("a\034b c\240d");
  // clang-format off
  expectExamples({
      {s.numWords(), 3},          {s.word(2), "two"},
      {s.indexOfWord(3), 11},     {s.lengthOfWord(3), 5},
      {s.words(2), "two\tthree"}, {s.words(1, 2), "one two"},
      {t.numWords(), 2},          {t.word(2), "c\240d"}});
  // clang-format on
}

TEST(Words, LeaveTheCallersStrtokSequenceAlone) {
  char text[] = "red,green;blue";
  std::string tokens;
  const IString s(" x y\tz ");
  for (char* t = std::strtok(text, ",;"); t; t = std::strtok(nullptr, ",;")) {
    tokens += std::string(t) + "|";
    EXPECT_EQ(bytes(s.word(3)) + "|" + bytes(s.words(1, 2)), "z|x y");
    EXPECT_TRUE(s.numWords() == 3 && s.indexOfWord(2) == 4);
  }
  EXPECT_EQ(tokens, "red|green|blue|");
}
