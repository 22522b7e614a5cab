// fastfind.cpp: SubstringFinder. The candidate filter is written once
// (fastfind_scan.inc) and compiled here for each byte vector width; the
// widest one the processor has and the text fills is chosen per call. A
// text of up to 64 bytes is one masked block where AVX-512 is present, a
// text shorter than eight bytes is looked at alignment by alignment, and
// the two-way matcher takes over when comparisons run over budget.

#include "fastfind.hpp"

#include <cstdint>
#include <cstring>

#include "bytevec.hpp"
#include "kernelprobe.hpp"
#include "simd.hpp"

namespace morvek {
namespace internal {

namespace {

// Bytes compared in full may reach this many times the alignments passed
// (plus the base) before the search hands over to the two-way matcher.
constexpr std::size_t kBudgetFactor = 4;
constexpr std::size_t kBudgetBase = 1024;
// The rarest byte alone is scanned for while its candidates come no more
// often than one per kCrowdCost alignments (after a start of kCrowdBase).
constexpr std::size_t kCrowdCost = 512;
constexpr std::size_t kCrowdBase = 4096;

// Typical text and code, most frequent first; bytes not listed are rarer
// than all of these (control bytes and bytes from 0x80 on the rarest).
constexpr char kByFrequency[] =
    " etaoinsrhldcu\nmfpgwyb,.v_()k;=\"-*/TSIACEx:01'>RNOMPD2<L{}"
    "+HFBW&[]\tG!3456789jq#zU|Y%?V\\K@JX$QZ^~`\r";
// Bytes from this one on down the list count as rare on their own.
constexpr char kFirstRare = 'G';

constexpr std::size_t positionInList(char c) {
  std::size_t k = 0;
  while (kByFrequency[k] != c) ++k;
  return k;
}

struct FrequencyTable {
  unsigned char value[256];
};

constexpr FrequencyTable makeFrequencyTable() {
  FrequencyTable table{};
  for (unsigned c = 0; c < 256; ++c)
    table.value[c] = c >= 0x80 ? 2 : (c >= 0x20 && c < 0x7F ? 4 : 0);
  const std::size_t count = sizeof kByFrequency - 1;
  for (std::size_t k = 0; k < count; ++k)
    table.value[static_cast<unsigned char>(kByFrequency[k])] =
        static_cast<unsigned char>(255 - k * 2);
  return table;
}

constexpr FrequencyTable kFrequency = makeFrequencyTable();
constexpr unsigned kRareEnough = 255 - positionInList(kFirstRare) * 2;
// Pairs of bytes at least this frequent (from 'd' up the list) come often
// enough that a third byte pays for itself.
constexpr unsigned kCommon = 255 - positionInList('d') * 2;
static_assert(sizeof kByFrequency - 1 < 120, "the list fits the scale");

// The pattern and the filter's choice of bytes, as the kernels see them.
struct Pattern {
  const char* bytes;
  std::size_t length;
  std::size_t rare_at;
  std::size_t other_at;
  std::size_t third_at;
  bool single;
  bool triple;
  bool before_nul;  // only occurrences that start before the first NUL byte

  // Whether the pattern occurs at `at`. Short patterns are compared in
  // line: a call to memcmp would cost more.
  bool matches(const char* at) const {
    if (length <= 16) {
      for (std::size_t k = 0; k < length; ++k)
        if (at[k] != bytes[k]) return false;
      return true;
    }
    return std::memcmp(at, bytes, length) == 0;
  }
};

// Alignments still to examine: [lo, hi).
struct Window {
  std::size_t lo;
  std::size_t hi;
};

enum class Outcome { kDone, kCrowded, kOverBudget };

struct Budget {
  std::size_t compare = MORVEK_PROBE_SETTING(budget_base, kBudgetBase);
  std::size_t crowd = MORVEK_PROBE_SETTING(crowd_base, kCrowdBase);

