// casemap.hpp: case conversion of a run of bytes in place through the
// current locale's toupper / tolower (internal, not installed).

#ifndef MORVEK_INTERNAL_CASEMAP_HPP_
#define MORVEK_INTERNAL_CASEMAP_HPP_

#include <cstddef>
#include <cstdint>

namespace morvek {
namespace internal {

// Replace each of the `length` bytes at `p` by toupper / tolower of its
// unsigned value in the current locale. NUL bytes are converted like any
// other byte (to themselves); callers choose `length`.
void upperInPlace(char* p, std::size_t length);
void lowerInPlace(char* p, std::size_t length);

// The same for the bytes before the first NUL byte among the `length` bytes
// at `p`, found as they are converted; the NUL byte and those after it
// stay.
void upperBeforeNul(char* p, std::size_t length);
void lowerBeforeNul(char* p, std::size_t length);

// A conversion as the kernels see it: `table` maps each byte value 0 to
// 255; `ascii_plain` says that it maps the 7-bit bytes as ASCII does, the
// letters [first, last] to the other case by flipping bit 0x20 and every
// other 7-bit byte to itself; with `before_nul` the conversion ends at the
// first NUL byte.
struct CaseMapping {
  CaseMapping(bool to_upper, const std::int32_t* byte_table)
      : table(byte_table),
        first(to_upper ? 'a' : 'A'),
        last(to_upper ? 'z' : 'Z') {}

  const std::int32_t* table;
  bool ascii_plain = false;
  bool before_nul = false;
  char first;
  char last;
};

// The `length` bytes at `p` converted through the table, one at a time
// (with before_nul up to the first NUL byte).
void convertCaseByTable(unsigned char* p, std::size_t length,
                        const CaseMapping& mapping);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_CASEMAP_HPP_
