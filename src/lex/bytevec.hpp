// bytevec.hpp: the byte vectors that the search kernels are written over
// (internal, not installed).
//
// A kernel is written once as a template over one of these types and
// instantiated per width. Each type V offers:
//
//   V::kWidth            bytes in one vector
//   V::Reg, V::Cmp       a vector, and the outcome of comparing two
//   V::splat(c)          every byte c
//   V::load(p)           the kWidth bytes at p (any alignment)
//   V::eq(a, b)          bytes that are equal
//   V::both(x, y), V::either(x, y)
//   V::lowest(a, b)      a vector whose bytes are zero exactly where a's or
//                        b's are (the byte-wise minimum on vector types)
//   V::bits(x)           a Mask with bit k set for byte k of x
//
// Bit k of a mask always stands for the byte at p + k, whatever the byte
// order of the machine. Swar (eight bytes in a 64-bit integer) compiles
// everywhere and is what a build without vector instructions runs; x86 adds
// SSE2, AVX2 and AVX-512 (the last two for functions compiled for them, see
// fastfind.cpp); ARM64 adds NEON.

#ifndef MORVEK_BYTEVEC_HPP_
#define MORVEK_BYTEVEC_HPP_

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "simd.hpp"

#if MORVEK_X86
#include <immintrin.h>
#elif MORVEK_NEON
#include <arm_neon.h>
#endif

namespace morvek {
namespace internal {

using Mask = std::uint64_t;

// Eight bytes in a 64-bit integer, byte k of memory in bits 8k..8k+7.
struct Swar {
  static constexpr std::size_t kWidth = 8;
  using Reg = std::uint64_t;
  using Cmp = std::uint64_t;  // 0x80 in each equal byte, 0 elsewhere
  static constexpr Reg kLow7 = 0x7F7F7F7F7F7F7F7Full;

  static Reg splat(char c) {
    return 0x0101010101010101ull * static_cast<unsigned char>(c);
  }
  static Reg load(const char* p) {
    Reg r;
    std::memcpy(&r, p, sizeof r);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    r = __builtin_bswap64(r);
#endif
    return r;
  }
  // Exact per byte: no carry crosses from one byte into the next.
  static Cmp eq(Reg a, Reg b) {
    const Reg x = a ^ b;
    return ~(((x & kLow7) + kLow7) | x | kLow7);
  }
  static Cmp both(Cmp x, Cmp y) { return x & y; }
  static Cmp either(Cmp x, Cmp y) { return x | y; }
  // The top bit of each byte set where a's and b's bytes are both nonzero,
  // all else clear.
  static Reg lowest(Reg a, Reg b) {
    return (((a & kLow7) + kLow7) | a) & (((b & kLow7) + kLow7) | b) & ~kLow7;
  }
  // Gathers the top bit of each byte into bits 0..7.
  static Mask bits(Cmp x) { return ((x >> 7) * 0x0102040810204080ull) >> 56; }
};

#if MORVEK_SSE2
struct Sse2 {
  static constexpr std::size_t kWidth = 16;
  using Reg = __m128i;
  using Cmp = __m128i;
  static Reg splat(char c) { return _mm_set1_epi8(c); }
  static Reg load(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  }
  static Cmp eq(Reg a, Reg b) { return _mm_cmpeq_epi8(a, b); }
  static Cmp both(Cmp x, Cmp y) { return _mm_and_si128(x, y); }
  static Cmp either(Cmp x, Cmp y) { return _mm_or_si128(x, y); }
  static Reg lowest(Reg a, Reg b) { return _mm_min_epu8(a, b); }
  static Mask bits(Cmp x) {
    return static_cast<unsigned>(_mm_movemask_epi8(x));
  }
};
#endif

#if MORVEK_NEON
// ARM64 Advanced SIMD, which every ARM64 processor has.
struct Neon {
  static constexpr std::size_t kWidth = 16;
  using Reg = uint8x16_t;
  using Cmp = uint8x16_t;  // 0xFF in each equal byte, 0 elsewhere
  static Reg splat(char c) { return vdupq_n_u8(static_cast<std::uint8_t>(c)); }
  static Reg load(const char* p) {
    return vld1q_u8(reinterpret_cast<const std::uint8_t*>(p));
  }
  static Cmp eq(Reg a, Reg b) { return vceqq_u8(a, b); }
  static Cmp both(Cmp x, Cmp y) { return vandq_u8(x, y); }
  static Cmp either(Cmp x, Cmp y) { return vorrq_u8(x, y); }
  static Reg lowest(Reg a, Reg b) { return vminq_u8(a, b); }
  // Byte k keeps bit k % 8 of its all-ones; each half's bytes then add up
  // to that half's eight bits.
  static Mask bits(Cmp x) {
    static constexpr std::uint8_t kBit[16] = {1, 2, 4, 8, 16, 32, 64, 128,
                                              1, 2, 4, 8, 16, 32, 64, 128};
    const uint8x16_t m = vandq_u8(x, vld1q_u8(kBit));
    return vaddv_u8(vget_low_u8(m)) |
           (static_cast<Mask>(vaddv_u8(vget_high_u8(m))) << 8);
  }
};
#endif

#if MORVEK_X86
// Functions defined between MORVEK_TARGET_BEGIN("isa") and MORVEK_TARGET_END
// are compiled for that instruction set; they run only once the processor
// is known to have it.
#if defined(__clang__)
#define MORVEK_TARGET_BEGIN(isa)                                               \
  _Pragma(MORVEK_TARGET_STR(clang attribute push(__attribute__((target(isa))), \
                                                 apply_to = function)))
#define MORVEK_TARGET_END _Pragma("clang attribute pop")
#else
#define MORVEK_TARGET_BEGIN(isa) \
  _Pragma("GCC push_options") _Pragma(MORVEK_TARGET_STR(GCC target(isa)))
#define MORVEK_TARGET_END _Pragma("GCC pop_options")
#endif
#define MORVEK_TARGET_STR(x) #x

MORVEK_TARGET_BEGIN("avx2")
struct Avx2 {
  static constexpr std::size_t kWidth = 32;
  using Reg = __m256i;
  using Cmp = __m256i;
  static Reg splat(char c) { return _mm256_set1_epi8(c); }
  static Reg load(const char* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  }
  static Cmp eq(Reg a, Reg b) { return _mm256_cmpeq_epi8(a, b); }
  static Cmp both(Cmp x, Cmp y) { return _mm256_and_si256(x, y); }
  static Cmp either(Cmp x, Cmp y) { return _mm256_or_si256(x, y); }
  static Reg lowest(Reg a, Reg b) { return _mm256_min_epu8(a, b); }
  static Mask bits(Cmp x) {
    return static_cast<unsigned>(_mm256_movemask_epi8(x));
  }
};
MORVEK_TARGET_END

MORVEK_TARGET_BEGIN("avx512bw")
struct Avx512 {
  static constexpr std::size_t kWidth = 64;
  using Reg = __m512i;
  using Cmp = __mmask64;
  static Reg splat(char c) { return _mm512_set1_epi8(c); }
  static Reg load(const char* p) { return _mm512_loadu_si512(p); }
  static Cmp eq(Reg a, Reg b) { return _mm512_cmpeq_epi8_mask(a, b); }
  static Cmp both(Cmp x, Cmp y) { return x & y; }
  static Cmp either(Cmp x, Cmp y) { return x | y; }
  static Reg lowest(Reg a, Reg b) { return _mm512_min_epu8(a, b); }
  static Mask bits(Cmp x) { return x; }
};
MORVEK_TARGET_END
#endif

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_BYTEVEC_HPP_
