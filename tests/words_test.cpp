#include <gtest/gtest.h>
#include <istring.hpp>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

IString make(const std::string& t) {
  IString s(nullptr, static_cast<unsigned>(t.size()), ' ');
  for (std::size_t i = 0; i < t.size(); ++i)
    s[static_cast<unsigned>(i + 1)] = t[i];
  return s;
}

std::string bytes(const IString& s) {
  const char* p = s;
  return p ? std::string(p, s.length()) : std::string();
}

// True when every word operation on `s` agrees with `want`.
bool wordsAre(const IString& s, const std::vector<std::string>& want) {
  const unsigned n = static_cast<unsigned>(want.size());
  bool ok = s.numWords() == n && s.word(n + 1).length() == 0 &&
            static_cast<const char*>(s.word(n + 1)) != nullptr &&
            s.indexOfWord(n + 1) == 0 && s.lengthOfWord(n + 1) == 0;
  for (unsigned i = 1; i <= n && ok; ++i) {
    const unsigned at = s.indexOfWord(i);
    ok = bytes(s.word(i)) == want[i - 1] &&
         s.lengthOfWord(i) == want[i - 1].size() && at != 0 &&
         bytes(s).compare(at - 1, want[i - 1].size(), want[i - 1]) == 0 &&
         bytes(s.words(i, 1)) == want[i - 1];
  }
  return ok;
}

}  // namespace

TEST(Words, SplitAtTheSixDelimitersBeforeTheFirstNul) {
  using namespace std::string_literals;
  const struct {
    std::string text;
    std::vector<std::string> want;
  } cases[] = {
      {"  one two\tthree\n", {"one", "two", "three"}},
      {"", {}},
      {" \t\n\r\v\f", {}},
      {"x", {"x"}},
      {"a\x1c"
       "b c\xa0"
       "d",
       {"a\x1c"
        "b",
        "c\xa0"
        "d"}},
      {"one\0two three"s, {"one"}},
      {"\0one"s, {}},
      {" a \0"s, {"a"}},
  };
  for (const auto& c : cases) {
    const IString s = make(c.text);
    EXPECT_TRUE(wordsAre(s, c.want)) << testing::PrintToString(c.text);
    EXPECT_EQ(bytes(s), c.text);
  }
  EXPECT_TRUE(wordsAre(IString(static_cast<const char*>(nullptr)), {}));
  EXPECT_EQ(IString("  one two").indexOfWord(2), 7u);
}

TEST(Words, NumberZeroIsNoWord) {
  const IString s("one two");
  EXPECT_EQ(s.word(0).length(), 0u);
  ASSERT_NE(static_cast<const char*>(s.word(0)), nullptr);
  EXPECT_EQ(s.lengthOfWord(0), 0u);
  EXPECT_EQ(s.indexOfWord(0), 0u);
  EXPECT_EQ(bytes(s.words(0)), "");
  EXPECT_EQ(bytes(s.words(0, 2)), "");
}

TEST(Words, RangesKeepTheDelimitersBetween) {
  const IString s("  one two\tthree\n");
  const struct {
    unsigned first, num;
    const char* want;
  } cases[] = {
      {2, 0xFFFFFFFFu, "two\tthree"}, {1, 2, "one two"}, {3, 1, "three"},
      {2, 5, "two\tthree"},           {1, 0, ""},        {4, 1, ""},
      {0xFFFFFFFFu, 2, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(bytes(s.words(c.first, c.num)), c.want)
        << c.first << " " << c.num;
  EXPECT_EQ(bytes(s.words(2)), "two\tthree");
  EXPECT_EQ(bytes(s.words(1)), "one two\tthree");
  const IString null_range =
      IString(static_cast<const char*>(nullptr)).words(1);
  ASSERT_NE(static_cast<const char*>(null_range), nullptr);
  EXPECT_EQ(null_range.length(), 0u);
}

TEST(Words, RunOnSeveralThreadsAtOnce) {
  const IString shared("alpha beta\tgamma\ndelta");
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &shared, &failures] {
      const std::string id = std::to_string(t);
      const IString own(("  w" + id + "a  w" + id + "b\tw" + id + "c").c_str());
      for (int i = 0; i < 2000; ++i) {
        if (!wordsAre(own, {"w" + id + "a", "w" + id + "b", "w" + id + "c"}) ||
            !wordsAre(shared, {"alpha", "beta", "gamma", "delta"}))
          ++failures;
      }
    });
  }
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
    EXPECT_EQ(s.numWords(), 3u);
    EXPECT_EQ(bytes(s.word(2)), "y");
    EXPECT_EQ(s.lengthOfWord(3), 1u);
    EXPECT_EQ(s.indexOfWord(3), 6u);
    EXPECT_EQ(bytes(s.words(1, 2)), "x y");
  }
  EXPECT_EQ(tokens, (std::vector<std::string>{"red", "green", "blue"}));
}
