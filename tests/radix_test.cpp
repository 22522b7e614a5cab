#include <gtest/gtest.h>
#include <istring.hpp>

#include <cctype>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>

namespace {

using Text = std::optional<std::string>;  // std::nullopt: the null string
const Text kNull = std::nullopt;

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

struct Case {
  Text input;
  Text expected;
};

// Checks both forms on every case: the static form returns the expected value
// and leaves its argument alone; the mutating form leaves the same value in
// the object and returns the object.
void expectConversions(IString& (IString::*mutate)(),
                       IString (*convert)(const IString&),
                       std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input ? '"' + *c.input + '"' : std::string("null"));
    const IString argument = make(c.input);
    EXPECT_EQ(bytesOf(convert(argument)), c.expected);
    EXPECT_EQ(bytesOf(argument), c.input);
    IString s = make(c.input);
    EXPECT_EQ(&(s.*mutate)(), &s);
    EXPECT_EQ(bytesOf(s), c.expected);
  }
}

const std::string kNul(1, '\0');

}  // namespace

TEST(B2c, GroupsEightDigitsFromTheRight) {
  expectConversions(
      &IString::b2c, &IString::b2c,
      {{"01000001", "A"},
       {"1", "\x01"},
       {"100000001", "\x01\x01"},
       {"1111100000000", "\x1F" + kNul},
       {"00000000", kNul},
       {"0000000011111111", kNul + "\xFF"},
       {"010000010100001001000011", "ABC"},
       {"1" + std::string(24, '0'), "\x01" + std::string(3, '\0')},
       {"012", kNull},
       {"", kNull},
       {kNull, kNull}});
}

TEST(B2x, GroupsFourDigitsFromTheRight) {
  expectConversions(
      &IString::b2x, &IString::b2x,
      {{"11111", "1F"},
       {"0000000", "00"},
       {"00000001", "01"},
       {"1010", "A"},
       {"1110101011", "3AB"},
       {"0001001000110100010101100111100010011010101111001101111011110000",
        "123456789ABCDEF0"},
       {"1 01", kNull},
       {"", kNull},
       {kNull, kNull}});
}

TEST(B2d, KeepsTheValueModulo2To32) {
  expectConversions(&IString::b2d, &IString::b2d,
                    {{"1010", "10"},
                     {"000", "0"},
                     {std::string(33, '1'), "4294967295"},
                     {"1" + std::string(32, '0'), "0"},
                     {"1x", kNull},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(D2x, WritesUpperCaseWithoutLeadingZeros) {
  expectConversions(&IString::d2x, &IString::d2x,
                    {{"255", "FF"},
                     {"10", "A"},
                     {"000", "0"},
                     {"4294967295", "FFFFFFFF"},
                     {"4294967296", "0"},
                     {"12345678901", "DFDC1C35"},
                     {"12a", kNull},
                     {"-1", kNull},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(D2b, WritesBinaryWithoutLeadingZeros) {
  expectConversions(&IString::d2b, &IString::d2b,
                    {{"10", "1010"},
                     {"0", "0"},
                     {"0001", "1"},
                     {"4294967295", std::string(32, '1')},
                     {"4294967298", "10"},
                     {"2x", kNull},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(D2c, WritesTheShortestBigEndianBytes) {
  expectConversions(&IString::d2c, &IString::d2c,
                    {{"65", "A"},
                     {"256", "\x01" + kNul},
                     {"0", kNul},
                     {"255", "\xFF"},
                     {"65535", "\xFF\xFF"},
                     {"65536", "\x01" + std::string(2, '\0')},
                     {"16777216", "\x01" + std::string(3, '\0')},
                     {"4294967295", "\xFF\xFF\xFF\xFF"},
                     {"4294967296", kNul},
                     {"1a", kNull},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(X2c, ReadsPairsFromTheLeft) {
  expectConversions(
      &IString::x2c, &IString::x2c,
      {{"414243", "ABC"},
       {"abc", "\x0A\xBC"},
       {"F", "\x0F"},
       {"00", kNul},
       {"0041", kNul + "A"},
       {"aBcD", "\xAB\xCD"},
       {"123456789abcdef0f", "\x01\x23\x45\x67\x89\xAB\xCD\xEF\x0F"},
       {"4G", ""},
       {" 41", ""},
       {"", ""},
       {kNull, kNull}});
}

TEST(X2d, AcceptsOneToEightDigits) {
  expectConversions(&IString::x2d, &IString::x2d,
                    {{"ff", "255"},
                     {"0", "0"},
                     {"7fffffff", "2147483647"},
                     {"FFFFFFFF", "4294967295"},
                     {"00000000", "0"},
                     {std::string(9, '0'), kNull},
                     {"G", kNull},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(X2b, WritesFourDigitsPerHexDigit) {
  expectConversions(&IString::x2b, &IString::x2b,
                    {{"1f", "00011111"},
                     {"0", "0000"},
                     {"A", "1010"},
                     {"9abC", "1001101010111100"},
                     {"1g", kNull},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(C2x, WritesTwoUpperCaseDigitsPerByte) {
  expectConversions(&IString::c2x, &IString::c2x,
                    {{"AB", "4142"},
                     {"\x0F", "0F"},
                     {kNul + "\xFF", "00FF"},
                     {"\xAB\xCD\xEF", "ABCDEF"},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(C2b, WritesEightDigitsPerByte) {
  expectConversions(&IString::c2b, &IString::c2b,
                    {{"A", "01000001"},
                     {kNul + "\x80", "0000000010000000"},
                     {"\xFF", "11111111"},
                     {"", kNull},
                     {kNull, kNull}});
}

TEST(C2d, ReadsBigEndianModulo2To32) {
  expectConversions(&IString::c2d, &IString::c2d,
                    {{"A", "65"},
                     {"\x01" + kNul, "256"},
                     {kNul, "0"},
                     {"\xFF\xFF\xFF\xFF", "4294967295"},
                     {"\x01\xFF\xFF\xFF\xFE", "4294967294"},
                     {"\x01" + std::string(4, '\0'), "0"},
                     {"", kNull},
                     {kNull, kNull}});
}

// Every byte value at every position of strings long and short enough to
// cover both the word-at-a-time loops and the leftover groups.
TEST(RadixConversions, RoundTripAllByteValues) {
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
    std::string lower_hex = *bytesOf(hex);
    for (char& c : lower_hex) c = static_cast<char>(std::tolower(c));
    EXPECT_EQ(bytesOf(IString::x2b(make(lower_hex))), bytesOf(bits));
    // One more leading digit shifts the grouping by one.
    EXPECT_EQ(bytesOf(IString::b2x("1" + bits)), "1" + *bytesOf(hex));
    EXPECT_EQ(bytesOf(IString::x2c("F" + hex)), "\x0F" + bytes);
  }
}
