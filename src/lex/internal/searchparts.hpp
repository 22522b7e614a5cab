// searchparts.hpp: what the substring searches (vectorsearch.inc) are made
// of: the pattern with the filter's choice of bytes, the window of
// alignments still to examine, the allowances, what is done with a hit, and
// the alignment-by-alignment scan under the narrowest vector (internal, not
// installed).

#ifndef MORVEK_INTERNAL_SEARCHPARTS_HPP_
#define MORVEK_INTERNAL_SEARCHPARTS_HPP_

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "bytevec.hpp"
#include "testhooks.hpp"

namespace morvek {
namespace internal {

// Whether the `n` bytes at `a` and `b` are the same. Short runs are
// compared in line: a call to memcmp would cost more.
inline bool sameBytes(const char* a, const char* b, std::size_t n) {
  if (n <= 16) {
    for (std::size_t k = 0; k < n; ++k)
      if (a[k] != b[k]) return false;
    return true;
  }
  return std::memcmp(a, b, n) == 0;
}

// The pattern and the filter's choice of bytes: the rarest byte, a second
// at another offset and a third; by default the first, the last and the
// middle byte.
struct Pattern {
  Pattern(const char* pattern, std::size_t pattern_length)
      : bytes(pattern),
        length(pattern_length),
        other_at(pattern_length - 1),
        third_at(pattern_length / 2) {}

  // Whether the pattern occurs at `at`.
  bool matches(const char* at) const { return sameBytes(at, bytes, length); }

  const char* bytes;
  std::size_t length;
  std::size_t rare_at = 0;
  std::size_t other_at;
  std::size_t third_at;
  bool single = false;      // the rarest byte is scanned for alone first
  bool triple = false;      // the pair of bytes is joined by the third
  bool before_nul = false;  // only occurrences that start before a NUL byte
};

// Texts up to this long are searched for the pattern's first and last
// bytes, all their alignments in one mask: choosing rarer bytes, or setting
// up the filter, would cost more than it saves.
constexpr std::size_t kShortText = 64;

// The filter's bytes for a pattern of `length` >= 1 bytes: the rarest byte
// by a fixed table of how often each byte occurs in typical text and code,
// the second rarest at another offset, and a third when the second is
// common (fastfind.cpp).
Pattern planOf(const char* pattern, std::size_t length);

// Texts up to this long are filtered for the pattern's first and last
// bytes: on the few blocks they take, choosing rarer ones would cost more
// than it saves.
constexpr std::size_t kUnplannedText = 256;

// A search of a short needle in a text of up to this many bytes starts with
// the needle's first and last bytes, 64 alignments at a time, and plans a
// filter only when more than kMissesAllowed, and kMissesPerBlock for each
// block of 64 passed, of the alignments they pick are not occurrences.
constexpr std::size_t kBlockedText = 1024;
constexpr std::size_t kMissesAllowed = 8;
constexpr std::size_t kMissesPerBlock = 2;

// The filter's bytes for a search of `text_length` bytes.
inline Pattern plan(const char* pattern, std::size_t length,
                    std::size_t text_length) {
  return text_length <= kUnplannedText ? Pattern(pattern, length)
                                       : planOf(pattern, length);
}

// Alignments still to examine: [lo, hi).
struct Window {
  std::size_t lo;
  std::size_t hi;
};

enum class Outcome { kDone, kCrowded, kOverBudget };

// Bytes compared in full may reach this many times the alignments passed
// (plus the starting allowance) before the search hands over to the two-way
// matcher; the rarest byte alone is scanned for while its candidates come
// no more often than one per kCrowdCost alignments (after the starting
// allowance).
constexpr std::size_t kBudgetFactor = 4;
constexpr std::size_t kCrowdCost = 512;

struct Budget {
  std::size_t compare =
      hooks::compare_allowance.load(std::memory_order_relaxed);
  std::size_t crowd = hooks::crowd_allowance.load(std::memory_order_relaxed);
  std::size_t passed = 0;  // alignments examined

