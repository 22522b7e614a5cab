// fastfind.cpp: the candidate filter of SubstringFinder (AVX2 where the
// processor has it, SSE2 otherwise) and the two-way matcher it falls back
// on.

#include "fastfind.hpp"

#include <cstring>

#include "simd.hpp"

#if MORVEK_X86
#include <immintrin.h>
#endif

namespace morvek {
namespace internal {

namespace {

// Bytes compared in full may reach this many times the alignments passed
// (plus the base) before the search hands over to the two-way matcher.
constexpr std::size_t kBudgetFactor = 4;
constexpr std::size_t kBudgetBase = 1024;

// The pattern's bytes after the first and before the last match at `at`.
// Short middles are compared in line: a call to memcmp would cost more.
inline bool middleMatches(const char* at, const char* pattern,
                          std::size_t length) {
  if (length <= 10) {
    for (std::size_t k = 1; k + 1 < length; ++k)
      if (at[k] != pattern[k]) return false;
    return true;
  }
  return std::memcmp(at + 1, pattern + 1, length - 2) == 0;
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

#if MORVEK_X86

// Candidate masks: bit k set when alignment i + k has the pattern's first
// and last bytes.
inline unsigned lowestBit(unsigned mask) {
  return static_cast<unsigned>(__builtin_ctz(mask));
}
inline unsigned lowestBit(unsigned long long mask) {
  return static_cast<unsigned>(__builtin_ctzll(mask));
}

struct Avx2 {
  static constexpr std::size_t kWidth = 32;
  using Mask = unsigned;
  __m256i first, last;
  __attribute__((target("avx2"))) Avx2(const char* pattern, std::size_t length)
      : first(_mm256_set1_epi8(pattern[0])),
        last(_mm256_set1_epi8(pattern[length - 1])) {}
  __attribute__((target("avx2"))) unsigned mask(const char* at,
                                                std::size_t length) const {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    const __m256i b =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + length - 1));
    return static_cast<unsigned>(_mm256_movemask_epi8(_mm256_and_si256(
        _mm256_cmpeq_epi8(a, first), _mm256_cmpeq_epi8(b, last))));
  }
  // Nonzero when the block at `at` holds a candidate or a NUL byte.
  __attribute__((target("avx2"))) unsigned stops(const char* at,
                                                 std::size_t length) const {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    const __m256i b =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + length - 1));
    return static_cast<unsigned>(_mm256_movemask_epi8(
        _mm256_or_si256(_mm256_and_si256(_mm256_cmpeq_epi8(a, first),
                                         _mm256_cmpeq_epi8(b, last)),
                        _mm256_cmpeq_epi8(a, _mm256_setzero_si256()))));
  }
  // Nonzero when the four blocks from `at` hold a candidate or a NUL byte.
  __attribute__((target("avx2"))) unsigned stops4(const char* at,
                                                  std::size_t length) const {
    const __m256i* p = reinterpret_cast<const __m256i*>(at);
    const __m256i* q = reinterpret_cast<const __m256i*>(at + length - 1);
    const __m256i a0 = _mm256_loadu_si256(p), a1 = _mm256_loadu_si256(p + 1);
    const __m256i a2 = _mm256_loadu_si256(p + 2),
                  a3 = _mm256_loadu_si256(p + 3);
    const __m256i c0 =
        _mm256_and_si256(_mm256_cmpeq_epi8(a0, first),
                         _mm256_cmpeq_epi8(_mm256_loadu_si256(q), last));
    const __m256i c1 =
        _mm256_and_si256(_mm256_cmpeq_epi8(a1, first),
                         _mm256_cmpeq_epi8(_mm256_loadu_si256(q + 1), last));
    const __m256i c2 =
        _mm256_and_si256(_mm256_cmpeq_epi8(a2, first),
                         _mm256_cmpeq_epi8(_mm256_loadu_si256(q + 2), last));
    const __m256i c3 =
        _mm256_and_si256(_mm256_cmpeq_epi8(a3, first),
                         _mm256_cmpeq_epi8(_mm256_loadu_si256(q + 3), last));
    // A NUL byte anywhere makes the smallest byte zero.
    const __m256i low =
        _mm256_min_epu8(_mm256_min_epu8(a0, a1), _mm256_min_epu8(a2, a3));
    const __m256i any = _mm256_or_si256(
        _mm256_or_si256(_mm256_or_si256(c0, c1), _mm256_or_si256(c2, c3)),
        _mm256_cmpeq_epi8(low, _mm256_setzero_si256()));
    return static_cast<unsigned>(_mm256_movemask_epi8(any));
  }
  // Bit k set when byte `at`[k] is NUL.
  __attribute__((target("avx2"))) static unsigned zeros(const char* at) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    return static_cast<unsigned>(
        _mm256_movemask_epi8(_mm256_cmpeq_epi8(a, _mm256_setzero_si256())));
  }
};

