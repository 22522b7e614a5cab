// charclass.cpp: the digit-class checks, sixteen bytes at a time.

#include "charclass.hpp"
#include "simd.hpp"

#if MORVEK_SSE2
#include <emmintrin.h>
#endif

namespace morvek {
namespace internal {

namespace {

inline bool isBinary(unsigned char c) { return (c & 0xFE) == '0'; }
inline bool isDecimal(unsigned char c) {
  return static_cast<unsigned char>(c - '0') <= 9;
}
inline bool isHex(unsigned char c) {
  return isDecimal(c) || static_cast<unsigned char>((c | 0x20) - 'a') <= 5;
}

#if MORVEK_SSE2
// All-ones in each byte of `v` that lies in [low, low + span].
inline __m128i inRange(__m128i v, char low, char span) {
  const __m128i offset = _mm_sub_epi8(v, _mm_set1_epi8(low));
  return _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(span)), offset);
}

inline __m128i binaryMask(__m128i v) {
  return _mm_cmpeq_epi8(
      _mm_and_si128(v, _mm_set1_epi8(static_cast<char>(0xFE))),
      _mm_set1_epi8('0'));
}
inline __m128i decimalMask(__m128i v) { return inRange(v, '0', 9); }
inline __m128i hexMask(__m128i v) {
  return _mm_or_si128(inRange(v, '0', 9),
                      inRange(_mm_or_si128(v, _mm_set1_epi8(0x20)), 'a', 5));
}
#endif

template <typename VectorMask, typename ByteTest>
bool allIn(const char* p, std::size_t length, VectorMask mask, ByteTest test) {
  std::size_t i = 0;
#if MORVEK_SSE2
  for (; length - i >= 16; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    if (_mm_movemask_epi8(mask(v)) != 0xFFFF) return false;
  }
#else
  (void)mask;
#endif
  for (; i < length; ++i)
    if (!test(static_cast<unsigned char>(p[i]))) return false;
  return true;
}

}  // namespace

#if MORVEK_SSE2
#define MORVEK_MASK(f) [](__m128i v) { return f(v); }
#else
#define MORVEK_MASK(f) 0
#endif

bool allBinaryDigits(const char* p, std::size_t length) {
  return allIn(p, length, MORVEK_MASK(binaryMask), isBinary);
}

bool allDecimalDigits(const char* p, std::size_t length) {
  return allIn(p, length, MORVEK_MASK(decimalMask), isDecimal);
}

bool allHexDigits(const char* p, std::size_t length) {
  return allIn(p, length, MORVEK_MASK(hexMask), isHex);
}

}  // namespace internal
}  // namespace morvek
