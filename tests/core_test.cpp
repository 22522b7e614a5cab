#include <istring.hpp>
#include <gtest/gtest.h>
TEST(Placeholder, Builds) { EXPECT_EQ(IString("ab").length(), 2u); }
