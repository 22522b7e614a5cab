// The C helpers: worked examples and edges. The property tests compare
// strcmpi, memicmp, strupr and strlwr with the model over every byte value.
#include <gtest/gtest.h>
#include <lexcext.h>

#include <climits>
#include <string>

namespace {

int sign(int v) { return (v > 0) - (v < 0); }

TEST(Compare, WorkedExamplesAndEdges) {
  EXPECT_EQ(strcmpi("Hello", "hELLO"), 0);
  EXPECT_GT(strcmpi("a", "_"), 0);  // folds to lower case: 'a' after '_'
  EXPECT_LT(strcmpi("ab", "ABC"), 0);
  EXPECT_EQ(memicmp("A\0b", "a\0B", 3), 0);
  EXPECT_LT(memicmp("a\0a", "a\0b", 3), 0);
  EXPECT_EQ(memicmp("abcX", "ABCY", 3), 0);
  EXPECT_EQ(sign(memicmp("a", "_", 1)), 1);
  const struct {
    const char *a, *b;
    int len, want;  // strnicmp: exactly -1, 0 or 1, folding to upper case
  } rows[] = {{"abc", "ABD", 2, 0}, {"abc", "ABD", 3, -1}, {"ABD", "abc", 3, 1},
              {"ab", "abc", 3, -1}, {"a", "_", 1, -1},     {"x", "y", 0, 0},
              {"x", "y", -5, 0},    {"ab", "AB", 1000, 0}};
  for (const auto& r : rows)
    EXPECT_EQ(strnicmp(r.a, r.b, r.len), r.want) << r.a << " " << r.b;
  // Both end at index 1: the bytes behind the terminators are not compared.
  const char c[] = {'a', '\0', 'x'}, d[] = {'A', '\0', 'y'};
  EXPECT_EQ(strnicmp(c, d, 3), 0);
}

TEST(InPlace, ReversesAndFoldsUpToTheTerminator) {
  const struct {
    std::string in, reversed, lower, upper;
  } rows[] = {
      {"abc", "cba", "abc", "ABC"},
      {"", "", "", ""},
      {"aB", "Ba", "ab", "AB"},
      {"MiXeD 123 \xE9", "\xE9 321 DeXiM", "mixed 123 \xE9", "MIXED 123 \xE9"},
      {std::string("a\0b", 3), std::string("a\0b", 3), std::string("a\0b", 3),
       std::string("A\0b", 3)}};
  for (const auto& r : rows) {
    std::string t = r.in + '\0';
    EXPECT_EQ(strrev(&t[0]), &t[0]);
    EXPECT_EQ(t, r.reversed + '\0');
    t = r.in + '\0';
    EXPECT_EQ(strlwr(&t[0]), &t[0]);
    EXPECT_EQ(t, r.lower + '\0');
    t = r.in + '\0';
    EXPECT_EQ(strupr(&t[0]), &t[0]);
    EXPECT_EQ(t, r.upper + '\0');
  }
}

TEST(Itoa, FormatsInRadix8_10_16) {
  char buffer[12];
  const struct {
    int value, radix;
    const char* text;
  } rows[] = {{255, 16, "ff"},
              {8, 8, "10"},
              {-5, 10, "-5"},
              {-1, 8, "37777777777"},
              {-1, 16, "ffffffff"},
              {INT_MIN, 10, "-2147483648"},
              {INT_MAX, 10, "2147483647"},
              {0, 16, "0"}};
  for (const auto& r : rows) {
    EXPECT_EQ(itoa(r.value, buffer, r.radix), buffer);
    EXPECT_STREQ(buffer, r.text);
  }
  char untouched[12] = "untouched";
  const char* result = itoa(5, untouched, 2);
  EXPECT_STREQ(result, "???");
  EXPECT_STREQ(untouched, "untouched");
}

}  // namespace
