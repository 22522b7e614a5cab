// Helpers shared by the unit tests.
#ifndef MORVEK_TESTS_TEST_UTIL_HPP_
#define MORVEK_TESTS_TEST_UTIL_HPP_

#include <gtest/gtest.h>
#include <istring.hpp>

#include <initializer_list>
#include <string>

// The string's buffer, through the public conversion.
inline const char* bufferOf(const IString& s) { return s; }

// All length() characters of s (inner NUL bytes included), after checking
// that the terminator is in place; "<null>" for the null string.
inline std::string bytes(const IString& s) {
  if (bufferOf(s) == nullptr) return s.length() ? "<null, length>" : "<null>";
  if (bufferOf(s)[s.length()] != '\0') return "<unterminated>";
  return std::string(bufferOf(s), s.length());
}

// Every character of a string literal, inner NUL bytes included.
template <std::size_t N>
std::string lit(const char (&text)[N]) {
  return std::string(text, N - 1);
}

const char* const kNone = nullptr;   // a null const char* argument
const std::string kNull = "<null>";  // bytes() of the null string
inline IString nullString() { return IString(kNone); }

// A worked example: what an expression gave (bytes() of a string, or a
// number) and what it should give.
struct Example {
  Example(const IString& s, const std::string& w) : got(bytes(s)), want(w) {}
  Example(long long n, long long w)
      : got(std::to_string(n)), want(std::to_string(w)) {}
  std::string got, want;
};

// Checks the examples in order (the list evaluates them in order).
inline void expectExamples(std::initializer_list<Example> examples) {
  int row = 0;
  for (const Example& e : examples) EXPECT_EQ(e.got, e.want) << "row " << row++;
}

#endif  // MORVEK_TESTS_TEST_UTIL_HPP_
