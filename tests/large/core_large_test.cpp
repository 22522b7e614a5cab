// Sizes at the 32-bit limit: a string holds at most 2^32 - 2 characters, and
// an operation whose result would be longer throws before changing anything.
#include <new>

#include "../test_util.hpp"

const unsigned kMax = 0xFFFFFFFEu;

TEST(SizeLimit, LongestStringAndAppendBeyondIt) {
  IString big(kNone, kMax, 'x');
  const char* before = big;
  ASSERT_EQ(big.length(), kMax);
  EXPECT_TRUE(before[kMax - 1] == 'x' && before[kMax] == '\0');
  EXPECT_THROW(big += "y", std::bad_array_new_length);
  EXPECT_THROW(big += IString('y'), std::bad_array_new_length);
  EXPECT_THROW(big + "y", std::bad_array_new_length);
  EXPECT_THROW("y" + big, std::bad_array_new_length);
  EXPECT_THROW(big + IString('y'), std::bad_array_new_length);
  EXPECT_TRUE(bufferOf(big) == before && big.length() == kMax);
  EXPECT_EQ((big += "").length(), kMax);  // still fits: no longer
}

// 2^32 + 1 characters: truncated to 32 bits this would look like a
// one-character text.
TEST(SizeLimit, TextsLongerThan32BitsAreNotTruncated) {
  std::string text((std::size_t{1} << 32) + 1, 'z');
  IString s("ab");
  EXPECT_THROW(IString{text.c_str()}, std::bad_array_new_length);
  EXPECT_THROW(s += text.c_str(), std::bad_array_new_length);
  EXPECT_THROW(s + text.c_str(), std::bad_array_new_length);
  EXPECT_EQ(bytes(s), "ab");
  text.resize(0xFFFFFFFFu);
  EXPECT_THROW(IString{text}, std::bad_array_new_length);
}

// Binary digits group from the right: the leftmost group is the short one.
TEST(RadixLarge, LongestBinaryInputGroupsFromTheRight) {
  const IString ones(kNone, kMax, '1');
  const IString hex = IString::b2x(ones);    // (2^32 + 1) / 4 digits
  const IString chars = IString::b2c(ones);  // (2^32 + 5) / 8 bytes
  ASSERT_TRUE(hex.length() == 1u << 30 && chars.length() == 1u << 29);
  EXPECT_EQ(std::string(hex, 2) + hex[hex.length()], "3FF");
  EXPECT_EQ(std::string(chars, 2) + chars[chars.length()], "\x3F\xFF\xFF");
}

// Each row's length gives a result of 2^32 characters; one byte less for
// c2b gives the longest result that fits.
TEST(RadixLarge, ResultTooLongThrowsAndChangesNothing) {
  const struct {
    IString& (IString::*convert)();
    unsigned length;
    char fill;
  } rows[] = {{&IString::c2b, 1u << 29, 'a'},
              {&IString::x2b, 1u << 30, 'f'},
              {&IString::c2x, 1u << 31, 'a'}};
  for (const auto& r : rows) {
    IString s(kNone, r.length, r.fill);
    EXPECT_THROW((s.*r.convert)(), std::bad_array_new_length);
    ASSERT_EQ(s.length(), r.length);
    EXPECT_EQ(s[r.length], r.fill);
  }
  IString s(kNone, (1u << 29) - 1, '\x81');
  const char* p = s.c2b();
  ASSERT_EQ(s.length(), 0xFFFFFFF8u);
  EXPECT_EQ(std::string(p, 8) + std::string(p + s.length() - 8, 9),
            lit("1000000110000001\0"));
}

// Doubling a text of 2^31 characters is one replacement too many; 32768
// replacements that each add 65536 characters to a text of 2^31 - 2
// characters reach the longest length exactly.
TEST(Replace, GrowsToTheLongestLengthAndNoFurther) {
  IString s(kNone, 0x80000000u, 'a');
  const IString a64(kNone, 64, 'a'), a128(kNone, 128, 'a'),
      out(kNone, 65537, 'b');
  EXPECT_THROW(s.translate(a64, a128), std::bad_array_new_length);
  EXPECT_THROW(s.remove(1, 1).change("a", out, 1, 32768),
               std::bad_array_new_length);
  EXPECT_EQ(s.length(), 0x7FFFFFFFu);
  s.remove(1, 1).change("a", out, 1, 32768);
  ASSERT_EQ(s.length(), kMax);
  const char* p = s;
  EXPECT_TRUE(p[32768u * 65537u - 1] == 'b' && p[32768u * 65537u] == 'a');
  EXPECT_TRUE(p[kMax - 1] == 'a' && p[kMax] == '\0');
}
