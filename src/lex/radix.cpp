// radix.cpp: the radix conversions. Hexadecimal pairs go sixteen bytes at a
// time with SSE2; binary digits go eight at a time through one
// multiplication; everything else is a table lookup per byte.

#include "radix.hpp"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "charclass.hpp"
#include "simd.hpp"
#include "textsize.hpp"

#if MORVEK_SSE2
#include <emmintrin.h>
#endif

namespace morvek {
namespace internal {

namespace {

// The digits of the values 0 to 15; a digit's value is its position.
constexpr char kDigits[] = "0123456789ABCDEF";

// The value of one hexadecimal digit of either case: '0' to '9' give 0 to 9,
// 'A' to 'F' and 'a' to 'f' give 10 to 15; meaningful only for those
// characters. A digit's low four bits are its value, less 9 for the letters,
// which are the digits with bit 6 set.
constexpr unsigned digitValue(unsigned char c) {
  return (c & 0xFu) + 9 * (c >> 6);
}

// Each byte value as two hexadecimal and as eight binary digits, built at
// compile time so that the loops below are table lookups.
struct DigitTables {
  char hex_pair[256][2];
  char bit_octet[256][8];
  constexpr DigitTables() : hex_pair(), bit_octet() {
    for (unsigned v = 0; v < 256; ++v) {
      hex_pair[v][0] = kDigits[v >> 4];
      hex_pair[v][1] = kDigits[v & 15];
      for (unsigned bit = 0; bit < 8; ++bit)
        bit_octet[v][bit] = ((v >> (7 - bit)) & 1) != 0 ? '1' : '0';
    }
  }
};
constexpr DigitTables kTables;

// A new text of `length` characters, terminated; the caller fills it.
OwnedText newText(std::uint64_t length) {
  const unsigned checked = checkedLength(length);
  char* data = newBuffer(checked);
  data[checked] = '\0';
  return OwnedText{data, checked};
}

constexpr OwnedText kNull{nullptr, 0};

// ---------------------------------------------------------------------------
// Values of digit runs
// ---------------------------------------------------------------------------

// The 8 bytes at p as a number whose lowest byte is p[0].
inline std::uint64_t loadLittleEndian(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  word = __builtin_bswap64(word);
#endif
  return word;
}

// The byte whose bits, most significant first, are the 8 binary digits at p.
// After the subtraction each byte of the word is 0 or 1; the multiplication
// moves byte i to bit 63 - i, and no two partial products overlap, so the
// top byte is exactly the 8 bits.
inline unsigned octetValue(const char* p) {
  const std::uint64_t bits = loadLittleEndian(p) - 0x3030303030303030u;
  return static_cast<unsigned>((bits * 0x8040201008040201u) >> 56);
}

// The value of the `count` digits at p in `radix` (2, 10 or 16), modulo
// 2^32.
template <unsigned radix>
unsigned digitsValue(const char* p, unsigned count) {
  unsigned num = 0;
  for (unsigned i = 0; i < count; ++i)
    num = num * radix + digitValue(static_cast<unsigned char>(p[i]));
  return num;
}

// ---------------------------------------------------------------------------
// Writers
// ---------------------------------------------------------------------------

// `n` binary digits as bytes (group_bits 8) or hexadecimal digits
// (group_bits 4), grouped from the right: the leftmost n mod group_bits
// digits, if any, form the first group.
OwnedText binaryGroups(const char* p, unsigned n, unsigned group_bits) {
  const OwnedText text =
      newText((std::uint64_t{n} + group_bits - 1) / group_bits);
  char* out = text.data;
  const bool to_bytes = group_bits == 8;
  const unsigned lead = n % group_bits;
  if (lead != 0) {
    const unsigned num = digitsValue<2>(p, lead);
    *out++ = to_bytes ? static_cast<char>(num) : kDigits[num];
    p += lead;
  }
  const char* const end = p + (n - lead);
  if (to_bytes) {
    for (; p != end; p += 8) *out++ = static_cast<char>(octetValue(p));
  } else {
    // Two octets, four hexadecimal digits, a step.
    for (; end - p >= 16; p += 16, out += 4) {
      std::memcpy(out, kTables.hex_pair[octetValue(p)], 2);
      std::memcpy(out + 2, kTables.hex_pair[octetValue(p + 8)], 2);
    }
    if (end - p >= 8) {
      std::memcpy(out, kTables.hex_pair[octetValue(p)], 2);
      p += 8;
      out += 2;
    }
    if (p != end) *out = kDigits[digitsValue<2>(p, 4)];
  }
  return text;
}

// `value` written with digits of `bits` bits each (1 or 4), without leading
// zeros; zero gives "0".
OwnedText radixDigits(unsigned value, unsigned bits) {
  unsigned length = 1;
  while (length * bits < 32 && (value >> (length * bits)) != 0) ++length;
  const OwnedText text = newText(length);
  for (unsigned pos = length; pos-- > 0; value >>= bits)
    text.data[pos] = kDigits[value & ((1u << bits) - 1)];
  return text;
}

#if MORVEK_SSE2
// The digit characters of the sixteen values 0 to 15 in `v`.
inline __m128i digitsOf(__m128i v) {
  const __m128i letter = _mm_cmpgt_epi8(v, _mm_set1_epi8(9));
  return _mm_add_epi8(_mm_add_epi8(v, _mm_set1_epi8('0')),
                      _mm_and_si128(letter, _mm_set1_epi8('A' - '0' - 10)));
}
#endif

// The `count` bytes at p as 2 * `count` upper-case hexadecimal digits at
// out, high four bits first.
void writeHexPairs(const char* p, std::size_t count, char* out) {
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
  for (; i < count; ++i)
    std::memcpy(out + 2 * i, kTables.hex_pair[static_cast<unsigned char>(p[i])],
                2);
}

#if MORVEK_SSE2
// The eight bytes spelt by the sixteen digits of `v`, in the low half of the
// result's 16-bit lanes (SSE2 lanes are little-endian on every target).
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

// The `count` bytes spelt by the 2 * `count` hexadecimal digits at p, the
// first of each pair giving the high four bits, written to out.
void readHexPairs(const char* p, std::size_t count, char* out) {
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
    out[i] = static_cast<char>(digitsValue<16>(p + 2 * i, 2));
}

template <typename T>
OwnedText decimalOf(T value) {
  char digits[64];
  const std::to_chars_result r =
      std::to_chars(digits, digits + sizeof digits, value);
  const unsigned length = static_cast<unsigned>(r.ptr - digits);
  return OwnedText{copyOf(digits, length), length};
}

// Whether the `n` bytes at `p` are digits of `from`.
bool accepts(Radix from, const char* p, unsigned n) {
  switch (from) {
    case Radix::kBinary:
      return allBinaryDigits(p, n);
    case Radix::kDecimal:
      return allDecimalDigits(p, n);
    case Radix::kHex:
      return allHexDigits(p, n);
    case Radix::kBytes:
      break;
  }
  return true;
}

// `n` >= 1 bytes as 8 binary or 2 hexadecimal digits each, or the last four
// as a number in decimal.
OwnedText fromBytes(Radix to, const char* p, unsigned n) {
  if (to == Radix::kDecimal) {
    // Bytes before the last four only add multiples of 2^32.
    unsigned num = 0;
    for (unsigned i = n > 4 ? n - 4 : 0; i < n; ++i)
      num = (num << 8) | static_cast<unsigned char>(p[i]);
    return decimalOf(num);
  }
  const unsigned width = to == Radix::kBinary ? 8 : 2;
  const OwnedText text = newText(std::uint64_t{n} * width);
  if (to == Radix::kHex) {
    writeHexPairs(p, n, text.data);
    return text;
  }
  for (unsigned i = 0; i < n; ++i)
    std::memcpy(text.data + 8 * std::size_t{i},
                kTables.bit_octet[static_cast<unsigned char>(p[i])], 8);
  return text;
}

// `value` in binary or hexadecimal without leading zeros, or as the fewest
// big-endian bytes that hold it.
OwnedText fromNumber(Radix to, unsigned value) {
  if (to != Radix::kBytes)
    return radixDigits(value, to == Radix::kBinary ? 1 : 4);
  const unsigned length = value > 0xFFFFFFu ? 4
                          : value > 0xFFFFu ? 3
                          : value > 0xFFu   ? 2
                                            : 1;
  const OwnedText text = newText(length);
  for (unsigned pos = 0; pos < length; ++pos)
    text.data[pos] = static_cast<char>(value >> (8 * (length - 1 - pos)));
  return text;
}

// `n` >= 1 hexadecimal digits as 4 binary digits each, as bytes, or (at
// most 8 of them) as a number in decimal.
OwnedText fromHex(Radix to, const char* p, unsigned n) {
  if (to == Radix::kDecimal)
    return n > 8 ? kNull : decimalOf(digitsValue<16>(p, n));
  if (to == Radix::kBytes) {
    const OwnedText text = newText((std::uint64_t{n} + 1) / 2);
    char* out = text.data;
    // An odd count is led by an implied '0'.
    if (n % 2 != 0) *out++ = static_cast<char>(digitsValue<16>(p++, 1));
    readHexPairs(p, n / 2, out);
    return text;
  }
  const OwnedText text = newText(std::uint64_t{n} * 4);
  // A digit's four binary digits end the eight of a byte of the same value.
  for (unsigned i = 0; i < n; ++i)
    std::memcpy(
        text.data + 4 * std::size_t{i},
        kTables.bit_octet[digitValue(static_cast<unsigned char>(p[i]))] + 4, 4);
  return text;
}

}  // namespace

OwnedText decimalText(int value) { return decimalOf(value); }
OwnedText decimalText(unsigned value) { return decimalOf(value); }
OwnedText decimalText(long value) { return decimalOf(value); }
OwnedText decimalText(unsigned long value) { return decimalOf(value); }
OwnedText decimalText(double value) { return decimalOf(value); }

OwnedText convert(Radix from, Radix to, const char* p, unsigned n) {
  if (n == 0 || !accepts(from, p, n)) return kNull;
  switch (from) {
    case Radix::kBinary:
      if (to == Radix::kDecimal) return decimalOf(digitsValue<2>(p, n));
      return binaryGroups(p, n, to == Radix::kBytes ? 8 : 4);
    case Radix::kBytes:
      return fromBytes(to, p, n);
    case Radix::kDecimal:
      return fromNumber(to, digitsValue<10>(p, n));
    case Radix::kHex:
      return fromHex(to, p, n);
  }
  return kNull;
}

}  // namespace internal
}  // namespace morvek
