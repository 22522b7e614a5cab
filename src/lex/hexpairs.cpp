// hexpairs.cpp: hexadecimal pairs to bytes and back, sixteen bytes at a
// time.
//
// A digit's value is its low four bits, plus 9 for the letters (the digits
// with bit 6 set), in either case.

#include "hexpairs.hpp"
#include "simd.hpp"

#if MORVEK_SSE2
#include <emmintrin.h>
#endif

namespace morvek {
namespace internal {

namespace {

inline unsigned digitValue(unsigned char c) { return (c & 0xF) + 9 * (c >> 6); }

#if MORVEK_SSE2
// The eight bytes spelt by the sixteen digits of `v`, in the low half of the
// result's 16-bit lanes.
inline __m128i pairValues(__m128i v) {
  const __m128i low = _mm_and_si128(v, _mm_set1_epi8(0x0F));
  const __m128i letter =
      _mm_and_si128(_mm_srli_epi16(v, 6), _mm_set1_epi8(0x01));
  // 9 * letter, as letter * 8 + letter, within each byte.
  const __m128i nine = _mm_add_epi8(_mm_slli_epi16(letter, 3), letter);
  const __m128i values = _mm_add_epi8(low, nine);
  // In each 16-bit lane the first digit is the low byte: first << 4 | second.
  const __m128i first = _mm_and_si128(values, _mm_set1_epi16(0x00FF));
  const __m128i second = _mm_srli_epi16(values, 8);
  return _mm_or_si128(_mm_slli_epi16(first, 4), second);
}
#endif

#if MORVEK_SSE2
// The digit characters of the sixteen values 0 to 15 in `v`.
inline __m128i digitsOf(__m128i v) {
  const __m128i letter = _mm_cmpgt_epi8(v, _mm_set1_epi8(9));
  return _mm_add_epi8(_mm_add_epi8(v, _mm_set1_epi8('0')),
                      _mm_and_si128(letter, _mm_set1_epi8('A' - '0' - 10)));
}
#endif

}  // namespace

void bytesToHexPairs(const char* p, std::size_t count, char* out) {
  static const char digits[] = "0123456789ABCDEF";
  std::size_t i = 0;
#if MORVEK_SSE2
  for (; count - i >= 16; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i high =
        _mm_and_si128(_mm_srli_epi16(v, 4), _mm_set1_epi8(0x0F));
    const __m128i low = _mm_and_si128(v, _mm_set1_epi8(0x0F));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i),
                     digitsOf(_mm_unpacklo_epi8(high, low)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i + 16),
                     digitsOf(_mm_unpackhi_epi8(high, low)));
  }
#endif
  for (; i < count; ++i) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    out[2 * i] = digits[c >> 4];
    out[2 * i + 1] = digits[c & 15];
  }
}

void hexPairsToBytes(const char* p, std::size_t count, char* out) {
  std::size_t i = 0;
#if MORVEK_SSE2
  for (; count - i >= 16; i += 16) {
    const __m128i a =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i));
    const __m128i b =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i + 16));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                     _mm_packus_epi16(pairValues(a), pairValues(b)));
  }
#endif
  for (; i < count; ++i)
    out[i] = static_cast<char>(
        (digitValue(static_cast<unsigned char>(p[2 * i])) << 4) |
        digitValue(static_cast<unsigned char>(p[2 * i + 1])));
}

}  // namespace internal
}  // namespace morvek
