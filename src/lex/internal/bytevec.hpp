// bytevec.hpp: the byte vectors that every vector kernel is written over,
// and the only place besides widths.cpp that names an instruction set
// (internal, not installed).
//
// A kernel is written once over a type V and compiled once per width in
// widths.cpp. Each V offers, per byte unless said otherwise:
//
//   V::kWidth                 bytes in one vector
//   V::Reg, V::Cmp            a vector, and the truth of a test of each byte
//   V::splat(c)               every byte c
//   V::load(p), V::store(p, v)  the kWidth bytes at p (any alignment)
//   V::eq(a, b)               bytes that are equal
//   V::inRange(v, lo, hi)     bytes from lo to hi, as unsigned values
//   V::both(x, y), V::either(x, y)   and, or of two tests
//   V::select(x, v)           v where x holds, zero elsewhere
//   V::bitAnd, bitOr, bitXor, add    bitwise, and addition modulo 256
//   V::shiftRight4(v), V::shiftLeft4(v)   a byte's nibbles moved, zeros in
//   V::zip(a, b, lo, hi)      a0 b0 a1 b1 ...: lo the first kWidth bytes
//   V::unzip(a, b, even, odd) the inverse: a0 a2 ... b0 b2 ..., a1 a3 ...
//   V::lowest(a, b)           zero exactly where a's or b's byte is zero
//   V::bits(x)                a Mask with bit k set where x holds for byte k
//   V::signs(v)               a Mask of the top bits of the bytes of v
//   V::countOf(m)             the number of bits set in a Mask of bits()
//
// Bit k of a mask and byte k of a vector always stand for the byte at p + k,
// whatever the byte order of the machine. A width with kPartialLoads also
// has V::loadFirst(p, n): the n <= kWidth bytes at p followed by zeros,
// reading nothing beyond them, and V::storeFirst(p, n, v): the first n
// bytes of v stored at p, nothing beyond them written.
//
// Swar (eight bytes in a 64-bit integer) compiles everywhere and is what a
// build without vector instructions runs; x86-64 adds SSE2, AVX2 and
// AVX-512 (the last two in functions compiled for them), ARM64 adds NEON.
// Building with MORVEK_PORTABLE defined leaves Swar alone.

#ifndef MORVEK_INTERNAL_BYTEVEC_HPP_
#define MORVEK_INTERNAL_BYTEVEC_HPP_

#include <cstddef>
#include <cstdint>
#include <cstring>

#if !defined(MORVEK_PORTABLE) && defined(__x86_64__)
#define MORVEK_X86 \
  1  // SSE2 always, AVX2 and AVX-512 where the processor has them
#include <immintrin.h>
#elif !defined(MORVEK_PORTABLE) && defined(__aarch64__) && defined(__ARM_NEON)
#define MORVEK_NEON 1
#include <arm_neon.h>
#endif

namespace morvek {
namespace internal {

using Mask = std::uint64_t;

// The number of bits set in the low 16 bits of `m` (the others are 0), in
// arithmetic: for the widths whose instruction set has no count of bits.
inline std::size_t lowBitCount(Mask m) {
  m -= (m >> 1) & 0x5555;
  m = (m & 0x3333) + ((m >> 2) & 0x3333);
  m = (m + (m >> 4)) & 0x0F0F;
  return static_cast<std::size_t>((m + (m >> 8)) & 0x1F);
}

// The lowest / highest bit set in a non-zero Mask.
inline unsigned lowestBit(Mask mask) {
  return static_cast<unsigned>(__builtin_ctzll(mask));
}
inline unsigned highestBit(Mask mask) {
  return 63u - static_cast<unsigned>(__builtin_clzll(mask));
}
// The `n` lowest bits, 0 <= n <= 64.
inline Mask lowBits(std::size_t n) {
  return n >= 64 ? ~Mask{0} : (Mask{1} << n) - 1;
}
// The same for 1 <= n <= 64, without a branch.
inline Mask nonEmptyLowBits(std::size_t n) { return ~Mask{0} >> (64 - n); }

// Eight bytes in a 64-bit integer, byte k of memory in bits 8k..8k+7. A
// test holds where a byte's top bit (0x80) is set.
struct Swar {
  static constexpr std::size_t kWidth = 8;
  static constexpr bool kPartialLoads = false;
  using Reg = std::uint64_t;
  using Cmp = std::uint64_t;
  static constexpr Reg kHigh = 0x8080808080808080ull;
  static constexpr Reg kLow7 = 0x7F7F7F7F7F7F7F7Full;

