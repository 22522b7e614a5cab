// words_bench.cpp: counting the words of English text and taking the last
// one. Peers split on the same six delimiters (space, LF, CR, TAB, VT, FF).

#include <cstring>
#include <string>
#include <vector>

#include "bench_text.hpp"
#include "istring.hpp"

#ifdef MORVEK_BENCH_HAVE_ABSL
#include "absl/strings/str_split.h"
#include "absl/strings/string_view.h"
#endif
#ifdef MORVEK_BENCH_HAVE_BOOST
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#endif

namespace {

using morvek_bench::countBytes;
using morvek_bench::englishText;
using morvek_bench::sizeOf;

const char kDelimiters[] = " \n\r\t\v\f";

const std::string& textOf(const benchmark::State& state) {
  return englishText(sizeOf(state));
}

// --- numWords ---------------------------------------------------------------

void BM_NumWordsIString(benchmark::State& state) {
  const IString s(textOf(state).c_str());
  for (auto _ : state) benchmark::DoNotOptimize(s.numWords());
  countBytes(state, s.length());
}
MORVEK_BENCH(BM_NumWordsIString, "NumWords", "IString");

// strtok changes the text it splits: each pass works on a fresh copy.
void BM_NumWordsStrtok(benchmark::State& state) {
  const std::string& text = textOf(state);
  for (auto _ : state) {
    std::string copy = text;
    unsigned count = 0;
    for (char* w = std::strtok(&copy[0], kDelimiters); w != nullptr;
         w = std::strtok(nullptr, kDelimiters))
      ++count;
    benchmark::DoNotOptimize(count);
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_NumWordsStrtok, "NumWords", "strtok");

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_NumWordsAbsl(benchmark::State& state) {
  const std::string& text = textOf(state);
  for (auto _ : state) {
    unsigned count = 0;
    for (absl::string_view w : absl::StrSplit(
             text, absl::ByAnyChar(kDelimiters), absl::SkipEmpty())) {
      benchmark::DoNotOptimize(w);
      ++count;
    }
    benchmark::DoNotOptimize(count);
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_NumWordsAbsl, "NumWords", "absl::StrSplit");
#endif

#ifdef MORVEK_BENCH_HAVE_BOOST
void BM_NumWordsBoost(benchmark::State& state) {
  const std::string& text = textOf(state);
  std::vector<std::string> words;
  for (auto _ : state) {
    boost::algorithm::split(words, text,
                            boost::algorithm::is_any_of(kDelimiters),
                            boost::algorithm::token_compress_on);
    benchmark::DoNotOptimize(words.size());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_NumWordsBoost, "NumWords", "boost::split");
#endif

// --- word(n) for the last word ----------------------------------------------

void BM_LastWordIString(benchmark::State& state) {
  const IString s(textOf(state).c_str());
  const unsigned last = s.numWords();
  for (auto _ : state) {
    IString w = s.word(last);
    benchmark::DoNotOptimize(static_cast<char*>(w));
  }
  countBytes(state, s.length());
}
MORVEK_BENCH(BM_LastWordIString, "LastWord", "IString");

void BM_LastWordStrtok(benchmark::State& state) {
  const std::string& text = textOf(state);
  for (auto _ : state) {
    std::string copy = text;
    const char* last = nullptr;
    for (char* w = std::strtok(&copy[0], kDelimiters); w != nullptr;
         w = std::strtok(nullptr, kDelimiters))
      last = w;
    std::string word = last ? last : "";
    benchmark::DoNotOptimize(word.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_LastWordStrtok, "LastWord", "strtok");

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_LastWordAbsl(benchmark::State& state) {
  const std::string& text = textOf(state);
  for (auto _ : state) {
    absl::string_view last;
    for (absl::string_view w :
         absl::StrSplit(text, absl::ByAnyChar(kDelimiters), absl::SkipEmpty()))
      last = w;
    std::string word(last);
    benchmark::DoNotOptimize(word.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_LastWordAbsl, "LastWord", "absl::StrSplit");
#endif

#ifdef MORVEK_BENCH_HAVE_BOOST
void BM_LastWordBoost(benchmark::State& state) {
  const std::string& text = textOf(state);
  std::vector<std::string> words;
  for (auto _ : state) {
    boost::algorithm::split(words, text,
                            boost::algorithm::is_any_of(kDelimiters),
                            boost::algorithm::token_compress_on);
    std::string word = words.empty() ? std::string() : words.back();
    benchmark::DoNotOptimize(word.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_LastWordBoost, "LastWord", "boost::split");
#endif

}  // namespace
