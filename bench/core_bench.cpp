// core_bench.cpp: construction, comparison, concatenation and appending.

#include <cstring>
#include <string>
#include <string_view>

#include "bench_text.hpp"
#include "istring.hpp"

#ifdef MORVEK_BENCH_HAVE_ABSL
#include "absl/strings/str_cat.h"
#endif

namespace {

using morvek_bench::countBytes;
using morvek_bench::englishText;
using morvek_bench::sizeOf;

// --- Construction from a NUL-terminated text -----------------------------

void BM_ConstructIString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  for (auto _ : state) {
    IString s(text.c_str());
    benchmark::DoNotOptimize(static_cast<char*>(s));
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_ConstructIString, "Construct", "IString");

void BM_ConstructStdString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  for (auto _ : state) {
    std::string s(text.c_str());
    benchmark::DoNotOptimize(s.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_ConstructStdString, "Construct", "std::string");

// --- Comparison: equal texts but for the last byte -----------------------

void BM_CompareIString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  std::string other = text;
  other.back() = '~';
  const IString a(text.c_str()), b(other.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(a < b);
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_CompareIString, "Compare", "IString");

void BM_CompareStdString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  std::string other = text;
  other.back() = '~';
  const std::string a = text, b = other;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a.compare(b) < 0);
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_CompareStdString, "Compare", "std::string");

void BM_CompareStringView(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  std::string other = text;
  other.back() = '~';
  const std::string_view a = text, b = other;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a.compare(b) < 0);
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_CompareStringView, "Compare", "std::string_view");

void BM_CompareStrcmp(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  std::string other = text;
  other.back() = '~';
  const char* a = text.c_str();
  const char* b = other.c_str();
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(std::strcmp(a, b) < 0);
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_CompareStrcmp, "Compare", "strcmp");

// --- == on equal strings: every byte compared ----------------------------

void BM_EqualIString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  const IString a(text.c_str()), b(text.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(a == b);
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_EqualIString, "Equal", "IString");

void BM_EqualStdString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  const std::string a = text, b = text;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a == b);
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_EqualStdString, "Equal", "std::string");

void BM_EqualStrcmp(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  const std::string other = text;
  const char* a = text.c_str();
  const char* b = other.c_str();
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(std::strcmp(a, b) == 0);
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_EqualStrcmp, "Equal", "strcmp");

// --- Concatenation of two halves into a new string ------------------------

void BM_ConcatIString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  const std::size_t half = text.size() / 2;
  const IString a(text.substr(0, half).c_str());
  const IString b(text.substr(half).c_str());
  for (auto _ : state) {
    IString r = a + b;
    benchmark::DoNotOptimize(static_cast<char*>(r));
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_ConcatIString, "Concat", "IString");

void BM_ConcatStdString(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  const std::size_t half = text.size() / 2;
  const std::string a = text.substr(0, half), b = text.substr(half);
  for (auto _ : state) {
    std::string r = a + b;
    benchmark::DoNotOptimize(r.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_ConcatStdString, "Concat", "std::string");

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_ConcatAbsl(benchmark::State& state) {
  const std::string& text = englishText(sizeOf(state));
  const std::size_t half = text.size() / 2;
  const std::string a = text.substr(0, half), b = text.substr(half);
  for (auto _ : state) {
    std::string r = absl::StrCat(a, b);
    benchmark::DoNotOptimize(r.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_ConcatAbsl, "Concat", "absl::StrCat");
#endif

// --- Building a text by one-byte appends -----------------------------------
// Every += on an IString allocates the exact new size and copies the whole
// string, so n appends copy about n*n/2 bytes; std::string grows
// geometrically. The bytes counted are the n bytes appended.

void appendCounts(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}

void BM_AppendByteIString(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    IString s("");
    for (int i = 0; i < n; ++i) s += "x";
    benchmark::DoNotOptimize(static_cast<char*>(s));
  }
  countBytes(state, static_cast<std::size_t>(n));
}
BENCHMARK(BM_AppendByteIString)
    ->Name("BM_AppendByte/IString")
    ->Apply(appendCounts);

void BM_AppendByteStdString(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "x";
    benchmark::DoNotOptimize(s.data());
  }
  countBytes(state, static_cast<std::size_t>(n));
}
BENCHMARK(BM_AppendByteStdString)
    ->Name("BM_AppendByte/std::string")
    ->Apply(appendCounts);

}  // namespace
