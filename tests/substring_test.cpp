// Sub-strings, indexing, padding and removal: worked examples, buffer
// keeping and results too long to hold.
#include <new>

#include "test_util.hpp"

const unsigned kMax = 0xFFFFFFFFu;

// Indexing from 1 (0 reads 1); the mutable form grows the string with
// blanks. remove(0) is remove(1); the one-argument form removes to the end.
TEST(SubString, WorkedExamples) {
  IString s("abc"), t("abcdef"), u("abcdef"), v("abcdef"), self("abc");
  s[5] = 'x';
  const char* buffer = v;  // overlaid within the length: in place
  // clang-format off
  expectExamples({
      {t.subString(5, 4, '.'), "ef.."}, {s, "abc x"}, {t.remove(2, 2), "adef"},
      {u.remove(3), "ab"}, {u.remove(0), ""},
      {IString("abc").rightJustify(5), "  abc"},
      {v.overlayWith(IString(lit("a\0bc")), 2), lit("aa\0bcf")},
      {IString("abc").leftJustify(5, '.'), "abc.."}, {bufferOf(v) == buffer, 1},
      {IString("abcdef").overlayWith("XY", 9, '.'), "abcdef..XY"},
      {self.overlayWith(self, 3), "ababc"},
      {IString::insert("abcdef", "XY", 2), "abXYcdef"}});
  // clang-format on
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
