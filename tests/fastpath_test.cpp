// The vectorised and table-driven paths against plain byte-by-byte
// versions, on random texts with inner NUL bytes and bytes above 0x7F.

#include <gtest/gtest.h>
#include <lexcext.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstring>
#include <istring.hpp>
#include <random>
#include <string>
#include <vector>

#include "test_util.hpp"

namespace {

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
    ASSERT_EQ(bytes(IString::x2c(s)), want) << hex;
    ASSERT_EQ(bytes(s.x2c()), want) << hex;
  }
}

// Replacement the plain way: from `start`, up to the first NUL byte, the
// leftmost non-overlapping occurrences, at most `limit` of them.
std::string plainChange(const std::string& text, const std::string& in,
                        const std::string& out, unsigned start,
                        unsigned limit) {
  if (start == 0) start = 1;
  if (text.empty() || in.empty() || start > text.size() || limit == 0 ||
      in.find('\0') != std::string::npos)
    return text;
  const std::size_t end = std::min(text.find('\0', start - 1), text.size());
  std::string r = text.substr(0, start - 1);
  std::size_t i = start - 1;
  for (unsigned n = 0; i < end;) {
    if (n < limit && i + in.size() <= end &&
        text.compare(i, in.size(), in) == 0) {
      r += out;
      i += in.size();
      ++n;
    } else {
      r += text[i++];
    }
  }
  return r + text.substr(i);
}

// Long texts over a two-letter alphabet: vector blocks, patterns whose
// first and last bytes match almost everywhere (the two-way hand-over),
// and more hits than the counting pass remembers.
TEST(ChangeFastPath, MatchesPlainReplacement) {
  std::mt19937 rng(11);
  auto text_of = [&](std::size_t length, bool nul) {
    std::string t(length, 'a');
    for (char& ch : t) ch = "aaab\0"[rng() % (nul ? 5 : 4)];
    return t;
  };
  for (int round = 0; round < 400; ++round) {
    const std::string text = text_of(rng() % 700, round % 3 == 0);
    std::string in = text_of(1 + rng() % (round % 4 == 0 ? 60 : 5), false);
    if (round % 5 == 0) in = std::string(30, 'a') + "b" + std::string(30, 'a');
    const std::string out = text_of(rng() % 4, false);
    const unsigned start = rng() % 20, limit = rng() % 3 ? ~0u : rng() % 30;
    const IString original = withBytes(text);
    IString s = original;
    s.change(in.c_str(), out.c_str(), start, limit);
    const std::string want = plainChange(text, in, out, start, limit);
    ASSERT_EQ(bytes(s), want) << text << " / " << in << " " << start;
    ASSERT_EQ(bytes(IString::change(original, withBytes(in), withBytes(out),
                                    start, limit)),
              want);
  }
  // Occurrences among long partial matches: the budget runs out and the
  // two-way matcher takes over between hits.
  for (int round = 0; round < 100; ++round) {
    const std::string in = std::string(20, 'a') + "b" + std::string(20, 'a');
    const std::string pieces[] = {in, "a", "aa", "b", in.substr(3)};
    std::string text;
    while (text.size() < 2000) text += pieces[rng() % 5];
    IString s(text.c_str());
    ASSERT_EQ(bytes(s.change(in.c_str(), "X")),
              plainChange(text, in, "X", 1, ~0u));
  }
  const std::string many(5000, 'a');
  IString s(many.c_str());
  EXPECT_EQ(bytes(s.translate("a", "bc")),
            plainChange(many, "a", "bc", 1, ~0u));
}

// The words of a text the plain way: runs of bytes other than the six
// delimiters, before the first NUL byte.
std::vector<std::string> plainWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text.substr(0, text.find('\0'))) {
    if (std::strchr(" \n\r\t\v\f", c) != nullptr) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// Texts spanning several of the blocks that word lookup counts at a time.
TEST(WordFastPath, FindsEveryWordLikeASequentialScan) {
  std::mt19937 rng(5);
  for (int round = 0; round < 60; ++round) {
    std::string text(rng() % 1500, 'x');
    for (char& ch : text) ch = "xy \n\t\v\f\r"[rng() % (round % 2 ? 3 : 8)];
    if (round % 4 == 0 && !text.empty()) text[rng() % text.size()] = '\0';
    const std::vector<std::string> words = plainWords(text);
    const IString s = withBytes(text);
    ASSERT_EQ(s.numWords(), words.size());
    for (unsigned n = 1; n <= words.size() + 1; ++n) {
      const std::string want = n <= words.size() ? words[n - 1] : "";
      ASSERT_EQ(bytes(s.word(n)), want) << round << " " << n;
      ASSERT_EQ(s.lengthOfWord(n), want.size());
    }
  }
}

// The static forms build their result directly; they must give what the
// member gives on a copy, and leave the argument alone.
TEST(StripFastPath, StaticFormsMatchTheMemberOnACopy) {
  std::mt19937 rng(17);
  std::vector<IString> cases = {IString(static_cast<const char*>(nullptr)),
                                IString(""), IString(" \t\n")};
  for (int round = 0; round < 300; ++round) {
    std::string text(rng() % 40, ' ');
    for (char& c : text) c = " \t\n\v\f\rab\0"[rng() % 9];
    cases.push_back(withBytes(text));
  }
  for (const IString& s : cases) {
    const std::string before = bytes(s);
    IString both = s, leading = s, trailing = s;
    ASSERT_EQ(bytes(IString::stripBlanks(s)), bytes(both.strip()));
    ASSERT_EQ(bytes(IString::stripLeadingBlanks(s)),
              bytes(leading.stripLeading()));
    ASSERT_EQ(bytes(IString::stripTrailingBlanks(s)),
              bytes(trailing.stripTrailing()));
    ASSERT_EQ(bytes(s), before);
  }
}

// Bytes of every value, NUL included, at every length up to 100, against a
// byte-by-byte conversion.
TEST(C2xFastPath, MatchesByteByByteConversion) {
  std::mt19937 rng(19);
  for (unsigned length = 1; length <= 100; ++length) {
    std::string text(length, '\0'), want;
    for (char& c : text) {
      c = static_cast<char>(rng() % 256);
      want += "0123456789ABCDEF"[static_cast<unsigned char>(c) >> 4];
      want += "0123456789ABCDEF"[static_cast<unsigned char>(c) & 15];
    }
    ASSERT_EQ(bytes(IString::c2x(withBytes(text))), want) << length;
  }
}

}  // namespace
