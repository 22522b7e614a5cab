// strip_case_bench.cpp: stripping white space and case conversion.

#include <string>

#include "bench_text.hpp"
#include "istring.hpp"
#include "lexcext.h"

#ifdef MORVEK_BENCH_HAVE_ABSL
#include "absl/strings/ascii.h"
#include "absl/strings/strip.h"
#endif
#ifdef MORVEK_BENCH_HAVE_BOOST
#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/trim.hpp>
#endif

namespace {

using morvek_bench::countBytes;
using morvek_bench::englishText;
using morvek_bench::sizeOf;

// Each benchmark converts the same buffer over and over: after the first
// pass there is nothing left to change, but every converter still reads and
// writes every byte.
template <typename Convert>
void convertInPlace(benchmark::State& state, Convert convert) {
  std::string text = englishText(sizeOf(state));
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

// --- Stripping white space at both ends, into a new string ------------------

// The English text with eight white-space bytes at each end.
std::string paddedText(std::size_t size) {
  std::string text = englishText(size);
  text.replace(0, 8, " \t \n  \r ");
  text.replace(size - 8, 8, " \n\t    ");
  return text;
}

void BM_StripIString(benchmark::State& state) {
  const IString s(paddedText(sizeOf(state)).c_str());
  for (auto _ : state) {
    IString r = IString::stripBlanks(s);
    benchmark::DoNotOptimize(static_cast<char*>(r));
  }
  countBytes(state, s.length());
}
MORVEK_BENCH(BM_StripIString, "Strip", "IString");

void BM_StripStdString(benchmark::State& state) {
  const std::string text = paddedText(sizeOf(state));
  const char* blanks = " \t\n\v\f\r";
  for (auto _ : state) {
    benchmark::DoNotOptimize(blanks);
    const std::size_t first = text.find_first_not_of(blanks);
    const std::size_t last = text.find_last_not_of(blanks);
    std::string r = first == std::string::npos
                        ? std::string()
                        : text.substr(first, last - first + 1);
    benchmark::DoNotOptimize(r.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_StripStdString, "Strip", "std::string");

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_StripAbsl(benchmark::State& state) {
  const std::string text = paddedText(sizeOf(state));
  for (auto _ : state) {
    std::string r(absl::StripAsciiWhitespace(text));
    benchmark::DoNotOptimize(r.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_StripAbsl, "Strip", "absl::StripAsciiWhitespace");
#endif

#ifdef MORVEK_BENCH_HAVE_BOOST
void BM_StripBoost(benchmark::State& state) {
  const std::string text = paddedText(sizeOf(state));
  for (auto _ : state) {
    std::string r = boost::algorithm::trim_copy(text);
    benchmark::DoNotOptimize(r.data());
  }
  countBytes(state, text.size());
}
MORVEK_BENCH(BM_StripBoost, "Strip", "boost::trim_copy");
#endif

// --- IString case conversion -------------------------------------------------

void BM_UpperIString(benchmark::State& state) {
  IString s(englishText(sizeOf(state)).c_str());
  for (auto _ : state) {
    s.upperCase();
    benchmark::DoNotOptimize(static_cast<char*>(s));
    benchmark::ClobberMemory();
  }
  countBytes(state, s.length());
}
MORVEK_BENCH(BM_UpperIString, "UpperCase", "IString");

void BM_LowerIString(benchmark::State& state) {
  IString s(englishText(sizeOf(state)).c_str());
  for (auto _ : state) {
    s.lowerCase();
    benchmark::DoNotOptimize(static_cast<char*>(s));
    benchmark::ClobberMemory();
  }
  countBytes(state, s.length());
}
MORVEK_BENCH(BM_LowerIString, "LowerCase", "IString");

}  // namespace
