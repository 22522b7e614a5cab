// A std::string longer than the longest IString.
#include <istring.hpp>

#include <gtest/gtest.h>

#include <new>
#include <string>

TEST(StdString, TooLongThrowsBadArrayNewLength) {
  const std::string text(std::size_t{0xFFFFFFFFu}, 'x');
  EXPECT_THROW(IString{text}, std::bad_array_new_length);
}
