// casemap.cpp: locale-following case conversion, sixteen bytes at a time
// where the locale maps the 7-bit range the plain ASCII way.
//
// The mapping always comes from the current locale. With glibc the locale's
// own 384-entry tables are read directly (what toupper itself does, without
// a call per byte); elsewhere every byte goes through toupper / tolower.
// When the table maps 0..127 exactly as ASCII does (true in the C locale and
// most others, false in e.g. Turkish locales, where 'i' is not mapped to
// 'I'), blocks of sixteen 7-bit bytes are converted with vector arithmetic
// (SSE2 on x86, NEON on ARM64); any block holding a byte of 0x80 or above
// goes through the table, as does everything in a build without either.

#include "casemap.hpp"
#include "simd.hpp"

#include <cctype>
#include <cstdint>
#include <cstring>

#if MORVEK_SSE2
#include <emmintrin.h>
#elif MORVEK_NEON
#include <arm_neon.h>
#endif

namespace morvek {
namespace internal {

namespace {

// Below this length the table check costs more than the vector loop saves.
constexpr std::size_t kVectorMinimum = 32;

struct AsciiTable {
  std::int32_t map[128];
};

constexpr AsciiTable asciiTable(bool upper) {
  AsciiTable t{};
  for (int c = 0; c < 128; ++c) {
    if (upper)
      t.map[c] = (c >= 'a' && c <= 'z') ? c - 32 : c;
    else
      t.map[c] = (c >= 'A' && c <= 'Z') ? c + 32 : c;
  }
  return t;
}

constexpr AsciiTable kAsciiUpper = asciiTable(true);
constexpr AsciiTable kAsciiLower = asciiTable(false);

#if MORVEK_SSE2
#define MORVEK_CASEMAP_VECTOR 1
// Converts the 7-bit bytes in [first, last] of `v` by flipping bit 0x20;
// `v` holds no byte of 0x80 or above, so signed comparisons are exact.
inline __m128i flipRange(__m128i v, char first, char last) {
  const __m128i in_range =
      _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(first - 1)),
                    _mm_cmplt_epi8(v, _mm_set1_epi8(last + 1)));
  return _mm_xor_si128(v, _mm_and_si128(in_range, _mm_set1_epi8(0x20)));
}

// Converts the sixteen bytes at `p` in place and returns true when none is
// 0x80 or above; otherwise leaves them alone and returns false.
inline bool flipBlock(unsigned char* p, char first, char last) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  if (_mm_movemask_epi8(v) != 0) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), flipRange(v, first, last));
  return true;
}
#elif MORVEK_NEON
#define MORVEK_CASEMAP_VECTOR 1
// As above, with unsigned byte comparisons.
inline bool flipBlock(unsigned char* p, char first, char last) {
  const uint8x16_t v = vld1q_u8(p);
  if (vmaxvq_u8(v) >= 0x80) return false;
  const uint8x16_t in_range =
      vandq_u8(vcgeq_u8(v, vdupq_n_u8(static_cast<std::uint8_t>(first))),
               vcleq_u8(v, vdupq_n_u8(static_cast<std::uint8_t>(last))));
  vst1q_u8(p, veorq_u8(v, vandq_u8(in_range, vdupq_n_u8(0x20))));
  return true;
}
#endif

// `table` is the locale's mapping indexed by unsigned byte value;
// `ascii_plain` says it maps 0..127 by flipping [first, last] to the other
// case and leaving every other 7-bit byte alone.
template <typename Table>
void convert(unsigned char* p, std::size_t length, const Table& table,
             bool ascii_plain, char first, char last) {
  std::size_t i = 0;
#if MORVEK_CASEMAP_VECTOR
  if (ascii_plain) {
    for (; i + 16 <= length; i += 16) {
      if (!flipBlock(p + i, first, last)) {
        for (std::size_t k = i; k < i + 16; ++k)
          p[k] = static_cast<unsigned char>(table[p[k]]);
      }
    }
  }
#else
  (void)ascii_plain;
  (void)first;
  (void)last;
#endif
  for (; i < length; ++i) p[i] = static_cast<unsigned char>(table[p[i]]);
}

#if defined(__GLIBC__)
// glibc's tables cover -128..255; index 0 is the byte value 0.
bool plainAscii(const std::int32_t* table, const AsciiTable& ascii) {
  return std::memcmp(table, ascii.map, sizeof ascii.map) == 0;
}
#endif

void convertInPlace(char* text, std::size_t length, bool upper) {
  if (length == 0) return;
  unsigned char* p = reinterpret_cast<unsigned char*>(text);
  const AsciiTable& ascii = upper ? kAsciiUpper : kAsciiLower;
  const char first = upper ? 'a' : 'A';
  const char last = upper ? 'z' : 'Z';
#if defined(__GLIBC__)
  const std::int32_t* table =
      upper ? *__ctype_toupper_loc() : *__ctype_tolower_loc();
  const bool plain = length >= kVectorMinimum && plainAscii(table, ascii);
  convert(p, length, table, plain, first, last);
#else
  if (length < kVectorMinimum) {
    for (std::size_t i = 0; i < length; ++i)
      p[i] = static_cast<unsigned char>(upper ? std::toupper(p[i])
                                              : std::tolower(p[i]));
    return;
  }
  // A table filled from the locale once per call.
  unsigned char table[256];
  bool plain = true;
  for (int c = 0; c < 256; ++c) {
    table[c] =
        static_cast<unsigned char>(upper ? std::toupper(c) : std::tolower(c));
    if (c < 128 && table[c] != ascii.map[c]) plain = false;
  }
  convert(p, length, table, plain, first, last);
#endif
}

}  // namespace

void upperInPlace(char* p, std::size_t length) {
  convertInPlace(p, length, true);
}

void lowerInPlace(char* p, std::size_t length) {
  convertInPlace(p, length, false);
}

}  // namespace internal
}  // namespace morvek
