#include <gtest/gtest.h>
#include <istring.hpp>

#include <random>
#include <string>

namespace {

// A string holding exactly the bytes of `s`, inner NUL bytes included.
IString bytes(const std::string& s) {
  IString r("");
  for (std::size_t i = 0; i < s.size(); ++i) r[i + 1] = s[i];
  return r;
}

const IString null_string(static_cast<const char*>(nullptr));
const IString ab_nul_ab = bytes(std::string("ab\0ab", 5));

TEST(DigitPredicates, Classes) {
  auto classes = [](const IString& s) {
    return std::to_string(s.isBinaryDigits()) + std::to_string(s.isDigits()) +
           std::to_string(s.isHexDigits());
  };
  const std::pair<std::string, const char*> cases[] = {
      {"0101", "111"}, {"012", "011"},
      {"1aF", "001"},  {"9fAF", "001"},
      {"0x1F", "000"}, {"12 ", "000"},
      {"", "111"},     {std::string("1\0", 2), "000"}};
  for (const auto& c : cases) EXPECT_EQ(classes(bytes(c.first)), c.second);
  for (char c : std::string("/:@G`g")) EXPECT_EQ(classes(IString(c)), "000");
  EXPECT_EQ(classes(null_string), "111");
}

TEST(CharSearch, PositionsAndCounts) {
  const IString banana("banana");
  EXPECT_EQ(banana.indexOf('a', 3), 4u);
  EXPECT_EQ(banana.indexOf('a', 0), 2u);
  EXPECT_EQ(banana.occurrencesOf('a', 3), 2u);
  EXPECT_EQ(banana.lastIndexOf('a', 5), 4u);
  EXPECT_EQ(banana.lastIndexOf('b', 0), 0u);
  EXPECT_EQ(IString("aaab").indexOfAnyBut('a'), 4u);
  // The character forms walk the whole length, NUL bytes included.
  EXPECT_EQ(ab_nul_ab.indexOf('b', 3), 5u);
  EXPECT_EQ(ab_nul_ab.lastIndexOf('\0'), 3u);
  EXPECT_EQ(ab_nul_ab.occurrencesOf('a'), 2u);
  EXPECT_EQ(ab_nul_ab.indexOfAnyBut('a', 3), 3u);
  EXPECT_EQ(null_string.indexOf('a') + null_string.lastIndexOf('a') +
                null_string.indexOfAnyBut('a') + null_string.occurrencesOf('a'),
            0u);
}

TEST(SubstringSearch, PositionsAndBounds) {
  const IString banana("banana"), abc("abc"), empty("");
  const char* const none = nullptr;
  const unsigned all = 0xFFFFFFFFu;
  struct Case {
    const IString& s;
    const char* pat;
    unsigned from, first;  // indexOf(pat, from) gives first
    unsigned to, last;     // lastIndexOf(pat, to) gives last
  } cases[] = {
      // More in AgreesWithByteByByteScan below.
      {banana, "ana", 3, 4, 5, 2},
      {banana, "n", 1, 3, 4, 3},
      {abc, "", 5, 0, 0, 1},
      {empty, "", 1, 0, 5, 1},
      {banana, none, 1, 0, 6, 0},
      {null_string, "", 1, 0, all, 1},
      {null_string, "ab", 1, 0, all, 0},
      {ab_nul_ab, "ab", 2, 0, 5, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.s.indexOf(c.pat, c.from), c.first) << c.s << " " << c.from;
    EXPECT_EQ(c.s.lastIndexOf(c.pat, c.to), c.last) << c.s << " " << c.to;
  }
  EXPECT_EQ(banana.lastIndexOf("ana"), 4u);  // by default the whole text
  // A failed candidate right next to a hit.
  const std::string pad(20, 'x');
  EXPECT_EQ(IString(("aaabaa" + pad).c_str()).indexOf("aabaa"), 2u);
  EXPECT_EQ(IString((pad + "aabaaa").c_str()).lastIndexOf("aabaa"), 21u);
}

TEST(IndexOfAnyBut, Sets) {
  EXPECT_EQ(IString("abcx").indexOfAnyBut("abc", 0), 4u);
  EXPECT_EQ(IString("abca").indexOfAnyBut("abc"), 0u);
  EXPECT_EQ(IString("abc").indexOfAnyBut(""), 1u);
  EXPECT_EQ(IString("\xE9\xE9z").indexOfAnyBut("\xE9y"), 3u);
  EXPECT_EQ(IString("a").indexOfAnyBut(static_cast<const char*>(nullptr)), 0u);
  // A NUL byte in the text belongs to every set of other than one character.
  EXPECT_EQ(ab_nul_ab.indexOfAnyBut("ab"), 0u);
  EXPECT_EQ(bytes(std::string("\0\0a", 3)).indexOfAnyBut(""), 3u);
}

// The searches as strchr/strncmp and strstr loops run them, byte by byte
// over the buffer and its terminator.
unsigned referenceIndexOf(const std::string& text, const std::string& pat,
                          unsigned pos) {
  const std::string buf = text + '\0';
  if (pos == 0) pos = 1;
  if (pat.size() == 1) {
    const std::size_t at = text.find(pat[0], pos - 1);
    return at == std::string::npos ? 0 : static_cast<unsigned>(at + 1);
  }
  if (text.empty() || pos > text.size() + 1) return 0;
  for (std::size_t i = pos - 1;; ++i) {
    while (buf[i] != pat.c_str()[0] && buf[i] != '\0') ++i;  // strchr
    if (buf[i] != pat.c_str()[0]) return 0;
    if (buf.compare(i, pat.size(), pat) == 0) return unsigned(i + 1);
  }
}

unsigned referenceLastIndexOf(const std::string& text, const std::string& pat,
                              unsigned end) {
  if (end > text.size()) end = static_cast<unsigned>(text.size());
  if (pat.size() == 1) {
    const std::size_t at =
        end ? text.rfind(pat[0], end - 1) : std::string::npos;
    return at == std::string::npos ? 0 : static_cast<unsigned>(at + 1);
  }
  if (pat.empty()) return end + 1;
  unsigned result = 0;
  for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
    if (text.compare(i, pat.size(), pat) != 0) continue;
    if (i + pat.size() > end) break;
    result = static_cast<unsigned>(i + 1);
  }
  return result;
}

