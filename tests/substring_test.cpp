#include <gtest/gtest.h>
#include <istring.hpp>

#include <new>
#include <string>

namespace {

const unsigned kMax = 0xFFFFFFFFu;
const IString null_string(static_cast<const char*>(nullptr));
const IString with_nul = IString("a") + IString('\0') + "bc";

std::string text(const IString& s) {
  const char* p = s;
  return p ? std::string(p, s.length()) : std::string("<null>");
}

TEST(SubString, CutsAndPads) {
  const IString s("abcdef");
  EXPECT_EQ(text(s.subString(5, 4, '.')), "ef..");
  EXPECT_EQ(text(s.subString(0, 2, '.')), "ab");
  EXPECT_EQ(text(s.subString(7, 3, '.')), "");
  EXPECT_EQ(text(s.subString(8, kMax)), "");  // beyond the end: no padding
  EXPECT_EQ(text(s.subString(2, 3)), "bcd");
  EXPECT_EQ(text(s.subString(0)), "abcdef");
  EXPECT_EQ(text(s.subString(7)), "");
  EXPECT_EQ(text(null_string.subString(1, 3, '.')), "");
  EXPECT_EQ(text(with_nul.subString(2, 4, '.')), std::string("\0bc.", 4));
}

TEST(Indexing, ReadsAndGrows) {
  IString s("abc");
  EXPECT_EQ(s[0], 'a');
  s[5] = 'x';
  EXPECT_EQ(text(s), "abc x");
  IString n = null_string;
  n[0];
  EXPECT_EQ(text(n), " ");
  // The const form neither grows nor reads outside the buffer.
  EXPECT_EQ(with_nul[4], 'c');
  EXPECT_EQ(with_nul[5], '\0');
  EXPECT_EQ(with_nul[kMax], '\0');
  EXPECT_EQ(null_string[1], '\0');
}

TEST(Remove, Stretches) {
  struct Case {
    unsigned start, count;
    const char* expected;
  } cases[] = {{2, 2, "adef"},  {0, 1, "bcdef"}, {6, 1, "abcde"},
               {5, 10, "abcd"}, {2, kMax, "a"},  {2, 0, "abcdef"},
               {7, 1, "abcdef"}};
  for (const Case& c : cases)
    EXPECT_EQ(text(IString("abcdef").remove(c.start, c.count)), c.expected);
  EXPECT_EQ(text(IString("abcdef").remove(3)), "ab");
  EXPECT_EQ(text(IString("abcdef").remove(7)), "abcdef");
  EXPECT_EQ(text(IString(with_nul).remove(2, 1)), "abc");
  EXPECT_EQ(text(IString(null_string).remove(1, 2)), "<null>");
}

TEST(Justify, PadsWithoutShortening) {
  EXPECT_EQ(text(IString("abc").leftJustify(5, '.')), "abc..");
  EXPECT_EQ(text(IString("abc").rightJustify(5)), "  abc");
  EXPECT_EQ(text(IString("abc").rightJustify(2, '.')), "abc");
  EXPECT_EQ(text(IString(null_string).leftJustify(2, '-')), "--");
  EXPECT_EQ(text(IString(null_string).rightJustify(0, '-')), "<null>");
}

TEST(OverlayWith, WritesOverAndPads) {
  struct Case {
    const char *base, *over;
    unsigned index;
    const char* expected;
  } cases[] = {
      {"abcdef", "XY", 3, "abXYef"},     {"abcdef", "XY", 6, "abcdeXY"},
      {"abcdef", "XY", 9, "abcdef..XY"}, {"abcdef", "XY", 0, "abcdef"},
      {"abc", "XYZW", 1, "XYZW"},        {"abc", "", 6, "abc.."}};
  for (const Case& c : cases)
    EXPECT_EQ(text(IString(c.base).overlayWith(c.over, c.index, '.')),
              c.expected);
  IString s("abcdef");
  const char* buffer = s;
  s.overlayWith(with_nul, 2);
  EXPECT_EQ(text(s), std::string("aa\0bcf", 6));
  EXPECT_EQ(static_cast<const char*>(s), buffer);  // within the length
  IString self("abc");
  EXPECT_EQ(text(self.overlayWith(self, 3)), "ababc");
  EXPECT_EQ(text(self.overlayWith(self, 7, '.')), "ababc.ababc");
}

TEST(Insert, AfterPosition) {
  EXPECT_EQ(text(IString::insert("abcdef", "XY", 2)), "abXYcdef");
  EXPECT_EQ(text(IString::insert("abcdef", "XY")), "XYabcdef");
  EXPECT_EQ(text(IString::insert("abc", "XY", 5, '.')), "abc..XY");
  EXPECT_EQ(text(IString::insert("abc", null_string, 5, '.')), "abc..");
  EXPECT_EQ(text(IString::insert(null_string, "XY", 3, '.')), "XY");
  EXPECT_EQ(text(IString::insert(null_string, null_string)), "");
  EXPECT_EQ(text(IString::insert("", "XY", kMax)), "XY");
}

// Results longer than 0xFFFFFFFE characters are refused before anything
// changes, even from short strings.
TEST(Oversize, ThrowsAndKeepsValue) {
  IString s("abc");
  const char* buffer = s;
  EXPECT_THROW(s.subString(1, kMax), std::bad_array_new_length);
  EXPECT_THROW(s.leftJustify(kMax), std::bad_array_new_length);
  EXPECT_THROW(s.rightJustify(kMax, '.'), std::bad_array_new_length);
  EXPECT_THROW(s[kMax], std::bad_array_new_length);
  EXPECT_THROW(s.overlayWith("X", kMax), std::bad_array_new_length);
  EXPECT_THROW(s.overlayWith("XY", kMax - 1), std::bad_array_new_length);
  EXPECT_THROW(IString::insert(s, "XY", kMax), std::bad_array_new_length);
  EXPECT_EQ(text(s), "abc");
  EXPECT_EQ(static_cast<const char*>(s), buffer);
}

}  // namespace