  static Reg splat(char c) {
    return 0x0101010101010101ull * static_cast<unsigned char>(c);
  }
  static Reg load(const char* p) {
    Reg r;
    std::memcpy(&r, p, sizeof r);
    return inMemoryOrder(r);
  }
  static void store(char* p, Reg v) {
    v = inMemoryOrder(v);
    std::memcpy(p, &v, sizeof v);
  }
  // Exact per byte: no carry or borrow crosses from one byte into the next.
  static Cmp eq(Reg a, Reg b) {
    const Reg x = a ^ b;
    return ~(((x & kLow7) + kLow7) | x | kLow7);
  }
  static Cmp inRange(Reg v, char lo, char hi) {
    return atMost(splat(lo), v) & atMost(v, splat(hi));
  }
  static Cmp both(Cmp x, Cmp y) { return x & y; }
  static Cmp either(Cmp x, Cmp y) { return x | y; }
  static Reg select(Cmp x, Reg v) { return ((x >> 7) * 0xFF) & v; }
  static Reg bitAnd(Reg a, Reg b) { return a & b; }
  static Reg bitOr(Reg a, Reg b) { return a | b; }
  static Reg bitXor(Reg a, Reg b) { return a ^ b; }
  static Reg add(Reg a, Reg b) {
    return ((a & kLow7) + (b & kLow7)) ^ ((a ^ b) & kHigh);
  }
  static Reg shiftRight4(Reg v) { return (v >> 4) & 0x0F0F0F0F0F0F0F0Full; }
  static Reg shiftLeft4(Reg v) { return (v << 4) & 0xF0F0F0F0F0F0F0F0ull; }
  static void zip(Reg a, Reg b, Reg& lo, Reg& hi) {
    lo = spread(a) | spread(b) << 8;
    hi = spread(a >> 32) | spread(b >> 32) << 8;
  }
  static void unzip(Reg a, Reg b, Reg& even, Reg& odd) {
    even = gather(a) | gather(b) << 32;
    odd = gather(a >> 8) | gather(b >> 8) << 32;
  }
  // The top bit of each byte set where a's and b's bytes are both nonzero.
  static Reg lowest(Reg a, Reg b) {
    return (((a & kLow7) + kLow7) | a) & (((b & kLow7) + kLow7) | b) & ~kLow7;
  }
  // Gathers the top bit of each byte into bits 0..7.
  static Mask bits(Cmp x) { return ((x >> 7) * 0x0102040810204080ull) >> 56; }
  static Mask signs(Reg v) { return bits(v & kHigh); }
  static std::size_t countOf(Mask m) { return lowBitCount(m); }

