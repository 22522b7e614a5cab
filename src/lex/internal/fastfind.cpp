// fastfind.cpp: SubstringFinder. The filter's choice of bytes and the
// two-way matcher are here; the vector scans are written once in
// vectorsearch.inc and compiled per width in widths.cpp, and a search runs
// the scan of the width in use, which hands windows too short for it to
// narrower ones. A text of up to 64 bytes is one masked block where AVX-512
// is present, a text shorter than eight bytes is looked at alignment by
// alignment, and the two-way matcher takes over when comparisons run over
// budget.

#include "fastfind.hpp"

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "searchparts.hpp"
#include "testhooks.hpp"
#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

namespace {

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
  Pattern p(pattern, length);
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

// The scan of the width in use for a search of this kind.
template <bool kBackward, bool kNul, typename OnHit>
ScanFunction<kBackward, kNul, OnHit> scanOf(const VectorKernels& kernels) {
  if constexpr (kBackward)
    return kernels.scan_last;
  else if constexpr (kNul)
    return kernels.scan_first_before_nul;
  else if constexpr (std::is_same<OnHit, AllHits>::value)
    return kernels.scan_all;
  else
    return kernels.scan_first;
}

// Passes every occurrence among the alignments of `w` to `on_hit`, in
// order, until it says stop; with kNul the text ends at its first NUL byte,
// as the width's scan says (vectorsearch.inc).
template <bool kBackward, bool kNul, typename OnHit>
void search(const Pattern& p, const char* text, Window& w, OnHit& on_hit,
            std::size_t& clean) {
  Budget budget;
  const Outcome outcome = scanOf<kBackward, kNul, OnHit>(activeKernels())(
      p, text, w, budget, on_hit, clean);
  countWork(&WorkCounts::search_alignments, budget.passed);
  if (outcome != Outcome::kOverBudget) return;
  // The rest goes to the two-way matcher.
  countWork(&WorkCounts::hand_overs, 1);
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
  std::size_t clean = kAllClean;
  search<kBackward, kNul>(p, text, w, first, clean);
  if (first.at == kStop) return nullptr;
  // The leftmost occurrence counts only with no NUL byte before it.
  if (kNul && first.at > clean &&
      std::memchr(text + clean, '\0', first.at - clean) != nullptr)
    return nullptr;
  return text + first.at;
}

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
  return firstOccurrence<false, true>(pattern_, length_, text, text_length);
}

const char* SubstringFinder::findLastBeforeNul(const char* text,
                                               std::size_t text_length) const {
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
  AllHits all(at, length_, hits, max_hits);
  std::size_t clean = kAllClean;
  search<false, false>(p, at, w, all, clean);
  at = all.found == max_hits ? hits[max_hits - 1] + length_ : end;
  return all.found;
}

}  // namespace internal
}  // namespace morvek
