// replace_work_test.cpp: replacement does work linear in its text. The
// kernels count, through their probes, the bytes examined for the text's
// end and the alignments the search passes; on dense input (every byte or
// every other byte a hit) both must stay within a constant times the text,
// however many batches of hits the call fetches. Looking for the end again
// for every batch, say, examines about n * n / 512 bytes instead.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <string>

#include "istring_model.hpp"
#include "kernelprobe.hpp"
#include "replace.hpp"

namespace morvek {
namespace internal {
namespace probe {
std::size_t end_bytes = 0;
std::size_t end_searches = 0;
std::size_t search_alignments = 0;
}  // namespace probe
}  // namespace internal
}  // namespace morvek

namespace {

using morvek::internal::ChangedText;
using morvek::internal::changedText;
namespace probe = morvek::internal::probe;

struct Work {
  std::string result;
  std::size_t end_bytes;
  std::size_t end_searches;
  std::size_t search_alignments;
};

// Replaces as `request` says in `text` (which gets its terminator) and
// returns the result with the work counted.
Work replace(const std::string& text, const char* input, const char* output,
             unsigned start, unsigned limit) {
  probe::end_bytes = probe::end_searches = probe::search_alignments = 0;
  const ChangedText changed =
      changedText(text.c_str(), static_cast<unsigned>(text.size()),
                  {input, static_cast<unsigned>(std::strlen(input)), output,
                   static_cast<unsigned>(std::strlen(output)), start, limit});
  const std::unique_ptr<char[]> owner(changed.data);
  Work work{changed.data ? std::string(changed.data, changed.length) : text,
            probe::end_bytes, probe::end_searches, probe::search_alignments};
  if (changed.data) {
    EXPECT_EQ(changed.data[changed.length], '\0');
  }
  return work;
}

// The model's result: `limit` occurrences from `start` replaced.
std::string expected(const std::string& text, const char* input,
                     const char* output, unsigned start, unsigned limit) {
  return model::Str::of(text).change(input, output, start, limit).s;
}

struct Dense {
  std::string unit;  // repeated to 64 KiB
  const char* input;
  const char* output;
};

void PrintTo(const Dense& d, std::ostream* os) {
  *os << "'" << d.unit << "' with '" << d.input << "' -> '" << d.output << "'";
}

class ReplaceWork : public ::testing::TestWithParam<Dense> {};

TEST_P(ReplaceWork, LinearInTheText) {
  const Dense& d = GetParam();
  std::string text;
  while (text.size() < 65536) text += d.unit;
  const std::size_t n = text.size();
  const unsigned all = 0xFFFFFFFFu;
  const unsigned half = static_cast<unsigned>(n / 2);
  for (unsigned start : {1u, half}) {
    for (unsigned limit : {all, half / 2, 300u}) {
      SCOPED_TRACE("'" + std::string(d.input) + "' -> '" + d.output +
                   "' from " + std::to_string(start) + " limit " +
                   std::to_string(limit));
      const Work work = replace(text, d.input, d.output, start, limit);
      EXPECT_TRUE(work.result ==
                  expected(text, d.input, d.output, start, limit));
      // The end is looked for once, over the searched bytes.
      EXPECT_EQ(work.end_searches, 1u);
      EXPECT_LE(work.end_bytes, n);
      // Two passes over the text, each block of the filter once, plus one
      // block per batch of hits.
      EXPECT_LE(work.search_alignments, 3 * n + 1024);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    DenseInputs, ReplaceWork,
    ::testing::Values(Dense{"a", "a", "b"}, Dense{"a", "a", "bc"},
                      Dense{"a", "a", ""}, Dense{"w ", " ", ""},
                      Dense{" ", " ", "  "}, Dense{"ab", "ab", "X"},
                      Dense{"a", "aa", "b"}));

// A NUL byte ends the searched text: the end is found there, once.
TEST(ReplaceWorkEnd, StopsAtTheFirstNul) {
  std::string text(65536, 'a');
  text[40000] = '\0';
  const Work work = replace(text, "a", "b", 1, 0xFFFFFFFFu);
  EXPECT_EQ(work.end_searches, 1u);
  EXPECT_EQ(work.end_bytes, 40001u);
  EXPECT_EQ(work.result, std::string(40000, 'b') + text.substr(40000));
}

}  // namespace
