#include <gtest/gtest.h>
#include <istring.hpp>

#include <random>
#include <string>

namespace {

IString make(const std::string& t) {  // keeps inner NULs
  IString s("");
  for (char c : t) s += IString(c);
  return s;
}

std::string bytes(const IString& s) {
  return s.length() ? std::string(static_cast<const char*>(s), s.length()) : "";
}

// change written the obvious way: occurrences lie wholly in the text from
// startPos up to the next NUL, found left to right without overlapping.
std::string reference(const std::string& text, const std::string& in,
                      const std::string& out, unsigned start, unsigned limit) {
  start = start ? start - 1 : 0;
  if (in.empty() || start >= text.size() || in.find('\0') != std::string::npos)
    return text;
  const std::size_t end = text.find('\0', start);
  std::string result = text.substr(0, start);
  std::size_t from = start, p;
  for (; limit && (p = text.find(in, from)) < end;
       --limit, from = p + in.size())
    result += text.substr(from, p - from) + out;
  return result + text.substr(from);
}

}  // namespace

TEST(Change, ReplacesFromStartWithinLimit) {
  using namespace std::string_literals;
  const std::string a50(50, 'a');
  const struct {
    std::string text, in, out;
    unsigned start, limit;
    std::string want;
  } cases[] = {
      {"abcabc", "bc", "X", 3, 10, "abcaX"},
      {"abcabc", "bc", "X", 0, 10, "aXaX"},
      {"aaaa", "a", "bb", 1, 2, "bbbbaa"},
      {"abcd", "bc", "X", 3, 10, "abcd"},
      {"ab\0ab"s, "b", "XYZ", 1, 10, "aXYZ\0ab"s},
      {"a\0ab"s, "a", "X", 3, 10, "a\0Xb"s},
      {"a\0b"s, "a\0b"s, "X", 1, 10, "a\0b"s},
      {a50 + "b", a50.substr(40) + "b", "X", 1, 10, a50.substr(10) + "X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " " +
                 testing::PrintToString(c.in));
    const IString in = make(c.in), out = make(c.out);
    IString s[4] = {make(c.text), make(c.text), make(c.text), make(c.text)};
    EXPECT_EQ(bytes(s[0].change(in, out, c.start, c.limit)), c.want);
    if (c.in.find('\0') != std::string::npos) continue;
    EXPECT_EQ(bytes(s[1].change(in, c.out.c_str(), c.start, c.limit)), c.want);
    EXPECT_EQ(bytes(s[2].change(c.in.c_str(), out, c.start, c.limit)), c.want);
    EXPECT_EQ(bytes(s[3].change(c.in.c_str(), c.out.c_str(), c.start, c.limit)),
              c.want);
  }
}

TEST(Change, MatchesStraightforwardReplacement) {
  std::mt19937 rng(7);
  auto text = [&](unsigned max) {  // a, b and now and then NUL
    std::string t(rng() % (max + 1), 'a');
    for (char& ch : t) ch = "aab\0"[rng() % (rng() % 8 ? 3 : 4)];
    return t;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string t = text(40), in = text(6), out = text(3);
    const unsigned start = rng() % 8, limit = rng() % 2 ? ~0u : rng() % 4;
    IString s = make(t);
    ASSERT_EQ(bytes(s.change(make(in), make(out), start, limit)),
              reference(t, in, out, start, limit))
        << testing::PrintToString(t) << testing::PrintToString(in) << start;
  }
}

TEST(Change, KeepsBufferWhenNothingIsReplaced) {
  IString s("abcabc"), null_string(static_cast<const char*>(nullptr)), empty;
  const char* before = s;
  s.change("b", "X", 1, 0).change("zz", "X").change(IString(), "X");
  s.change(static_cast<const char*>(nullptr), "X").change("c", "X", 7);
  EXPECT_EQ(static_cast<const char*>(s.translate("q", "X")), before);
  EXPECT_EQ(bytes(s), "abcabc");
  EXPECT_EQ(static_cast<const char*>(null_string.change("a", "b")), nullptr);
  EXPECT_NE(static_cast<const char*>(empty.translate("a", "b")), nullptr);
  // Deleting every character leaves the empty string, not the null string.
  s.change("abc", static_cast<const char*>(nullptr));
  EXPECT_TRUE(s.length() == 0 && static_cast<const char*>(s) != nullptr);
}

TEST(Change, ArgumentsMayBeTheObjectOrItsBuffer) {
  IString s("ab"), t("abab"), u("abab");
  EXPECT_EQ(bytes(s.change(s, "x")), "x");
  EXPECT_EQ(bytes(t.change(IString("b"), t)), "aababaabab");
  EXPECT_EQ(bytes(u.translate(static_cast<const char*>(u) + 2, u)), "abababab");
  EXPECT_EQ(bytes(IString::change(u, "ab", "", 5)), "abab");
  EXPECT_EQ(bytes(u), "abababab");
}

TEST(Translate, ReplacesEveryOccurrenceUpToNulWhateverThePad) {
  IString s = make(std::string("a.b.c\0.", 7));
  EXPECT_EQ(bytes(s.translate(".", "::", 'x')), std::string("a::b::c\0.", 9));
}
