// replace_bench.cpp: replacing every occurrence of a word in English text,
// dense ("the" by "that") and sparse ("government" by "administration").
// Every peer builds a new string from a text it does not change, and so do
// IString's static change and its translate (which builds a new buffer and
// drops the old one). translate works in place, so its benchmark replaces
// the words and then replaces them back: two replacements per iteration,
// twice the bytes counted, and no copy of the text in the time.

#include <string>

#include "bench_text.hpp"
#include "istring.hpp"

#ifdef MORVEK_BENCH_HAVE_ABSL
#include "absl/strings/str_replace.h"
#endif
#ifdef MORVEK_BENCH_HAVE_BOOST
#include <boost/algorithm/string/replace.hpp>
#endif

namespace {

using morvek_bench::countBytes;
using morvek_bench::englishText;
using morvek_bench::sizeOf;

struct Words {
  const char* from;
  const char* to;
};
constexpr Words kDense{"the", "that"};
constexpr Words kSparse{"government", "administration"};

template <typename Replace>
void replaceAll(benchmark::State& state, Replace replace) {
  const std::string& text = englishText(sizeOf(state));
  for (auto _ : state) replace(text);
  countBytes(state, text.size());
}

template <const Words& kWords>
void BM_ChangeIString(benchmark::State& state) {
  const IString original(englishText(sizeOf(state)).c_str());
  const IString from(kWords.from), to(kWords.to);
  replaceAll(state, [&](const std::string&) {
    IString r = IString::change(original, from, to);
    benchmark::DoNotOptimize(static_cast<char*>(r));
  });
}

template <const Words& kWords>
void BM_TranslateIString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  IString s(text.c_str());
  for (auto _ : state) {
    s.translate(kWords.from, kWords.to);
    s.translate(kWords.to, kWords.from);
    benchmark::DoNotOptimize(static_cast<char*>(s));
  }
  countBytes(state, 2 * text.size());
}

// The loop a caller writes by hand: find, append the run and the
// replacement.
template <const Words& kWords>
void BM_ReplaceFindLoop(benchmark::State& state) {
  const std::string from = kWords.from, to = kWords.to;
  replaceAll(state, [&](const std::string& text) {
    std::string r;
    std::size_t at = 0;
    for (std::size_t hit; (hit = text.find(from, at)) != std::string::npos;
         at = hit + from.size()) {
      r.append(text, at, hit - at);
      r += to;
    }
    r.append(text, at, std::string::npos);
    benchmark::DoNotOptimize(r.data());
  });
}

#ifdef MORVEK_BENCH_HAVE_ABSL
template <const Words& kWords>
void BM_ReplaceAbsl(benchmark::State& state) {
  replaceAll(state, [](const std::string& text) {
    std::string r = absl::StrReplaceAll(text, {{kWords.from, kWords.to}});
    benchmark::DoNotOptimize(r.data());
  });
}
#endif

#ifdef MORVEK_BENCH_HAVE_BOOST
template <const Words& kWords>
void BM_ReplaceBoost(benchmark::State& state) {
  replaceAll(state, [](const std::string& text) {
    std::string r =
        boost::algorithm::replace_all_copy(text, kWords.from, kWords.to);
    benchmark::DoNotOptimize(r.data());
  });
}
#endif

#define MORVEK_REPLACE_PEERS(op, words)                                  \
  MORVEK_BENCH(BM_ReplaceFindLoop<words>, op, "std::string::find-loop"); \
  MORVEK_REPLACE_ABSL(op, words) MORVEK_REPLACE_BOOST(op, words)

#ifdef MORVEK_BENCH_HAVE_ABSL
#define MORVEK_REPLACE_ABSL(op, words) \
  MORVEK_BENCH(BM_ReplaceAbsl<words>, op, "absl::StrReplaceAll");
#else
#define MORVEK_REPLACE_ABSL(op, words)
#endif
#ifdef MORVEK_BENCH_HAVE_BOOST
#define MORVEK_REPLACE_BOOST(op, words) \
  MORVEK_BENCH(BM_ReplaceBoost<words>, op, "boost::replace_all_copy");
#else
#define MORVEK_REPLACE_BOOST(op, words)
#endif

MORVEK_BENCH(BM_ChangeIString<kDense>, "ChangeDense", "IString");
MORVEK_REPLACE_PEERS("ChangeDense", kDense)
MORVEK_BENCH(BM_ChangeIString<kSparse>, "ChangeSparse", "IString");
MORVEK_REPLACE_PEERS("ChangeSparse", kSparse)
MORVEK_BENCH(BM_TranslateIString<kDense>, "TranslateDense", "IString");
MORVEK_REPLACE_PEERS("TranslateDense", kDense)
MORVEK_BENCH(BM_TranslateIString<kSparse>, "TranslateSparse", "IString");
MORVEK_REPLACE_PEERS("TranslateSparse", kSparse)

// A text of 'a' in which a^100 b never occurs but every position starts a
// long partial match: the time is the search alone, and must stay linear.
void BM_PathChangeIString(benchmark::State& state) {
  const std::string text(sizeOf(state), 'a');
  const std::string from = std::string(100, 'a') + "b";
  IString s(text.c_str());
  for (auto _ : state)
    benchmark::DoNotOptimize(static_cast<char*>(s.change(from.c_str(), "x")));
  countBytes(state, text.size());
}
BENCHMARK(BM_PathChangeIString)
    ->Name("BM_PathChange:a^100b/IString")
    ->Arg(1 << 20);

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_PathChangeAbsl(benchmark::State& state) {
  const std::string text(sizeOf(state), 'a');
  const std::string from = std::string(100, 'a') + "b";
  for (auto _ : state) {
    std::string r = absl::StrReplaceAll(text, {{from, "x"}});
    benchmark::DoNotOptimize(r.data());
  }
  countBytes(state, text.size());
}
BENCHMARK(BM_PathChangeAbsl)
    ->Name("BM_PathChange:a^100b/absl::StrReplaceAll")
    ->Arg(1 << 20);
#endif

}  // namespace
