// texthash.hpp: the hash of a string's text (internal, not installed).
//
// Unordered containers of libstdc++ keep no copy of an IString's hash and
// compute it again as they walk a bucket or grow, so the hash is short on
// short texts and reads long ones 16 bytes a step: each step is one 64 x 64
// -> 128-bit multiply of the two halves, each mixed with a constant or the
// state, folded to 64 bits. The last 16 bytes (or, up to 16, the first and
// last ones, overlapping) and the length go into a final multiply. Values
// are not kept anywhere and may differ between byte orders.

#ifndef MORVEK_INTERNAL_TEXTHASH_HPP_
#define MORVEK_INTERNAL_TEXTHASH_HPP_

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace morvek {
namespace internal {
namespace texthash {

constexpr std::uint64_t kSecret0 = 0xa0761d6478bd642full;
constexpr std::uint64_t kSecret1 = 0xe7037ed1a0b428dbull;
constexpr std::uint64_t kSeed = 0x8ebc6af09c88c6e3ull;

inline std::uint64_t read8(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

inline std::uint64_t read4(const char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// The 128-bit product of `a` and `b`: its low half into `a`, its high half
// into `b`.
inline void multiply(std::uint64_t& a, std::uint64_t& b) {
#if defined(__SIZEOF_INT128__)
  __extension__ typedef unsigned __int128 Wide;
  const Wide product = static_cast<Wide>(a) * b;
  a = static_cast<std::uint64_t>(product);
  b = static_cast<std::uint64_t>(product >> 64);
#else
  const std::uint64_t a_hi = a >> 32, a_lo = a & 0xFFFFFFFFu;
  const std::uint64_t b_hi = b >> 32, b_lo = b & 0xFFFFFFFFu;
  const std::uint64_t lo_lo = a_lo * b_lo, hi_lo = a_hi * b_lo;
  const std::uint64_t lo_hi = a_lo * b_hi, hi_hi = a_hi * b_hi;
  const std::uint64_t middle =
      (lo_lo >> 32) + (hi_lo & 0xFFFFFFFFu) + (lo_hi & 0xFFFFFFFFu);
  a = (middle << 32) | (lo_lo & 0xFFFFFFFFu);
  b = hi_hi + (hi_lo >> 32) + (lo_hi >> 32) + (middle >> 32);
#endif
}

// The two halves of the product of `a` and `b`, joined by xor.
inline std::uint64_t mixed(std::uint64_t a, std::uint64_t b) {
  multiply(a, b);
  return a ^ b;
}

}  // namespace texthash

// The hash of the `length` bytes at `p`.
inline std::uint64_t textHash(const char* p, std::size_t length) {
  using namespace texthash;
  std::uint64_t state = kSeed, a = 0, b = 0;
  if (length <= 16) {
    if (length >= 4) {
      // The first and last 4 bytes, and for 8 or more the 4 after the first
      // and before the last: every byte, some twice.
      const std::size_t next = (length >> 3) << 2;
      a = (read4(p) << 32) | read4(p + next);
      b = (read4(p + length - 4) << 32) | read4(p + length - 4 - next);
    } else if (length > 0) {
      a = (std::uint64_t{static_cast<unsigned char>(p[0])} << 16) |
          (std::uint64_t{static_cast<unsigned char>(p[length >> 1])} << 8) |
          static_cast<unsigned char>(p[length - 1]);
    }
  } else {
    std::size_t rest = length;
    for (; rest > 16; rest -= 16, p += 16)
      state = mixed(read8(p) ^ kSecret1, read8(p + 8) ^ state);
    a = read8(p + rest - 16);
    b = read8(p + rest - 8);
  }
  a ^= kSecret1;
  b ^= state;
  multiply(a, b);
  return mixed(a ^ kSecret0 ^ length, b ^ kSecret1);
}

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_TEXTHASH_HPP_
