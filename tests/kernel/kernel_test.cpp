// kernel_test.cpp: the replacement and search kernels, with their work
// counted and their settings changed through the test hooks (testhooks.hpp).
// Replacement does work linear in its text: the kernels count the bytes
// examined for the text's end and the alignments the search passes; on dense
// input (every byte or every other byte a hit) both stay within a constant
// times the text, however many batches of hits a call fetches. Looking for
// the end again for every batch, say, examines about n * n / 512 bytes
// instead. And a search that hands over to its fallbacks finds what it would
// have found without them, wherever the hand-over falls.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "fastfind.hpp"
#include "istring_model.hpp"
#include "replace.hpp"
#include "testhooks.hpp"
#include "textsize.hpp"
#include "vectorkernels.hpp"

namespace {

using morvek::internal::activeKernels;
using morvek::internal::ChangeRequest;
using morvek::internal::nameOf;
using morvek::internal::ScopedSearchAllowancesForTesting;
using morvek::internal::ScopedVectorWidthForTesting;
using morvek::internal::ScopedWorkCountForTesting;
using morvek::internal::searchAllowances;
using morvek::internal::SubstringFinder;
using morvek::internal::VectorWidth;

// Replaces in `text` as the model does, counting the work.
// Returns the work counted.
morvek::internal::WorkCounts expectLinear(const std::string& text,
                                          const char* in, const char* out,
                                          unsigned start, unsigned limit) {
  SCOPED_TRACE(std::string(in) + " -> " + out + " from " +
               std::to_string(start) + " limit " + std::to_string(limit));
  const ScopedWorkCountForTesting work;
  const auto changed = morvek::internal::changedText(
      text.c_str(), unsigned(text.size()),
      ChangeRequest({in, unsigned(std::strlen(in))},
                    {out, unsigned(std::strlen(out))})
          .from(start)
          .atMost(limit));
  const std::unique_ptr<char[]> owner(changed.data);
  const std::string want = model::Str::of(text).change(in, out, start, limit).s;
  EXPECT_TRUE(changed.data
                  ? std::string(changed.data, changed.length + 1) == want + '\0'
                  : text == want);
  EXPECT_EQ(work.counts().end_searches, 1u);  // the end is looked for once
  EXPECT_LE(work.counts().end_bytes, text.size());
  // Two passes, each block of the filter once, plus one block per batch.
  EXPECT_LE(work.counts().search_alignments, 3 * text.size() + 1024);
  return work.counts();
}

TEST(ReplaceWork, LinearInTheText) {
  const char* dense[][3] = {
      {"a", "a", "b"},  {"a", "a", "bc"},  {"a", "a", ""},  {"w ", " ", ""},
      {" ", " ", "  "}, {"ab", "ab", "X"}, {"a", "aa", "b"}};
  for (const auto& d : dense) {
    std::string text;
    while (text.size() < 65536) text += d[0];
    const unsigned half = unsigned(text.size() / 2);
    for (unsigned start : {1u, half})
      for (unsigned limit : {~0u, half / 2, 300u})
        expectLinear(text, d[1], d[2], start, limit);
  }
}

// In ordinary text up to one batch of hits is searched for once (the
// building pass takes them from the counting pass), and failing candidates
// are compared once each: the search never runs over its comparison budget.
TEST(ReplaceWork, OnePassInOrdinaryText) {
  std::string text;
  while (text.size() < 65536)
    text += text.size() % 300 < 34 ? "the brown fox jumps over the dig; "
                                   : "the brown fox jumps over the dog; ";
  for (unsigned limit : {~0u, 200u, 1u}) {
    const auto work = expectLinear(text, "over the dig", "O", 1, limit);
    EXPECT_LE(work.search_alignments, text.size() + 64);
    EXPECT_EQ(work.hand_overs, 0u);
  }
  const ScopedWorkCountForTesting work;
  const SubstringFinder finder("brown fax", 9);
  EXPECT_EQ(finder.find(text.data(), text.size()), nullptr);
  EXPECT_EQ(finder.findLast(text.data(), text.size()), nullptr);
  EXPECT_EQ(work.counts().hand_overs, 0u);
}

// A NUL byte ends the searched text: the end is found there, once.
TEST(ReplaceWork, StopsAtTheFirstNul) {
  std::string text(65536, 'a');
  text[40000] = '\0';
  EXPECT_EQ(expectLinear(text, "a", "b", 1, ~0u).end_bytes, 40001u);
}

// Every starting allowance from none up: the filter hands over to the
// two-way matcher, and the single-byte scan to the pair of bytes, at each
// candidate in turn; first, last and all occurrences stay those of a plain
// search. Texts of needle fragments over a few letters (one of them rare,
// so that the single-byte scan runs) long enough for every vector width.
TEST(SearchHandOver, FindsTheSameWhereverItFalls) {
  std::mt19937 rng(9);
  for (int round = 0; round < 40; ++round) {
    std::string needle, text;
    for (unsigned m = 2 + rng() % 10; needle.size() < m;)
      needle += "aabq"[rng() % (round % 2 ? 3 : 4)];
    while (text.size() < 70 + rng() % 400)
      text += needle.substr(rng() % needle.size(), 1 + rng() % 4);
    if (round % 4 < 2)  // occurrences back to back at an end
      text = round % 4 ? needle + needle + text : text + needle + needle;
    const std::string_view t(text);
    const SubstringFinder finder(needle.data(), needle.size());
    for (std::size_t crowd : {0, 600, 4096})
      for (std::size_t budget = 0; budget < 160; budget += 1 + budget / 16) {
        SCOPED_TRACE(needle + " in " + text + " budget " +
                     std::to_string(budget) + " crowd " +
                     std::to_string(crowd));
        const ScopedSearchAllowancesForTesting allowances({budget, crowd});
        const char* first = finder.find(text.data(), text.size());
        const char* last = finder.findLast(text.data(), text.size());
        ASSERT_EQ(first ? first - text.data() : -1, long(t.find(needle)));
        ASSERT_EQ(last ? last - text.data() : -1, long(t.rfind(needle)));
        expectLinear(text, needle.c_str(), "<>", 1 + budget % 3, ~0u);
      }
  }
}

// Changes every setting, then fails.
void failWithEverySettingChanged() {
  const ScopedSearchAllowancesForTesting allowances({1, 2});
  const ScopedVectorWidthForTesting width(VectorWidth::kSwar);
  const ScopedWorkCountForTesting work;
  ASSERT_EQ(searchAllowances().compare, 0u) << "failing on purpose";
}

// The in-line NUL search of a caller's text by aligned vectors: at every
// offset from the vector boundary, for every length up to 64 and every place
// of the NUL byte, NUL bytes before the text and after `length` bytes count
// for nothing.
TEST(TextEnd, AlignedAtEveryOffsetAndLength) {
  alignas(64) char buffer[192];
  for (std::size_t skew = 0; skew < 16; ++skew) {
    char* const text = buffer + 64 + skew;
    for (std::size_t length = 0; length <= 64; ++length) {
      for (std::size_t nul = 0; nul <= length + 8; ++nul) {
        std::memset(buffer, '\0', sizeof buffer);
        std::memset(text, 'x', nul);
        const std::size_t want = nul < length ? nul : length;
        ASSERT_EQ(morvek::internal::alignedTextEnd(text, length), want)
            << "skew " << skew << ", length " << length << ", NUL at " << nul;
      }
    }
  }
}

// Counting a byte reads only the bytes it is given, at every width, with and
// without a limit: the bytes just past them are hits too.
TEST(CountByte, ReadsOnlyItsLengthAtEveryWidth) {
  for (const VectorWidth width : morvek::internal::availableWidths()) {
    const ScopedVectorWidthForTesting use{width};
    for (const bool before_nul : {false, true}) {
      for (std::size_t length = 0; length <= 70; ++length) {
        std::string text(length + 8, 'a');
        for (std::size_t k = 0; k < length; k += 3) text[k] = 'b';
        for (const std::size_t limit :
             {std::size_t{1}, std::size_t{5}, ~std::size_t{0}}) {
          std::size_t count = 0, end = length;
          for (std::size_t k = 0; k < length && count < limit; ++k)
            if (text[k] == 'a' && ++count == limit) end = k + 1;
          const auto got = activeKernels().count_byte(
              text.data(), length,
              morvek::internal::ByteSearch{limit, 'a', before_nul});
          ASSERT_EQ(got.count, count)
              << nameOf(width) << ", length " << length << ", limit " << limit;
          ASSERT_EQ(static_cast<std::size_t>(got.end - text.data()), end)
              << nameOf(width) << ", length " << length << ", limit " << limit;
        }
      }
    }
  }
}

// A failed assertion ends a test early; its guards still restore every
// setting, so the next test runs with the library's own.
TEST(TestHooks, RestoredAfterAFailedAssertion) {
  const VectorWidth chosen = activeKernels().width;
  EXPECT_FATAL_FAILURE(failWithEverySettingChanged(), "failing on purpose");
  EXPECT_EQ(searchAllowances().compare,
            morvek::internal::kLibrarySearchAllowances.compare);
  EXPECT_EQ(searchAllowances().crowd,
            morvek::internal::kLibrarySearchAllowances.crowd);
  EXPECT_STREQ(nameOf(activeKernels().width), nameOf(chosen));
  EXPECT_FALSE(morvek::internal::hooks::counting.load());
}

}  // namespace
