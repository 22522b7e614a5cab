// Helpers shared by the unit tests.
#ifndef MORVEK_TESTS_TEST_UTIL_HPP_
#define MORVEK_TESTS_TEST_UTIL_HPP_

#include <istring.hpp>

#include <string>

// The string's buffer, through the public conversion.
inline const char* bufferOf(const IString& s) {
  return static_cast<const char*>(s);
}

inline bool isNull(const IString& s) { return bufferOf(s) == nullptr; }

// All length() characters of s (inner NUL bytes included), after checking
// that the terminator is in place; "<null>" for the null string.
inline std::string bytes(const IString& s) {
  if (isNull(s)) return s.length() ? "<null with a length>" : "<null>";
  if (bufferOf(s)[s.length()] != '\0') return "<unterminated>";
  return std::string(bufferOf(s), s.length());
}

// A string holding exactly the bytes of `text`, inner NUL bytes included.
inline IString withBytes(const std::string& text) { return IString(text); }

// Every character of a string literal, inner NUL bytes included.
template <std::size_t N>
std::string lit(const char (&text)[N]) {
  return std::string(text, N - 1);
}

const char* const kNone = nullptr;       // a null const char* argument
const std::string kNullText = "<null>";  // bytes() of the null string

inline IString nullString() { return IString(kNone); }

#endif  // MORVEK_TESTS_TEST_UTIL_HPP_
