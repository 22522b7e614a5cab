#include <gtest/gtest.h>
#include <istring.hpp>

#include <new>

// A string holds at most 2^32 - 2 characters. Doubling every 'a' of a text
// of 2^31 gives 2^32; leaving the first one or two alone gives 2^32 - 1 (one
// too many) and 2^32 - 2.
TEST(Translate, ThrowsWhenTheResultWouldNotFitAndKeepsTheText) {
  IString s(nullptr, 0x80000000u, 'a');
  const char* before = s;
  EXPECT_THROW(s.translate("a", "aa"), std::bad_array_new_length);
  EXPECT_THROW(s.change(IString("a"), IString("aa"), 2),
               std::bad_array_new_length);
  EXPECT_EQ(static_cast<const char*>(s), before);
  EXPECT_EQ(s.length(), 0x80000000u);

  s.change("a", "aa", 3);
  EXPECT_EQ(s.length(), 0xFFFFFFFEu);
  EXPECT_EQ(static_cast<const char*>(s)[0xFFFFFFFDu], 'a');
  EXPECT_EQ(static_cast<const char*>(s)[0xFFFFFFFEu], '\0');
}
