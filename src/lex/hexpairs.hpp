// hexpairs.hpp: hexadecimal digit pairs to bytes and back (internal, not
// installed).

#ifndef MORVEK_HEXPAIRS_HPP_
#define MORVEK_HEXPAIRS_HPP_

#include <cstddef>

namespace morvek {
namespace internal {

// Writes to `out` the `count` bytes spelt by the 2 * `count` hexadecimal
// digits (of either case, already checked) at `p`, the first digit of each
// pair giving the high four bits.
void hexPairsToBytes(const char* p, std::size_t count, char* out);

// Writes to `out` the 2 * `count` upper-case hexadecimal digits of the
// `count` bytes at `p`, high four bits first.
void bytesToHexPairs(const char* p, std::size_t count, char* out);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_HEXPAIRS_HPP_
