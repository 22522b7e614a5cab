// The vectorised and table-driven paths against plain byte-by-byte
// versions, on random texts with inner NUL bytes and bytes above 0x7F.

#include <gtest/gtest.h>
#include <lexcext.h>

#include <cctype>
#include <clocale>
#include <cstring>
#include <istring.hpp>
#include <random>
#include <string>

namespace {

// All length() bytes of `s`, inner NUL bytes included; "<null>" for the
// null string.
std::string bytesOf(const IString& s) {
  const char* p = s;
  return p ? std::string(p, s.length()) : std::string("<null>");
}

// Random bytes of every length from 0 to 300 (below, at and across the
// sixteen-byte blocks), mostly letters, with NUL and 8-bit bytes mixed in.
std::string randomText(std::mt19937& rng, std::size_t length) {
  static const char kLetters[] = "abcxyzABCXYZ@[`{ 09\t";
  std::string text(length, 'a');
  for (char& c : text) {
    const unsigned r = rng() % 100;
    if (r < 2)
      c = '\0';
    else if (r < 12)
      c = static_cast<char>(0x80 + rng() % 128);
    else
      c = kLetters[rng() % (sizeof kLetters - 1)];
  }
  return text;
}

// What strupr / strlwr must do: map each byte before the first NUL through
// toupper / tolower and leave the rest alone.
std::string plainCase(std::string text, int (*map)(int)) {
  for (char& c : text) {
    if (c == '\0') break;
    c = static_cast<char>(map(static_cast<unsigned char>(c)));
  }
  return text;
}

TEST(CaseFolding, MatchesToupperTolowerByteByByte) {
  for (const char* locale : {"C", "C.UTF-8"}) {
    if (std::setlocale(LC_CTYPE, locale) == nullptr) continue;
    std::mt19937 rng(7);
    for (std::size_t length = 0; length <= 300; ++length) {
      const std::string text = randomText(rng, length) + '\0';
      std::string upper = text, lower = text;
      strupr(&upper[0]);
      strlwr(&lower[0]);
      ASSERT_EQ(upper, plainCase(text, ::toupper)) << locale << " " << length;
      ASSERT_EQ(lower, plainCase(text, ::tolower)) << locale << " " << length;
    }
  }
  std::setlocale(LC_CTYPE, "C");
}

// Digit strings with at most one byte from just outside the class (or NUL,
// or an 8-bit byte) at a random place, at every length up to 80.
TEST(DigitPredicates, MatchPlainByteTests) {
  const std::string neighbours("/:@GFg`\x00\xb0\xc1 2aA", 15);
  std::mt19937 rng(3);
  for (int round = 0; round < 3000; ++round) {
    std::string text(rng() % 81, '0');
    for (char& c : text) c = "0123456789abcdefABCDEF01"[rng() % 24];
    if (round % 4 == 0) {
      for (char& c : text) c = "01"[rng() % 2];
    }
    if (round % 2 == 0 && !text.empty())
      text[rng() % text.size()] = neighbours[rng() % neighbours.size()];
    auto plain = [&](const char* set) {
      for (char c : text)
        if (c == '\0' || std::strchr(set, c) == nullptr) return False;
      return True;
    };
    IString s(nullptr, static_cast<unsigned>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i)
      s[static_cast<unsigned>(i + 1)] = text[i];
    ASSERT_EQ(s.isBinaryDigits(), plain("01")) << text;
    ASSERT_EQ(s.isDigits(), plain("0123456789")) << text;
    ASSERT_EQ(s.isHexDigits(), plain("0123456789abcdefABCDEF")) << text;
  }
}

// Hexadecimal digits of both cases at every length up to 100 (odd lengths
// led by an implied '0'), against a digit-by-digit conversion.
TEST(X2cFastPath, MatchesDigitByDigitConversion) {
  std::mt19937 rng(9);
  const char digits[] = "0123456789abcdefABCDEF";
  for (unsigned length = 1; length <= 100; ++length) {
    std::string hex(length, '0');
    for (char& c : hex) c = digits[rng() % 22];
    std::string want;
    const std::string even = length % 2 ? "0" + hex : hex;
    for (std::size_t i = 0; i < even.size(); i += 2)
      want += static_cast<char>(std::stoi(even.substr(i, 2), nullptr, 16));
    IString s(hex.c_str());
    ASSERT_EQ(bytesOf(IString::x2c(s)), want) << hex;
    ASSERT_EQ(bytesOf(s.x2c()), want) << hex;
  }
}

}  // namespace
