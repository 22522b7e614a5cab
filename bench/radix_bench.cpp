// Radix conversions on 4 KiB and 1 MiB inputs; bytes per second count the
// input. The static forms are timed: they read the argument and build the
// result, which is what a mutating call costs too.
#include <benchmark/benchmark.h>
#include <istring.hpp>

#include <cstring>

namespace {

// `length` characters cycling through `alphabet`.
IString cycle(const char* alphabet, unsigned length) {
  IString s(nullptr, length);
  char* p = s;
  const std::size_t period = std::strlen(alphabet);
  for (unsigned i = 0; i < length; ++i) p[i] = alphabet[(i * 7) % period];
  return s;
}

void run(benchmark::State& state, const IString& input,
         IString (*convert)(const IString&)) {
  for (auto _ : state) {
    IString result = convert(input);
    benchmark::DoNotOptimize(static_cast<char*>(result));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          input.length());
}

void BM_b2x(benchmark::State& state) {
  run(state, cycle("0110", static_cast<unsigned>(state.range(0))),
      &IString::b2x);
}

void BM_x2c(benchmark::State& state) {
  run(state,
      cycle("0123456789abcdefABCDEF", static_cast<unsigned>(state.range(0))),
      &IString::x2c);
}

void BM_c2x(benchmark::State& state) {
  IString input(nullptr, static_cast<unsigned>(state.range(0)));
  char* p = input;
  for (unsigned i = 0; i < input.length(); ++i)
    p[i] = static_cast<char>(i * 131);
  run(state, input, &IString::c2x);
}

}  // namespace

BENCHMARK(BM_b2x)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_x2c)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(BM_c2x)->Arg(4 << 10)->Arg(1 << 20);
