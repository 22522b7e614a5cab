#include <gtest/gtest.h>
#include <istring.hpp>

#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace {

using Text = std::optional<std::string>;  // std::nullopt: the null string
const Text kNull = std::nullopt;
const std::string kNul(1, '\0');

IString make(const Text& text) {
  if (!text) return IString(static_cast<const char*>(nullptr));
  IString s(nullptr, static_cast<unsigned>(text->size()));
  if (!text->empty())
    std::memcpy(static_cast<char*>(s), text->data(), text->size());
  return s;
}

// The bytes of s; fails the test if the terminator is missing.
Text bytesOf(const IString& s) {
  const char* p = s;
  if (p == nullptr) return kNull;
  EXPECT_EQ(p[s.length()], '\0');
  return std::string(p, s.length());
}

using Mutate = IString& (IString::*)();
using Convert = IString (*)(const IString&);

// `pairs` holds inputs each followed by its expected result. The static form
// must return the result and leave its argument alone; the mutating form must
// leave the same result in the object and return the object.
void expectConversions(Mutate mutate, Convert convert,
                       std::initializer_list<Text> pairs) {
  ASSERT_EQ(pairs.size() % 2, 0u);
  for (auto it = pairs.begin(); it != pairs.end(); it += 2) {
    const Text& input = it[0];
    SCOPED_TRACE(input ? '"' + *input + '"' : std::string("null"));
    const IString argument = make(input);
    EXPECT_EQ(bytesOf(convert(argument)), it[1]);
    EXPECT_EQ(bytesOf(argument), input);
    IString s = make(input);
    EXPECT_EQ(&(s.*mutate)(), &s);
    EXPECT_EQ(bytesOf(s), it[1]);
  }
}

}  // namespace

TEST(B2c, GroupsEightDigitsFromTheRight) {
  expectConversions(
      &IString::b2c, &IString::b2c,
      {"01000001", "A", "100000001", "\x01\x01", "1111100000000", "\x1F" + kNul,
       "00000000", kNul, "0000000011111111", kNul + "\xFF", "012", kNull});
}

TEST(B2x, GroupsFourDigitsFromTheRight) {
  expectConversions(&IString::b2x, &IString::b2x,
                    {"11111", "1F", "0000000", "00", "00000001", "01",
                     "1110101011", "3AB", "1 01", kNull});
}

TEST(B2d, KeepsTheValueModulo2To32) {
  expectConversions(&IString::b2d, &IString::b2d,
                    {"1010", "10", std::string(33, '1'), "4294967295",
                     "1" + std::string(32, '0'), "0", "1x", kNull});
}

TEST(D2x, WritesUpperCaseWithoutLeadingZeros) {
  expectConversions(
      &IString::d2x, &IString::d2x,
      {"255", "FF", "000", "0", "4294967295", "FFFFFFFF", "4294967296", "0",
       "12345678901", "DFDC1C35", "12a", kNull, "-1", kNull});
}

TEST(D2b, WritesBinaryWithoutLeadingZeros) {
  expectConversions(&IString::d2b, &IString::d2b,
                    {"10", "1010", "0", "0", "4294967295", std::string(32, '1'),
                     "4294967298", "10", "2x", kNull});
}

TEST(D2c, WritesTheShortestBigEndianBytes) {
  expectConversions(
      &IString::d2c, &IString::d2c,
      {"65", "A", "256", "\x01" + kNul, "0", kNul, "65535", "\xFF\xFF",
       "16777216", "\x01" + std::string(3, '\0'), "4294967295",
       "\xFF\xFF\xFF\xFF", "4294967296", kNul, "1a", kNull});
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
                     std::string(9, '0'), kNull, "G", kNull});
}

TEST(X2b, WritesFourDigitsPerHexDigit) {
  expectConversions(
      &IString::x2b, &IString::x2b,
      {"1f", "00011111", "0", "0000", "9abC", "1001101010111100", "1g", kNull});
}

TEST(C2xC2bC2d, ReadEveryByte) {
  expectConversions(&IString::c2x, &IString::c2x,
                    {"AB", "4142", "\x0F", "0F", kNul + "\xFF", "00FF"});
  expectConversions(&IString::c2b, &IString::c2b,
                    {"A", "01000001", kNul + "\x80", "0000000010000000"});
  expectConversions(&IString::c2d, &IString::c2d,
                    {"A", "65", "\x01" + kNul, "256", kNul, "0",
                     "\x01\xFF\xFF\xFF\xFE", "4294967294"});
}

TEST(RadixConversions, LengthZeroGivesTheNullString) {
  const std::pair<Mutate, Convert> conversions[] = {
      {&IString::b2c, &IString::b2c}, {&IString::b2d, &IString::b2d},
      {&IString::b2x, &IString::b2x}, {&IString::c2b, &IString::c2b},
      {&IString::c2d, &IString::c2d}, {&IString::c2x, &IString::c2x},
      {&IString::d2b, &IString::d2b}, {&IString::d2c, &IString::d2c},
      {&IString::d2x, &IString::d2x}, {&IString::x2b, &IString::x2b},
      {&IString::x2d, &IString::x2d}};
  for (const auto& forms : conversions)
    expectConversions(forms.first, forms.second, {"", kNull, kNull, kNull});
}

// Bytes of values spread over 0 to 255, in strings long and short enough to
// cover both the word-at-a-time loops and the groups left over.
TEST(RadixConversions, RoundTrip) {
  for (unsigned n = 1; n <= 40; ++n) {
    std::string bytes(n, '\0');
    for (unsigned i = 0; i < n; ++i)
      bytes[i] = static_cast<char>(i * 37 + n * 101);
    SCOPED_TRACE(n);
    const IString s = make(bytes);
    const IString hex = IString::c2x(s);
    const IString bits = IString::c2b(s);
    EXPECT_EQ(bytesOf(IString::x2c(hex)), bytes);
    EXPECT_EQ(bytesOf(IString::b2c(bits)), bytes);
    EXPECT_EQ(bytesOf(IString::b2x(bits)), bytesOf(hex));
    EXPECT_EQ(bytesOf(IString::x2b(hex)), bytesOf(bits));
    // One more leading digit shifts every group by one.
    EXPECT_EQ(bytesOf(IString::b2x("1" + bits)), "1" + *bytesOf(hex));
    EXPECT_EQ(bytesOf(IString::x2c("F" + hex)), "\x0F" + bytes);
  }
}
