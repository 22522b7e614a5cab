// Radix conversions: worked examples and the edges of each (groups from the
// right or the left, values modulo 2^32, invalid digits, length 0). The
// property tests compare every conversion with the model on long inputs and
// on every byte value.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "test_util.hpp"

namespace {

const std::string kNul(1, '\0');

IString make(const std::string& text) {
  return text == kNullText ? nullString() : withBytes(text);
}

using Mutate = IString& (IString::*)();
using Convert = IString (*)(const IString&);

// `pairs` holds inputs each followed by its result (kNullText: the null
// string). The static form returns the result and leaves its argument
// alone; the member leaves it in the object and returns the object.
void expectConversions(Mutate mutate, Convert convert,
                       std::initializer_list<std::string> pairs) {
  for (auto it = pairs.begin(); it != pairs.end(); it += 2) {
    SCOPED_TRACE(testing::PrintToString(it[0]));
    const IString argument = make(it[0]);
    EXPECT_EQ(bytes(convert(argument)), it[1]);
    EXPECT_EQ(bytes(argument), it[0]);
    IString s = make(it[0]);
    EXPECT_EQ(&(s.*mutate)(), &s);
    EXPECT_EQ(bytes(s), it[1]);
  }
}

const std::string& kNull = kNullText;

TEST(B2c, GroupsEightDigitsFromTheRight) {
  expectConversions(&IString::b2c, &IString::b2c,
                    {"01000001", "A", "100000001", "\x01\x01", "1111100000000",
                     "\x1F" + kNul, "00000000", kNul, "0000000011111111",
                     kNul + "\xFF", "012", kNull, "", kNull});
}
TEST(B2x, GroupsFourDigitsFromTheRight) {
  expectConversions(&IString::b2x, &IString::b2x,
                    {"11111", "1F", "0000000", "00", "00000001", "01",
                     "1110101011", "3AB", "1 01", kNull, "", kNull});
}
TEST(B2d, KeepsTheValueModulo2To32) {
  expectConversions(
      &IString::b2d, &IString::b2d,
      {"1010", "10", std::string(33, '1'), "4294967295",
       "1" + std::string(32, '0'), "0", "1x", kNull, kNull, kNull});
}
TEST(D2x, WritesUpperCaseWithoutLeadingZeros) {
  expectConversions(
      &IString::d2x, &IString::d2x,
      {"255", "FF", "000", "0", "4294967295", "FFFFFFFF", "4294967296", "0",
       "12345678901", "DFDC1C35", "12a", kNull, "-1", kNull, "", kNull});
}
TEST(D2b, WritesBinaryWithoutLeadingZeros) {
  expectConversions(&IString::d2b, &IString::d2b,
                    {"10", "1010", "0", "0", "4294967295", std::string(32, '1'),
                     "4294967298", "10", "2x", kNull, "", kNull});
}
TEST(D2c, WritesTheShortestBigEndianBytes) {
  expectConversions(
      &IString::d2c, &IString::d2c,
      {"65", "A", "256", "\x01" + kNul, "0", kNul, "65535", "\xFF\xFF",
       "16777216", "\x01" + std::string(3, '\0'), "4294967295",
       "\xFF\xFF\xFF\xFF", "4294967296", kNul, "1a", kNull, "", kNull});
}
TEST(X2c, ReadsPairsFromTheLeft) {
  expectConversions(
      &IString::x2c, &IString::x2c,
      {"414243", "ABC", "abc", "\x0A\xBC", "F", "\x0F", "00", kNul, "0041",
       kNul + "A", "aBcD", "\xAB\xCD", "4G", "", "", "", kNull, kNull});
}
TEST(X2d, AcceptsOneToEightDigits) {
  expectConversions(&IString::x2d, &IString::x2d,
                    {"ff", "255", "FFFFFFFF", "4294967295", "00000000", "0",
                     std::string(9, '0'), kNull, "G", kNull, "", kNull});
}
TEST(X2b, WritesFourDigitsPerHexDigit) {
  expectConversions(&IString::x2b, &IString::x2b,
                    {"1f", "00011111", "0", "0000", "9abC", "1001101010111100",
                     "1g", kNull, "", kNull});
}
TEST(C2x, WritesTwoDigitsPerByte) {
  expectConversions(&IString::c2x, &IString::c2x,
                    {"AB", "4142", "\x0F", "0F", kNul + "\xFF", "00FF",
                     "\x80\x7F\x01\xFE", "807F01FE", "", kNull});
}
TEST(C2b, WritesEightDigitsPerByte) {
  expectConversions(
      &IString::c2b, &IString::c2b,
      {"A", "01000001", kNul + "\x80", "0000000010000000", kNull, kNull});
}
TEST(C2d, ReadsTheLastFourBytesBigEndian) {
  expectConversions(
      &IString::c2d, &IString::c2d,
      {"A", "65", "\x01" + kNul, "256", kNul, "0", "\x01\xFF\xFF\xFF\xFE",
       "4294967294", lit("\x80\0\0\x01"), "2147483649", "", kNull});
}

}  // namespace
