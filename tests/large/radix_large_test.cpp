// Radix conversions at the 32-bit size limits.
#include <gtest/gtest.h>
#include <istring.hpp>

#include <new>
#include <string>

TEST(RadixLarge, LongestBinaryInputGroupsFromTheRight) {
  const IString ones(nullptr, 0xFFFFFFFEu, '1');
  const IString hex = IString::b2x(ones);  // (2^32 + 1) / 4 digits
  ASSERT_EQ(hex.length(), 1u << 30);
  EXPECT_EQ(std::string(hex, 2), "3F");  // the leftmost 2 digits, then 4s
  EXPECT_EQ(hex[hex.length()], 'F');
  const IString bytes = IString::b2c(ones);  // (2^32 + 5) / 8 bytes
  ASSERT_EQ(bytes.length(), 1u << 29);
  EXPECT_EQ(std::string(bytes, 2), "\x3F\xFF");  // 6 digits, then 8s
  EXPECT_EQ(bytes[bytes.length()], '\xFF');
}

TEST(RadixLarge, ResultTooLongThrowsAndChangesNothing) {
  const struct {
    IString& (IString::*convert)();
    unsigned length;  // gives a result of 2^32 characters
    char fill;
  } cases[] = {{&IString::c2b, 1u << 29, 'a'},
               {&IString::x2b, 1u << 30, 'f'},
               {&IString::c2x, 1u << 31, 'a'}};
  for (const auto& c : cases) {
    IString s(nullptr, c.length, c.fill);
    EXPECT_THROW((s.*c.convert)(), std::bad_array_new_length);
    ASSERT_EQ(s.length(), c.length);
    EXPECT_EQ(s[1], c.fill);
    EXPECT_EQ(s[c.length], c.fill);
  }
}

TEST(RadixLarge, LongestResultFits) {
  IString s(nullptr, (1u << 29) - 1, '\x81');
  s.c2b();
  ASSERT_EQ(s.length(), 0xFFFFFFF8u);
  const char* p = s;
  EXPECT_EQ(std::string(p, 8), "10000001");
  EXPECT_EQ(std::string(p + s.length() - 8, 9), std::string("10000001", 9));
}
