// property_test.cpp: driver programs (model/driver.hpp) aimed at the edges
// of the vector and table-driven paths, run once at each vector width the
// processor has: texts around the 8-, 16-, 32- and 64-byte blocks and their
// multiples, NUL bytes at block edges, candidates that fail in the middle,
// periodic patterns, more hits than one batch holds; and every byte value
// through the conversions that read bytes.

#include <gtest/gtest.h>
#include <lexcext.h>

#include <random>
#include <string>
#include <vector>

#include "driver.hpp"
#include "testhooks.hpp"
#include "vectorkernels.hpp"

namespace morvek::internal {
void PrintTo(VectorWidth width, std::ostream* out) { *out << nameOf(width); }
}  // namespace morvek::internal

namespace {

using driver::Arg;
using driver::Program;
using driver::Step;
using model::Str;
using morvek::internal::VectorWidth;

// Each test runs once per width, its name ending in the width's.
class Property : public testing::TestWithParam<VectorWidth> {
  const morvek::internal::ScopedVectorWidthForTesting width_{GetParam()};
};
INSTANTIATE_TEST_SUITE_P(Width, Property,
                         testing::ValuesIn(morvek::internal::availableWidths()),
                         [](const testing::TestParamInfo<VectorWidth>& info) {
                           return std::string(
                               morvek::internal::nameOf(info.param));
                         });

std::vector<unsigned> edgeLengths() {
  std::vector<unsigned> r = {1, 2, 3, 7, 8, 9, 200, 300};
  for (unsigned base : {16u, 32u, 48u, 64u, 128u, 192u, 512u, 1024u, 2048u})
    for (unsigned d : {base - 1, base, base + 1}) r.push_back(d);
  return r;
}

// `length` bytes drawn from `alphabet`, with a NUL byte at `nul` if that is
// inside the text.
std::string textOf(std::mt19937& rng, unsigned length,
                   const std::string& alphabet, unsigned nul = ~0u) {
  std::string t(length, 'a');
  for (char& c : t) c = alphabet[rng() % alphabet.size()];
  if (nul < length) t[nul] = '\0';
  return t;
}

// Every search of slot 0 for `needle` (a text or a slot) from and up to `p`,
// the character searches for `ch`.
Step searchFor(const Arg& needle, unsigned p, char ch = 'a') {
  return Step(driver::kSearch).variant(1).at(p).input(needle).ch(ch);
}

// change (form 3), translate (form 8) or the static change of slot 0
// (form 9) into slot 1, texts given as const char*.
Step replaceIn1(const char* in, const char* out, unsigned start, unsigned limit,
                int form) {
  return Step(driver::kChange)
      .on(1)
      .form(form)
      .at(start)
      .count(limit)
      .input(Arg::of(in))
      .output(Arg::of(out));
}

// Runs `program` with slots 0, 1, ... holding `texts`.
void expectAgree(const std::vector<std::string>& texts,
                 const Program& program) {
  driver::Driver d(1u << 22);
  for (std::size_t i = 0; i < texts.size(); ++i) d.set(int(i), texts[i]);
  ASSERT_TRUE(d.run(program.bytes))
      << d.error
      << "\ntext: " << testing::PrintToString(texts[0]).substr(0, 300);
}

TEST_P(Property, SearchAgreesWithTheModel) {
  std::mt19937 rng(1);
  const char* needles[] = {"a",      "b",    "ab",  "ba",  "aa",
                           "aab",    "aba",  "abb", "bab", "aaaaaaab",
                           "ab\xE9", "\xE9", ""};
  for (unsigned n : edgeLengths())
    for (const std::string& text :  // runs, dense letters, NULs at block edges
         {std::string(n, 'a'), textOf(rng, n, "aaaaaaab"),
          textOf(rng, n, "aab", n - 1), textOf(rng, n, "ab", n / 16 * 16),
          textOf(rng, n, "ab", (n / 32 * 32) - 1),
          textOf(rng, n, std::string("ab \t\xE9\x80\xFF", 7), 15)}) {
      Program prog;
      for (unsigned p :
           {0u, 1u, 2u, 15u, 16u, 17u, 33u, 64u, n / 2, n - 1, n, n + 1, ~0u})
        for (const char* needle : needles)
          prog.then(searchFor(Arg::of(needle), p, needle[0] ? needle[0] : 'a'));
      expectAgree({text}, prog);
      // Periodic needles a..ab..a, 32 to 300 bytes, reach the two-way matcher.
      for (unsigned k : {15u, 16u, 31u, 32u, 63u, 64u, 100u, 149u}) {
        Program periodic;
        for (unsigned p : {0u, 1u, 2u, n - 2 * k - 1, n - 2 * k, n - 1, ~0u})
          periodic.then(searchFor(Arg::slot(1), p));
        expectAgree({text, std::string(k, 'a') + "b" + std::string(k, 'a')},
                    periodic);
      }
    }
}

// Searches for slot 1 in slot 0 from and up to the positions around `at`,
// then replaces it.
Program searchesAround(unsigned at, unsigned m, unsigned n) {
  Program prog;
  for (unsigned p : {1u, at + 1, at + 2, at + m - 1, at + m, n + 1, ~0u})
    prog.then(searchFor(Arg::slot(1), p));
  return prog.then(Step(driver::kChange).on(0, 1, 3).at(at % 2 ? 1 : at + 1));
}

// Needles of every kind the finder treats differently (a rare first byte,
// runs of one byte, two and three bytes, common first and last bytes, long
// phrases, punctuation at the end, bytes from 0x80 on, periodic patterns),
// at every offset of texts made of their own bytes, with a NUL byte before,
// inside and after the match.
TEST_P(Property, NeedlesAtEveryOffset) {
  std::mt19937 rng(12);
  // clang-format off
  const std::string needles[] = {
      "ab", "qu", "zz", "  ", "ee", "e,", "X#", "the", "eee", "   ", "e,e",
      "equal to fifteen", "seventeen or more", "of.", "#include", "Xylophone", "ambidextrous", "the people and the",
      "government of the people, by the people, for the people",
      "aaaaaaaaaaaaaaab", "baaaaaaaaaaaaaaa", "abababababababac", "\x80\xff",
      "\xe9t\xe9", "x = y;", std::string(40, 'a') + "b" + std::string(40, 'a'),
      std::string(70, ' ')};
  // clang-format on
  for (const std::string& needle : needles) {
    const unsigned m = unsigned(needle.size());
    std::vector<unsigned> lengths = {m, m + 1, m + 2, m + 5};
    for (unsigned l : {15, 16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129, 255,
                       257, 700, 1024, 1025})
      if (l > m + 5) lengths.push_back(l);
    for (unsigned n : lengths)
      for (unsigned at = 0; at + m <= n; at += n <= 66    ? 1
                                               : n <= 700 ? 7
                                                          : 251) {
        std::string text = textOf(rng, n, needle + " ");
        text.replace(at, m, needle);
        const Program prog = searchesAround(at, m, n);
        expectAgree({text, needle, "", "<>"}, prog);
        for (unsigned nul : {at == 0 ? 0 : at - 1, at + m / 2, at + m})
          if (nul < n)
            expectAgree({text.substr(0, nul) + '\0' + text.substr(nul + 1),
                         needle, "", "<>"},
                        prog);
      }
  }
}

// The first NUL byte ends what indexOf searches: in a run of blocks
// without a candidate, and in a block crowded with the needle's rarest byte,
// where the single-byte scan would hand over to the pair of bytes.
TEST_P(Property, SearchStopsAtTheFirstNul) {
  std::string quiet;
  while (quiet.size() < 2000) quiet += "the brown fox jumps over the dog. ";
  for (const std::string needle : {"Xylophone", "qu", "#include", "zz"}) {
    std::string crowded;
    while (crowded.size() < 200) crowded += needle.substr(0, 1) + "a" + needle;
    crowded = crowded + quiet.substr(0, 500) + crowded + quiet.substr(0, 500);
    const Program prog = Program().then(searchFor(Arg::slot(1), 1));
    for (unsigned nul = 0; nul < 2000; nul += 37) {
      std::string text = quiet + needle;
      text[nul] = '\0';
      expectAgree({text, needle}, prog);
    }
    for (unsigned nul = 0; nul < 900; nul += nul < 64 || nul > 690 ? 1 : 50) {
      std::string text = crowded;
      text[nul] = '\0';
      expectAgree({text, needle}, prog);
    }
  }
}

// Texts pieced from a needle's own fragments: long partial matches, enough
// of them for the comparison budget to hand over to the two-way matcher,
// whose factorisation of the needle then decides what is found.
TEST_P(Property, SearchAmongPartialMatches) {
  std::mt19937 rng(2);
  for (int round = 0; round < 160; ++round) {
    const unsigned m = round % 2 ? 30 + rng() % 31 : 8 + rng() % 60;
    std::string needle;
    while (needle.size() < m)
      needle += round % 2 ? std::string(1, "ab"[rng() % 2])
                          : "ab" + std::string(rng() % 3, 'a');
    if (round % 3 == 0) needle[rng() % m] ^= 3;
    std::string text;
    while (text.size() < 3000) {
      const unsigned from = rng() % needle.size();
      text += needle.substr(from, 1 + rng() % (needle.size() - from));
    }
    if (round % 4 == 0) text[rng() % text.size()] = '\0';
    Program prog;
    for (unsigned p : {0u, 1u, unsigned(rng() % 1500), ~0u})
      prog.then(searchFor(Arg::slot(1), p))
          .then(Step(driver::kChange)
                    .on(0, 1, 2)
                    .at(p)
                    .count(rng() % 4 ? ~0u : rng() % 30));
    expectAgree({text, needle, "X"}, prog);
  }
}

// Replacement fetches its occurrences in batches: limits around the batch
// sizes, starts in the middle, texts where almost every byte is a hit and
// one with sparse hits, NUL bytes at block edges and in the input string.
TEST_P(Property, ChangeAroundBatches) {
  std::mt19937 rng(3);
  const unsigned limits[] = {0,   1,   2,   127, 128, 129, 255,  256,  257, 511,
                             512, 513, 600, 640, 767, 769, 1000, 1500, ~0u};
  std::vector<std::string> texts;
  for (unsigned n : {64u, 65u, 700u, 3000u})
    for (const std::string& t :
         {std::string(n, 'a'), textOf(rng, n, "aab"), textOf(rng, n, "ab", 64),
          textOf(rng, n, "ab", n - 16), textOf(rng, n, "aaab", 513)})
      texts.push_back(t);
  for (const char* unit :
       {"w ", " ", "the quick brown fox jumps over a dog "}) {
    std::string t;
    while (t.size() < 3000) t += unit;
    texts.push_back(t);
  }
  const Step copy = Step(driver::kCopy).on(1, 0);
  for (const std::string& text : texts) {
    Program prog;
    for (const char* in : {"a", "aa", "ab", "ba", " ", "q"}) {
      for (unsigned limit : limits)
        for (unsigned start : {0u, 2u, 17u, 1001u, unsigned(text.size())})
          prog.then(copy).then(replaceIn1(in,
                                          limit % 2   ? ""
                                          : limit % 3 ? "b"
                                                      : "bc",
                                          start, limit, 3));
      prog.then(copy)
          .then(replaceIn1(in, "xyz", 1, 0, 8))
          .then(replaceIn1(in, "", 2, 9, 9));  // static, copying slot 0
    }
    // The object itself or its own buffer as the input or output string.
    prog.then(copy)
        .then(Step(driver::kChange).on(1, 1))
        .then(copy)
        .then(
            Step(driver::kChange).on(1, 0, 1).form(2).at(2).input(Arg::slot(1)))
        .then(copy)
        .then(Step(driver::kChange).on(1).form(7).count(0).input(Arg::of("a")))
        .then(Step(driver::kChange).on(1, 1, 1).form(5).count(0));
    // An input string with a NUL byte (slots 2 and 3) matches nothing.
    prog.then(Step(driver::kChange).on(0, 2, 3))
        .then(Step(driver::kChange).on(0, 3, 2));
    expectAgree({text, "", std::string("a\0a", 3), std::string("aa\0", 3)},
                prog);
  }
}

// == and != decide texts of one length by memcmp and others with strcmp:
// lengths up to and beyond a vector, differences and NUL bytes at every
// other position, a NUL byte before a difference making texts equal.
TEST_P(Property, EqualityAroundNulBytes) {
  std::string base;
  while (base.size() < 140) base += "abcdefghijklmnopqrstuvwxyz0123456789_";
  for (unsigned len1 :
       {0u,  1u,  2u,  3u,  6u,  7u,  8u,  9u,  15u, 16u,  17u,
        23u, 31u, 32u, 33u, 47u, 63u, 64u, 65u, 66u, 127u, 129u}) {
    const Program prog = Program()
                             .then(Step(driver::kCompare).on(0, 1))
                             .then(Step(driver::kCompare).on(1, 0));
    for (unsigned len2 : {len1, len1 + 1, len1 + 7, len1 / 2})
      for (unsigned diff = 0; diff <= len1 && len2 <= base.size(); diff += 2)
        for (unsigned nul : {0u, diff / 2, diff, diff + 1, 1000u}) {
          std::string a = base.substr(0, len1), b = base.substr(0, len2);
          if (diff < b.size()) b[diff] = '#';
          if (nul < a.size()) a[nul] = '\0';
          if (nul < b.size()) b[nul] = '\0';
          expectAgree({a, b}, prog);
        }
  }
}

// Texts of every length up to 130 (the vectors, their partial loads and
// stores, their last blocks overlapping the one before, the narrower widths
// under each), a NUL byte or a byte from 0x80 on placed by the length:
// searches from every start position for needles around the in-line
// measure (15 to 17 bytes), one-byte replacement with outputs of 0 to 3
// bytes and limits that end inside a block, case conversion, fixed-width
// construction from each text.
TEST_P(Property, EveryLengthAndStart) {
  std::mt19937 rng(5);
  const std::string needles[] = {"",
                                 "a",
                                 "ab",
                                 "ba",
                                 "bab",
                                 "abaabbab",
                                 "abaabbababaabba",
                                 "abaabbababaabbab",
                                 "abaabbababaabbaba"};
  for (unsigned n = 0; n <= 130; ++n) {
    std::string text = textOf(rng, n, n % 3 ? "ab" : "aab");
    if (n % 4 == 1) text[n / 2] = '\0';
    if (n % 4 == 2) text[n / 3] = '\xE9';
    Program prog;
    for (unsigned p = 0; p <= n + 1; p += n <= 66 ? 1 : 5) {
      const std::string& needle = needles[p % 9];
      prog.then(searchFor(Arg::of(needle), p, "ab\0"[p % 3]))
          .then(Step(driver::kCopy).on(1, 0))
          .then(replaceIn1("a", std::string("xyz").substr(0, p % 4).c_str(), p,
                           p % 5 ? p % 5 : ~0u, p % 7 ? 3 : 9))
          .then(Step(driver::kStrip).on(1, 2).form(10 + p % 4))
          .then(Step(driver::kFixed)
                    .on(3)
                    .variant(1)
                    .count(p)
                    .input(Arg::slot(0)));
    }
    expectAgree({text}, prog);
  }
}

// Stripping, case, positions, words and radix conversions on texts of every
// edge length: blanks around a mixed middle (long runs of white space for
// the vector paths) and texts of digits, with and without NUL bytes.
TEST_P(Property, OtherFamiliesAgreeWithTheModel) {
  std::mt19937 rng(4);
  std::string all;
  for (int i = 0; i < 256; ++i) all += char(i);
  const std::string blanks(" \t\n\v\f\r", 6);
  for (unsigned n : edgeLengths())
    for (const std::string& middle :
         {std::string("aB\xC9 \xE9z"), std::string("xy \n\t\v\f\r"),
          std::string("x \xA0\x1C"), std::string("01"), std::string("0f"),
          std::string("0123456789abcdefABCDEF"), all})
      for (unsigned nul : {~0u, 15u, n - 1}) {
        const bool digits = middle[0] == '0' || middle.size() == 256;
        std::string text = digits ? textOf(rng, n, middle, nul)
                                  : textOf(rng, n, blanks) + "a" +
                                        textOf(rng, n, middle) +
                                        textOf(rng, n, blanks);
        if (!digits && nul < text.size())
          text[nul] = text[text.size() - 1 - nul] = '\0';
        Program prog;
        for (int form = 0; form < (digits ? 24 : 14); ++form)
          for (int v = 0; v < (digits ? 1 : 3); ++v)
            prog.then(Step(driver::kCopy).on(1, 0))
                .then(Step(digits ? driver::kRadix : driver::kStrip)
                          .on(1, 2)
                          .form(form)
                          .count(1)
                          .output(Arg::of(v ? v > 1 ? " a" : "\xE9z \t" : ""))
                          .ch("\0 a"[v]));
        const unsigned words = Str::of(text).numWords();
        for (unsigned w : {0u, 1u, 2u, words / 2, words, words + 1, ~0u})
          prog.then(Step(driver::kWords).at(w).count(w % 3 ? 1 : ~0u));
        for (unsigned p : {0u, 1u, 16u, n - 1, n, n + 1}) {
          for (int kind = 0; kind < 4; ++kind)
            prog.then(Step(driver::kCopy).on(1, 0))
                .then(Step(driver::kSubString)
                          .on(1, 2)
                          .variant(kind)
                          .at(p)
                          .count(17))
                .then(Step(driver::kJustify)
                          .on(1, 0, 3)
                          .variant(kind)
                          .at(p + 3)
                          .count(0));
          prog.then(Step(driver::kConstIndex).at(p))
              .then(Step(driver::kDigits))
              .then(Step(driver::kIndex).on(1).variant(1).at(p + 2).count(0));
        }
        expectAgree({text}, prog);
      }
}

// Every byte value through the conversions that read bytes and through case
// folding: a path that depended on byte order or on the signedness of char
// gives other answers for the bytes above 0x7F.
TEST_P(Property, AllBytesThroughRadixAndCase) {
  std::string all;
  for (int i = 1; i < 256; ++i) all += char(i);
  for (unsigned b = 0; b <= 256; ++b) {  // each byte, then all at once
    const std::string one = b < 256 ? std::string(1, char(b)) : all;
    const std::string hex = Str::of(one).c2x().s;
    Program prog;  // slot 2 takes each input in turn
    for (int form = 0; form < 24; ++form)
      for (int input : {0, 1, 3})
        prog.then(Step(driver::kCopy).on(2, input))
            .then(Step(driver::kRadix).on(2, 2).form(form));
    for (int form = 10; form < 14; ++form)
      prog.then(Step(driver::kCopy).on(2, 0))
          .then(Step(driver::kStrip).on(2, 2).form(form));
    expectAgree({one + "\x01\x80" + one, std::to_string(b * 16843009u), "",
                 hex + "7f" + hex},
                prog);
  }
}

TEST_P(Property, AllBytesThroughTheCFunctions) {
  for (int a = 1; a < 256; ++a) {
    const std::string one(1, char(a));
    std::string upper = one, lower = one;
    ASSERT_EQ(strupr(&upper[0]), model::c::strupr(one)) << a;
    ASSERT_EQ(strlwr(&lower[0]), model::c::strlwr(one)) << a;
    for (int b = 0; b < 256; ++b) {
      const char x[3] = {char(a), 'q', 0}, y[3] = {char(b), 'q', 0};
      ASSERT_EQ(model::c::sign(strcmpi(x, y)), model::c::strcmpi(x, y)) << b;
      ASSERT_EQ(strnicmp(x, y, 3), model::c::strnicmp(x, y, 3)) << a << b;
      ASSERT_EQ(model::c::sign(memicmp(x, y, 2)), model::c::memicmp(x, y, 2));
    }
  }
}

}  // namespace