  void earn(std::size_t alignments) {
    passed += alignments;
    compare += alignments * kBudgetFactor;
    crowd += alignments;
  }
  // A failed comparison of `length` bytes; false when over budget.
  bool spend(std::size_t length) {
    if (compare < length) return false;
    compare -= length;
    return true;
  }
  // A single-byte candidate; false when they come too often. A pattern of
  // one byte has no second byte to pair with.
  bool admit(std::size_t length) {
    if (length == 1) return true;
    if (crowd < kCrowdCost) return false;
    crowd -= kCrowdCost;
    return true;
  }
};

// What a search does with each occurrence it confirms: on_hit(at) returns
// the window's new edge, its low end going forward (at + 1 or more to go
// on, kStop to stop) and its high end going backward (0 to stop).
constexpr std::size_t kStop = ~std::size_t{0};

// A search's `clean` (the text's first bytes known to hold no NUL byte)
// when that is the whole text.
constexpr std::size_t kAllClean = ~std::size_t{0};

template <bool kBackward>
struct FirstHit {
  std::size_t at = kStop;  // none yet
  std::size_t operator()(std::size_t hit) {
    at = hit;
    return kBackward ? 0 : kStop;
  }
};

// Forward, without overlaps, up to `max_hits`.
struct AllHits {
  AllHits(const char* text_begin, std::size_t pattern_length,
          const char** hits_out, std::size_t hits_wanted)
      : text(text_begin),
        length(pattern_length),
        hits(hits_out),
        max_hits(hits_wanted) {}
  std::size_t operator()(std::size_t hit) {
    hits[found++] = text + hit;
    return found == max_hits ? kStop : hit + length;
  }

  const char* text;
  std::size_t length;
  const char** hits;
  std::size_t max_hits;
  std::size_t found = 0;
};

// Windows with fewer alignments than the narrowest vector: each alignment
// in turn (at most seven, so at most seven comparisons of the pattern).
template <bool kBackward, typename OnHit>
void eachAlignment(const Pattern& p, const char* text, Window& w,
                   OnHit& on_hit) {
  const char rare = p.bytes[p.rare_at];
  while (w.lo < w.hi) {
    const std::size_t at = kBackward ? w.hi - 1 : w.lo;
    if (text[at + p.rare_at] == rare && p.matches(text + at)) {
      (kBackward ? w.hi : w.lo) = on_hit(at);
    } else if (kBackward) {
      --w.hi;
    } else {
      ++w.lo;
    }
  }
}

// Cuts the window `w` of a pattern of `length` bytes to the alignments that
// end before the NUL byte at `nul`, or when `nul` is null leaves it as is.
inline void endAtNul(const char* text, const void* nul, std::size_t length,
                     Window& w) {
  if (nul == nullptr) return;
  const std::size_t z =
      static_cast<std::size_t>(static_cast<const char*>(nul) - text);
  const std::size_t end = z + 1 > length ? z + 1 - length : 0;
  if (end < w.hi) w.hi = end;
}

// Bit k of `candidates` set when alignment k of a short text is a
// candidate, of `nuls` when the byte at k is NUL (bits beyond the window
// may be set in `nuls`).
struct ShortMasks {
  Mask candidates;
  Mask nuls;
};

// The tier under the narrowest vector width: windows of fewer alignments
// than it has bytes. With kNul the text ends at its first NUL byte.
namespace bytewise {
template <bool kBackward, bool kNul, typename OnHit>
Outcome scan(const Pattern& p, const char* text, Window& w, Budget&,
             OnHit& on_hit, std::size_t&) {
  if (kNul)
    endAtNul(text, std::memchr(text, '\0', w.hi + p.length - 1), p.length, w);
  eachAlignment<kBackward>(p, text, w, on_hit);
  return Outcome::kDone;
}

// A text of at most kShortText bytes whose window is narrower than the
// narrowest vector (see shortMasks in vectorsearch.inc).
__attribute__((always_inline)) inline ShortMasks shortMasks(const char* text,
                                                            std::size_t w,
                                                            std::size_t last_at,
                                                            char first,
                                                            char last) {
  ShortMasks masks{0, 0};
  for (std::size_t k = 0; k < w; ++k) {
    masks.candidates |= Mask{text[k] == first && text[k + last_at] == last}
                        << k;
    masks.nuls |= Mask{text[k] == '\0'} << k;
  }
  return masks;
}
}  // namespace bytewise

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_SEARCHPARTS_HPP_
