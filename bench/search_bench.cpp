// Substring search over 1 MiB texts: needles that make a naive scan
// quadratic, forward and backward, and prose against the C library's strstr.
#include <benchmark/benchmark.h>
#include <istring.hpp>

#include <cstring>
#include <random>
#include <string>

namespace {

constexpr std::size_t kTextLength = std::size_t{1} << 20;

enum Needle { kAsB, kBAs, kAsBAs, kPeriodicC, kAllA };
const char* const kNeedleNames[] = {"a..ab", "ba..a", "a..ab..a", "abab..ac",
                                    "a..a"};

std::string makeNeedle(Needle kind, std::size_t m) {
  switch (kind) {
    case kAsB:
      return std::string(m - 1, 'a') + 'b';
    case kBAs:
      return 'b' + std::string(m - 1, 'a');
    case kAsBAs:
      return std::string((m - 1) / 2, 'a') + 'b' +
             std::string(m - 1 - (m - 1) / 2, 'a');
    case kPeriodicC: {
      std::string s;
      while (s.size() + 2 < m) s += "ab";
      return s + "ac";
    }
    case kAllA:
      break;
  }
  return std::string(m, 'a');
}

IString makeText(Needle kind) {
  if (kind != kPeriodicC) return IString(std::string(kTextLength, 'a').c_str());
  std::string s;
  while (s.size() < kTextLength) s += "ab";
  return IString(s.c_str());
}

void searchBench(benchmark::State& state, bool backward) {
  const Needle kind = static_cast<Needle>(state.range(0));
  const IString text = makeText(kind);
  const std::string needle = makeNeedle(kind, state.range(1));
  for (auto _ : state) {
    benchmark::DoNotOptimize(backward ? text.lastIndexOf(needle.c_str())
                                      : text.indexOf(needle.c_str()));
  }
  state.SetBytesProcessed(state.iterations() * kTextLength);
  state.SetLabel(kNeedleNames[kind]);
}

void BM_IndexOfPathological(benchmark::State& state) {
  searchBench(state, false);
}
void BM_LastIndexOfPathological(benchmark::State& state) {
  searchBench(state, true);
}

BENCHMARK(BM_IndexOfPathological)
    ->ArgNames({"needle", "m"})
    ->ArgsProduct({{kAsB, kBAs, kAsBAs, kPeriodicC}, {32, 128, 1024}});
BENCHMARK(BM_LastIndexOfPathological)
    ->ArgNames({"needle", "m"})
    ->ArgsProduct({{kAsB, kBAs, kAsBAs, kPeriodicC}, {32, 128, 1024}})
    ->Args({kAllA, 1024});

// Prose made of common words, searched for a phrase that is not in it.
const std::string& prose() {
  static const std::string text = [] {
    static const char* const words[] = {
        "the",   "of",    "and",   "to",     "in",     "that",   "it",
        "was",   "for",   "on",    "are",    "with",   "they",   "be",
        "at",    "one",   "have",  "this",   "from",   "by",     "word",
        "but",   "what",  "some",  "other",  "were",   "which",  "their",
        "time",  "there", "about", "many",   "would",  "these",  "people",
        "water", "first", "could", "number", "called", "little", "between"};
    std::mt19937 rng(7);
    std::string s;
    while (s.size() < kTextLength) {
      s += words[rng() % (sizeof words / sizeof words[0])];
      s += rng() % 12 == 0 ? ".\n" : " ";
    }
    s.resize(kTextLength);
    return s;
  }();
  return text;
}

const char* const kPhrase = "the people between their water";

void BM_IndexOfProse(benchmark::State& state) {
  const IString text(prose().c_str());
  for (auto _ : state) benchmark::DoNotOptimize(text.indexOf(kPhrase));
  state.SetBytesProcessed(state.iterations() * kTextLength);
}
void BM_LastIndexOfProse(benchmark::State& state) {
  const IString text(prose().c_str());
  for (auto _ : state) benchmark::DoNotOptimize(text.lastIndexOf(kPhrase));
  state.SetBytesProcessed(state.iterations() * kTextLength);
}
void BM_StrstrProse(benchmark::State& state) {
  const std::string& text = prose();
  for (auto _ : state)
    benchmark::DoNotOptimize(std::strstr(text.c_str(), kPhrase));
  state.SetBytesProcessed(state.iterations() * kTextLength);
}
BENCHMARK(BM_IndexOfProse);
BENCHMARK(BM_LastIndexOfProse);
BENCHMARK(BM_StrstrProse);

}  // namespace
