// search_paths_test.cpp: the search and replacement paths against the
// reference model (model::Str). The finder picks its bytes by how rare they
// are, scans for one byte or a pair at several vector widths, hands over to
// the two-way matcher when comparisons run over budget, and replacement
// fetches its occurrences in batches; each of those paths must give the
// model's results. Texts are filled with the needle's own bytes, so that
// near misses are everywhere.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "istring.hpp"
#include "istring_model.hpp"

namespace {

using model::Str;

// An IString holding exactly the bytes of `s`, NUL bytes included.
IString toIString(const std::string& s) {
  IString r(static_cast<const void*>(nullptr), static_cast<unsigned>(s.size()));
  for (std::size_t i = 0; i < s.size(); ++i)
    r[static_cast<unsigned>(i + 1)] = s[i];
  return r;
}

// `s` readable in a failure message, cut after 80 bytes.
std::string show(const std::string& s) {
  std::string r;
  for (unsigned char c : s.substr(0, 80)) {
    if (c >= 0x20 && c < 0x7F) {
      r += static_cast<char>(c);
    } else {
      char b[8];
      std::snprintf(b, sizeof b, "\\x%02x", c);
      r += b;
    }
  }
  return s.size() > 80 ? r + "... (" + std::to_string(s.size()) + " bytes)" : r;
}

// Needles of every kind the filter treats differently: a rare first byte,
// runs of one byte, two and three bytes, common first and last bytes, long
// phrases of common words, punctuation at the end, bytes from 0x80 on (read
// the same whether char is signed or not), and periodic patterns.
const std::vector<std::string>& needles() {
  static const std::vector<std::string> all = {
      "ab",
      "qu",
      "zz",
      "  ",
      "ee",
      "e,",
      "X#",
      "the",
      "eee",
      "   ",
      "e,e",
      "of.",
      "#include",
      "Xylophone",
      "ambidextrous",
      "the people and the",
      "government of the people, by the people, for the people",
      "aaaaaaaaaaaaaaab",
      "baaaaaaaaaaaaaaa",
      "abababababababac",
      "\x80\xff",
      "\xe9t\xe9",
      "x = y;",
      std::string(40, 'a') + "b" + std::string(40, 'a'),
      std::string(70, ' '),
  };
  return all;
}

// `length` bytes drawn from the needle's own bytes and a blank.
std::string filler(const std::string& needle, std::size_t length,
                   std::mt19937& random) {
  const std::string pool = needle + " ";
  std::string text(length, ' ');
  for (char& c : text) c = pool[random() % pool.size()];
  return text;
}

// indexOf, lastIndexOf and change of IString and the model agree on `text`.
void checkAll(const std::string& text, const std::string& needle,
              std::size_t near) {
  const IString s = toIString(text);
  const Str m(text);
  const char* n = needle.c_str();
  SCOPED_TRACE("text '" + show(text) + "' needle '" + show(needle) + "'");
  const unsigned length = static_cast<unsigned>(text.size());
  const unsigned starts[] = {0u,
                             1u,
                             static_cast<unsigned>(near),
                             static_cast<unsigned>(near + 1),
                             static_cast<unsigned>(near + 2),
                             length,
                             length + 1};
  for (unsigned start : starts) {
    ASSERT_EQ(s.indexOf(n, start), m.indexOf(n, start)) << "start " << start;
  }
  const unsigned ends[] = {0xFFFFFFFFu, length,
                           static_cast<unsigned>(near + needle.size()),
                           static_cast<unsigned>(near + needle.size() - 1),
                           static_cast<unsigned>(near + 1)};
  for (unsigned end : ends) {
    ASSERT_EQ(s.lastIndexOf(n, end), m.lastIndexOf(n, end)) << "end " << end;
  }
  for (unsigned start : {1u, static_cast<unsigned>(near + 1)}) {
    IString c = s;
    Str mc = m;
    c.change(n, "<>", start);
    mc.change(n, "<>", start);
    ASSERT_TRUE(std::string(c, c.length()) == mc.s) << "change from " << start;
  }
}

TEST(SearchPaths, EveryOffsetAndNulPlacement) {
  std::mt19937 random(12);
  for (const std::string& needle : needles()) {
    const std::size_t m = needle.size();
    std::vector<std::size_t> lengths;
    for (std::size_t l = m; l < m + 10; ++l) lengths.push_back(l);
    for (std::size_t l :
         {15, 16, 17, 31, 32, 33, 63, 64, 65, 66, 127, 128, 129, 200, 700})
      if (l >= m) lengths.push_back(l);
    for (std::size_t length : lengths) {
      const std::size_t step = length <= 140 ? 1 : 7;
      for (std::size_t at = 0; at + m <= length; at += step) {
        std::string text = filler(needle, length, random);
        text.replace(at, m, needle);
        checkAll(text, needle, at);
        // A NUL byte before, inside and after the match window.
        for (std::size_t nul : {at == 0 ? 0 : at - 1, at + m / 2, at + m}) {
          if (nul >= length) continue;
          std::string cut = text;
          cut[nul] = '\0';
          checkAll(cut, needle, at);
        }
      }
    }
  }
}

// Long texts: the single-byte scan handing over to the pair when its byte
// turns out frequent, and the budget handing over to the two-way matcher.
TEST(SearchPaths, HandOversOnLongTexts) {
  std::mt19937 random(13);
  struct Case {
    std::string unit;  // repeated to make the text
    std::string needle;
  };
  const Case cases[] = {
      {"#define x 1\n", "#include"},
      {"Xy Xz Xa ", "Xylophone"},
      {"a", std::string(40, 'a') + "b" + std::string(40, 'a')},
      {"a", "b" + std::string(60, 'a')},
      {"a", std::string(60, 'a') + "b"},
      {"ab", "ababababac"},
      {"aab", "aabaabaabaaba"},
      {"   x", "    "},
      {"eee", "eeee,"},
  };
  for (const Case& c : cases) {
    std::string text;
    while (text.size() < 20000) text += c.unit;
    for (std::size_t at : {std::size_t{0}, std::size_t{5000}, text.size() / 2,
                           text.size() - c.needle.size() - 3}) {
      std::string t = text;
      t.replace(at, c.needle.size(), c.needle);
      checkAll(t, c.needle, at);
      t[at + c.needle.size() / 2] = '\0';
      checkAll(t, c.needle, at);
    }
    checkAll(text, c.needle, random() % text.size());
  }
}

// Replacement with limits around the batch sizes and starts in the middle,
// with one-byte and longer inputs on texts where almost every byte is a hit.
TEST(SearchPaths, ReplacementLimitsAroundBatches) {
  const std::vector<std::pair<std::string, std::string>> texts = {
      {std::string(3000, 'a'), "a"},
      {std::string(3000, 'a'), "aa"},
      {std::string(3000, ' '), " "},
      {[] {
         std::string t;
         while (t.size() < 3000) t += "w ";
         return t;
       }(),
       " "},
      {[] {
         std::string t;
         while (t.size() < 3000) t += "ab";
         return t;
       }(),
       "ab"},
      // A one-byte input with sparse occurrences: found in batches.
      {[] {
         std::string t;
         while (t.size() < 3000) t += "the quick brown fox jumps over a dog ";
         return t;
       }(),
       "q"},
  };
  const unsigned limits[] = {1,   2,   127, 128, 129, 255, 256,  257,
                             511, 512, 513, 767, 768, 769, 1500, 0xFFFFFFFFu};
  const char* outputs[] = {"", "b", "bc", "xyz"};
  for (const auto& tn : texts) {
    const IString s = toIString(tn.first);
    const Str m(tn.first);
    for (const char* out : outputs) {
      for (unsigned start : {1u, 2u, 1001u, 2999u}) {
        for (unsigned limit : limits) {
          IString c = s;
          Str mc = m;
          c.change(tn.second.c_str(), out, start, limit);
          mc.change(tn.second.c_str(), out, start, limit);
          ASSERT_TRUE(std::string(c, c.length()) == mc.s)
              << "'" << tn.second << "' -> '" << out << "' from " << start
              << " limit " << limit;
        }
      }
      IString t = s;
      Str mt = m;
      t.translate(tn.second.c_str(), out);
      mt.translate(tn.second.c_str(), out);
      ASSERT_TRUE(std::string(t, t.length()) == mt.s);
    }
    // A NUL byte in the middle ends the searched text.
    std::string cut = tn.first;
    cut[1500] = '\0';
    IString c = toIString(cut);
    Str mc(cut);
    c.change(tn.second.c_str(), "Q");
    mc.change(tn.second.c_str(), "Q");
    ASSERT_TRUE(std::string(c, c.length()) == mc.s);
  }
}

// == and != with both lengths known decide by one memcmp when the bytes
// agree; after a difference a NUL byte before it can still make the texts
// equal. Pairs differing at every position, with NUL bytes before, at and
// after the difference, and lengths on either side.
TEST(SearchPaths, EqualityAroundNulBytes) {
  const std::string base =
      "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOP";
  for (std::size_t len1 = 0; len1 <= base.size(); len1 += 3) {
    for (std::size_t len2 : {len1, len1 + 1, len1 + 7, len1 / 2}) {
      if (len2 > base.size()) continue;
      for (std::size_t diff = 0; diff <= len1; diff += 2) {
        for (std::size_t nul :
             {std::size_t{0}, diff / 2, diff, diff + 1, std::size_t{1000}}) {
          std::string a = base.substr(0, len1);
          std::string b = base.substr(0, len2);
          if (diff < b.size()) b[diff] = '#';
          if (nul < a.size()) a[nul] = '\0';
          if (nul < b.size()) b[nul] = '\0';
          const IString x = toIString(a);
          const IString y = toIString(b);
          const Str mx(a);
          const Str my(b);
          ASSERT_EQ(x == y, mx == my) << show(a) << " / " << show(b);
          ASSERT_EQ(x != y, mx != my) << show(a) << " / " << show(b);
          ASSERT_EQ(y == x, my == mx) << show(a) << " / " << show(b);
        }
      }
    }
  }
}

}  // namespace