 private:
  static Reg inMemoryOrder(Reg r) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    r = __builtin_bswap64(r);
#endif
    return r;
  }
  // The top bit of each byte set where a's byte is at most b's. With the
  // top bits alike, (b | 0x80) - (a & 0x7F) keeps its top bit exactly when
  // b's low seven bits are at least a's, and never borrows.
  static Cmp atMost(Reg a, Reg b) {
    return ((~a & b) | (~(a ^ b) & ((b | kHigh) - (a & kLow7)))) & kHigh;
  }
  // The low four bytes of x moved to the even bytes, zeros in between.
  static Reg spread(Reg x) {
    x &= 0xFFFFFFFFull;
    x = (x | x << 16) & 0x0000FFFF0000FFFFull;
    return (x | x << 8) & 0x00FF00FF00FF00FFull;
  }
  // The even bytes of x moved to the low four bytes, zeros above.
  static Reg gather(Reg x) {
    x &= 0x00FF00FF00FF00FFull;
    x = (x | x >> 8) & 0x0000FFFF0000FFFFull;
    return (x | x >> 16) & 0xFFFFFFFFull;
  }
};

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

struct Sse2 {
  static constexpr std::size_t kWidth = 16;
  static constexpr bool kPartialLoads = false;
  using Reg = __m128i;
  using Cmp = __m128i;
  static Reg splat(char c) { return _mm_set1_epi8(c); }
  static Reg load(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  }
  static void store(char* p, Reg v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
  }
  static Cmp eq(Reg a, Reg b) { return _mm_cmpeq_epi8(a, b); }
  // lo <= v <= hi exactly where v - lo is at most hi - lo, unsigned.
  static Cmp inRange(Reg v, char lo, char hi) {
    const Reg offset = _mm_sub_epi8(v, splat(lo));
    return eq(_mm_min_epu8(offset, splat(static_cast<char>(hi - lo))), offset);
  }
  static Cmp both(Cmp x, Cmp y) { return _mm_and_si128(x, y); }
  static Cmp either(Cmp x, Cmp y) { return _mm_or_si128(x, y); }
  static Reg select(Cmp x, Reg v) { return _mm_and_si128(x, v); }
  static Reg bitAnd(Reg a, Reg b) { return _mm_and_si128(a, b); }
  static Reg bitOr(Reg a, Reg b) { return _mm_or_si128(a, b); }
  static Reg bitXor(Reg a, Reg b) { return _mm_xor_si128(a, b); }
  static Reg add(Reg a, Reg b) { return _mm_add_epi8(a, b); }
  static Reg shiftRight4(Reg v) {
    return bitAnd(_mm_srli_epi16(v, 4), splat(0x0F));
  }
  static Reg shiftLeft4(Reg v) {
    return bitAnd(_mm_slli_epi16(v, 4), splat(static_cast<char>(0xF0)));
  }
  static void zip(Reg a, Reg b, Reg& lo, Reg& hi) {
    lo = _mm_unpacklo_epi8(a, b);
    hi = _mm_unpackhi_epi8(a, b);
  }
  static void unzip(Reg a, Reg b, Reg& even, Reg& odd) {
    const Reg low = _mm_set1_epi16(0x00FF);
    even = _mm_packus_epi16(bitAnd(a, low), bitAnd(b, low));
    odd = _mm_packus_epi16(_mm_srli_epi16(a, 8), _mm_srli_epi16(b, 8));
  }
  static Reg lowest(Reg a, Reg b) { return _mm_min_epu8(a, b); }
  static Mask bits(Cmp x) {
    return static_cast<unsigned>(_mm_movemask_epi8(x));
  }
  static Mask signs(Reg v) { return bits(v); }
  static std::size_t countOf(Mask m) { return lowBitCount(m); }
};

MORVEK_TARGET_BEGIN("avx2")
struct Avx2 {
  static constexpr std::size_t kWidth = 32;
  static constexpr bool kPartialLoads = false;
  using Reg = __m256i;
  using Cmp = __m256i;
  static Reg splat(char c) { return _mm256_set1_epi8(c); }
  static Reg load(const char* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  }
  static void store(char* p, Reg v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
  }
  static Cmp eq(Reg a, Reg b) { return _mm256_cmpeq_epi8(a, b); }
  static Cmp inRange(Reg v, char lo, char hi) {
    const Reg offset = _mm256_sub_epi8(v, splat(lo));
    return eq(_mm256_min_epu8(offset, splat(static_cast<char>(hi - lo))),
              offset);
  }
  static Cmp both(Cmp x, Cmp y) { return _mm256_and_si256(x, y); }
  static Cmp either(Cmp x, Cmp y) { return _mm256_or_si256(x, y); }
  static Reg select(Cmp x, Reg v) { return _mm256_and_si256(x, v); }
  static Reg bitAnd(Reg a, Reg b) { return _mm256_and_si256(a, b); }
  static Reg bitOr(Reg a, Reg b) { return _mm256_or_si256(a, b); }
  static Reg bitXor(Reg a, Reg b) { return _mm256_xor_si256(a, b); }
  static Reg add(Reg a, Reg b) { return _mm256_add_epi8(a, b); }
  static Reg shiftRight4(Reg v) {
    return bitAnd(_mm256_srli_epi16(v, 4), splat(0x0F));
  }
  static Reg shiftLeft4(Reg v) {
    return bitAnd(_mm256_slli_epi16(v, 4), splat(static_cast<char>(0xF0)));
  }
  // Unpacking and packing work within 128-bit lanes; the lanes are then put
  // in memory order.
  static void zip(Reg a, Reg b, Reg& lo, Reg& hi) {
    const Reg first = _mm256_unpacklo_epi8(a, b);
    const Reg second = _mm256_unpackhi_epi8(a, b);
    lo = _mm256_permute2x128_si256(first, second, 0x20);
    hi = _mm256_permute2x128_si256(first, second, 0x31);
  }
  static void unzip(Reg a, Reg b, Reg& even, Reg& odd) {
    const Reg low = _mm256_set1_epi16(0x00FF);
    even = _mm256_permute4x64_epi64(
        _mm256_packus_epi16(bitAnd(a, low), bitAnd(b, low)), 0xD8);
    odd = _mm256_permute4x64_epi64(
        _mm256_packus_epi16(_mm256_srli_epi16(a, 8), _mm256_srli_epi16(b, 8)),
        0xD8);
  }
  static Reg lowest(Reg a, Reg b) { return _mm256_min_epu8(a, b); }
  static Mask bits(Cmp x) {
    return static_cast<unsigned>(_mm256_movemask_epi8(x));
  }
  static Mask signs(Reg v) { return bits(v); }
  static std::size_t countOf(Mask m) {
    return static_cast<std::size_t>(_mm_popcnt_u64(m));
  }
};
MORVEK_TARGET_END

// With BMI2 and LZCNT, which every processor with AVX-512 BW has: the
// masks of the partial loads and stores in one instruction, and the
// highest bit of a mask.
MORVEK_TARGET_BEGIN("avx512bw,bmi2,lzcnt")
struct Avx512 {
  static constexpr std::size_t kWidth = 64;
  static constexpr bool kPartialLoads = true;
  using Reg = __m512i;
  using Cmp = __mmask64;
  static Reg splat(char c) { return _mm512_set1_epi8(c); }
  static Reg load(const char* p) { return _mm512_loadu_si512(p); }
  static Reg loadFirst(const char* p, std::size_t n) {
    return _mm512_maskz_loadu_epi8(firstBytes(n), p);
  }
  static void store(char* p, Reg v) { _mm512_storeu_si512(p, v); }
  static void storeFirst(char* p, std::size_t n, Reg v) {
    _mm512_mask_storeu_epi8(p, firstBytes(n), v);
  }
  static Cmp eq(Reg a, Reg b) { return _mm512_cmpeq_epi8_mask(a, b); }
  static Cmp inRange(Reg v, char lo, char hi) {
    return _mm512_cmple_epu8_mask(_mm512_sub_epi8(v, splat(lo)),
                                  splat(static_cast<char>(hi - lo)));
  }
  static Cmp both(Cmp x, Cmp y) { return x & y; }
  static Cmp either(Cmp x, Cmp y) { return x | y; }
  static Reg select(Cmp x, Reg v) { return _mm512_maskz_mov_epi8(x, v); }
  static Reg bitAnd(Reg a, Reg b) { return _mm512_and_si512(a, b); }
  static Reg bitOr(Reg a, Reg b) { return _mm512_or_si512(a, b); }
  static Reg bitXor(Reg a, Reg b) { return _mm512_xor_si512(a, b); }
  static Reg add(Reg a, Reg b) { return _mm512_add_epi8(a, b); }
  static Reg shiftRight4(Reg v) {
    return bitAnd(_mm512_srli_epi16(v, 4), splat(0x0F));
  }
  static Reg shiftLeft4(Reg v) {
    return bitAnd(_mm512_slli_epi16(v, 4), splat(static_cast<char>(0xF0)));
  }
  // As for Avx2, the four 128-bit lanes put in order by a permutation of
  // 64-bit quarters.
  static void zip(Reg a, Reg b, Reg& lo, Reg& hi) {
    const Reg first = _mm512_unpacklo_epi8(a, b);
    const Reg second = _mm512_unpackhi_epi8(a, b);
    lo = _mm512_permutex2var_epi64(
        first, _mm512_set_epi64(11, 10, 3, 2, 9, 8, 1, 0), second);
    hi = _mm512_permutex2var_epi64(
        first, _mm512_set_epi64(15, 14, 7, 6, 13, 12, 5, 4), second);
  }
  static void unzip(Reg a, Reg b, Reg& even, Reg& odd) {
    const Reg order = _mm512_set_epi64(7, 5, 3, 1, 6, 4, 2, 0);
    const Reg low = _mm512_set1_epi16(0x00FF);
    // The masked form of the permutation: GCC 12 takes the plain one's
    // undefined pass-through for an uninitialised read.
    even = _mm512_maskz_permutexvar_epi64(
        0xFF, order, _mm512_packus_epi16(bitAnd(a, low), bitAnd(b, low)));
    odd = _mm512_maskz_permutexvar_epi64(
        0xFF, order,
        _mm512_packus_epi16(_mm512_srli_epi16(a, 8), _mm512_srli_epi16(b, 8)));
  }
  static Reg lowest(Reg a, Reg b) { return _mm512_min_epu8(a, b); }
  static Mask bits(Cmp x) { return x; }
  static Mask signs(Reg v) { return _mm512_movepi8_mask(v); }
  static std::size_t countOf(Mask m) {
    return static_cast<std::size_t>(_mm_popcnt_u64(m));
  }

