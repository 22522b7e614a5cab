// Construction, assignment and access.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "test_util.hpp"

TEST(Construction, NullAndEmptyAreDistinct) {
  const IString empty;
  const IString null_string(static_cast<const char*>(nullptr));
  const IString from_nul("");
  EXPECT_EQ(bytes(empty), "");
  EXPECT_EQ(bytes(from_nul), "");
  EXPECT_TRUE(isNull(null_string));
  EXPECT_EQ(null_string.length(), 0u);
  EXPECT_TRUE(isNull(IString(static_cast<const signed char*>(nullptr))));
  EXPECT_TRUE(isNull(IString(static_cast<const unsigned char*>(nullptr))));
  const unsigned char text[] = {'h', 0xE9, 0};
  EXPECT_EQ(bytes(IString(text)), "h\xE9");
  EXPECT_EQ(bytes(IString(reinterpret_cast<const signed char*>(text))),
            "h\xE9");
}

TEST(Construction, FromCharacters) {
  EXPECT_EQ(bytes(IString('x')), "x");
  EXPECT_EQ(bytes(IString(static_cast<unsigned char>(0xFF))), "\xFF");
  EXPECT_EQ(bytes(IString('\0')), std::string(1, '\0'));
  EXPECT_EQ(bytes(IString("ab\0cd")), "ab");
}

TEST(Construction, FromIntegersAsDecimalText) {
  EXPECT_EQ(bytes(IString(0)), "0");
  EXPECT_EQ(bytes(IString(INT_MIN)), "-2147483648");
  EXPECT_EQ(bytes(IString(UINT_MAX)), "4294967295");
  EXPECT_EQ(bytes(IString(static_cast<short>(-1))), "-1");
  EXPECT_EQ(bytes(IString(static_cast<unsigned short>(65535))), "65535");
  EXPECT_EQ(bytes(IString(LONG_MIN)), "-9223372036854775808");
  EXPECT_EQ(bytes(IString(ULONG_MAX)), "18446744073709551615");
}

TEST(Construction, FromDoubleShortestRoundTrip) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    const char* text;
  } cases[] = {{0.1, "0.1"},      {2.0, "2"},          {100000.0, "1e+05"},
               {1e100, "1e+100"}, {-0.0, "-0"},        {inf, "inf"},
               {-1.5, "-1.5"},    {123456.0, "123456"}};
  for (const auto& c : cases) EXPECT_EQ(bytes(IString(c.value)), c.text);
  EXPECT_EQ(bytes(IString(std::nan(""))), "nan");
}

TEST(Construction, FixedWidthCutsOrPads) {
  EXPECT_EQ(bytes(IString("abc", 5, '*')), "abc**");
  EXPECT_EQ(bytes(IString("abcdef", 3, '*')), "abc");
  EXPECT_EQ(bytes(IString(nullptr, 3, '-')), "---");
  EXPECT_EQ(bytes(IString(nullptr, 0, '-')), "");
  EXPECT_EQ(bytes(IString("abc", 0, '-')), "");
  EXPECT_EQ(bytes(IString("ab\0c", 4, '.')), "ab..");
  EXPECT_EQ(bytes(IString("ab", 4)), "ab  ");
}

TEST(Construction, FixedWidthWithoutRoomForTerminatorThrows) {
  EXPECT_THROW(IString(nullptr, 0xFFFFFFFFu, 'x'), std::bad_array_new_length);
}

TEST(Copy, KeepsEveryByteAndState) {
  const IString with_nul = withBytes(std::string("a\0b", 3));
  const IString copy(with_nul);
  EXPECT_EQ(bytes(copy), std::string("a\0b", 3));
  EXPECT_NE(bufferOf(copy), bufferOf(with_nul));
  EXPECT_TRUE(isNull(IString(IString(static_cast<const char*>(nullptr)))));
  const IString empty;
  const IString empty_copy(empty);
  EXPECT_EQ(bytes(empty_copy), "");
  EXPECT_NE(bufferOf(empty_copy), bufferOf(empty));
}

TEST(Assignment, CopiesAndReleases) {
  IString s("text");
  s = IString(static_cast<const char*>(nullptr));
  EXPECT_TRUE(isNull(s));
  s = IString();
  EXPECT_EQ(bytes(s), "");
  s = withBytes(std::string("x\0y", 3));
  EXPECT_EQ(bytes(s), std::string("x\0y", 3));
  const char* before = bufferOf(s);
  IString& self = s;
  s = self;
  EXPECT_EQ(bufferOf(s), before);
  EXPECT_EQ(bytes(s), std::string("x\0y", 3));
}

TEST(Access, LengthSizeAndPointersAgree) {
  IString s("abc");
  EXPECT_EQ(s.length(), 3u);
  EXPECT_EQ(s.size(), s.length());
  char* p = s;
  signed char* ps = s;
  unsigned char* pu = s;
  EXPECT_EQ(static_cast<void*>(p), static_cast<void*>(ps));
  EXPECT_EQ(static_cast<void*>(p), static_cast<void*>(pu));
  p[1] = '\0';  // writes through the pointer never change the length
  EXPECT_EQ(s.length(), 3u);
  EXPECT_EQ(bytes(s), std::string("a\0c", 3));
}
