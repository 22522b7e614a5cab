// The C helpers: worked examples, the exact results of strnicmp and the
// buffers of strrev, strupr, strlwr and itoa. The property tests compare
// strcmpi, strnicmp, memicmp, strupr and strlwr with the model over every
// byte value.
#include <lexcext.h>

#include <climits>

#include "test_util.hpp"

namespace {

TEST(Strcmpi, FoldsToLowerCase) {
  expectExamples({{strcmpi("Hello", "hELLO"), 0}, {strcmpi("a", "_") > 0, 1}});
}

// Every byte counts, NUL bytes included.
TEST(Memicmp, ComparesCountBytes) {
  expectExamples({{memicmp("A\0b", "a\0B", 3), 0},
                  {memicmp("aBc", "AbD", 3) < 0, 1},
                  {memicmp("aBc", "AbD", 2), 0}});
}

// Exactly -1, 0 or 1, folding to upper case; nothing is read after both
// ends.
TEST(Strnicmp, ExactResults) {
  const char c[] = {'a', '\0', 'x'}, d[] = {'A', '\0', 'y'};
  // clang-format off
  expectExamples({
      {strnicmp("abc", "ABD", 2), 0},  {strnicmp("abc", "ABD", 3), -1},
      {strnicmp("ABD", "abc", 3), 1},  {strnicmp("a", "_", 1), -1},
      {strnicmp("x", "y", -5), 0},     {strnicmp(c, d, 3), 0}});
  // clang-format on
}

// What f leaves of a terminated copy of `in`, if it returns its argument
// and leaves the terminator.
std::string inPlace(char* (*f)(char*), const std::string& in) {
  std::string t = in + '\0';
  const bool ok = f(&t[0]) == &t[0] && t[in.size()] == '\0';
  return ok ? t.substr(0, in.size()) : "<result or terminator>";
}

TEST(Strrev, ReversesUpToTheTerminator) {
  expectExamples({{inPlace(strrev, ""), ""},
                  {inPlace(strrev, lit("ab\0c")), lit("ba\0c")},
                  {inPlace(strrev, "MiXeD 123 \xE9"), "\xE9 321 DeXiM"}});
}

TEST(Strupr, FoldsInPlace) {
  expectExamples({{inPlace(strlwr, lit("A\0B")), lit("a\0B")},
                  {inPlace(strupr, lit("a\0b")), lit("A\0b")},
                  {inPlace(strupr, "mIxEd 123 \xE9"), "MIXED 123 \xE9"}});
}

// itoa writes into the caller's buffer and returns it; other radixes than
// 8, 10 and 16 give "???" and leave the buffer alone.
TEST(Itoa, RadixEightTenOrSixteen) {
  char b[4][12], untouched[12] = "untouched";
  // clang-format off
  expectExamples({
      {itoa(255, b[0], 16), "ff"},   {itoa(-1, b[1], 8), "37777777777"},
      {itoa(INT_MIN, b[2], 10), "-2147483648"}, {itoa(0, b[3], 16), "0"},
      {itoa(5, untouched, 2), "???"}, {untouched, "untouched"}});
  // clang-format on
  EXPECT_EQ(itoa(255, b[0], 16), b[0]);
}

}  // namespace
