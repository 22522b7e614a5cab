// textsearch.hpp: substring search over byte ranges (internal, not
// installed).
//
// Both directions run in time linear in the text length whatever the
// pattern: a filter on the pattern's first and last bytes finds candidates
// quickly on ordinary text, and when too many candidates fail it hands the
// rest of the range to the two-way algorithm, which needs no extra memory.
// Patterns and texts are plain byte ranges: NUL bytes are ordinary bytes.

#ifndef MORVEK_TEXTSEARCH_HPP_
#define MORVEK_TEXTSEARCH_HPP_

#include <cstddef>

namespace morvek {
namespace internal {

// The first occurrence of the m bytes at `pattern` in the n bytes at `text`,
// or a null pointer. An empty pattern occurs at `text`.
const char* findFirst(const char* text, std::size_t n, const char* pattern,
                      std::size_t m);

// The last occurrence of the pattern lying wholly within the n bytes at
// `text` (so ending at or before text + n), or a null pointer. An empty
// pattern occurs at text + n.
const char* findLast(const char* text, std::size_t n, const char* pattern,
                     std::size_t m);

// The first occurrence of a pattern of m >= 1 bytes, none of them NUL, that
// lies before the first NUL byte of the n bytes at `text`, or a null pointer.
// Reads the text only as far as the answer needs, so an early hit costs
// little in a long text.
const char* findFirstBeforeNul(const char* text, std::size_t n,
                               const char* pattern, std::size_t m);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_TEXTSEARCH_HPP_
