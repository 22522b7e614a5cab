// radix.hpp: the radix conversions between bytes and binary, decimal and
// hexadecimal digits, and the decimal text of numbers (internal, not
// installed).
//
// Each conversion returns a new[] buffer of exactly its result plus a
// terminator, which the caller takes over. Every result is the same whatever
// the byte order and whatever the signedness of char.

#ifndef MORVEK_INTERNAL_RADIX_HPP_
#define MORVEK_INTERNAL_RADIX_HPP_

#include <cstddef>

#include "textsize.hpp"

namespace morvek {
namespace internal {

// The decimal text of a number: "-12", "4294967295", "0.5".
OwnedText decimalText(int value);
OwnedText decimalText(unsigned value);
OwnedText decimalText(long value);
OwnedText decimalText(unsigned long value);
OwnedText decimalText(double value);

// The four kinds of text the conversions read and write: binary digits,
// bytes, decimal digits, hexadecimal digits.
enum class Radix { kBinary, kBytes, kDecimal, kHex };

// The `n` bytes at `p`, read as `from`, written as `to` (which differs):
// - binary digits are grouped from the right into bytes or hexadecimal
//   digits (the leftmost n mod 8, or n mod 4, digits forming the first
//   group), or read as one number modulo 2^32 and written in decimal;
// - bytes become 8 binary or 2 upper-case hexadecimal digits each, or the
//   last four are read as one big-endian number and written in decimal;
// - decimal digits are read as one number modulo 2^32 and written in binary
//   or upper-case hexadecimal without leading zeros, or as the fewest
//   big-endian bytes (at least one) that hold it;
// - hexadecimal digits of either case become 4 binary digits each, or bytes
//   read in pairs from the left (an odd count led by an implied '0'), or,
//   for at most 8 digits, one number written in decimal.
// No bytes, a character outside the digits of `from`, or more than 8
// hexadecimal digits for decimal give the null text.
OwnedText convert(Radix from, Radix to, const char* p, unsigned n);

// The `count` bytes at `p` as 2 * `count` upper-case hexadecimal digits at
// `out`, and back: the hexadecimal pairs a byte at a time, under the
// narrowest vector width (vectorblocks.inc).
void writeHexPairsByByte(const char* p, std::size_t count, char* out);
void readHexPairsByByte(const char* p, std::size_t count, char* out);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_RADIX_HPP_
