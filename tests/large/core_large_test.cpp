// Sizes at the 32-bit limit: a string holds at most 2^32 - 2 characters, and
// an operation whose result would be longer throws before changing anything.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

#include "../test_util.hpp"

namespace {

constexpr unsigned kMax = 0xFFFFFFFEu;

}  // namespace

TEST(SizeLimit, LongestStringAndAppendBeyondIt) {
  IString big(nullptr, kMax, 'x');
  ASSERT_EQ(big.length(), kMax);
  EXPECT_EQ(bufferOf(big)[kMax - 1], 'x');
  EXPECT_EQ(bufferOf(big)[kMax], '\0');
  const char* before = bufferOf(big);

  EXPECT_THROW(big += "y", std::bad_array_new_length);
  EXPECT_THROW(big += IString('y'), std::bad_array_new_length);
  EXPECT_THROW(big + "y", std::bad_array_new_length);
  EXPECT_THROW("y" + big, std::bad_array_new_length);
  EXPECT_THROW(big + IString('y'), std::bad_array_new_length);
  EXPECT_EQ(bufferOf(big), before);
  EXPECT_EQ(big.length(), kMax);

  big += "";  // still fits: the length does not grow
  EXPECT_EQ(big.length(), kMax);
}

TEST(SizeLimit, ConstCharLongerThan32BitsIsNotTruncated) {
  // 2^32 + 1 characters: truncated to 32 bits this would look like a
  // one-character text.
  const std::size_t n = (std::size_t{1} << 32) + 1;
  char* text = new char[n + 1];
  std::memset(text, 'z', n);
  text[n] = '\0';
  EXPECT_THROW(IString{text}, std::bad_array_new_length);
  IString s("ab");
  EXPECT_THROW(s += text, std::bad_array_new_length);
  EXPECT_THROW(s + text, std::bad_array_new_length);
  EXPECT_EQ(bytes(s), "ab");
  delete[] text;
}

TEST(SizeLimit, StdStringTooLongThrows) {
  const std::string text(std::size_t{0xFFFFFFFFu}, 'x');
  EXPECT_THROW(IString{text}, std::bad_array_new_length);
}
