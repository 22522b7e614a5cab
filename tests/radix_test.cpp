// Radix conversions: one worked example per conversion (binary digits group
// from the right, values are taken modulo 2^32, an invalid digit gives the
// null string), and the number of bytes and digits on either side of every
// power of 2^8. The property tests compare every conversion with the model
// on long inputs and on every byte value.
#include "test_util.hpp"

using Mutate = IString& (IString::*)();
using Convert = IString (*)(const IString&);
#define BOTH(name) &IString::name, &IString::name

// The static form returns the result and leaves its argument alone; the
// member leaves it in the object and returns the object.
TEST(RadixConversions, WorkedExamples) {
  // clang-format off
  const struct {
    Mutate mutate;
    Convert convert;
    std::string in, out;
  } rows[] = {
      {BOTH(b2c), "100000001", "\x01\x01"}, {BOTH(b2x), "11111", "1F"},
      {BOTH(b2d), "1010", "10"},            {BOTH(d2x), "4294967296", "0"},
      {BOTH(d2b), "10", "1010"},            {BOTH(d2c), "256", lit("\x01\0")},
      {BOTH(x2c), "abc", "\x0A\xBC"},       {BOTH(x2d), "G", kNull},
      {BOTH(x2b), "1f", "00011111"},        {BOTH(c2x), lit("\0\xFF"), "00FF"},
      {BOTH(c2b), lit("\0\x80"), "0000000010000000"},
      {BOTH(c2d), "\x01\xFF\xFF\xFF\xFE", "4294967294"}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.in));
    const IString argument(r.in);
    EXPECT_EQ(bytes(r.convert(argument)), r.out);
    EXPECT_EQ(bytes(argument), r.in);
    IString s = argument;
    EXPECT_EQ(&(s.*r.mutate)(), &s);
    EXPECT_EQ(bytes(s), r.out);
  }
}

// Around 2^8, 2^16, 2^24 and 2^32 the number of bytes or digits changes:
// each decimal value with its hexadecimal digits, its bytes (both modulo
// 2^32) and the count of its binary digits, in every direction.
TEST(RadixConversions, CountsAtEveryPowerOf256) {
  // clang-format off
  const struct {
    std::string dec, hex, bytes;
    unsigned bits;
  } rows[] = {
      {"255", "FF", "\xFF", 8},           {"256", "100", lit("\x01\0"), 9},
      {"257", "101", "\x01\x01", 9},      {"65535", "FFFF", "\xFF\xFF", 16},
      {"65536", "10000", lit("\x01\0\0"), 17},
      {"65537", "10001", lit("\x01\0\x01"), 17},
      {"16777215", "FFFFFF", "\xFF\xFF\xFF", 24},
      {"16777216", "1000000", lit("\x01\0\0\0"), 25},
      {"16777217", "1000001", lit("\x01\0\0\x01"), 25},
      {"4294967295", "FFFFFFFF", "\xFF\xFF\xFF\xFF", 32},
      {"4294967296", "0", lit("\0"), 1}, {"4294967297", "1", "\x01", 1}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.dec);
    const IString dec(r.dec), binary = IString::d2b(dec);
    const bool fits = r.dec.size() < 10 || r.dec == "4294967295";
    const std::string value = fits ? r.dec : r.dec == "4294967296" ? "0" : "1";
    EXPECT_EQ(bytes(IString::d2x(dec)), r.hex);
    EXPECT_EQ(bytes(IString::d2c(dec)), r.bytes);
    EXPECT_EQ(binary.length(), r.bits);
    EXPECT_EQ(bytes(IString::b2d(binary)), value);
    EXPECT_EQ(bytes(IString::x2d(r.hex)), value);
    EXPECT_EQ(bytes(IString::c2d(r.bytes)), value);
    EXPECT_EQ(bytes(IString::b2x(binary)).size(), (r.bits + 3) / 4);
    EXPECT_EQ(bytes(IString::b2c(binary)).size(), (r.bits + 7) / 8);
  }
  // Past 32 bits only the value modulo 2^32 remains, and x2d takes at
  // most 8 digits.
  const std::string two32 = "1" + std::string(32, '0');
  expectExamples({{IString::c2d(lit("\x01\0\0\0\0")), "0"},
                  {IString::c2d(lit("\x01\0\0\0\x01")), "1"},
                  {IString::b2d(two32), "0"},
                  {IString::x2d("100000000"), kNull},
                  {IString::x2b("100"), "000100000000"},
                  {IString::b2c(two32), lit("\x01\0\0\0\0")}});
}
