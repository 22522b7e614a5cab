// Radix conversions: worked examples and the edges of each (groups from the
// right or the left, values modulo 2^32, invalid digits, length 0). The
// property tests compare every conversion with the model on long inputs and
// on every byte value.
#include <gtest/gtest.h>

#include <string>

#include "test_util.hpp"

namespace {

using Mutate = IString& (IString::*)();
using Convert = IString (*)(const IString&);
#define BOTH(name) &IString::name, &IString::name

const std::string k0(1, '\0');

// One row per input; kNull stands for the null string. The static form
// returns the result and leaves its argument alone; the member leaves it in
// the object and returns the object.
TEST(Radix, WorkedExamplesAndEdges) {
  const struct {
    Mutate mutate;
    Convert convert;
    std::string in, out;
  } rows[] = {
      {BOTH(b2c), "01000001", "A"}, {BOTH(b2c), "100000001", "\x01\x01"},
      {BOTH(b2c), "0000000011111111", k0 + "\xFF"},
      {BOTH(b2c), "012", kNull},    {BOTH(b2c), "", kNull},
      {BOTH(b2x), "11111", "1F"},   {BOTH(b2x), "0000000", "00"},
      {BOTH(b2x), "1 01", kNull},
      {BOTH(b2d), "1010", "10"},
      {BOTH(b2d), std::string(33, '1'), "4294967295"},
      {BOTH(b2d), "1" + std::string(32, '0'), "0"}, {BOTH(b2d), kNull, kNull},
      {BOTH(d2x), "255", "FF"},     {BOTH(d2x), "000", "0"},
      {BOTH(d2x), "4294967296", "0"}, {BOTH(d2x), "12345678901", "DFDC1C35"},
      {BOTH(d2x), "-1", kNull},     {BOTH(d2x), "12a", kNull},
      {BOTH(d2b), "10", "1010"},    {BOTH(d2b), "4294967298", "10"},
      {BOTH(d2b), "", kNull},
      {BOTH(d2c), "65", "A"},       {BOTH(d2c), "256", "\x01" + k0},
      {BOTH(d2c), "0", k0}, {BOTH(d2c), "16777216", "\x01" + k0 + k0 + k0},
      {BOTH(d2c), "4294967295", "\xFF\xFF\xFF\xFF"},
      {BOTH(x2c), "414243", "ABC"}, {BOTH(x2c), "abc", "\x0A\xBC"},
      {BOTH(x2c), "0041", k0 + "A"}, {BOTH(x2c), "4G", ""},
      {BOTH(x2c), "", ""},          {BOTH(x2c), kNull, kNull},
      {BOTH(x2d), "ff", "255"},     {BOTH(x2d), "FFFFFFFF", "4294967295"},
      {BOTH(x2d), std::string(9, '0'), kNull}, {BOTH(x2d), "G", kNull},
      {BOTH(x2b), "1f", "00011111"}, {BOTH(x2b), "0", "0000"},
      {BOTH(x2b), "1g", kNull},
      {BOTH(c2x), k0 + "\xFF", "00FF"}, {BOTH(c2x), "\x80\x7F", "807F"},
      {BOTH(c2x), "", kNull},
      {BOTH(c2b), k0 + "\x80", "0000000010000000"}, {BOTH(c2b), kNull, kNull},
      {BOTH(c2d), "\x01" + k0, "256"},
      {BOTH(c2d), "\x01\xFF\xFF\xFF\xFE", "4294967294"},
      {BOTH(c2d), lit("\x80\0\0\x01"), "2147483649"}, {BOTH(c2d), "", kNull}};
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.in));
    const IString argument = r.in == kNull ? nullString() : IString(r.in);
    EXPECT_EQ(bytes(r.convert(argument)), r.out);
    EXPECT_EQ(bytes(argument), r.in);
    IString s = argument;
    EXPECT_EQ(&(s.*r.mutate)(), &s);
    EXPECT_EQ(bytes(s), r.out);
  }
}

}  // namespace
