// search_bench.cpp: substring search forward and backward, on English text
// and on the pathological inputs that defeat naive matchers.

#include <cstring>
#include <string>
#include <string_view>

#include "bench_text.hpp"
#include "istring.hpp"

namespace {

using morvek_bench::countBytes;
using morvek_bench::sizeOf;

// --- indexOf: the needle near the end of English text ----------------------

void BM_IndexOfIString(benchmark::State& state) {
  const std::string text = morvek_bench::textWithNeedleNearEnd(
      sizeOf(state), morvek_bench::rareNeedle());
  const IString s(text.c_str());
  for (auto _ : state)
    benchmark::DoNotOptimize(s.indexOf(morvek_bench::rareNeedle()));
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_IndexOfIString, "IndexOf", "IString");

void BM_IndexOfStrstr(benchmark::State& state) {
  const std::string text = morvek_bench::textWithNeedleNearEnd(
      sizeOf(state), morvek_bench::rareNeedle());
  const char* needle = morvek_bench::rareNeedle();
  for (auto _ : state) {
    benchmark::DoNotOptimize(needle);
    benchmark::DoNotOptimize(std::strstr(text.c_str(), needle));
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_IndexOfStrstr, "IndexOf", "strstr");

void BM_IndexOfMemmem(benchmark::State& state) {
  const std::string text = morvek_bench::textWithNeedleNearEnd(
      sizeOf(state), morvek_bench::rareNeedle());
  const char* needle = morvek_bench::rareNeedle();
  const std::size_t needle_length = std::strlen(needle);
  for (auto _ : state) {
    benchmark::DoNotOptimize(needle);
    benchmark::DoNotOptimize(
        memmem(text.data(), text.size(), needle, needle_length));
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_IndexOfMemmem, "IndexOf", "memmem");

void BM_IndexOfStdString(benchmark::State& state) {
  const std::string text = morvek_bench::textWithNeedleNearEnd(
      sizeOf(state), morvek_bench::rareNeedle());
  const char* needle = morvek_bench::rareNeedle();
  for (auto _ : state) {
    benchmark::DoNotOptimize(needle);
    benchmark::DoNotOptimize(text.find(needle));
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_IndexOfStdString, "IndexOf", "std::string::find");

// --- lastIndexOf: the needle near the start ---------------------------------
// strstr has no backward form: its figure is the forward search over the
// same bytes (needle near the end).

void BM_LastIndexOfIString(benchmark::State& state) {
  const std::string text = morvek_bench::textWithNeedleNearStart(
      sizeOf(state), morvek_bench::rareNeedle());
  const IString s(text.c_str());
  for (auto _ : state)
    benchmark::DoNotOptimize(s.lastIndexOf(morvek_bench::rareNeedle()));
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_LastIndexOfIString, "LastIndexOf", "IString");

void BM_LastIndexOfStrstr(benchmark::State& state) { BM_IndexOfStrstr(state); }
MORVEK_BENCH(BM_LastIndexOfStrstr, "LastIndexOf", "strstr");

void BM_LastIndexOfStdString(benchmark::State& state) {
  const std::string text = morvek_bench::textWithNeedleNearStart(
      sizeOf(state), morvek_bench::rareNeedle());
  const char* needle = morvek_bench::rareNeedle();
  for (auto _ : state) {
    benchmark::DoNotOptimize(needle);
    benchmark::DoNotOptimize(text.rfind(needle));
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_LastIndexOfStdString, "LastIndexOf", "std::string::rfind");

// --- Pathological inputs, 1 MiB ---------------------------------------------
// Texts of 'a' with the needles a..ab, ba..a and a..ab..a, and the text
// abab.. with the needle abab..ac, at needle lengths 32, 128 and 1024;
// backward also the text of 'a' with the needle a^1024, which occurs at every
// position. Each runs forward with indexOf and backward with lastIndexOf.

struct Pathology {
  const char* name;
  std::string text;
  std::string needle;
};

std::string needleOf(const char* shape, std::size_t m) {
  std::string n(m, 'a');
  const std::string s = shape;
  if (s == "a..ab") n[m - 1] = 'b';
  if (s == "ba..a") n[0] = 'b';
  if (s == "a..ab..a") n[m / 2] = 'b';
  if (s == "abab..ac") {
    for (std::size_t i = 1; i < m; i += 2) n[i] = 'b';
    n[m - 1] = 'c';
  }
  return n;
}

template <bool kBackward, bool kIString>
void runPathology(benchmark::State& state, const std::string& text,
                  const std::string& needle) {
  const IString s(text.c_str());
  for (auto _ : state) {
    if (kIString) {
      benchmark::DoNotOptimize(kBackward ? s.lastIndexOf(needle.c_str())
                                         : s.indexOf(needle.c_str()));
    } else if (kBackward) {
      benchmark::DoNotOptimize(text.rfind(needle));
    } else {
      benchmark::DoNotOptimize(
          memmem(text.data(), text.size(), needle.data(), needle.size()));
    }
  }
  countBytes(state, text.size());
}

void registerPathologies() {
  constexpr std::size_t kSize = 1 << 20;
  const char* shapes[] = {"a..ab", "ba..a", "a..ab..a", "abab..ac"};
  for (const char* shape : shapes) {
    for (std::size_t m : {32, 128, 1024}) {
      const std::string text = std::string(shape) == "abab..ac"
                                   ? morvek_bench::periodicAb(kSize)
                                   : morvek_bench::repeated('a', kSize);
      const std::string needle = needleOf(shape, m);
      const std::string tag = std::string(shape) + ":" + std::to_string(m);
      const std::string fwd = "BM_PathIndexOf:" + tag;
      const std::string bwd = "BM_PathLastIndexOf:" + tag;
      benchmark::RegisterBenchmark((fwd + "/IString").c_str(),
                                   runPathology<false, true>, text, needle)
          ->Arg(kSize);
      benchmark::RegisterBenchmark((fwd + "/memmem").c_str(),
                                   runPathology<false, false>, text, needle)
          ->Arg(kSize);
      benchmark::RegisterBenchmark((bwd + "/IString").c_str(),
                                   runPathology<true, true>, text, needle)
          ->Arg(kSize);
      benchmark::RegisterBenchmark((bwd + "/std::string::rfind").c_str(),
                                   runPathology<true, false>, text, needle)
          ->Arg(kSize);
    }
  }
  const std::string text = morvek_bench::repeated('a', kSize);
  const std::string needle(1024, 'a');
  benchmark::RegisterBenchmark("BM_PathLastIndexOf:a^1024/IString",
                               runPathology<true, true>, text, needle)
      ->Arg(kSize);
  benchmark::RegisterBenchmark("BM_PathLastIndexOf:a^1024/std::string::rfind",
                               runPathology<true, false>, text, needle)
      ->Arg(kSize);
}

const bool pathologies_registered = (registerPathologies(), true);

}  // namespace
