// What moving saves: strings returned from functions and kept in a
// std::vector, with IString itself against a wrapper that can only copy (as a
// class without move members does).
#include <istring.hpp>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// IString without its move members: every transfer copies the buffer.
struct CopyOnly {
  IString text;
  explicit CopyOnly(const std::string& s) : text(s) {}
  CopyOnly(const CopyOnly& other) = default;
  CopyOnly& operator=(const CopyOnly& other) = default;
  friend bool operator<(const CopyOnly& a, const CopyOnly& b) {
    return a.text < b.text;
  }
};

struct Movable {
  IString text;
  explicit Movable(const std::string& s) : text(s) {}
  friend bool operator<(const Movable& a, const Movable& b) {
    return a.text < b.text;
  }
};

constexpr int kStrings = 1000;

// Returns one of two locals, so that the return cannot be elided and moves
// (or, for CopyOnly, copies) the value out.
template <typename T>
T makeString(int i, std::size_t length) {
  std::string base(length, 'a');
  base[0] = static_cast<char>('a' + i % 26);
  base[length - 1] = static_cast<char>('a' + i * 7 % 26);
  T first(base);
  T second(base + "!");
  if (i % 2 == 0) return first;
  return second;
}

// Fills a vector without reserving: every growth relocates the strings
// already stored.
template <typename T>
void BM_ReturnAndStore(benchmark::State& state) {
  const std::size_t length = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    std::vector<T> v;
    for (int i = 0; i < kStrings; ++i) v.push_back(makeString<T>(i, length));
    benchmark::DoNotOptimize(v.data());
  }
  state.SetItemsProcessed(state.iterations() * kStrings);
  state.SetBytesProcessed(state.iterations() * kStrings *
                          static_cast<std::int64_t>(length));
}

// Sorting swaps strings around: three moves per swap, or three copies.
template <typename T>
void BM_SortVector(benchmark::State& state) {
  const std::size_t length = static_cast<std::size_t>(state.range(0));
  std::vector<T> original;
  for (int i = 0; i < kStrings; ++i)
    original.push_back(makeString<T>(i * 7919 % kStrings, length));
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<T> v = original;
    state.ResumeTiming();
    std::sort(v.begin(), v.end());
    benchmark::DoNotOptimize(v.data());
  }
  state.SetItemsProcessed(state.iterations() * kStrings);
  state.SetBytesProcessed(state.iterations() * kStrings *
                          static_cast<std::int64_t>(length));
}

BENCHMARK_TEMPLATE(BM_ReturnAndStore, CopyOnly)->Arg(16)->Arg(1024);
BENCHMARK_TEMPLATE(BM_ReturnAndStore, Movable)->Arg(16)->Arg(1024);
BENCHMARK_TEMPLATE(BM_SortVector, CopyOnly)->Arg(16)->Arg(1024);
BENCHMARK_TEMPLATE(BM_SortVector, Movable)->Arg(16)->Arg(1024);

}  // namespace
