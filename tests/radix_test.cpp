// Radix conversions: one worked example per conversion (binary digits group
// from the right, values are taken modulo 2^32, an invalid digit gives the
// null string). The property tests compare every conversion with the model
// on long inputs and on every byte value.
#include "test_util.hpp"

using Mutate = IString& (IString::*)();
using Convert = IString (*)(const IString&);
#define BOTH(name) &IString::name, &IString::name

// The static form returns the result and leaves its argument alone; the
// member leaves it in the object and returns the object.
TEST(Radix, WorkedExamples) {
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
