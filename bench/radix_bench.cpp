// radix_bench.cpp: hexadecimal text to bytes and back, and binary digits to
// hexadecimal. Each IString figure includes the copy that the static form
// makes of its argument.

#include <iterator>
#include <string>

#include "bench_text.hpp"
#include "istring.hpp"

#ifdef MORVEK_BENCH_HAVE_ABSL
#include "absl/strings/escaping.h"
#endif
#ifdef MORVEK_BENCH_HAVE_BOOST
#include <boost/algorithm/hex.hpp>
#endif

namespace {

using morvek_bench::countBytes;
using morvek_bench::englishText;
using morvek_bench::sizeOf;

// `size` upper-case hexadecimal digits: the first size / 2 bytes of the
// English text.
std::string hexText(std::size_t size) {
  static const char kDigits[] = "0123456789ABCDEF";
  const std::string& bytes = englishText(size);
  std::string hex;
  for (std::size_t i = 0; i < size / 2; ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

// `size` binary digits: the bits of the English text.
std::string binaryText(std::size_t size) {
  const std::string& bytes = englishText(size);
  std::string bits(size, '0');
  for (std::size_t i = 0; i < size; ++i)
    if ((static_cast<unsigned char>(bytes[i / 8]) >> (7 - i % 8)) & 1)
      bits[i] = '1';
  return bits;
}

template <typename Convert>
void convertCopy(benchmark::State& state, const std::string& input,
                 Convert convert) {
  for (auto _ : state) convert(input);
  countBytes(state, input.size());
}

// --- x2c ---------------------------------------------------------------------

void BM_X2cIString(benchmark::State& state) {
  const IString hex(hexText(sizeOf(state)).c_str());
  for (auto _ : state) {
    IString r = IString::x2c(hex);
    benchmark::DoNotOptimize(static_cast<char*>(r));
  }
  countBytes(state, hex.length());
}
MORVEK_BENCH(BM_X2cIString, "X2c", "IString");

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_X2cAbsl(benchmark::State& state) {
  convertCopy(state, hexText(sizeOf(state)), [](const std::string& in) {
    std::string r = absl::HexStringToBytes(in);
    benchmark::DoNotOptimize(r.data());
  });
}
MORVEK_BENCH(BM_X2cAbsl, "X2c", "absl::HexStringToBytes");
#endif

#ifdef MORVEK_BENCH_HAVE_BOOST
void BM_X2cBoost(benchmark::State& state) {
  convertCopy(state, hexText(sizeOf(state)), [](const std::string& in) {
    std::string r = boost::algorithm::unhex(in);
    benchmark::DoNotOptimize(r.data());
  });
}
MORVEK_BENCH(BM_X2cBoost, "X2c", "boost::unhex");
#endif

// --- c2x ---------------------------------------------------------------------

void BM_C2xIString(benchmark::State& state) {
  const IString text(englishText(sizeOf(state)).c_str());
  for (auto _ : state) {
    IString r = IString::c2x(text);
    benchmark::DoNotOptimize(static_cast<char*>(r));
  }
  countBytes(state, text.length());
}
MORVEK_BENCH(BM_C2xIString, "C2x", "IString");

#ifdef MORVEK_BENCH_HAVE_ABSL
void BM_C2xAbsl(benchmark::State& state) {
  convertCopy(state, englishText(sizeOf(state)), [](const std::string& in) {
    std::string r = absl::BytesToHexString(in);
    benchmark::DoNotOptimize(r.data());
  });
}
MORVEK_BENCH(BM_C2xAbsl, "C2x", "absl::BytesToHexString");
#endif

#ifdef MORVEK_BENCH_HAVE_BOOST
void BM_C2xBoost(benchmark::State& state) {
  convertCopy(state, englishText(sizeOf(state)), [](const std::string& in) {
    std::string r = boost::algorithm::hex(in);
    benchmark::DoNotOptimize(r.data());
  });
}
MORVEK_BENCH(BM_C2xBoost, "C2x", "boost::hex");
#endif

// --- b2x ---------------------------------------------------------------------

void BM_B2xIString(benchmark::State& state) {
  const IString bits(binaryText(sizeOf(state)).c_str());
  for (auto _ : state) {
    IString r = IString::b2x(bits);
    benchmark::DoNotOptimize(static_cast<char*>(r));
  }
  countBytes(state, bits.length());
}
MORVEK_BENCH(BM_B2xIString, "B2x", "IString");

}  // namespace
