// numWords and word(n) for the last word, over texts of 4 KiB and 1 MiB.
#include <benchmark/benchmark.h>
#include <istring.hpp>

#include <random>
#include <string>

namespace {

// Words of 1 to 10 lower-case letters, each followed by a space, TAB or LF.
IString wordText(std::size_t size) {
  std::mt19937 rng(42);
  std::string t;
  while (t.size() < size) {
    t.append(1 + rng() % 10, static_cast<char>('a' + rng() % 26));
    t += " \t\n"[rng() % 3];
  }
  t.resize(size);
  return IString(t.c_str());
}

void BM_NumWords(benchmark::State& state) {
  const IString text = wordText(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(text.numWords());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_WordLast(benchmark::State& state) {
  const IString text = wordText(state.range(0));
  const unsigned last = text.numWords();
  for (auto _ : state) {
    IString w = text.word(last);
    benchmark::DoNotOptimize(static_cast<char*>(w));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// One word the length of the whole text.
void BM_NumWordsAllA(benchmark::State& state) {
  const IString text(nullptr, static_cast<unsigned>(state.range(0)), 'a');
  for (auto _ : state) benchmark::DoNotOptimize(text.numWords());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_NumWords)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_WordLast)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_NumWordsAllA)->Arg(4 << 10)->Arg(1 << 20);