struct Sse2 {
  static constexpr std::size_t kWidth = 16;
  using Mask = unsigned;
  __m128i first, last;
  Sse2(const char* pattern, std::size_t length)
      : first(_mm_set1_epi8(pattern[0])),
        last(_mm_set1_epi8(pattern[length - 1])) {}
  unsigned mask(const char* at, std::size_t length) const {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i b =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + length - 1));
    return static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
  }
  unsigned stops(const char* at, std::size_t length) const {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i b =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + length - 1));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
        _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last)),
        _mm_cmpeq_epi8(a, _mm_setzero_si128()))));
  }
  unsigned stops4(const char* at, std::size_t length) const {
    return stops(at, length) | stops(at + 16, length) | stops(at + 32, length) |
           stops(at + 48, length);
  }
  static unsigned zeros(const char* at) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(a, _mm_setzero_si128())));
  }
};

// 64 alignments at a time, for the forward search of findAll.
struct Avx512 {
  static constexpr std::size_t kWidth = 64;
  using Mask = unsigned long long;
  __m512i first, last;
  __attribute__((target("avx512bw")))
  Avx512(const char* pattern, std::size_t length)
      : first(_mm512_set1_epi8(pattern[0])),
        last(_mm512_set1_epi8(pattern[length - 1])) {}
  __attribute__((target("avx512bw"))) Mask mask(const char* at,
                                                std::size_t length) const {
    const __mmask64 k = _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(at), first);
    return _mm512_mask_cmpeq_epi8_mask(k, _mm512_loadu_si512(at + length - 1),
                                       last);
  }
  __attribute__((target("avx512bw"))) static Mask zeros(const char* at) {
    const __m512i a = _mm512_loadu_si512(at);
    return _mm512_testn_epi8_mask(a, a);
  }
  __attribute__((target("avx512bw"))) Mask stops(const char* at,
                                                 std::size_t length) const {
    return mask(at, length) | zeros(at);
  }
  __attribute__((target("avx512bw"))) Mask stops4(const char* at,
                                                  std::size_t length) const {
    return stops(at, length) | stops(at + 64, length) |
           stops(at + 128, length) | stops(at + 192, length);
  }
};

// Examines the alignments [0, alignments) of `text`, at least one block's
// worth, block by block, the last block overlapping the one before: from
// the left, or from the right for kBackward. Returns the first hit in that
// order; or nullptr with `resume` = `alignments` when there is none; or
// nullptr with the unexamined alignments in [resume, alignments) (forward)
// or [0, resume) (backward) when the comparison budget ran out.
template <typename Vector, bool kBackward>
inline const char* filter(const char* text, std::size_t alignments,
                          const char* pattern, std::size_t length,
                          std::size_t& resume) {
  constexpr std::size_t kWidth = Vector::kWidth;
  const Vector vector(pattern, length);
  std::size_t budget = kBudgetBase;
  for (std::size_t done = 0; done < alignments; done += kWidth) {
    // Pairs of blocks without a candidate are passed quickly.
    while (alignments - done >= 2 * kWidth) {
      const char* near =
          kBackward ? text + (alignments - done - kWidth) : text + done;
      const char* far = kBackward ? near - kWidth : near + kWidth;
      if ((vector.mask(near, length) | vector.mask(far, length)) != 0) break;
      done += 2 * kWidth;
      budget += 2 * kWidth * kBudgetFactor;
    }
    if (done >= alignments) break;
    const std::size_t i =
        kBackward
            ? (alignments - done >= kWidth ? alignments - done - kWidth : 0)
            : (alignments - done >= kWidth ? done : alignments - kWidth);
    unsigned mask = vector.mask(text + i, length);
    while (mask != 0) {
      const unsigned bit =
          kBackward ? 31u - static_cast<unsigned>(__builtin_clz(mask))
                    : static_cast<unsigned>(__builtin_ctz(mask));
      const std::size_t at = i + bit;
      if (middleMatches(text + at, pattern, length)) return text + at;
      mask &= ~(1u << bit);
      if (budget < length) {
        resume = kBackward ? at : at + 1;
        return nullptr;
      }
      budget -= length;
    }
    budget += kWidth * kBudgetFactor;
  }
  resume = alignments;
  return nullptr;
}

