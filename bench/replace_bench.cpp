// change and translate over texts of 4 KiB and 1 MiB. Each iteration that
// replaces something works on a fresh copy of the text (the copy is part of
// the time; BM_CopyOnly measures it alone).
#include <benchmark/benchmark.h>
#include <istring.hpp>

#include <random>
#include <string>

namespace {

// "abc " repeated: one occurrence of "abc" every 4 characters.
IString denseText(std::size_t size) {
  std::string t;
  while (t.size() < size) t += "abc ";
  t.resize(size);
  return IString(t.c_str());
}

// Lower-case letters and spaces with "needle" once in every 1 KiB.
IString sparseText(std::size_t size) {
  std::mt19937 rng(42);
  std::string t(size, ' ');
  for (char& c : t) c = "abcdefghijklmnopqrstuvwxyz "[rng() % 27];
  for (std::size_t at = 512; at + 6 <= size; at += 1024)
    t.replace(at, 6, "needle");
  return IString(t.c_str());
}

// Only 'a': the input string a^100 b is never found, but every position
// starts a long partial match.
IString allA(std::size_t size) {
  return IString(nullptr, static_cast<unsigned>(size), 'a');
}

const std::string kA100B = std::string(100, 'a') + "b";

void BM_CopyOnly(benchmark::State& state) {
  const IString text = denseText(state.range(0));
  for (auto _ : state) {
    IString s(text);
    benchmark::DoNotOptimize(static_cast<char*>(s));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ChangeDense(benchmark::State& state) {
  const IString text = denseText(state.range(0));
  for (auto _ : state) {
    IString s(text);
    benchmark::DoNotOptimize(static_cast<char*>(s.change("abc", "wxyz")));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ChangeSparse(benchmark::State& state) {
  const IString text = sparseText(state.range(0));
  for (auto _ : state) {
    IString s(text);
    benchmark::DoNotOptimize(static_cast<char*>(s.change("needle", "pin")));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_TranslateDense(benchmark::State& state) {
  const IString text = denseText(state.range(0));
  for (auto _ : state) {
    IString s(text);
    benchmark::DoNotOptimize(static_cast<char*>(s.translate("c ", "")));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_TranslateSparse(benchmark::State& state) {
  const IString text = sparseText(state.range(0));
  for (auto _ : state) {
    IString s(text);
    benchmark::DoNotOptimize(static_cast<char*>(s.translate("needle", "N")));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Nothing is found, so the text is not copied: the time is the search alone.
void BM_ChangeA100BInA(benchmark::State& state) {
  IString s = allA(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(static_cast<char*>(s.change(kA100B.c_str(), "x")));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_TranslateA100BInA(benchmark::State& state) {
  IString s = allA(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(
        static_cast<char*>(s.translate(kA100B.c_str(), "x")));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_CopyOnly)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_ChangeDense)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_ChangeSparse)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_TranslateDense)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_TranslateSparse)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_ChangeA100BInA)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_TranslateA100BInA)->Arg(4 << 10)->Arg(1 << 20);
