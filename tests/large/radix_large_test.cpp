// Radix conversions at the 32-bit size limits: the longest input, and results
// that would need 2^32 - 1 characters or more.
#include <gtest/gtest.h>
#include <istring.hpp>

#include <new>
#include <string>

namespace {

constexpr unsigned kLongest = 0xFFFFFFFEu;

// `s` still has `length` characters, all `fill`, at both ends.
void expectUnchanged(const IString& s, unsigned length, char fill) {
  ASSERT_EQ(s.length(), length);
  const char* p = s;
  EXPECT_EQ(p[0], fill);
  EXPECT_EQ(p[length - 1], fill);
  EXPECT_EQ(p[length], '\0');
}

}  // namespace

TEST(RadixLarge, LongestBinaryInputGroupsFromTheRight) {
  const IString ones(nullptr, kLongest, '1');  // 2^32 - 2 digits
  {
    const IString hex = IString::b2x(ones);
    ASSERT_EQ(hex.length(), 1u << 30);  // (2^32 + 1) / 4
    const char* p = hex;
    EXPECT_EQ(p[0], '3');  // the leftmost 2 digits
    EXPECT_EQ(p[1], 'F');
    EXPECT_EQ(p[hex.length() - 1], 'F');
  }
  {
    const IString bytes = IString::b2c(ones);
    ASSERT_EQ(bytes.length(), 1u << 29);  // (2^32 + 5) / 8
    const unsigned char* p = bytes;
    EXPECT_EQ(p[0], 0x3F);  // the leftmost 6 digits
    EXPECT_EQ(p[1], 0xFF);
    EXPECT_EQ(p[bytes.length() - 1], 0xFF);
  }
}

TEST(RadixLarge, ResultTooLongThrowsAndChangesNothing) {
  {
    IString s(nullptr, 1u << 29, 'a');  // 2^32 binary digits
    EXPECT_THROW(s.c2b(), std::bad_array_new_length);
    expectUnchanged(s, 1u << 29, 'a');
  }
  {
    IString s(nullptr, 1u << 30, 'f');  // 2^32 binary digits
    EXPECT_THROW(s.x2b(), std::bad_array_new_length);
    expectUnchanged(s, 1u << 30, 'f');
  }
  {
    IString s(nullptr, 1u << 31, 'a');  // 2^32 hexadecimal digits
    EXPECT_THROW(s.c2x(), std::bad_array_new_length);
    EXPECT_THROW(IString::c2x(s), std::bad_array_new_length);
    expectUnchanged(s, 1u << 31, 'a');
  }
}

TEST(RadixLarge, LongestResultFits) {
  IString s(nullptr, (1u << 29) - 1, '\x81');
  s.c2b();
  ASSERT_EQ(s.length(), 0xFFFFFFF8u);
  const char* p = s;
  EXPECT_EQ(std::string(p, 8), "10000001");
  EXPECT_EQ(std::string(p + s.length() - 8, 8), "10000001");
  EXPECT_EQ(p[s.length()], '\0');
}
