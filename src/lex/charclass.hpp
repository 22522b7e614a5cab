// charclass.hpp: whether a run of bytes lies wholly within one of the digit
// classes (internal, not installed).

#ifndef MORVEK_CHARCLASS_HPP_
#define MORVEK_CHARCLASS_HPP_

#include <cstddef>

namespace morvek {
namespace internal {

// True when each of the `length` bytes at `p` is '0' or '1' / '0' to '9' /
// '0' to '9', 'A' to 'F' or 'a' to 'f'; true for length 0. Each stops within
// sixteen bytes of the first byte outside its class.
bool allBinaryDigits(const char* p, std::size_t length);
bool allDecimalDigits(const char* p, std::size_t length);
bool allHexDigits(const char* p, std::size_t length);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_CHARCLASS_HPP_
