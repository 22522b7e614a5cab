// fastfind.hpp: substring search, forward and backward, that runs at vector
// speed on ordinary text and stays linear on any input (internal, not
// installed).
//
// Candidates are the alignments whose first and last bytes both match the
// pattern's, found 32 (or 16) alignments at a time; only candidates are
// compared in full. When candidates keep failing after long partial matches
// (a text of 'a' searched for a...ab...a, say), the time spent comparing is
// held to a budget proportional to the bytes already passed; once it is
// spent the search goes on with the two-way string matching method of
// Crochemore and Perrin, which is linear whatever the pattern, in constant
// space. Nothing is allocated.

#ifndef MORVEK_FASTFIND_HPP_
#define MORVEK_FASTFIND_HPP_

#include <cstddef>

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
  const char* find(const char* text, std::size_t text_length) const;
  const char* findLast(const char* text, std::size_t text_length) const;

  // Stores in `hits` up to `max_hits` leftmost occurrences within
  // [text, text + text_length) before its first NUL byte that do not overlap
  // (each search goes on after the previous hit), and returns their number.
  // `rest` is the offset where a further call would go on. The pattern must
  // hold no NUL byte.
  std::size_t findAll(const char* text, std::size_t text_length,
                      const char** hits, std::size_t max_hits,
                      std::size_t& rest) const;

 private:
  const char* pattern_;
  std::size_t length_;
};

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_FASTFIND_HPP_
