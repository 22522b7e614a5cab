// strip_case_bench.cpp: stripping white space and case conversion.

#include <string>

#include "bench_text.hpp"
#include "lexcext.h"

#ifdef MORVEK_BENCH_HAVE_ABSL
#include "absl/strings/ascii.h"
#endif
#ifdef MORVEK_BENCH_HAVE_BOOST
#include <boost/algorithm/string/case_conv.hpp>
#endif

namespace {

using morvek_bench::countBytes;
using morvek_bench::englishText;

// Each benchmark converts the same buffer over and over: after the first
// pass there is nothing left to change, but every converter still reads and
// writes every byte.
template <typename Convert>
void convertInPlace(benchmark::State& state, Convert convert) {
  std::string text = englishText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    convert(text);
    benchmark::DoNotOptimize(text.data());
    benchmark::ClobberMemory();
  }
  countBytes(state, text.size());
}

void BM_UpperStrupr(benchmark::State& state) {
  convertInPlace(state, [](std::string& s) { strupr(&s[0]); });
}
MORVEK_BENCH(BM_UpperStrupr, "UpperCase", "strupr");

void BM_LowerStrlwr(benchmark::State& state) {
  convertInPlace(state, [](std::string& s) { strlwr(&s[0]); });
}
MORVEK_BENCH(BM_LowerStrlwr, "LowerCase", "strlwr");

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_UpperAbsl(benchmark::State& state) {
  convertInPlace(state, [](std::string& s) { absl::AsciiStrToUpper(&s); });
}
MORVEK_BENCH(BM_UpperAbsl, "UpperCase", "absl::AsciiStrToUpper");

void BM_LowerAbsl(benchmark::State& state) {
  convertInPlace(state, [](std::string& s) { absl::AsciiStrToLower(&s); });
}
MORVEK_BENCH(BM_LowerAbsl, "LowerCase", "absl::AsciiStrToLower");
#endif

#ifdef MORVEK_BENCH_HAVE_BOOST
void BM_UpperBoost(benchmark::State& state) {
  convertInPlace(state, [](std::string& s) { boost::algorithm::to_upper(s); });
}
MORVEK_BENCH(BM_UpperBoost, "UpperCase", "boost::to_upper");

void BM_LowerBoost(benchmark::State& state) {
  convertInPlace(state, [](std::string& s) { boost::algorithm::to_lower(s); });
}
MORVEK_BENCH(BM_LowerBoost, "LowerCase", "boost::to_lower");
#endif

}  // namespace
