// radix.cpp: the radix conversions. Hexadecimal pairs go a vector at a time
// (vectorblocks.inc); binary digits go eight at a time through one
// multiplication; everything else is a table lookup per byte.

#include "radix.hpp"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "charclass.hpp"
#include "textsize.hpp"
#include "vectorkernels.hpp"

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

template <typename T>
OwnedText decimalOf(T value) {
  char digits[64];
  const std::to_chars_result r =
      std::to_chars(digits, digits + sizeof digits, value);
  const unsigned length = static_cast<unsigned>(r.ptr - digits);
  const OwnedText text = newText(length);
  std::memcpy(text.data, digits, length);
  return text;
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
    activeKernels().write_hex_pairs(p, n, text.data);
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
    activeKernels().read_hex_pairs(p, n / 2, out);
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

void writeHexPairsByByte(const char* p, std::size_t count, char* out) {
  for (std::size_t i = 0; i < count; ++i)
    std::memcpy(out + 2 * i, kTables.hex_pair[static_cast<unsigned char>(p[i])],
                2);
}

void readHexPairsByByte(const char* p, std::size_t count, char* out) {
  for (std::size_t i = 0; i < count; ++i)
    out[i] = static_cast<char>(digitsValue<16>(p + 2 * i, 2));
}

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