 private:
  // The lowest n bits, n <= 64.
  static Mask firstBytes(std::size_t n) {
    return _bzhi_u64(~0ull, static_cast<unsigned>(n));
  }
};
MORVEK_TARGET_END
#endif  // MORVEK_X86

#if MORVEK_NEON
// ARM64 Advanced SIMD, which every ARM64 processor has. A test holds where
// a byte is all ones.
struct Neon {
  static constexpr std::size_t kWidth = 16;
  static constexpr bool kPartialLoads = false;
  using Reg = uint8x16_t;
  using Cmp = uint8x16_t;
  static Reg splat(char c) { return vdupq_n_u8(static_cast<std::uint8_t>(c)); }
  static Reg load(const char* p) {
    return vld1q_u8(reinterpret_cast<const std::uint8_t*>(p));
  }
  static void store(char* p, Reg v) {
    vst1q_u8(reinterpret_cast<std::uint8_t*>(p), v);
  }
  static Cmp eq(Reg a, Reg b) { return vceqq_u8(a, b); }
  static Cmp inRange(Reg v, char lo, char hi) {
    return vandq_u8(vcgeq_u8(v, splat(lo)), vcleq_u8(v, splat(hi)));
  }
  static Cmp both(Cmp x, Cmp y) { return vandq_u8(x, y); }
  static Cmp either(Cmp x, Cmp y) { return vorrq_u8(x, y); }
  static Reg select(Cmp x, Reg v) { return vandq_u8(x, v); }
  static Reg bitAnd(Reg a, Reg b) { return vandq_u8(a, b); }
  static Reg bitOr(Reg a, Reg b) { return vorrq_u8(a, b); }
  static Reg bitXor(Reg a, Reg b) { return veorq_u8(a, b); }
  static Reg add(Reg a, Reg b) { return vaddq_u8(a, b); }
  static Reg shiftRight4(Reg v) { return vshrq_n_u8(v, 4); }
  static Reg shiftLeft4(Reg v) { return vshlq_n_u8(v, 4); }
  static void zip(Reg a, Reg b, Reg& lo, Reg& hi) {
    lo = vzip1q_u8(a, b);
    hi = vzip2q_u8(a, b);
  }
  static void unzip(Reg a, Reg b, Reg& even, Reg& odd) {
    even = vuzp1q_u8(a, b);
    odd = vuzp2q_u8(a, b);
  }
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
  static Mask signs(Reg v) { return bits(vcgeq_u8(v, vdupq_n_u8(0x80))); }
  static std::size_t countOf(Mask m) { return lowBitCount(m); }
};
#endif  // MORVEK_NEON

// The widest vector that every processor of the target has, which code
// outside the kernels may use in line without asking the processor.
#if MORVEK_X86
using Baseline = Sse2;
#elif MORVEK_NEON
using Baseline = Neon;
#else
using Baseline = Swar;
#endif

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_BYTEVEC_HPP_
