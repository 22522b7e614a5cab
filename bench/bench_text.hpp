// bench_text.hpp: inputs shared by the benchmark families.
//
// Every benchmark is named "BM_<Operation>/<Implementation>/<bytes>" so that
// bench/report.py can set IString beside its peers: register it with
// MORVEK_BENCH(function, "Operation", "Implementation") and it runs on the
// three text sizes. Every benchmark reports bytes per second.
#ifndef MORVEK_BENCH_TEXT_HPP_
#define MORVEK_BENCH_TEXT_HPP_

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace morvek_bench {

// The text sizes of the suite: 64 B, 4 KiB and 1 MiB.
void textSizes(benchmark::internal::Benchmark* b);

// English-like text of exactly `size` bytes: words of a fixed vocabulary
// drawn with Zipf-like frequencies from a fixed seed, separated by single
// spaces with an occasional comma, full stop or line feed. "the" is common
// (about one word in sixteen) and "government" rare (about one in 600).
// The same size always gives the same text.
const std::string& englishText(std::size_t size);

// englishText(size) with `needle` written over it so that it ends 8 bytes
// before the end (first form) or starts 8 bytes after the start (second
// form). rareNeedle() occurs nowhere else in the generated text.
std::string textWithNeedleNearEnd(std::size_t size, const std::string& needle);
std::string textWithNeedleNearStart(std::size_t size,
                                    const std::string& needle);

// A needle that the generator never produces (letters it never writes
// together).
const char* rareNeedle();

// Pathological search inputs of `size` bytes: a run of 'a', and the
// periodic text "abab...".
std::string repeated(char c, std::size_t size);
std::string periodicAb(std::size_t size);

// The text size a benchmark runs at (its first argument).
inline std::size_t sizeOf(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0));
}

// Bytes processed by one call on a text of `size` bytes, for
// state.SetBytesProcessed.
inline void countBytes(benchmark::State& state, std::size_t size) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(size));
}

}  // namespace morvek_bench

#define MORVEK_BENCH_CAT2(a, b) a##b
#define MORVEK_BENCH_CAT(a, b) MORVEK_BENCH_CAT2(a, b)

// Registers `fn` as "BM_<op>/<impl>" on the three text sizes.
#define MORVEK_BENCH(fn, op, impl)                           \
  static ::benchmark::internal::Benchmark* MORVEK_BENCH_CAT( \
      morvek_bench_reg_, __COUNTER__) BENCHMARK_UNUSED =     \
      ::benchmark::RegisterBenchmark("BM_" op "/" impl, fn)  \
          ->Apply(::morvek_bench::textSizes)

#endif  // MORVEK_BENCH_TEXT_HPP_
