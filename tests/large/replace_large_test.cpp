#include <gtest/gtest.h>
#include <istring.hpp>

#include <new>

// A string holds at most 2^32 - 2 characters: doubling a text of 2^31 is
// one replacement too many.
TEST(Translate, ThrowsWhenTheResultWouldNotFitAndKeepsTheText) {
  IString s(nullptr, 0x80000000u, 'a');
  const char* before = s;
  const IString a64(nullptr, 64, 'a'), a128(nullptr, 128, 'a');
  EXPECT_THROW(s.translate(a64, a128), std::bad_array_new_length);
  EXPECT_EQ(static_cast<const char*>(s), before);
  EXPECT_EQ(s.length(), 0x80000000u);
}

// 32768 replacements that each add 65536 characters to a text of 2^31 - 2
// characters reach the longest length exactly; one more character is too
// many.
TEST(Change, GrowsToTheLongestLengthAndNoFurther) {
  const IString out(nullptr, 65537, 'b');
  {
    IString s(nullptr, 0x7FFFFFFFu, 'a');
    EXPECT_THROW(s.change("a", out, 1, 32768), std::bad_array_new_length);
    EXPECT_EQ(s.length(), 0x7FFFFFFFu);
  }
  IString s(nullptr, 0x7FFFFFFEu, 'a');
  s.change("a", out, 1, 32768);
  ASSERT_EQ(s.length(), 0xFFFFFFFEu);
  const char* p = s;
  EXPECT_EQ(p[32768u * 65537u - 1], 'b');
  EXPECT_EQ(p[32768u * 65537u], 'a');
  EXPECT_EQ(p[0xFFFFFFFDu], 'a');
  EXPECT_EQ(p[0xFFFFFFFEu], '\0');
}
