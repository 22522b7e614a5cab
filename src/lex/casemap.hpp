// casemap.hpp: case conversion of a run of bytes in place through the
// current locale's toupper / tolower (internal, not installed).

#ifndef MORVEK_CASEMAP_HPP_
#define MORVEK_CASEMAP_HPP_

#include <cstddef>

namespace morvek {
namespace internal {

// Replace each of the `length` bytes at `p` by toupper / tolower of its
// unsigned value in the current locale. NUL bytes are converted like any
// other byte (to themselves); callers choose `length`.
void upperInPlace(char* p, std::size_t length);
void lowerInPlace(char* p, std::size_t length);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_CASEMAP_HPP_
