#include <gtest/gtest.h>
#include <istring.hpp>

#include "test_util.hpp"

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string textOf(const IString& s) {
  return s.length() ? std::string(static_cast<const char*>(s), s.length()) : "";
}

// True when every word operation on `s` agrees with `want`, and a word
// beyond the last is an empty string (not a null one) at position 0.
bool wordsAre(const IString& s, const std::vector<std::string>& want) {
  const unsigned n = static_cast<unsigned>(want.size());
  bool ok = s.numWords() == n && s.indexOfWord(n + 1) == 0 &&
            s.lengthOfWord(n + 1) == 0 && s.word(n + 1).length() == 0 &&
            static_cast<const char*>(s.word(n + 1)) != nullptr;
  for (unsigned i = 1; ok && i <= n; ++i) {
    const std::string& w = want[i - 1];
    const unsigned at = s.indexOfWord(i);
    ok = textOf(s.word(i)) == w && textOf(s.words(i, 1)) == w &&
         s.lengthOfWord(i) == w.size() && at != 0 &&
         textOf(s).compare(at - 1, w.size(), w) == 0;
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
    EXPECT_EQ(textOf(t), c.text);
  }
  EXPECT_TRUE(wordsAre(IString(static_cast<const char*>(nullptr)), {}));
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
    EXPECT_EQ(textOf(s.words(c.first, c.num)), c.want) << c.first << c.num;
  EXPECT_EQ(textOf(s.words(2)) + textOf(s.words(0)), "two\tthree");
  const IString none = IString(static_cast<const char*>(nullptr)).words(1);
  EXPECT_NE(static_cast<const char*>(none), nullptr);
  EXPECT_EQ(s.lengthOfWord(0) + s.indexOfWord(0) + s.word(0).length(), 0u);
}

TEST(Words, RunOnSeveralThreadsAtOnce) {
  const IString shared("alpha beta\tgamma\ndelta");
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t, &shared, &failures] {
      const std::string a = "w" + std::to_string(t);
      const IString own(("  " + a + "a  " + a + "b\t" + a + "c").c_str());
      for (int i = 0; i < 2000; ++i)
        if (!wordsAre(own, {a + "a", a + "b", a + "c"}) ||
            !wordsAre(shared, {"alpha", "beta", "gamma", "delta"}))
          ++failures;
    });
  for (std::thread& th : threads) th.join();
  EXPECT_EQ(failures.load(), 0);
}

TEST(Words, LeaveTheCallersStrtokSequenceAlone) {
  char text[] = "red,green;blue";
  std::vector<std::string> tokens;
  const IString s(" x y\tz ");
  for (char* token = std::strtok(text, ",;"); token != nullptr;
       token = std::strtok(nullptr, ",;")) {
    tokens.push_back(token);
    EXPECT_TRUE(wordsAre(s, {"x", "y", "z"}));
    EXPECT_EQ(textOf(s.words(1, 2)), "x y");
  }
  EXPECT_EQ(tokens, (std::vector<std::string>{"red", "green", "blue"}));
}
