#include <gtest/gtest.h>
#include <istring.hpp>

#include "test_util.hpp"

#include <cstring>
#include <string>
#include <vector>

namespace {

// True when every word operation on `s` agrees with `want`, and a word
// beyond the last is an empty string (not a null one) at position 0.
bool wordsAre(const IString& s, const std::vector<std::string>& want) {
  const unsigned n = static_cast<unsigned>(want.size());
  bool ok = s.numWords() == n && s.indexOfWord(n + 1) == 0 &&
            s.lengthOfWord(n + 1) == 0 && s.word(n + 1).length() == 0 &&
            !isNull(s.word(n + 1));
  for (unsigned i = 1; ok && i <= n; ++i) {
    const std::string& w = want[i - 1];
    const unsigned at = s.indexOfWord(i);
    ok = bytes(s.word(i)) == w && bytes(s.words(i, 1)) == w &&
         s.lengthOfWord(i) == w.size() && at != 0 &&
         bytes(s).compare(at - 1, w.size(), w) == 0;
  }
  return ok;
}

}  // namespace

TEST(Words, SplitAtTheSixDelimitersBeforeTheFirstNul) {
  const struct {
    std::string text;
    std::vector<std::string> want;
  } cases[] = {
      {"  one two\tthree\n", {"one", "two", "three"}},
      {"", {}},
      {" \t\n\r\v\f", {}},
      {"a\034b c\240d", {"a\034b", "c\240d"}},  // 0x1C, 0xA0 join
      {std::string("one\0two three", 13), {"one"}},
      {std::string("\0one", 4), {}},
  };
  for (const auto& c : cases) {
    const IString t = withBytes(c.text);
    EXPECT_TRUE(wordsAre(t, c.want)) << testing::PrintToString(c.text);
    EXPECT_EQ(bytes(t), c.text);
  }
  EXPECT_TRUE(wordsAre(nullString(), {}));
  EXPECT_EQ(IString("  one two").indexOfWord(2), 7u);
}

TEST(Words, RangesKeepTheDelimitersBetween) {
  const IString s("  one two\tthree\n");
  const struct {
    unsigned first, num;
    const char* want;
  } cases[] = {{2, ~0u, "two\tthree"},
               {1, 2, "one two"},
               {2, 5, "two\tthree"},
               {1, 0, ""},
               {4, 1, ""},
               {~0u, 2, ""},
               {0, 2, ""}};
  for (const auto& c : cases)
    EXPECT_EQ(bytes(s.words(c.first, c.num)), c.want) << c.first << c.num;
  EXPECT_EQ(bytes(s.words(2)) + bytes(s.words(0)), "two\tthree");
  const IString none = nullString().words(1);
  EXPECT_EQ(bytes(none), "");
  EXPECT_EQ(s.lengthOfWord(0) + s.indexOfWord(0) + s.word(0).length(), 0u);
}

TEST(Words, LeaveTheCallersStrtokSequenceAlone) {
  char text[] = "red,green;blue";
  std::vector<std::string> tokens;
  const IString s(" x y\tz ");
  for (char* token = std::strtok(text, ",;"); token != nullptr;
       token = std::strtok(nullptr, ",;")) {
    tokens.push_back(token);
    EXPECT_TRUE(wordsAre(s, {"x", "y", "z"}));
    EXPECT_EQ(bytes(s.words(1, 2)), "x y");
  }
  EXPECT_EQ(tokens, (std::vector<std::string>{"red", "green", "blue"}));
}
