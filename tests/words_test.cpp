// Words: worked examples, and the word operations leave the caller's strtok
// sequence alone. The property tests compare every word operation with the
// model.
#include <cstring>

#include "test_util.hpp"

// 0x1C and 0xA0 are not delimiters; there is no word 0.
const IString s("  one two\tthree\n"), t("a\034b c\240d");

TEST(Word, ByNumber) {
  expectExamples({{s.word(2), "two"},
                  {t.word(2), "c\240d"},
                  {s.word(0), ""},
                  {s.word(4), ""}});
}

// A range keeps the delimiters between its words.
TEST(Words, RunThroughTheLastWordAsked) {
  expectExamples({{s.words(2), "two\tthree"},
                  {s.words(1, 2), "one two"},
                  {s.words(3, 0), ""}});
}

TEST(IndexOfWord, PositionOfTheFirstCharacter) {
  expectExamples({{s.indexOfWord(3), 11}, {s.indexOfWord(4), 0}});
}

TEST(LengthOfWord, CharactersOfTheWord) {
  expectExamples({{s.lengthOfWord(3), 5}, {s.lengthOfWord(0), 0}});
}

TEST(NumWords, CountsUpToTheFirstNul) {
  expectExamples({{s.numWords(), 3},
                  {t.numWords(), 2},
                  {IString(lit("a b\0c")).numWords(), 2}});
}

TEST(NumWords, LeavesTheCallersStrtokSequenceAlone) {
  char text[] = "red,green;blue";
  std::string tokens;
  const IString x(" x y\tz ");
  for (char* p = std::strtok(text, ",;"); p; p = std::strtok(nullptr, ",;")) {
    tokens += std::string(p) + "|";
    EXPECT_EQ(bytes(x.word(3)) + "|" + bytes(x.words(1, 2)), "z|x y");
    EXPECT_TRUE(x.numWords() == 3 && x.indexOfWord(2) == 4);
  }
  EXPECT_EQ(tokens, "red|green|blue|");
}
