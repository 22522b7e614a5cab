// fastfind.hpp: substring search, forward and backward, that runs at vector
// speed on ordinary text and stays linear on any input (internal, not
// installed).
//
// The filter looks for the pattern's rarest byte, by a fixed table of how
// often each byte occurs in typical prose and source code: when that byte
// is rare enough it alone is scanned for, a vector at a time, and each
// alignment holding it is compared in full; otherwise alignments holding
// both the rarest and the second rarest byte at their offsets are the
// candidates, and a third byte joins them when the second is common (runs
// of one byte, phrases of common letters). Texts of up to 64 bytes are
// searched for the first and last bytes without choosing. When
// single-byte candidates turn out frequent the search goes on with the
// pair; when compared candidates keep failing after long
// partial matches (a text of 'a' searched for a...ab...a, say), the time
// spent comparing is held to a budget proportional to the bytes already
// passed, and once it is spent the search goes on with the two-way string
// matching method of Crochemore and Perrin, which is linear whatever the
// pattern, in constant space. Nothing is allocated.

#ifndef MORVEK_INTERNAL_FASTFIND_HPP_
#define MORVEK_INTERNAL_FASTFIND_HPP_

#include <cstddef>

#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

class SubstringFinder {
 public:
  // Prepares to search for the `length` bytes at `pattern`; `length` >= 1.
  // The pattern must stay in place while the object is used.
  SubstringFinder(const char* pattern, std::size_t length)
      : pattern_(pattern), length_(length) {}

  // The leftmost / rightmost occurrence lying wholly within
  // [text, text + text_length), or nullptr. Occurrences may overlap. Reads
  // nothing outside that range.
  const char* find(const char* text, std::size_t text_length) const {
    return activeKernels().find_first(pattern_, length_, text, text_length);
  }
  const char* findLast(const char* text, std::size_t text_length) const {
    return activeKernels().find_last(pattern_, length_, text, text_length);
  }

  // Stores in `hits` up to `max_hits` (>= 1) leftmost occurrences within
  // [at, end) that do not overlap (each search goes on after the previous
  // hit), moves `at` to where a further call goes on (after the last hit
  // when `max_hits` were found, else `end`) and returns their number. NUL
  // bytes are ordinary bytes here.
  std::size_t findAll(const char*& at, const char* end, const char** hits,
                      std::size_t max_hits) const {
    return activeKernels().find_all(pattern_, length_, at, end, hits, max_hits);
  }

 private:
  const char* pattern_;
  std::size_t length_;
};

// The position of the leftmost / rightmost occurrence of the
// NUL-terminated `needle` within [text, text + text_length) that starts
// before its first NUL byte (such an occurrence lies wholly before it), the
// text's first byte being at `text_position`; 0 for none. The empty needle
// is found at the first NUL byte or just after the text (backward: just
// after the text), and a one-byte needle among all the bytes, NUL bytes
// included: with `text_position` the 1-based position of `text` in a
// string, these are the positions IString's searches return. The needle is
// measured by the search itself, so that a short text costs one call.
inline unsigned firstTextPosition(const char* needle, const char* text,
                                  std::size_t text_length,
                                  unsigned text_position) {
  return activeKernels().first_text_position(needle, text, text_length,
                                             text_position);
}
inline unsigned lastTextPosition(const char* needle, const char* text,
                                 std::size_t text_length,
                                 unsigned text_position) {
  return activeKernels().last_text_position(needle, text, text_length,
                                            text_position);
}

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_FASTFIND_HPP_