  void earn(std::size_t alignments) {
    MORVEK_PROBE_ADD(search_alignments, alignments);
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

inline unsigned lowestBit(Mask mask) {
  return static_cast<unsigned>(__builtin_ctzll(mask));
}
inline unsigned highestBit(Mask mask) {
  return 63u - static_cast<unsigned>(__builtin_clzll(mask));
}
// The `n` lowest bits, 0 <= n <= 64.
inline Mask lowBits(std::size_t n) {
  return n >= 64 ? ~Mask{0} : (Mask{1} << n) - 1;
}

// Two-way matching over a pattern and a text read forward, or both read
// backward from their ends (kBackward): searching the reversed pattern in
// the reversed text finds the rightmost occurrence first.
template <bool kBackward>
class TwoWay {
 public:
  TwoWay(const char* pattern, std::size_t length)
      : pattern_(reinterpret_cast<const unsigned char*>(pattern)),
        length_(length) {
    std::size_t period_1 = 1;
    std::size_t period_2 = 1;
    const std::size_t suffix_1 = maximalSuffix(false, period_1);
    const std::size_t suffix_2 = maximalSuffix(true, period_2);
    // The later of the two maximal suffixes starts a critical factorisation.
    if (suffix_1 + 1 > suffix_2 + 1) {
      split_ = suffix_1 + 1;
      period_ = period_1;
    } else {
      split_ = suffix_2 + 1;
      period_ = period_2;
    }
    periodic_ = true;
    for (std::size_t i = 0; i < split_ && periodic_; ++i)
      periodic_ = p(i) == p(i + period_);
    if (!periodic_) {
      // The halves differ: after a full right-half match with a left-half
      // mismatch no alignment closer than this can match.
      period_ = (split_ > length_ - split_ ? split_ : length_ - split_) + 1;
    }
  }

  // The first occurrence in reading order within the `text_length` bytes at
  // `text`: the leftmost, or for kBackward the rightmost.
  const char* find(const char* text, std::size_t text_length) const {
    if (text_length < length_) return nullptr;
    const unsigned char* hay = reinterpret_cast<const unsigned char*>(text);
    const std::size_t last = text_length - length_;  // last alignment
    auto h = [&](std::size_t i) {
      return kBackward ? hay[text_length - 1 - i] : hay[i];
    };
    std::size_t memory = 0;  // pattern prefix known to match (periodic case)
    std::size_t j = 0;
    while (j <= last) {
      // Right half, in reading order.
      std::size_t i = split_ > memory ? split_ : memory;
      while (i < length_ && p(i) == h(j + i)) ++i;
      if (i < length_) {
        j += i - split_ + 1;
        memory = 0;
        continue;
      }
      // Left half, against reading order, down to what is known to match.
      std::size_t k = split_;
      while (k > memory && p(k - 1) == h(j + k - 1)) --k;
      if (k <= memory)
        return kBackward ? text + (text_length - j - length_) : text + j;
      j += period_;
      if (periodic_) memory = length_ - period_;
    }
    return nullptr;
  }

 private:
  unsigned char p(std::size_t i) const {
    return kBackward ? pattern_[length_ - 1 - i] : pattern_[i];
  }

  // Start minus one (wrapping: ~0 stands for -1) of the maximal suffix of the
  // pattern under the byte order, or under its reverse; sets `period` to
  // that suffix's period.
  std::size_t maximalSuffix(bool reversed, std::size_t& period) const {
    std::size_t suffix = static_cast<std::size_t>(-1);
    std::size_t j = 0;
    std::size_t k = 1;
    period = 1;
    while (j + k < length_) {
      const unsigned char a = p(j + k);
      const unsigned char b = p(suffix + k);
      if (a == b) {
        if (k != period) {
          ++k;
        } else {
          j += period;
          k = 1;
        }
      } else if ((a < b) != reversed) {
        j += k;
        k = 1;
        period = j - suffix;
      } else {
        suffix = j++;
        k = 1;
        period = 1;
      }
    }
    return suffix;
  }

  const unsigned char* pattern_;
  std::size_t length_;
  std::size_t split_;   // first position of the right half
  std::size_t period_;  // shift after a full right-half match that fails
  bool periodic_;       // the pattern repeats with period period_
};

// Texts up to this long are searched for the pattern's first and last
// bytes, in one block where the processor allows: choosing rarer bytes
// would cost more than it saves.
constexpr std::size_t kShortText = 64;

// The filter's bytes for a search of `text_length` bytes: the rarest byte of
// the pattern by the frequency table, the second rarest at another offset,
// and a third when the second is common.
Pattern plan(const char* pattern, std::size_t length, std::size_t text_length) {
  Pattern p{pattern, length, 0, length - 1, length / 2, false, false, false};
  if (text_length <= kShortText) return p;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(pattern);
  std::size_t rare_at = 0;
  for (std::size_t k = 1; k < length; ++k)
    if (kFrequency.value[bytes[k]] < kFrequency.value[bytes[rare_at]])
      rare_at = k;
  auto distance = [rare_at](std::size_t k) {
    return k > rare_at ? k - rare_at : rare_at - k;
  };
  // Among equals, the farthest from the rarest byte. Preferred:
  // another byte value; in a run of one byte value, the next byte (two
  // blanks in a row are rarer than two blanks with a letter between).
  auto rarer = [&](std::size_t k, std::size_t than) {
    const unsigned f = kFrequency.value[bytes[k]];
    const unsigned g = kFrequency.value[bytes[than]];
    return f < g || (f == g && distance(k) > distance(than));
  };
  std::size_t other_at =
      rare_at + 1 < length ? rare_at + 1 : (length > 1 ? rare_at - 1 : 0);
  for (std::size_t k = 0; k < length; ++k) {
    if (bytes[k] == bytes[rare_at]) continue;
    if (bytes[other_at] == bytes[rare_at] || rarer(k, other_at)) other_at = k;
  }
  std::size_t third_at = rare_at;
  for (std::size_t k = 0; k < length; ++k) {
    if (k == rare_at || k == other_at) continue;
    if (third_at == rare_at || rarer(k, third_at)) third_at = k;
  }
  p.rare_at = rare_at;
  p.other_at = other_at;
  p.third_at = third_at;
  p.single = length == 1 || kFrequency.value[bytes[rare_at]] <= kRareEnough;
  p.triple = length >= 3 && kFrequency.value[bytes[other_at]] >= kCommon;
  return p;
}

// What a search does with each occurrence it confirms: on_hit(at) returns
// the window's new edge, its low end going forward (at + 1 or more to go
// on, kStop to stop) and its high end going backward (0 to stop).
constexpr std::size_t kStop = ~std::size_t{0};

template <bool kBackward>
struct FirstHit {
  std::size_t at = kStop;
  std::size_t operator()(std::size_t hit) {
    at = hit;
    return kBackward ? 0 : kStop;
  }
};

// Forward, without overlaps, up to `max_hits`.
struct AllHits {
  const char* text;
  std::size_t length;
  const char** hits;
  std::size_t max_hits;
  std::size_t found;
  std::size_t operator()(std::size_t hit) {
    hits[found++] = text + hit;
    return found == max_hits ? kStop : hit + length;
  }
};

// The filter at each width. Each width's kernels sit in their own namespace.
namespace swar {
using V = Swar;
#include "fastfind_scan.inc"
}  // namespace swar

#if MORVEK_SSE2
namespace sse2 {
using V = Sse2;
#include "fastfind_scan.inc"
}  // namespace sse2
#endif

#if MORVEK_NEON
namespace neon {
using V = Neon;
#include "fastfind_scan.inc"
}  // namespace neon
#endif

#if MORVEK_X86
MORVEK_TARGET_BEGIN("avx2")
namespace avx2 {
using V = Avx2;
#include "fastfind_scan.inc"
}  // namespace avx2
MORVEK_TARGET_END

MORVEK_TARGET_BEGIN("avx512bw")
namespace avx512 {
using V = Avx512;
#include "fastfind_scan.inc"
}  // namespace avx512
MORVEK_TARGET_END

// A text of at most 64 bytes as one block, read with masked loads, which
// neither read nor fault on bytes past its end: no set-up of a filter.
MORVEK_TARGET_BEGIN("avx512bw")
namespace avx512 {
template <bool kBackward, typename OnHit>
void oneBlock(const Pattern& p, const char* text, Window& w, OnHit& on_hit) {
  const __mmask64 lanes = lowBits(w.hi);
  const __m512i rare = _mm512_maskz_loadu_epi8(lanes, text + p.rare_at);
  const __m512i other = _mm512_maskz_loadu_epi8(lanes, text + p.other_at);
  Mask mask = _mm512_mask_cmpeq_epi8_mask(
      _mm512_mask_cmpeq_epi8_mask(lanes, rare,
                                  _mm512_set1_epi8(p.bytes[p.rare_at])),
      other, _mm512_set1_epi8(p.bytes[p.other_at]));
  if (p.before_nul) {
    const __mmask64 bytes = lowBits(w.hi + p.length - 1);
    const Mask nul =
        _mm512_testn_epi8_mask(_mm512_maskz_loadu_epi8(bytes, text),
                               _mm512_set1_epi8(-1)) &
        bytes;
    if (nul != 0) mask &= lowBits(lowestBit(nul));
  }
  while (w.lo < w.hi) {
    mask &= lowBits(w.hi) & ~lowBits(w.lo);
    if (mask == 0) return;
    const unsigned at = kBackward ? highestBit(mask) : lowestBit(mask);
    mask &= ~(Mask{1} << at);
    if (p.matches(text + at)) (kBackward ? w.hi : w.lo) = on_hit(at);
  }
}

// The first occurrence in reading order that starts before the first NUL
// byte of a text of `length` <= 64 bytes, or nullptr: the short path of
// findBeforeNul and findLastBeforeNul, one call from the member.
template <bool kBackward>
const char* firstBeforeNul(const char* pattern, std::size_t pattern_length,
                           const char* text, std::size_t length) {
  const Pattern p{pattern, pattern_length, 0,     pattern_length - 1,
                  0,       false,          false, true};
  Window w{0, length - pattern_length + 1};
  FirstHit<kBackward> first;
  oneBlock<kBackward>(p, text, w, first);
  return first.at == kStop ? nullptr : text + first.at;
}
}  // namespace avx512
MORVEK_TARGET_END

// __builtin_cpu_init must run first when this initialiser runs before
// libgcc's own constructor.
const bool has_avx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
const bool has_avx512 = __builtin_cpu_supports("avx512bw");
#endif

// Texts with fewer alignments than the narrowest vector: each alignment in
// turn (at most seven, so at most seven comparisons of the pattern).
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

// Passes every occurrence among the alignments of `w` to `on_hit`, in
// order, until it says stop. With kNul (forward only, w.lo at 0 and
// p.before_nul set) the text ends at its first NUL byte: the one-block and
// alignment-by-alignment paths and the single-byte filter stop there, the
// others leave `clean` (the text's first bytes known to hold no NUL byte,
// all of them when ~0) short of the occurrence they pass, for the caller to
// look at the bytes between.
template <bool kBackward, bool kNul, typename OnHit>
void search(const Pattern& p, const char* text, Window& w, OnHit& on_hit,
            std::size_t& clean) {
  const std::size_t alignments = w.hi;  // w.lo is 0 going backward
  Budget budget;
  Outcome outcome;
#if MORVEK_X86
  if (has_avx512 && alignments + p.length - 1 <= 64)
    return avx512::oneBlock<kBackward>(p, text, w, on_hit);
#endif
  if (kNul) {
    // The filter tests the bytes from the rarest byte's offset on; with too
    // few alignments for it the whole text is looked at here.
    if (alignments < 8) {
      endAtNul(text, std::memchr(text, '\0', alignments + p.length - 1),
               p.length, w);
      return eachAlignment<kBackward>(p, text, w, on_hit);
    }
    if (p.rare_at != 0 &&
        std::memchr(text, '\0', p.rare_at) != nullptr)  // no alignment fits
      return;
    clean = p.rare_at;
  }
#if MORVEK_X86
  if (has_avx512 && alignments >= 64)
    outcome = avx512::run<kBackward, kNul>(p, text, w, budget, on_hit, clean);
  else if (has_avx2 && alignments >= 32)
    outcome = avx2::run<kBackward, kNul>(p, text, w, budget, on_hit, clean);
  else
#endif
#if MORVEK_SSE2
      if (alignments >= 16)
    outcome = sse2::run<kBackward, kNul>(p, text, w, budget, on_hit, clean);
  else
#endif
#if MORVEK_NEON
      if (alignments >= 16)
    outcome = neon::run<kBackward, kNul>(p, text, w, budget, on_hit, clean);
  else
#endif
      if (alignments >= 8)
    outcome = swar::run<kBackward, kNul>(p, text, w, budget, on_hit, clean);
  else
    return eachAlignment<kBackward>(p, text, w, on_hit);
  if (outcome != Outcome::kOverBudget) return;
  // The rest goes to the two-way matcher.
  MORVEK_PROBE_ADD(hand_overs, 1);
  const TwoWay<kBackward> two_way(p.bytes, p.length);
  while (w.lo < w.hi) {
    const char* hit = two_way.find(text + w.lo, w.hi - w.lo + p.length - 1);
    if (hit == nullptr) return;
    (kBackward ? w.hi : w.lo) = on_hit(static_cast<std::size_t>(hit - text));
  }
}

// The first occurrence in search order: the leftmost, or for kBackward the
// rightmost.
// With kNul the occurrence must start before the text's first NUL byte.
template <bool kBackward, bool kNul = false>
const char* firstOccurrence(const char* pattern, std::size_t length,
                            const char* text, std::size_t text_length) {
  if (text_length < length) return nullptr;
  if (length == 1 && !kNul)
    return static_cast<const char*>(
        kBackward ? memrchr(text, pattern[0], text_length)
                  : std::memchr(text, pattern[0], text_length));
  Pattern p = plan(pattern, length, text_length);
  p.before_nul = kNul;
  Window w{0, text_length - length + 1};
  FirstHit<kBackward> first;
  std::size_t clean = ~std::size_t{0};
  search<kBackward, kNul>(p, text, w, first, clean);
  if (first.at == kStop) return nullptr;
  // The leftmost occurrence counts only with no NUL byte before it.
  if (kNul && first.at > clean &&
      std::memchr(text + clean, '\0', first.at - clean) != nullptr)
    return nullptr;
  return text + first.at;
}

#if MORVEK_X86
// Whether a text of `text_length` bytes is searched for a pattern of
// `length` bytes as one masked AVX-512 block.
bool inOneBlock(std::size_t length, std::size_t text_length) {
  return has_avx512 && length >= 2 && text_length <= kShortText &&
         text_length >= length;
}
#endif

}  // namespace

const char* SubstringFinder::find(const char* text,
                                  std::size_t text_length) const {
  return firstOccurrence<false>(pattern_, length_, text, text_length);
}

const char* SubstringFinder::findLast(const char* text,
                                      std::size_t text_length) const {
  return firstOccurrence<true>(pattern_, length_, text, text_length);
}

const char* SubstringFinder::findBeforeNul(const char* text,
                                           std::size_t text_length) const {
#if MORVEK_X86
  if (inOneBlock(length_, text_length))
    return avx512::firstBeforeNul<false>(pattern_, length_, text, text_length);
#endif
  return firstOccurrence<false, true>(pattern_, length_, text, text_length);
}

const char* SubstringFinder::findLastBeforeNul(const char* text,
                                               std::size_t text_length) const {
#if MORVEK_X86
  if (inOneBlock(length_, text_length))
    return avx512::firstBeforeNul<true>(pattern_, length_, text, text_length);
#endif
  // The last occurrence is found first; only the bytes before its end need
  // looking at for a NUL byte, and if there is one the search is repeated
  // before it.
  const char* hit = findLast(text, text_length);
  if (hit == nullptr) return nullptr;
  const void* nul = std::memchr(
      text, '\0', static_cast<std::size_t>(hit - text) + length_ - 1);
  if (nul == nullptr) return hit;
  return findLast(
      text, static_cast<std::size_t>(static_cast<const char*>(nul) - text));
}

std::size_t SubstringFinder::findAll(const char*& at, const char* end,
                                     const char** hits,
                                     std::size_t max_hits) const {
  const std::size_t text_length = static_cast<std::size_t>(end - at);
  if (text_length < length_ || max_hits == 0) {
    at = end;
    return 0;
  }
  const Pattern p = plan(pattern_, length_, text_length);
  Window w{0, text_length - length_ + 1};
  AllHits all{at, length_, hits, max_hits, 0};
  std::size_t clean = ~std::size_t{0};
  search<false, false>(p, at, w, all, clean);
  at = all.found == max_hits ? hits[max_hits - 1] + length_ : end;
  return all.found;
}

}  // namespace internal
}  // namespace morvek
