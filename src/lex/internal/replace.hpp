// replace.hpp: the replacement kernel behind IString::change and
// IString::translate (internal, not installed).

#ifndef MORVEK_INTERNAL_REPLACE_HPP_
#define MORVEK_INTERNAL_REPLACE_HPP_

#include <cstddef>

#include "textsize.hpp"

namespace morvek {
namespace internal {

// A count of the occurrences of one byte value (vectorblocks.inc): how
// many, and where counting stopped.
struct ByteCount {
  const char* end;
  std::size_t count;
};

// What a count of one byte value looks for and where it stops: at most
// `limit` occurrences of `byte`, and with `before_nul` only those before
// the first NUL byte.
struct ByteSearch {
  std::size_t limit;
  char byte;
  bool before_nul;
};

// The occurrences that `search` asks for among the `length` bytes at `p`,
// one byte at a time: `end` is just after the limit-th occurrence when the
// limit is reached, else the first NUL byte (before_nul) or p + length.
ByteCount countByteByByte(const char* p, std::size_t length,
                          const ByteSearch& search);

// Writes the `length` bytes at `source` to `dest`, each byte `byte`
// replaced by the `output` text, one byte at a time; returns the end of
// what it wrote. May write one byte past that end, which the caller writes
// afterwards.
char* replaceByteByByte(char* dest, const char* source, std::size_t length,
                        char byte, TextSpan output);

// No text holds this many occurrences: a limit of every one.
constexpr unsigned kEveryOccurrence = 0xFFFFFFFFu;

// What to replace: occurrences of the input string by the output string,
// from the 1-based position `start_pos` on (0 counts as 1; by default 1), at
// most `max_changes` of them (by default every one).
struct ChangeRequest {
  ChangeRequest(TextSpan input_text, TextSpan output_text)
      : input(input_text), output(output_text) {}
  ChangeRequest& from(unsigned position) {
    start_pos = position;
    return *this;
  }
  ChangeRequest& atMost(unsigned changes) {
    max_changes = changes;
    return *this;
  }

  TextSpan input;
  TextSpan output;
  unsigned start_pos = 1;
  unsigned max_changes = kEveryOccurrence;
};

// The `length` bytes at `data` (nullptr when `length` is 0) changed as
// `request` says, in a buffer of exactly the new length; no text (nullptr)
// when nothing would change. Occurrences are searched for from the start
// position up to the first NUL byte after it, left to right without
// overlapping, so an input string holding a NUL byte matches nothing. Both
// strings of the request may point into `data`. Linear in `length` plus the
// result's length; throws std::bad_array_new_length when the result would be
// too long and std::bad_alloc when it cannot be allocated.
OwnedText changedText(const char* data, unsigned length,
                      const ChangeRequest& request);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_REPLACE_HPP_
