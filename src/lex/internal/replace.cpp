// replace.cpp: the replacement kernel. One pass counts the occurrences, so
// that the result is allocated once at its exact size, and a second builds
// it. A one-byte input is counted and replaced a vector at a time
// (vectorblocks.inc); longer ones draw their occurrences, in both passes,
// from one HitSource.

#include "replace.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "fastfind.hpp"
#include "testhooks.hpp"
#include "textsize.hpp"
#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

namespace {

// The occurrences that a replacement changes: left to right without
// overlapping, never more than a limit. The counting pass (count) and the
// building pass (forEach) both take them from here, and fetch alone decides
// how many to ask the finder for at a time.
class HitSource {
 public:
  HitSource(const SubstringFinder& finder, const ChangeRequest& request,
            const char* begin, const char* end)
      : finder_(finder),
        begin_(begin),
        end_(end),
        limit_(request.max_changes) {}

  // The counting pass: the number of occurrences, at most the limit. The
  // first batch found is kept for the building pass.
  std::uint64_t count() {
    after_first_ = begin_;
    first_count_ = fetch(after_first_, first_, limit_);
    count_ = first_count_;
    const char* at = after_first_;
    Batch more;
    for (std::size_t n; (n = fetch(at, more, limit_ - count_)) != 0;)
      count_ += n;
    return count_;
  }

  // The building pass: passes the counted occurrences, in order and a batch
  // at a time, to on_hits(hits, n).
  template <typename OnHits>
  void forEach(OnHits&& on_hits) const {
    std::uint64_t left = count_;
    Batch batch;
    on_hits(first_, first_count_);
    left -= first_count_;
    const char* at = after_first_;
    for (std::size_t n; (n = fetch(at, batch, left)) != 0; left -= n)
      on_hits(batch, n);
  }

 private:
  static constexpr std::size_t kBatch = 256;
  using Batch = const char* [kBatch];

  // The next occurrences from `at`, at most `left` and one batch; moves
  // `at` past them.
  std::size_t fetch(const char*& at, Batch& into, std::uint64_t left) const {
    const std::size_t wanted =
        left < kBatch ? static_cast<std::size_t>(left) : kBatch;
    return wanted == 0 ? 0 : finder_.findAll(at, end_, into, wanted);
  }

  const SubstringFinder& finder_;
  const char* begin_;
  const char* end_;  // the searched text's end
  std::uint64_t limit_;
  std::uint64_t count_ = 0;
  Batch first_;
  std::size_t first_count_ = 0;
  const char* after_first_ = nullptr;  // where the search after first_ goes on
};

// Writes the changed text: the bytes between occurrences, and the output
// string in place of each.
class Builder {
 public:
  Builder(char* dest, const char* source, const ChangeRequest& request)
      : dest_(dest),
        source_(source),
        output_(request.output.data),
        output_length_(request.output.length),
        input_length_(request.input.length) {}

  void operator()(const char* const* hits, std::size_t count) {
    switch (output_length_) {
      case 0:
        return replace<0>(hits, count);
      case 1:
        return replace<1>(hits, count);
      case 2:
        return replace<2>(hits, count);
      default:
        return replace<kAnyLength>(hits, count);
    }
  }

  // The rest of the text up to `end`.
  void finish(const char* end) {
    std::memcpy(dest_, source_, static_cast<std::size_t>(end - source_));
  }

 private:
  static constexpr std::size_t kAnyLength = ~std::size_t{0};

  // The loop for an output string of kLength bytes (or any, kAnyLength),
  // on local copies: the bytes written might alias the members.
  template <std::size_t kLength>
  void replace(const char* const* hits, std::size_t count) {
    char* dest = dest_;
    const char* source = source_;
    const char* const output = output_;
    const std::size_t output_length =
        kLength == kAnyLength ? output_length_ : kLength;
    const std::size_t input_length = input_length_;
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t kept = static_cast<std::size_t>(hits[k] - source);
      if (kept != 0) copyBytes(dest, source, kept);
      dest += kept;
      if (kLength == kAnyLength)
        copyBytes(dest, output, output_length);
      else if (kLength != 0)
        std::memcpy(dest, output, kLength);
      dest += output_length;
      source = hits[k] + input_length;
    }
    dest_ = dest;
    source_ = source;
  }

  char* dest_;
  const char* source_;
  const char* output_;
  std::size_t output_length_;
  std::size_t input_length_;
};

// The first NUL byte at or after `text`, or `text` + `length`: where the
// searched text ends. Looked for once per call.
const char* searchedEnd(const char* text, std::size_t length) {
  const std::size_t end = textEnd(text, length);
  countWork(&WorkCounts::end_searches, 1);
  countWork(&WorkCounts::end_bytes, end < length ? end + 1 : length);
  return text + end;
}

// Whether the input text holds a NUL byte; short ones are looked at in
// line.
bool holdsNul(TextSpan text) {
  if (text.length > kMeasuredInLine)
    return std::memchr(text.data, '\0', text.length) != nullptr;
  for (unsigned k = 0; k < text.length; ++k)
    if (text.data[k] == '\0') return true;
  return false;
}

