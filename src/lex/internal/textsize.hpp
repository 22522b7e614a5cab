// textsize.hpp: size arithmetic shared by the IString sources (internal,
// not installed).
//
// A string's length is an unsigned 32-bit count and its buffer holds one
// more byte for the terminator, so the longest string has 0xFFFFFFFE
// characters. Every length that an operation computes goes through these
// helpers in 64-bit arithmetic; one that does not fit throws
// std::bad_array_new_length before the operation changes anything.

#ifndef MORVEK_INTERNAL_TEXTSIZE_HPP_
#define MORVEK_INTERNAL_TEXTSIZE_HPP_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

#include "bytevec.hpp"

namespace morvek {
namespace internal {

// A buffer made with new[] holding `length` characters and a terminator,
// which the receiver takes over; or no text at all (nullptr, 0).
struct OwnedText {
  char* data;
  unsigned length;
};

// `length` characters at `data`, owned elsewhere.
struct TextSpan {
  const char* data;
  unsigned length;
};

// The longest length an IString may have.
constexpr std::uint64_t kMaxLength = 0xFFFFFFFEu;

[[noreturn]] inline void throwSizeDoesNotFit() {
  throw std::bad_array_new_length();
}

// `length` as a 32-bit string length, or throws when it does not fit.
inline unsigned checkedLength(std::uint64_t length) {
  if (length > kMaxLength) throwSizeDoesNotFit();
  return static_cast<unsigned>(length);
}

// Whether every read must stay within the bytes a caller passed: under
// the sanitizers that check memory (Address, Thread, Memory), which report
// a read of any byte beyond them.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define MORVEK_READS_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(memory_sanitizer)
#define MORVEK_READS_CHECKED 1
#endif
#endif
#ifndef MORVEK_READS_CHECKED
#define MORVEK_READS_CHECKED 0
#endif

// The offset of the first NUL byte among the `length` bytes at `text`, or
// `length`, by aligned vectors, for the NUL-terminated texts that callers
// pass (needles, sets), which may end before `length` bytes. An aligned
// vector that holds a byte of the text lies within one page, so reading it
// cannot fault; the bytes it holds before the text, or after `length`, are
// masked off, and the search stops at the vector that holds a NUL byte.
inline std::size_t alignedTextEnd(const char* text, std::size_t length) {
  using W = Baseline;
  const W::Reg zero = W::splat('\0');
  const std::size_t skew = reinterpret_cast<std::uintptr_t>(text) % W::kWidth;
  Mask nul = W::bits(W::eq(W::load(text - skew), zero)) >> skew;
  std::size_t base = 0;                 // offset of the vector's first byte
  std::size_t next = W::kWidth - skew;  // offset of the next vector
  for (;;) {
    if (length - base < W::kWidth) nul &= lowBits(length - base);
    if (nul != 0) return base + lowestBit(nul);
    if (next >= length) return length;
    base = next;
    next += W::kWidth;
    nul = W::bits(W::eq(W::load(text + base), zero));
  }
}

// Bytes of a NUL-terminated text that headLength measures in line.
constexpr std::size_t kMeasuredInLine = 16;

// The length of the NUL-terminated text at `p` when it is shorter than
// kMeasuredInLine bytes, else kMeasuredInLine. Needles and the other texts
// that callers pass are mostly short: measured in line, where a call would
// cost more (a byte at a time under the sanitizers).
inline std::size_t headLength(const char* p) {
#if MORVEK_READS_CHECKED
  std::size_t length = 0;
  while (length < kMeasuredInLine && p[length] != '\0') ++length;
  return length;
#else
  return alignedTextEnd(p, kMeasuredInLine);
#endif
}

// Length of the NUL-terminated text at `p`: its head in line, the rest by
// strlen.
inline std::size_t measuredLength(const char* p) {
  const std::size_t head = headLength(p);
  return head < kMeasuredInLine ? head : head + std::strlen(p + head);
}

// Length of a NUL-terminated text, 0 for a null pointer; throws for a text
// too long to be a string.
inline unsigned textLength(const char* p) {
  return p == nullptr ? 0u : checkedLength(measuredLength(p));
}

// A new[] buffer for a string of `length` characters (one more byte for the
// terminator, which the caller writes); throws when `length` does not fit.
inline char* newBuffer(std::uint64_t length) {
  return new char[static_cast<std::size_t>(checkedLength(length)) + 1];
}

// Copies `n` bytes. Texts of up to 64 bytes, which most calls copy, are
// moved in line as two to four overlapping moves of a fixed size, with no
// call to memcpy.
inline void copyBytes(char* dest, const char* source, std::size_t n) {
  if (n > 64) {
    std::memcpy(dest, source, n);
  } else if (n > 32) {
    std::memcpy(dest, source, 16);
    std::memcpy(dest + 16, source + 16, 16);
    std::memcpy(dest + n - 32, source + n - 32, 16);
    std::memcpy(dest + n - 16, source + n - 16, 16);
  } else if (n > 16) {
    std::memcpy(dest, source, 16);
    std::memcpy(dest + n - 16, source + n - 16, 16);
  } else if (n >= 8) {
    std::memcpy(dest, source, 8);
    std::memcpy(dest + n - 8, source + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(dest, source, 4);
    std::memcpy(dest + n - 4, source + n - 4, 4);
  } else if (n >= 2) {
    std::memcpy(dest, source, 2);
    std::memcpy(dest + n - 2, source + n - 2, 2);
  } else if (n == 1) {
    *dest = *source;
  }
}

// A new buffer holding the `length` bytes at `p` and a terminator.
inline char* copyOf(const char* p, unsigned length) {
  char* buffer = newBuffer(length);
  copyBytes(buffer, p, length);
  buffer[length] = '\0';
  return buffer;
}

// Texts of up to this many bytes are checked for a NUL byte in line, a
// vector at a time; the call of memchr costs more than the check.
constexpr std::size_t kNulCheckedInLine = 64;

// True when one of the `length` bytes at `text` is 0, for
// Baseline::kWidth <= length <= kNulCheckedInLine: whole vectors, the last
// one overlapping the one before.
inline bool hasNulByte(const char* text, std::size_t length) {
  using W = Baseline;
  const W::Reg zero = W::splat('\0');
  W::Cmp nul = W::eq(W::load(text + length - W::kWidth), zero);
  for (std::size_t k = 0; k + W::kWidth < length; k += W::kWidth)
    nul = W::either(nul, W::eq(W::load(text + k), zero));
  return W::bits(nul) != 0;
}

// The offset of the first NUL byte among the `length` bytes at `text`, or
// `length` when there is none, reading no byte after that NUL byte: the
// text may end there, before `length` bytes (a caller's buffer).
inline std::size_t textEndWithin(const char* text, std::size_t length) {
  if (length < kMeasuredInLine) {
    for (std::size_t k = 0; k < length; ++k)
      if (text[k] == '\0') return k;
    return length;
  }
  const void* nul = std::memchr(text, '\0', length);
  return nul != nullptr
             ? static_cast<std::size_t>(static_cast<const char*>(nul) - text)
             : length;
}

// The same, where all `length` bytes may be read (a string's own text): a
// short text is checked whole, a vector at a time.
inline std::size_t textEnd(const char* text, std::size_t length) {
  if (length >= Baseline::kWidth && length <= kNulCheckedInLine &&
      !hasNulByte(text, length))
    return length;
  return textEndWithin(text, length);
}

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_TEXTSIZE_HPP_
