#include <gtest/gtest.h>
#include <istring.hpp>

#include "test_util.hpp"

#include <string>

namespace {

// Every character of a string literal, inner NUL bytes included.
template <std::size_t N>
std::string lit(const char (&text)[N]) {
  return std::string(text, N - 1);
}

std::string textOf(const IString& s) {
  return s.length() ? std::string(static_cast<const char*>(s), s.length()) : "";
}

}  // namespace

TEST(Change, ReplacesFromStartWithinLimit) {
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
      {lit("ab\0ab"), "b", "XYZ", 1, 10, lit("aXYZ\0ab")},
      {lit("a\0ab"), "a", "X", 3, 10, lit("a\0Xb")},
      {lit("a\0b"), lit("a\0b"), "X", 1, 10, lit("a\0b")},
      {a50 + "b", a50.substr(40) + "b", "X", 1, 10, a50.substr(10) + "X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " " +
                 testing::PrintToString(c.in));
    const IString in = withBytes(c.in), out = withBytes(c.out);
    IString s[4] = {withBytes(c.text), withBytes(c.text), withBytes(c.text),
                    withBytes(c.text)};
    EXPECT_EQ(textOf(s[0].change(in, out, c.start, c.limit)), c.want);
    if (c.in.find('\0') != std::string::npos) continue;
    EXPECT_EQ(textOf(s[1].change(in, c.out.c_str(), c.start, c.limit)), c.want);
    EXPECT_EQ(textOf(s[2].change(c.in.c_str(), out, c.start, c.limit)), c.want);
    EXPECT_EQ(
        textOf(s[3].change(c.in.c_str(), c.out.c_str(), c.start, c.limit)),
        c.want);
  }
}

TEST(Change, KeepsBufferWhenNothingIsReplaced) {
  IString s("abcabc"), null_string(static_cast<const char*>(nullptr)), empty;
  const char* before = s;
  s.change("b", "X", 1, 0).change("zz", "X").change(IString(), "X");
  s.change(static_cast<const char*>(nullptr), "X").change("c", "X", 7);
  EXPECT_EQ(static_cast<const char*>(s.translate("q", "X")), before);
  EXPECT_EQ(textOf(s), "abcabc");
  EXPECT_EQ(static_cast<const char*>(null_string.change("a", "b")), nullptr);
  EXPECT_NE(static_cast<const char*>(empty.translate("a", "b")), nullptr);
  // Deleting every character leaves the empty string, not the null string.
  s.change("abc", static_cast<const char*>(nullptr));
  EXPECT_TRUE(s.length() == 0 && static_cast<const char*>(s) != nullptr);
}

TEST(Change, ArgumentsMayBeTheObjectOrItsBuffer) {
  IString s("ab"), t("abab"), u("abab");
  EXPECT_EQ(textOf(s.change(s, "x")), "x");
  EXPECT_EQ(textOf(t.change(IString("b"), t)), "aababaabab");
  EXPECT_EQ(textOf(u.translate(static_cast<const char*>(u) + 2, u)),
            "abababab");
  EXPECT_EQ(textOf(IString::change(u, "ab", "", 5)), "abab");
  EXPECT_EQ(textOf(u), "abababab");
}

TEST(Translate, ReplacesEveryOccurrenceUpToNulWhateverThePad) {
  IString s = withBytes(std::string("a.b.c\0.", 7));
  EXPECT_EQ(textOf(s.translate(".", "::", 'x')), std::string("a::b::c\0.", 9));
}
