// Sub-strings, indexing, padding and removal: worked examples and edges.
#include <new>

#include "test_util.hpp"

namespace {

const unsigned kMax = 0xFFFFFFFFu;

TEST(SubString, CutsAndPads) {
  const IString s("abcdef");
  expectExamples({{s.subString(5, 4, '.'), "ef.."}, {s.subString(0, 2), "ab"},
                  {s.subString(8, kMax - 1), ""},  // beyond: no padding
                  {s.subString(7), ""},
                  {nullString().subString(1, 3, '.'), ""}});  // never null
}

// Indexing from 1 (0 reads 1); the mutable form grows the string with
// blanks, the const form neither grows nor reads outside the buffer.
TEST(Indexing, ReadsAndGrows) {
  IString s("abc"), n = nullString();
  const IString c(lit("a\0bc")), null_string = nullString();
  const char first = s[0];
  s[5] = 'x';
  n[0];
  expectExamples({{first, 'a'}, {s, "abc x"}, {n, " "}, {c[4], 'c'},
                  {c[5], 0}, {c[kMax], 0}, {c, lit("a\0bc")},
                  {null_string[1], 0}, {null_string, kNull}});
}

// remove(0) is remove(1); the one-argument form removes to the end.
TEST(Remove, Stretches) {
  IString s[10] = {"abcdef", "abcdef", "abcdef", "abcdef", "abcdef",
                   "abcdef", "abcdef", "abcdef", "abcdef", nullString()};
  expectExamples({{s[0].remove(2, 2), "adef"}, {s[1].remove(0, 1), "bcdef"},
                  {s[2].remove(5, 10), "abcd"}, {s[3].remove(2, 0), "abcdef"},
                  {s[4].remove(7, 1), "abcdef"}, {s[5].remove(3), "ab"},
                  {s[6].remove(0), ""}, {s[7].remove(1), ""},
                  {s[8].remove(7), "abcdef"}, {s[9].remove(0), kNull}});
}

TEST(Justify, PadsWithoutShortening) {
  expectExamples({{IString("abc").leftJustify(5, '.'), "abc.."},
                  {IString("abc").rightJustify(5), "  abc"},
                  {IString("abc").rightJustify(2, '.'), "abc"},
                  {nullString().leftJustify(2, '-'), "--"},
                  {nullString().rightJustify(0, '-'), kNull}});
}

TEST(OverlayWith, WritesOverAndPads) {
  IString s("abcdef"), self("abc");
  const char* buffer = s;
  expectExamples({{IString("abcdef").overlayWith("XY", 9, '.'), "abcdef..XY"},
                  {IString("abcdef").overlayWith("XY", 0), "abcdef"},
                  {s.overlayWith(IString(lit("a\0bc")), 2), lit("aa\0bcf")},
                  {self.overlayWith(self, 3), "ababc"}});
  EXPECT_EQ(bufferOf(s), buffer);  // within the length: in place
}

TEST(Insert, AfterPosition) {
  expectExamples({{IString::insert("abcdef", "XY", 2), "abXYcdef"},
                  {IString::insert("abcdef", "XY"), "XYabcdef"},
                  {IString::insert("abc", "XY", 5, '.'), "abc..XY"},
                  {IString::insert(nullString(), "XY", 3, '.'), "XY"}});
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
  EXPECT_THROW(s.overlayWith("XY", kMax - 1), std::bad_array_new_length);
  EXPECT_THROW(IString::insert(s, "XY", kMax), std::bad_array_new_length);
  EXPECT_THROW(IString(kNone, kMax, 'x'), std::bad_array_new_length);
  EXPECT_EQ(bytes(s), "abc");
  EXPECT_EQ(bufferOf(s), buffer);
}

}  // namespace
