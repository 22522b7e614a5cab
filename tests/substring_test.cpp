// Sub-strings, indexing, padding and removal: worked examples, buffer
// keeping and results too long to hold.
#include <new>

#include "test_util.hpp"

const unsigned kMax = 0xFFFFFFFFu;

TEST(SubString, CutsOrPads) {
  const IString t("abcdef");
  expectExamples({{t.subString(5, 4, '.'), "ef.."},
                  {t.subString(0), "abcdef"},
                  {t.subString(7, 2), ""},
                  {nullString().subString(1, 2), ""}});
}

// The writable form grows the string with blanks; the const one never
// grows and gives a NUL character beyond the end.
TEST(OperatorIndex, WritableFormGrows) {
  IString s("abc");
  s[5] = 'x';
  const IString& c = s;
  expectExamples({{s, "abc x"}, {c[0], 'a'}, {c[9], 0}, {s.length(), 5}});
}

// Within the length, up to the last character, the buffer stays.
TEST(OperatorIndex, WritesInPlaceUpToTheLength) {
  IString s("abc");
  const char* const buffer = s;
  s[3] = 'z';
  s[0] = 'y';
  EXPECT_EQ(static_cast<const char*>(s), buffer);
  EXPECT_STREQ(s, "ybz");
}

TEST(Remove, CutsFromStartPos) {
  IString t("abcdef"), u("abcdef");
  expectExamples({{t.remove(2, 2), "adef"},
                  {u.remove(3), "ab"},
                  {u.remove(0), ""},
                  {IString("ab").remove(3, 1), "ab"}});
}

TEST(LeftJustify, PadsAfter) {
  expectExamples({{IString("abc").leftJustify(5, '.'), "abc.."},
                  {IString("abc").leftJustify(2), "abc"}});
}

TEST(RightJustify, PadsBefore) {
  expectExamples({{IString("abc").rightJustify(5), "  abc"},
                  {IString(lit("a\0")).rightJustify(4, '.'), lit("..a\0")},
                  {nullString().rightJustify(0), kNull}});
}

// Within the length the characters are overwritten in place.
TEST(OverlayWith, OverwritesOrPads) {
  IString v("abcdef"), self("abc");
  const char* buffer = v;
  expectExamples({{v.overlayWith(IString(lit("a\0bc")), 2), lit("aa\0bcf")},
                  {bufferOf(v) == buffer, 1},
                  {IString("abcdef").overlayWith("XY", 9, '.'), "abcdef..XY"},
                  {self.overlayWith(self, 3), "ababc"}});
}

TEST(Insert, AfterIndex) {
  expectExamples({{IString::insert("abcdef", "XY", 2), "abXYcdef"},
                  {IString::insert("ab", "XY"), "XYab"},
                  {IString::insert("ab", "XY", 4, '.'), "ab..XY"}});
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
  EXPECT_TRUE(bytes(s) == "abc" && bufferOf(s) == buffer);
}
