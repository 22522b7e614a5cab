// lexcext.cpp: the C-callable string helpers.

#include "lexcext.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "internal/casemap.hpp"

namespace {

inline int lowerByte(unsigned char c) {
  return static_cast<unsigned char>(std::tolower(c));
}

inline int upperByte(unsigned char c) {
  return static_cast<unsigned char>(std::toupper(c));
}

}  // namespace

// The comparisons fold and compare byte by byte: they allocate nothing, so
// they cannot fail.
int strcmpi(const char* string1, const char* string2) {
  const unsigned char* p1 = reinterpret_cast<const unsigned char*>(string1);
  const unsigned char* p2 = reinterpret_cast<const unsigned char*>(string2);
  for (;; ++p1, ++p2) {
    const int c1 = lowerByte(*p1);
    const int c2 = lowerByte(*p2);
    if (c1 != c2 || c1 == 0) return c1 - c2;
  }
}

int strnicmp(const char* string1, const char* string2, int len) {
  const unsigned char* p1 = reinterpret_cast<const unsigned char*>(string1);
  const unsigned char* p2 = reinterpret_cast<const unsigned char*>(string2);
  for (int i = 0; i < len; ++i) {
    const int c1 = upperByte(p1[i]);
    const int c2 = upperByte(p2[i]);
    if (c1 < c2) return -1;
    if (c1 > c2) return 1;
    if (c1 == 0) break;  // both strings end here
  }
  return 0;
}

int memicmp(const void* buf1, const void* buf2, unsigned int cnt) {
  const unsigned char* p1 = static_cast<const unsigned char*>(buf1);
  const unsigned char* p2 = static_cast<const unsigned char*>(buf2);
  for (unsigned int i = 0; i < cnt; ++i) {
    const int c1 = lowerByte(p1[i]);
    const int c2 = lowerByte(p2[i]);
    if (c1 != c2) return c1 - c2;
  }
  return 0;
}

char* strrev(char* string) {
  const std::size_t len = std::strlen(string);
  for (std::size_t i = 0; i < len / 2; ++i) {
    const char c = string[i];
    string[i] = string[len - 1 - i];
    string[len - 1 - i] = c;
  }
  return string;
}

char* strlwr(char* string) {
  morvek::internal::lowerInPlace(string, std::strlen(string));
  return string;
}

char* strupr(char* string) {
  morvek::internal::upperInPlace(string, std::strlen(string));
  return string;
}

char* itoa(int value, char* buffer, int radix) {
  static const char unsupported[] = "???";
  switch (radix) {
    case 8:
      std::sprintf(buffer, "%o", static_cast<unsigned>(value));
      return buffer;
    case 10:
      std::sprintf(buffer, "%d", value);
      return buffer;
    case 16:
      std::sprintf(buffer, "%x", static_cast<unsigned>(value));
      return buffer;
    default:
      return const_cast<char*>(unsupported);
  }
}