// The text of `length` bytes at `data` with the occurrences of a one-byte
// input from `start` on replaced: one pass counts them and finds where the
// searched text ends, or where the limit is reached, a vector at a time;
// when there are some, a second writes the new text, a vector at a time.
OwnedText replacedBytes(const char* data, unsigned length, const char* start,
                        const ChangeRequest& request) {
  const char byte = request.input.data[0];
  const std::size_t rest = static_cast<std::size_t>(data + length - start);
  const ByteCount counted = activeKernels().count_byte(
      start, rest, ByteSearch{request.max_changes, byte, true});
  const std::size_t examined = static_cast<std::size_t>(counted.end - start);
  countWork(&WorkCounts::end_searches, 1);
  countWork(&WorkCounts::end_bytes, examined < rest ? examined + 1 : rest);
  if (counted.count == 0) return OwnedText{nullptr, 0};
  const unsigned new_length =
      checkedLength(std::uint64_t{length} - counted.count +
                    std::uint64_t{counted.count} * request.output.length);
  char* const text = newBuffer(new_length);
  const std::size_t before = static_cast<std::size_t>(start - data);
  std::memcpy(text, data, before);
  char* const written = activeKernels().replace_byte(
      text + before, start, examined, byte, request.output);
  // The rest with the terminator, over the byte that replace_byte may have
  // written past its end.
  std::memcpy(written, counted.end,
              static_cast<std::size_t>(data + length + 1 - counted.end));
  return OwnedText{text, new_length};
}

// The text of `length` bytes at `data` with the occurrences of an input of
// two bytes or more from `start` on replaced: a HitSource counts them,
// then a Builder writes the new text. Not in line, so that its batches of
// hits take no room in the frame of the other replacements.
__attribute__((noinline)) OwnedText replacedTexts(
    const char* data, unsigned length, const char* start,
    const ChangeRequest& request) {
  const SubstringFinder finder(request.input.data, request.input.length);
  HitSource hits(
      finder, request, start,
      searchedEnd(start, static_cast<std::size_t>(data + length - start)));
  const std::uint64_t count = hits.count();
  if (count == 0) return OwnedText{nullptr, 0};

  // Occurrences never overlap, so count * input.length <= length.
  const unsigned new_length =
      checkedLength(std::uint64_t{length} - count * request.input.length +
                    count * request.output.length);
  char* const text = newBuffer(new_length);
  const std::size_t before = static_cast<std::size_t>(start - data);
  std::memcpy(text, data, before);
  // The request's strings may point into `data`, which lives until the new
  // text is complete.
  Builder builder(text + before, start, request);
  hits.forEach(builder);
  builder.finish(data + length + 1);  // with the terminator
  return OwnedText{text, new_length};
}

}  // namespace

ByteCount countByteByByte(const char* p, std::size_t length,
                          const ByteSearch& search) {
  std::size_t count = 0;
  for (std::size_t k = 0; k < length && count < search.limit; ++k) {
    if (search.before_nul && p[k] == '\0') return ByteCount{p + k, count};
    if (p[k] == search.byte && ++count == search.limit)
      return ByteCount{p + k + 1, count};
  }
  return ByteCount{p + length, count};
}

char* replaceByteByByte(char* dest, const char* source, std::size_t length,
                        char byte, TextSpan output) {
  switch (output.length) {
    case 0:  // every byte written, the end moved on past the others
      for (std::size_t k = 0; k < length; ++k) {
        *dest = source[k];
        dest += source[k] != byte;
      }
      return dest;
    case 1:
      for (std::size_t k = 0; k < length; ++k)
        dest[k] = source[k] == byte ? output.data[0] : source[k];
      return dest + length;
    case 2: {  // two bytes written for each, the end moved on by one or two
      const char first = output.data[0];
      const char second = output.data[1];
      for (std::size_t k = 0; k < length; ++k) {
        const bool hit = source[k] == byte;
        dest[0] = hit ? first : source[k];
        dest[1] = second;
        dest += 1 + static_cast<std::size_t>(hit);
      }
      return dest;
    }
    default:
      for (std::size_t k = 0; k < length; ++k) {
        if (source[k] == byte) {
          copyBytes(dest, output.data, output.length);
          dest += output.length;
        } else {
          *dest++ = source[k];
        }
      }
      return dest;
  }
}

OwnedText changedText(const char* data, unsigned length,
                      const ChangeRequest& request) {
  const TextSpan input = request.input;
  const unsigned start_pos = request.start_pos == 0 ? 1 : request.start_pos;
  if (length == 0 || input.length == 0 || start_pos > length ||
      request.max_changes == 0 || holdsNul(input))
    return OwnedText{nullptr, 0};
  const char* const start = data + (start_pos - 1);
  if (input.length == 1) return replacedBytes(data, length, start, request);
  return replacedTexts(data, length, start, request);
}

}  // namespace internal
}  // namespace morvek