// Forward and without overlaps: collects in `hits` up to `max_hits`
// occurrences among the alignments [0, alignments) of `text`, at least one
// block's worth, that start before its first NUL byte, and returns their
// number. (The pattern holds no NUL byte, so no occurrence spans one.)
// `next` is then the first alignment after the last hit; `gave_up` says the
// budget ran out with the alignments from `next` on unexamined.
template <typename Vector>
inline std::size_t filterAll(const char* text, std::size_t alignments,
                             const char* pattern, std::size_t length,
                             const char** hits, std::size_t max_hits,
                             std::size_t& next, bool& gave_up) {
  constexpr std::size_t kWidth = Vector::kWidth;
  const Vector vector(pattern, length);
  std::size_t budget = kBudgetBase;
  std::size_t found = 0;
  std::size_t i = 0;  // first alignment an occurrence may start at
  while (i < alignments) {
    // Runs of blocks without a candidate or a NUL byte are passed quickly.
    while (alignments - i >= 4 * kWidth &&
           vector.stops4(text + i, length) == 0) {
      i += 4 * kWidth;
      budget += 4 * kWidth * kBudgetFactor;
    }
    while (alignments - i >= 2 * kWidth &&
           (vector.stops(text + i, length) |
            vector.stops(text + i + kWidth, length)) == 0) {
      i += 2 * kWidth;
      budget += 2 * kWidth * kBudgetFactor;
    }
    // The runs above may end exactly at the last alignment.
    if (i >= alignments) break;
    // The last block overlaps the one before; alignments below i are masked.
    const std::size_t base = alignments - i >= kWidth ? i : alignments - kWidth;
    using Mask = typename Vector::Mask;
    Mask mask = vector.mask(text + base, length) & (~Mask{0} << (i - base));
    std::size_t block_end = base + kWidth;
    // Bytes before i are known: the blocks before or the last hit.
    const Mask zeros = Vector::zeros(text + base);
    if (zeros != 0) {
      // The text ends in this block: no alignment at or after its NUL.
      const unsigned z = lowestBit(zeros);
      mask &= (Mask{1} << z) - 1;
      block_end = alignments;
    }
    while (mask != 0) {
      const std::size_t at = base + lowestBit(mask);
      if (middleMatches(text + at, pattern, length)) {
        hits[found++] = text + at;
        i = at + length;
        if (found == max_hits) {
          next = i;
          return found;
        }
        if (i >= block_end) {
          block_end = i;  // reload from i
          break;
        }
        mask &= ~Mask{0} << (i - base);
        continue;
      }
      mask &= mask - 1;
      if (budget < length) {
        next = at + 1;
        gave_up = true;
        return found;
      }
      budget -= length;
    }
    i = block_end;
    budget += kWidth * kBudgetFactor;
  }
  next = i;
  return found;
}

__attribute__((target("avx512bw"), flatten)) std::size_t filterAllAvx512(
    const char* text, std::size_t alignments, const char* pattern,
    std::size_t length, const char** hits, std::size_t max_hits,
    std::size_t& next, bool& gave_up) {
  return filterAll<Avx512>(text, alignments, pattern, length, hits, max_hits,
                           next, gave_up);
}

__attribute__((target("avx2"), flatten)) std::size_t filterAllAvx2(
    const char* text, std::size_t alignments, const char* pattern,
    std::size_t length, const char** hits, std::size_t max_hits,
    std::size_t& next, bool& gave_up) {
  return filterAll<Avx2>(text, alignments, pattern, length, hits, max_hits,
                         next, gave_up);
}

// The AVX2 filter, compiled for AVX2 with the block test in line.
template <bool kBackward>
__attribute__((target("avx2"), flatten)) const char* filterAvx2(
    const char* text, std::size_t alignments, const char* pattern,
    std::size_t length, std::size_t& resume) {
  return filter<Avx2, kBackward>(text, alignments, pattern, length, resume);
}

