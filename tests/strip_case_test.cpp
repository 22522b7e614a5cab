#include <gtest/gtest.h>
#include <istring.hpp>

#include <cctype>
#include <string>

namespace {

IString bytes(const std::string& s) {
  IString r("");
  for (std::size_t i = 0; i < s.size(); ++i) r[i + 1] = s[i];
  return r;
}

std::string text(const IString& s) {
  const char* p = s;
  return p ? std::string(p, s.length()) : std::string("<null>");
}

const char* buffer(const IString& s) { return s; }

const IString null_string(static_cast<const char*>(nullptr));

TEST(Strip, WhiteSpace) {
  struct Case {
    std::string in, both, leading, trailing;
  } cases[] = {
      {"\t\n\v\f\r a b \r\n", "a b", "a b \r\n", "\t\n\v\f\r a b"},
      {" \t ", "", "", ""},
      // A NUL byte is not white space.
      {std::string(" \0a\0 ", 5), std::string("\0a\0", 3),
       std::string("\0a\0 ", 4), std::string(" \0a\0", 4)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text(bytes(c.in).strip()), c.both);
    EXPECT_EQ(text(bytes(c.in).stripLeading()), c.leading);
    EXPECT_EQ(text(bytes(c.in).stripTrailing()), c.trailing);
  }
  const IString s(" ab ");
  EXPECT_EQ(text(IString::stripBlanks(s)), "ab");
  EXPECT_EQ(text(IString::stripLeadingBlanks(s)), "ab ");
  EXPECT_EQ(text(IString::stripTrailingBlanks(s)), " ab");
  EXPECT_EQ(text(s), " ab ");
  EXPECT_EQ(text(IString::stripBlanks(null_string)), "<null>");
}

TEST(Strip, CharacterAndSet) {
  EXPECT_EQ(text(IString("xxaxx").strip('x')), "a");
  EXPECT_EQ(text(IString("xyaxyx").strip("xy")), "a");
  EXPECT_EQ(text(IString("xyaxyx").stripLeading("xy")), "axyx");
  EXPECT_EQ(text(IString("xyaxyx").stripTrailing("yx")), "xya");
  EXPECT_EQ(text(IString("\xE9z\xE9").strip("\xE9")), "z");
  EXPECT_EQ(text(IString("xax").strip(static_cast<const char*>(nullptr))),
            "xax");
  // A NUL byte in the text belongs to every set.
  EXPECT_EQ(text(bytes(std::string("a\0", 2)).strip('\0')), "a");
  EXPECT_EQ(text(bytes(std::string("\0 a\0", 4)).strip("")), " a");
  EXPECT_EQ(text(bytes(std::string("x\0xa", 4)).strip("x")), "a");
  EXPECT_EQ(text(IString(null_string).strip('x')), "<null>");
}

TEST(Strip, BufferKeptUnlessTheFrontGoes) {
  IString s("ab  ");
  const char* old = buffer(s);
  EXPECT_EQ(text(s.strip()), "ab");  // nothing goes at the front
  EXPECT_EQ(text(s.stripTrailing("b")), "a");
  EXPECT_EQ(buffer(s), old);
  IString t("  ab");
  old = buffer(t);
  EXPECT_EQ(text(t.stripLeading()), "ab");
  EXPECT_NE(buffer(t), old);
  IString blank(" \t ");
  old = buffer(blank);
  EXPECT_EQ(text(blank.strip()), "");  // an empty string, not a null one
  EXPECT_EQ(buffer(blank), old);
}

TEST(Case, ConvertsInPlaceUpToFirstNul) {
  IString s("AbC1");
  const char* old = buffer(s);
  EXPECT_EQ(text(s.lowerCase()), "abc1");
  EXPECT_EQ(text(s.upperCase()), "ABC1");
  EXPECT_EQ(buffer(s), old);
  EXPECT_EQ(text(bytes(std::string("Ab\0Cd", 5)).upperCase()),
            std::string("AB\0Cd", 5));
  EXPECT_EQ(text(IString(null_string).upperCase()), "<null>");
  const IString arg("MiXeD");
  EXPECT_EQ(text(IString::lowerCase(arg)), "mixed");
  EXPECT_EQ(text(IString::upperCase(arg)), "MIXED");
  EXPECT_EQ(text(arg), "MiXeD");

  // Long texts: every byte value, several times over, then a NUL byte.
  std::string all;
  for (int i = 0; i < 1020; ++i) all += static_cast<char>(i % 255 + 1);
  std::string lower = all + std::string("\0Ab", 3), upper = lower;
  for (std::size_t i = 0; i < all.size(); ++i) {
    lower[i] = static_cast<char>(std::tolower(lower[i] & 0xFF));
    upper[i] = static_cast<char>(std::toupper(upper[i] & 0xFF));
  }
  EXPECT_EQ(text(bytes(all + std::string("\0Ab", 3)).lowerCase()), lower);
  EXPECT_EQ(text(bytes(all + std::string("\0Ab", 3)).upperCase()), upper);
}

}  // namespace
