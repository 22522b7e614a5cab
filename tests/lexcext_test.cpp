// The C helpers.
#include <lexcext.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

TEST(Strcmpi, FoldsToLowerCase) {
  EXPECT_EQ(strcmpi("Hello", "hELLO"), 0);
  EXPECT_LT(strcmpi("abc", "ABD"), 0);
  EXPECT_LT(strcmpi("ab", "ABC"), 0);
  EXPECT_GT(strcmpi("ABC", "ab"), 0);
  EXPECT_GT(strcmpi("a", "_"), 0);  // 'a' sorts after '_' (0x5F)
  EXPECT_GT(strcmpi("\xE9", "z"), 0);
  EXPECT_EQ(strcmpi("", ""), 0);
}

TEST(Strnicmp, FoldsToUpperCaseAndReturnsExactSign) {
  EXPECT_EQ(strnicmp("abc", "ABD", 2), 0);
  EXPECT_EQ(strnicmp("abc", "ABD", 3), -1);
  EXPECT_EQ(strnicmp("ABD", "abc", 3), 1);
  EXPECT_EQ(strnicmp("ab", "abc", 3), -1);
  EXPECT_EQ(strnicmp("a", "_", 1), -1);  // 'A' (0x41) sorts before '_'
  EXPECT_EQ(strnicmp("x", "y", 0), 0);
  EXPECT_EQ(strnicmp("x", "y", -5), 0);
}

TEST(Strnicmp, StopsAtSharedTerminator) {
  // Both strings end at index 2; the bytes behind the terminators differ and
  // must not be compared (or read: the buffers end at the terminator).
  const char a[] = {'a', 'b', '\0'};
  const char b[] = {'A', 'B', '\0'};
  EXPECT_EQ(strnicmp(a, b, 1000), 0);
  const char c[] = {'a', '\0', 'x'};
  const char d[] = {'A', '\0', 'y'};
  EXPECT_EQ(strnicmp(c, d, 3), 0);
}

TEST(Memicmp, ComparesExactlyCountBytes) {
  EXPECT_EQ(memicmp("A\0b", "a\0B", 3), 0);
  EXPECT_EQ(memicmp("x", "y", 0), 0);
  EXPECT_LT(memicmp("a\0a", "a\0b", 3), 0);
  EXPECT_EQ(sign(memicmp("a", "_", 1)), 1);
  EXPECT_EQ(memicmp("abcX", "ABCY", 3), 0);
}

TEST(Strrev, ReversesInPlace) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"abc", "cba"}, {"", ""}, {"a", "a"}, {"abcd", "dcba"}};
  for (const auto& c : cases) {
    std::string text(c.in);
    char* p = &text[0];
    EXPECT_EQ(strrev(p), p);
    EXPECT_STREQ(p, c.out);
  }
}

TEST(CaseFolding, ChangesOnlyLettersInDefaultLocale) {
  char text[] = "MiXeD 123 \xE9";
  EXPECT_EQ(strlwr(text), text);
  EXPECT_STREQ(text, "mixed 123 \xE9");
  EXPECT_EQ(strupr(text), text);
  EXPECT_STREQ(text, "MIXED 123 \xE9");
  char stop[] = {'a', '\0', 'b', '\0'};
  strupr(stop);
  EXPECT_EQ(stop[2], 'b');
}

TEST(Itoa, FormatsInRadix8_10_16) {
  char buffer[12];
  const struct {
    int value;
    int radix;
    const char* text;
  } cases[] = {{255, 16, "ff"},
               {8, 8, "10"},
               {-5, 10, "-5"},
               {-1, 8, "37777777777"},
               {-1, 16, "ffffffff"},
               {-1, 10, "-1"},
               {INT_MIN, 10, "-2147483648"},
               {0, 16, "0"}};
  for (const auto& c : cases) {
    EXPECT_EQ(itoa(c.value, buffer, c.radix), buffer);
    EXPECT_STREQ(buffer, c.text);
  }
}

TEST(Itoa, UnsupportedRadixLeavesBuffer) {
  char buffer[12] = "untouched";
  const char* result = itoa(5, buffer, 2);
  EXPECT_NE(result, buffer);
  EXPECT_STREQ(result, "???");
  EXPECT_STREQ(buffer, "untouched");
}
