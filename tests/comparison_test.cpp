// Comparison, concatenation, streams and conversions: worked examples and
// hashing, which the model's driver checks only for equal strings.
#include <vector>

#include "test_util.hpp"

// Bytes compare as unsigned values up to the first NUL byte; the null
// string sorts first.
TEST(RelationalOperators, CompareUpToTheFirstNul) {
  // clang-format off
  expectExamples({
      {IString("abc") < "abd", 1}, {IString(lit("a\0b")) == "a", 1},
      {IString("B") < "a", 1}, {IString("a") < "\xE9", 1},
      {nullString() < IString(""), 1}, {nullString() == IString(""), 0},
      {nullString() < nullString(), 0}, {nullString() <= nullString(), 1},
      {IString("") > nullString(), 1}, {nullString() >= IString(""), 0},
      {IString("\xE9") > IString("z"), 1}, {IString("ab") <= IString("a"), 0},
      {IString(lit("a\0b")) >= IString(lit("a\0c")), 1}});
  // clang-format on
}

// Every pair of texts over a few bytes (NUL, two letters, a byte above 127),
// alone and behind shared heads of 4 and 8 bytes, and the null string: each
// operator in each form (string and string, string and const char*, const
// char* and string) gives the order of the texts cut at their first NUL byte,
// the null string first; equal strings hash alike.
TEST(RelationalOperators, AgreeOnEveryPairOfShortTexts) {
  std::vector<std::string> texts;
  for (const std::string head : {"", "head", "headhead"}) {
    std::vector<std::string> tails = {""};
    for (std::size_t k = 0; k < tails.size() && tails[k].size() < 3; ++k)
      for (const char c : {'\0', 'a', 'b', '\xFF'})
        tails.push_back(tails[k] + c);
    for (const std::string& tail : tails) texts.push_back(head + tail);
  }
  const auto results = [](const IString& x, const IString& y) {
    const char* const p = x;
    const char* const q = y;
    return std::vector<int>{x == y, x != y, x<y, x <= y, x> y, x >= y,
                            x == q, x != q, x<q, x <= q, x> q, x >= q,
                            p == y, p != y, p<y, p <= y, p> y, p >= y};
  };
  const auto wanted = [](int c) {
    const std::vector<int> one = {c == 0, c != 0, c<0, c <= 0, c> 0, c >= 0};
    std::vector<int> all;
    for (int k = 0; k < 3; ++k) all.insert(all.end(), one.begin(), one.end());
    return all;
  };
  const auto cut = [](const std::string& t) {
    return t.substr(0, t.find('\0'));
  };
  const std::hash<IString> hash{};
  for (const std::string& a : texts) {
    const IString x(a);
    for (const std::string& b : texts) {
      const IString y(b);
      const int c = cut(a).compare(cut(b));
      ASSERT_EQ(results(x, y), wanted(c))
          << testing::PrintToString(a) << " against "
          << testing::PrintToString(b);
      if (c == 0) {
        ASSERT_EQ(hash(x), hash(y)) << testing::PrintToString(a);
      }
    }
    ASSERT_EQ(results(x, nullString()), wanted(1)) << testing::PrintToString(a);
    ASSERT_EQ(results(nullString(), x), wanted(-1))
        << testing::PrintToString(a);
  }
  EXPECT_EQ(results(nullString(), nullString()), wanted(0));
}

TEST(OperatorPlus, JoinsIntoOneBuffer) {
  expectExamples({{IString("ab") + "cd", "abcd"},
                  {nullString() + nullString(), ""},
                  {kNone + IString(lit("a\0")), lit("a\0")}});
}

TEST(OperatorPlusAssign, AppendsTheObjectToItself) {
  IString s = "ab", null = nullString();
  expectExamples({{s += s, "abab"}, {null += kNone, kNull}, {null += "", ""}});
}

TEST(AsInt, ReadsTheLeadingNumber) {
  expectExamples({{IString("  42abc").asInt(), 42},
                  {IString("0x1A").asInt(), 0},
                  {nullString().asInt(), 0}});
}

// Equal strings hash equal; the hash reads the whole text.
TEST(Hash, FollowsEquality) {
  const std::hash<IString> hash{};
  const IString q(std::string(1000, 'q'));
  // clang-format off
  expectExamples({
      {hash(IString("a")) == hash(IString(lit("a\0b"))), 1},
      {hash(IString("ab")) == hash(IString("ba")), 0},
      {hash(q) == hash(IString(std::string(999, 'q') + "r")), 0}});
  // clang-format on
}

// Every byte before the first NUL byte, and the length, change the hash:
// each position of texts across the hash's steps of 4, 8 and 16 bytes.
TEST(Hash, ReadsEveryByteAndTheLength) {
  const std::hash<IString> hash{};
  for (std::size_t length = 0; length <= 70; ++length) {
    const std::string text(length, 'x');
    const std::size_t base = hash(IString(text));
    EXPECT_NE(base, hash(IString(text + "x"))) << length;
    for (std::size_t k = 0; k < length; ++k) {
      std::string changed = text;
      changed[k] = 'y';
      EXPECT_NE(base, hash(IString(changed))) << length << " at " << k;
    }
  }
}
