#include <gtest/gtest.h>
#include <istring.hpp>

#include <random>
#include <string>

namespace {

// An IString holding exactly the bytes of `t`, inner NULs included.
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

// What change gives, written the obvious way: occurrences lie wholly in the
// text from startPos up to the next NUL, left to right, never overlapping.
std::string reference(std::string text, const std::string& in,
                      const std::string& out, unsigned start, unsigned limit) {
  if (start == 0) start = 1;
  if (text.empty() || in.empty() || start > text.size() ||
      in.find('\0') != std::string::npos)
    return text;
  const std::size_t end = std::min(text.find('\0', start - 1), text.size());
  std::string result = text.substr(0, start - 1);
  std::size_t from = start - 1;
  for (std::size_t p;
       limit != 0 && (p = text.find(in, from)) != std::string::npos &&
       p + in.size() <= end;
       --limit) {
    result += text.substr(from, p - from) + out;
    from = p + in.size();
  }
  return result + text.substr(from);
}

}  // namespace

TEST(Change, ReplacesFromStartWithinLimit) {
  using namespace std::string_literals;
  const std::string a50 = std::string(50, 'a'),
                    a10b = std::string(10, 'a') + "b";
  struct Case {
    std::string text, in, out;
    unsigned start, limit;
    std::string want;
  } cases[] = {
      {"abcabc", "bc", "X", 3, 10, "abcaX"},
      {"abcabc", "bc", "X", 0, 10, "aXaX"},
      {"aaaa", "a", "bb", 1, 2, "bbbbaa"},
      {"aaa", "aa", "b", 1, 10, "ba"},
      {"aa", "a", "aa", 1, 10, "aaaa"},
      {"abcab", "b", "X", 5, 10, "abcaX"},
      {"abc", "c", "X", 4, 10, "abc"},
      {"abcd", "bc", "X", 3, 10, "abcd"},
      {"abc", "abcd", "X", 1, 10, "abc"},
      {"abc", "b", "X", 1, 0, "abc"},
      {"xabyab", "ab", "", 1, 10, "xy"},
      {"a\0ab"s, "a", "X", 1, 10, "X\0ab"s},
      {"a\0ab"s, "a", "X", 3, 10, "a\0Xb"s},
      {"ab\0ab"s, "b", "XYZ", 1, 10, "aXYZ\0ab"s},
      {"a\0b"s, "a\0b"s, "X", 1, 10, "a\0b"s},
      {"ab\0ab"s, "b\0"s, "X", 1, 10, "ab\0ab"s},
      {a50 + "b", a10b, "X", 1, 10, std::string(40, 'a') + "X"},
      {a50, a10b, "X", 1, 10, a50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " " +
                 testing::PrintToString(c.in));
    IString s = make(c.text);
    EXPECT_EQ(bytes(s.change(make(c.in), make(c.out), c.start, c.limit)),
              c.want);
    if (c.in.find('\0') != std::string::npos) continue;
    const char* in = c.in.c_str();
    const char* out = c.out.c_str();
    IString s2 = make(c.text), s3 = make(c.text), s4 = make(c.text);
    EXPECT_EQ(bytes(s2.change(make(c.in), out, c.start, c.limit)), c.want);
    EXPECT_EQ(bytes(s3.change(in, make(c.out), c.start, c.limit)), c.want);
    EXPECT_EQ(bytes(s4.change(in, out, c.start, c.limit)), c.want);
  }
}

TEST(Change, MatchesStraightforwardReplacement) {
  std::mt19937 rng(7);
  auto text_of = [&](std::size_t max) {
    std::string t(rng() % (max + 1), 'a');
    for (char& ch : t) ch = "aab\0"[rng() % (rng() % 8 == 0 ? 4 : 3)];
    return t;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string text = text_of(40), in = text_of(6), out = text_of(3);
    const unsigned start = rng() % 8, limit = rng() % 2 ? ~0u : rng() % 4;
    IString s = make(text);
    s.change(make(in), make(out), start, limit);
    ASSERT_EQ(bytes(s), reference(text, in, out, start, limit))
        << testing::PrintToString(text) << " " << testing::PrintToString(in)
        << " " << start << " " << limit;
  }
}

TEST(Change, KeepsBufferWhenNothingIsReplaced) {
  IString s("abcabc");
  const char* before = s;
  s.change("b", "X", 1, 0);
  s.change("zz", "X");
  s.change(static_cast<const char*>(nullptr), "X");
  s.change(IString(), "X");
  s.change("c", "X", 7);
  s.translate("q", "X");
  EXPECT_EQ(static_cast<const char*>(s), before);
  EXPECT_EQ(bytes(s), "abcabc");

  IString null_string(static_cast<const char*>(nullptr)), empty;
  null_string.change("a", "b").translate("a", "b");
  empty.change("a", "b").translate("a", "b");
  EXPECT_EQ(static_cast<const char*>(null_string), nullptr);
  ASSERT_NE(static_cast<const char*>(empty), nullptr);
  EXPECT_EQ(empty.length(), 0u);
}

TEST(Change, DeletingEverythingLeavesTheEmptyString) {
  IString s("abab");
  s.change("ab", static_cast<const char*>(nullptr));
  ASSERT_NE(static_cast<const char*>(s), nullptr);
  EXPECT_EQ(s.length(), 0u);
  EXPECT_EQ(static_cast<const char*>(s)[0], '\0');
}

TEST(Change, ArgumentsMayBeTheObjectItself) {
  IString s("ab");
  EXPECT_EQ(bytes(s.change(s, "x")), "x");
  s = "abab";
  EXPECT_EQ(bytes(s.change(IString("b"), s)), "aababaabab");
  s = "abab";
  EXPECT_EQ(bytes(s.translate(static_cast<const char*>(s) + 2, s)), "abababab");
}

TEST(Change, StaticFormChangesACopy) {
  const IString original("a-b-c");
  EXPECT_EQ(bytes(IString::change(original, "-", "+", 3)), "a-b+c");
  EXPECT_EQ(bytes(original), "a-b-c");
}

TEST(Translate, ReplacesEveryOccurrenceWhateverThePad) {
  IString s = make(std::string("a.b.c\0.", 7));
  EXPECT_EQ(bytes(s.translate(".", "::", 'x')), std::string("a::b::c\0.", 9));
  IString t("a.b");
  EXPECT_EQ(bytes(t.translate(IString("."), IString(), '.')), "ab");
}
