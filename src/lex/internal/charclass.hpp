// charclass.hpp: the character classes of the kernels: the digit classes,
// checked a run of bytes at a time, and white space (internal, not
// installed).

#ifndef MORVEK_INTERNAL_CHARCLASS_HPP_
#define MORVEK_INTERNAL_CHARCLASS_HPP_

#include <cctype>
#include <cstddef>

namespace morvek {
namespace internal {

enum class DigitClass { kBinary, kDecimal, kHex };

// True when each of the `length` bytes at `p` is '0' or '1' / '0' to '9' /
// '0' to '9', 'A' to 'F' or 'a' to 'f'; true for length 0. Each stops within
// a vector of the first byte outside its class.
bool allDigitsOf(DigitClass digits, const char* p, std::size_t length);
inline bool allBinaryDigits(const char* p, std::size_t length) {
  return allDigitsOf(DigitClass::kBinary, p, length);
}
inline bool allDecimalDigits(const char* p, std::size_t length) {
  return allDigitsOf(DigitClass::kDecimal, p, length);
}
inline bool allHexDigits(const char* p, std::size_t length) {
  return allDigitsOf(DigitClass::kHex, p, length);
}

// The same a byte at a time.
bool allDigitsOfByByte(DigitClass digits, const char* p, std::size_t length);

// The isspace class of the current locale (never NUL), looked up once per
// object: with glibc the locale's class table is read directly, as the C
// macro does, without a call per byte.
class WhiteSpace {
 public:
#if defined(__GLIBC__)
  WhiteSpace() : table_(*__ctype_b_loc()) {}
  bool contains(char c) const {
    return (table_[static_cast<unsigned char>(c)] & _ISspace) != 0;
  }

 private:
  const unsigned short* table_;
#else
  bool contains(char c) const {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
  }
#endif
};

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_CHARCLASS_HPP_
