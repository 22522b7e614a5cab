// replace.cpp: the replacement kernel. One pass counts the occurrences, so
// that the result is allocated once at its exact size, and a second builds
// it; both draw their occurrences from one HitSource.

#include "replace.hpp"

#include <cstdint>
#include <cstring>

#include "fastfind.hpp"
#include "kernelprobe.hpp"
#include "textsize.hpp"

namespace morvek {
namespace internal {

namespace {

// Occurrences a batch at a time, left to right without overlapping, never
// more than a limit in all. The source alone decides how many to ask the
// finder for: what the limit leaves, at most one batch.
class HitSource {
 public:
  static constexpr std::size_t kBatch = 256;
  struct Batch {
    const char* hit[kBatch];
  };

  HitSource(const SubstringFinder& finder, const char* begin, const char* end,
            std::uint64_t limit)
      : finder_(finder), at_(begin), end_(end), left_(limit) {}

  // Stores the next occurrences in `batch` and returns their number; 0 once
  // there are no more or the limit is reached.
  std::size_t next(Batch& batch) {
    const std::size_t wanted = left_ < kBatch ? left_ : kBatch;
    if (wanted == 0) return 0;
    const std::size_t found = finder_.findAll(at_, end_, batch.hit, wanted);
    left_ = found < wanted ? 0 : left_ - found;
    return found;
  }

 private:
  const SubstringFinder& finder_;
  const char* at_;      // where the search goes on
  const char* end_;     // the searched text's end
  std::uint64_t left_;  // occurrences still wanted
};

// Writes the changed text: the bytes between occurrences, and the output
// string in place of each.
class Builder {
 public:
  Builder(char* dest, const char* source, const ChangeRequest& request)
      : dest_(dest), source_(source), request_(request) {}

  void replace(const HitSource::Batch& batch, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
      const char* hit = batch.hit[k];
      const std::size_t kept = static_cast<std::size_t>(hit - source_);
      if (kept != 0) std::memcpy(dest_, source_, kept);
      dest_ += kept;
      if (request_.output_length != 0)
        std::memcpy(dest_, request_.output, request_.output_length);
      dest_ += request_.output_length;
      source_ = hit + request_.input_length;
    }
  }

  // The rest of the text up to `end`.
  void finish(const char* end) {
    std::memcpy(dest_, source_, static_cast<std::size_t>(end - source_));
  }

 private:
  char* dest_;
  const char* source_;
  const ChangeRequest& request_;
};

// The first NUL byte at or after `text`, or `text` + `length`: where the
// searched text ends. Looked for once per call.
const char* searchedEnd(const char* text, std::size_t length) {
  const std::size_t end = textEnd(text, length);
  MORVEK_PROBE_ADD(end_searches, 1);
  MORVEK_PROBE_ADD(end_bytes, end < length ? end + 1 : length);
  return text + end;
}

}  // namespace

ChangedText changedText(const char* data, unsigned length,
                        const ChangeRequest& request) {
  const unsigned start_pos = request.start_pos == 0 ? 1 : request.start_pos;
  if (length == 0 || request.input_length == 0 || start_pos > length ||
      request.max_changes == 0 ||
      std::memchr(request.input, '\0', request.input_length) != nullptr)
    return ChangedText{nullptr, 0};
  const char* const start = data + (start_pos - 1);
  const SubstringFinder finder(request.input, request.input_length);
  HitSource source(finder, start, searchedEnd(start, length - (start_pos - 1)),
                   request.max_changes);

  // Counting: the first batch is kept for building; the building pass
  // takes the rest from a copy of the source as it stood after that batch.
  HitSource::Batch first;
  const std::size_t first_count = source.next(first);
  if (first_count == 0) return ChangedText{nullptr, 0};
  HitSource rest = source;
  HitSource::Batch batch;
  std::uint64_t count = first_count;
  for (std::size_t n; (n = source.next(batch)) != 0;) count += n;

  // Occurrences never overlap, so count * input_length <= length.
  const unsigned new_length =
      checkedLength(std::uint64_t{length} - count * request.input_length +
                    count * request.output_length);
  char* const text = newBuffer(new_length);
  const std::size_t before = start_pos - 1;
  std::memcpy(text, data, before);
  // The request's strings may point into `data`, which lives until the new
  // text is complete.
  Builder builder(text + before, start, request);
  builder.replace(first, first_count);
  for (std::size_t n; (n = rest.next(batch)) != 0;) builder.replace(batch, n);
  builder.finish(data + length + 1);  // with the terminator
  return ChangedText{text, new_length};
}

}  // namespace internal
}  // namespace morvek
