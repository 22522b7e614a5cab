// Sub-strings, indexing, padding and removal: worked examples and edges.
#include <gtest/gtest.h>

#include <new>

#include "test_util.hpp"

namespace {

const unsigned kMax = 0xFFFFFFFFu;
const std::string kWithNul = lit("a\0bc");

TEST(SubString, CutsAndPads) {
  const IString s("abcdef");
  EXPECT_EQ(bytes(s.subString(5, 4, '.')), "ef..");
  EXPECT_EQ(bytes(s.subString(0, 2)), "ab");
  EXPECT_EQ(bytes(s.subString(8, kMax - 1)), "");  // beyond: no padding
  EXPECT_EQ(bytes(s.subString(7)), "");
  EXPECT_EQ(bytes(nullString().subString(1, 3, '.')), "");  // never null
}

TEST(Indexing, ReadsAndGrows) {
  IString s("abc");
  EXPECT_EQ(s[0], 'a');
  s[5] = 'x';
  EXPECT_EQ(bytes(s), "abc x");
  IString n = nullString();
  n[0];
  EXPECT_EQ(bytes(n), " ");
  // The const form neither grows nor reads outside the buffer.
  const IString c = withBytes(kWithNul);
  EXPECT_EQ(c[4], 'c');
  EXPECT_EQ(c[5], '\0');
  EXPECT_EQ(c[kMax], '\0');
  EXPECT_EQ(bytes(c), kWithNul);
  const IString null_string = nullString();
  EXPECT_EQ(null_string[1], '\0');
  EXPECT_EQ(bytes(null_string), kNullText);
}

TEST(Remove, Stretches) {
  const struct {
    unsigned start, count;  // count kMax - 1: the one-argument form
    std::string want;
  } rows[] = {{2, 2, "adef"},    {0, 1, "bcdef"},        {5, 10, "abcd"},
              {2, 0, "abcdef"},  {7, 1, "abcdef"},       {3, kMax - 1, "ab"},
              {0, kMax - 1, ""}, {7, kMax - 1, "abcdef"}};
  for (const auto& r : rows) {
    IString s("abcdef");
    if (r.count == kMax - 1)
      s.remove(r.start);
    else
      s.remove(r.start, r.count);
    EXPECT_EQ(bytes(s), r.want) << r.start << " " << r.count;
  }
  EXPECT_EQ(bytes(nullString().remove(0)), kNullText);
}

TEST(Justify, PadsWithoutShortening) {
  EXPECT_EQ(bytes(IString("abc").leftJustify(5, '.')), "abc..");
  EXPECT_EQ(bytes(IString("abc").rightJustify(5)), "  abc");
  EXPECT_EQ(bytes(IString("abc").rightJustify(2, '.')), "abc");
}

TEST(OverlayWith, WritesOverAndPads) {
  EXPECT_EQ(bytes(IString("abcdef").overlayWith("XY", 3)), "abXYef");
  EXPECT_EQ(bytes(IString("abcdef").overlayWith("XY", 9, '.')), "abcdef..XY");
  EXPECT_EQ(bytes(IString("abcdef").overlayWith("XY", 0)), "abcdef");
  IString s("abcdef");
  const char* buffer = s;
  s.overlayWith(withBytes(kWithNul), 2);
  EXPECT_EQ(bytes(s), lit("aa\0bcf"));
  EXPECT_EQ(bufferOf(s), buffer);  // within the length: in place
  IString self("abc");
  EXPECT_EQ(bytes(self.overlayWith(self, 3)), "ababc");
  EXPECT_EQ(bytes(self.overlayWith(self, 7, '.')), "ababc.ababc");
}

TEST(Insert, AfterPosition) {
  EXPECT_EQ(bytes(IString::insert("abcdef", "XY", 2)), "abXYcdef");
  EXPECT_EQ(bytes(IString::insert("abcdef", "XY")), "XYabcdef");
  EXPECT_EQ(bytes(IString::insert("abc", "XY", 5, '.')), "abc..XY");
  EXPECT_EQ(bytes(IString::insert(nullString(), "XY", 3, '.')), "XY");
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
  EXPECT_THROW(IString(kNone, kMax, 'x'), std::bad_array_new_length);
  EXPECT_EQ(bytes(s), "abc");
  EXPECT_EQ(bufferOf(s), buffer);
}

}  // namespace
