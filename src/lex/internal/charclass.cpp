// charclass.cpp: the digit-class checks.

#include "charclass.hpp"

#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

namespace {

// Shorter runs are checked a byte at a time, without the vector kernels.
constexpr std::size_t kVectorMinimum = 16;

template <DigitClass kDigits>
bool isDigit(unsigned char c) {
  switch (kDigits) {
    case DigitClass::kBinary:
      return (c & 0xFE) == '0';
    case DigitClass::kDecimal:
      return static_cast<unsigned char>(c - '0') <= 9;
    case DigitClass::kHex:
      break;
  }
  return static_cast<unsigned char>(c - '0') <= 9 ||
         static_cast<unsigned char>((c | 0x20) - 'a') <= 5;
}

template <DigitClass kDigits>
bool allDigits(const char* p, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i)
    if (!isDigit<kDigits>(static_cast<unsigned char>(p[i]))) return false;
  return true;
}

}  // namespace

bool allDigitsOfByByte(DigitClass digits, const char* p, std::size_t length) {
  switch (digits) {
    case DigitClass::kBinary:
      return allDigits<DigitClass::kBinary>(p, length);
    case DigitClass::kDecimal:
      return allDigits<DigitClass::kDecimal>(p, length);
    case DigitClass::kHex:
      break;
  }
  return allDigits<DigitClass::kHex>(p, length);
}

bool allDigitsOf(DigitClass digits, const char* p, std::size_t length) {
  if (length < kVectorMinimum) return allDigitsOfByByte(digits, p, length);
  return activeKernels().all_digits_of(digits, p, length);
}

}  // namespace internal
}  // namespace morvek
