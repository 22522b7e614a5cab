// replace.hpp: the replacement kernel behind IString::change and
// IString::translate (internal, not installed).

#ifndef MORVEK_REPLACE_HPP_
#define MORVEK_REPLACE_HPP_

namespace morvek {
namespace internal {

// What to replace: up to `max_changes` occurrences of the input string, from
// the 1-based position `start_pos` on (0 counts as 1), by the output string.
struct ChangeRequest {
  const char* input;
  unsigned input_length;
  const char* output;
  unsigned output_length;
  unsigned start_pos;
  unsigned max_changes;
};

// A changed text in a new[] buffer of exactly `length` + 1 bytes, its
// terminator written; `data` is nullptr when nothing would change.
struct ChangedText {
  char* data;
  unsigned length;
};

// The `length` bytes at `data` (nullptr when `length` is 0) changed as
// `request` says. Occurrences are searched for from the start position up
// to the first NUL byte after it, left to right without overlapping, so an
// input string holding a NUL byte matches nothing. Both strings of the
// request may point into `data`. Linear in `length` plus the result's
// length; throws std::bad_array_new_length when the result would be too
// long and std::bad_alloc when it cannot be allocated.
ChangedText changedText(const char* data, unsigned length,
                        const ChangeRequest& request);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_REPLACE_HPP_
