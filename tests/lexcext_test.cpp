// The C helpers: worked examples and the exact results. The property tests
// compare strcmpi, memicmp, strupr and strlwr with the model over every
// byte value.
#include <lexcext.h>

#include <climits>
#include <string>

#include "test_util.hpp"

namespace {

// strnicmp gives exactly -1, 0 or 1 and folds to upper case; the others
// fold to lower case.
TEST(Compare, WorkedExamplesAndEdges) {
  const char c[] = {'a', '\0', 'x'}, d[] = {'A', '\0', 'y'};
  expectExamples({
      {strcmpi("Hello", "hELLO"), 0}, {strcmpi("a", "_") > 0, 1},
      {strcmpi("ab", "ABC") < 0, 1}, {memicmp("A\0b", "a\0B", 3), 0},
      {memicmp("a\0a", "a\0b", 3) < 0, 1},
      {memicmp("abcX", "ABCY", 3), 0}, {memicmp("a", "_", 1) > 0, 1},
      {strnicmp("abc", "ABD", 2), 0}, {strnicmp("abc", "ABD", 3), -1},
      {strnicmp("ABD", "abc", 3), 1}, {strnicmp("ab", "abc", 3), -1},
      {strnicmp("a", "_", 1), -1}, {strnicmp("b", "A", 9), 1},
      {strnicmp("x", "y", 0), 0}, {strnicmp("x", "y", -5), 0},
      {strnicmp("ab", "AB", 1000), 0},
      {strnicmp(c, d, 3), 0}});  // nothing read after both ends
}

// What f leaves of a terminated copy of `in`, if it returns its argument
// and leaves the terminator.
std::string inPlace(char* (*f)(char*), const std::string& in) {
  std::string t = in + '\0';
  const bool ok = f(&t[0]) == &t[0] && t[in.size()] == '\0';
  return ok ? t.substr(0, in.size()) : "<result or terminator>";
}

TEST(InPlace, ReversesAndFoldsUpToTheTerminator) {
  const std::string mixed = "MiXeD 123 \xE9";
  expectExamples(
      {{inPlace(strrev, ""), ""}, {inPlace(strrev, "aB"), "Ba"},
       {inPlace(strlwr, "aB"), "ab"}, {inPlace(strupr, "aB"), "AB"},
       {inPlace(strrev, mixed), "\xE9 321 DeXiM"},
       {inPlace(strlwr, mixed), "mixed 123 \xE9"},
       {inPlace(strupr, mixed), "MIXED 123 \xE9"},
       {inPlace(strrev, lit("a\0b")), lit("a\0b")},
       {inPlace(strlwr, lit("A\0B")), lit("a\0B")},
       {inPlace(strupr, lit("a\0b")), lit("A\0b")}});
}

TEST(Itoa, FormatsInRadix8_10_16) {
  char b[8][12], untouched[12] = "untouched";
  expectExamples({
      {itoa(255, b[0], 16), "ff"}, {itoa(8, b[1], 8), "10"},
      {itoa(-5, b[2], 10), "-5"}, {itoa(-1, b[3], 8), "37777777777"},
      {itoa(-1, b[4], 16), "ffffffff"},
      {itoa(INT_MIN, b[5], 10), "-2147483648"},
      {itoa(INT_MAX, b[6], 10), "2147483647"},
      {itoa(0, b[7], 16), "0"}, {itoa(5, untouched, 2), "???"},
      {untouched, "untouched"}});
  EXPECT_EQ(itoa(255, b[0], 16), b[0]);  // the buffer it wrote
}

}  // namespace