// __builtin_cpu_init must run first when this initialiser runs before
// libgcc's own constructor.
const bool has_avx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
const bool has_avx512 = __builtin_cpu_supports("avx512bw");

#endif

template <bool kBackward>
const char* search(const char* text, std::size_t text_length,
                   const char* pattern, std::size_t length) {
  if (text_length < length) return nullptr;
  const std::size_t alignments = text_length - length + 1;
#if MORVEK_X86
  if (alignments >= 16) {
    std::size_t resume = 0;
    const char* hit =
        has_avx2 && alignments >= 32
            ? filterAvx2<kBackward>(text, alignments, pattern, length, resume)
            : filter<Sse2, kBackward>(text, alignments, pattern, length,
                                      resume);
    if (hit != nullptr || resume == alignments) return hit;
    // The budget ran out: the rest goes to the two-way matcher.
    if (kBackward)
      return TwoWay<true>(pattern, length).find(text, resume + length - 1);
    return TwoWay<false>(pattern, length)
        .find(text + resume, text_length - resume);
  }
#endif
  if (alignments * length > kBudgetBase)
    return TwoWay<kBackward>(pattern, length).find(text, text_length);
  // Few alignments: look at each.
  for (std::size_t k = 0; k < alignments; ++k) {
    const std::size_t at = kBackward ? alignments - 1 - k : k;
    if (text[at] == pattern[0] &&
        text[at + length - 1] == pattern[length - 1] &&
        middleMatches(text + at, pattern, length))
      return text + at;
  }
  return nullptr;
}

// The offset of the first NUL byte at or after `from`, or `length`.
std::size_t textEnd(const char* text, std::size_t from, std::size_t length) {
  const void* nul = std::memchr(text + from, '\0', length - from);
  return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text)
             : length;
}

}  // namespace

const char* SubstringFinder::find(const char* text,
                                  std::size_t text_length) const {
  if (length_ == 1)
    return static_cast<const char*>(
        std::memchr(text, pattern_[0], text_length));
  return search<false>(text, text_length, pattern_, length_);
}

std::size_t SubstringFinder::findAll(const char* text, std::size_t text_length,
                                     const char** hits, std::size_t max_hits,
                                     std::size_t& rest) const {
  std::size_t found = 0;
  std::size_t at = 0;  // where the search goes on
#if MORVEK_X86
  if (length_ >= 2 && text_length >= length_ + 15 && max_hits != 0) {
    const std::size_t alignments = text_length - length_ + 1;
    bool gave_up = false;
    found = has_avx512 && alignments >= 64
                ? filterAllAvx512(text, alignments, pattern_, length_, hits,
                                  max_hits, at, gave_up)
            : has_avx2 && alignments >= 32
                ? filterAllAvx2(text, alignments, pattern_, length_, hits,
                                max_hits, at, gave_up)
                : filterAll<Sse2>(text, alignments, pattern_, length_, hits,
                                  max_hits, at, gave_up);
    if (!gave_up) {
      rest = at;
      return found;
    }
    // The budget ran out: the rest goes to the two-way matcher.
    const TwoWay<false> two_way(pattern_, length_);
    text_length = textEnd(text, at, text_length);
    for (; found < max_hits; ++found) {
      const char* p = two_way.find(text + at, text_length - at);
      if (p == nullptr) break;
      hits[found] = p;
      at = static_cast<std::size_t>(p - text) + length_;
    }
    rest = at;
    return found;
  }
#endif
  text_length = textEnd(text, 0, text_length);
  for (; found < max_hits; ++found) {
    const char* p = find(text + at, text_length - at);
    if (p == nullptr) break;
    hits[found] = p;
    at = static_cast<std::size_t>(p - text) + length_;
  }
  rest = at;
  return found;
}

const char* SubstringFinder::findLast(const char* text,
                                      std::size_t text_length) const {
  if (length_ == 1) {
    for (std::size_t i = text_length; i-- > 0;)
      if (text[i] == pattern_[0]) return text + i;
    return nullptr;
  }
  return search<true>(text, text_length, pattern_, length_);
}

}  // namespace internal
}  // namespace morvek