TEST(SubstringSearch, AgreesWithByteByByteScan) {
  std::mt19937 rng(12345);
  auto below = [&rng](std::size_t n) {
    return static_cast<unsigned>(rng() % n);
  };
  for (int round = 0; round < 20400; ++round) {
    std::string text, pat;
    if (round < 20000) {  // short texts over a, b and NUL
      for (unsigned n = below(100); n > 0; --n) text += "aaaabb\0"[below(7)];
      for (unsigned n = below(round % 2 ? 5 : 14); n > 0; --n)
        pat += "aab"[below(3)];
    } else {
      // Long texts pieced together from a needle's own fragments, some
      // needles periodic: dense candidates and long partial matches.
      const unsigned m = 8 + below(60);
      const std::string block =
          round % 2 ? "a" : "ab" + std::string(below(3), 'a');
      while (pat.size() < m)
        pat += round % 4 < 2 ? block : std::string(1, "ab"[below(2)]);
      if (below(2) == 0) pat[below(m)] ^= 3;  // 'a' <-> 'b'
      for (unsigned size = 1000 + below(1000); text.size() < size;) {
        const unsigned from = below(m);
        text += pat.substr(from, 1 + below(m - from));
        if (below(8) == 0) text.back() ^= 3;
      }
      if (below(3) == 0) text[below(text.size())] = '\0';
    }
    const unsigned len = static_cast<unsigned>(text.size());
    const unsigned from = below(len + 3), to = below(len + 3);
    const IString s = bytes(text);
    EXPECT_EQ(s.indexOf(pat.c_str(), from), referenceIndexOf(text, pat, from))
        << round;
    EXPECT_EQ(s.lastIndexOf(pat.c_str(), to),
              referenceLastIndexOf(text, pat, to))
        << round;
  }
}

}  // namespace
