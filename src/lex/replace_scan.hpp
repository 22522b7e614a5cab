// replace_scan.hpp: the substring search behind change and translate
// (internal, not installed).
//
// PatternScan finds the occurrences of one pattern in a byte range with the
// two-way string matching method of Crochemore and Perrin: time linear in the
// length of the range whatever the pattern (a text of 'a' searched for
// "aaa...ab" included), constant extra space and no allocation. The pattern
// is prepared once, in time linear in its length, and then serves any number
// of searches: change and translate make two passes over the same
// occurrences and pay for the preparation once.
//
// While no partial match is remembered, alignments whose critical byte
// cannot match are skipped with memchr, so a pattern whose critical byte is
// rare is searched at memchr speed.

#ifndef MORVEK_REPLACE_SCAN_HPP_
#define MORVEK_REPLACE_SCAN_HPP_

#include <cstddef>
#include <cstring>

namespace morvek {
namespace internal {

class PatternScan {
 public:
  // Prepares to search for the `length` bytes at `pattern`; `length` >= 1.
  // The pattern must stay in place while the object is used.
  PatternScan(const char* pattern, std::size_t length)
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
    periodic_ = std::memcmp(pattern_, pattern_ + period_, split_) == 0;
    if (!periodic_) {
      // The halves differ: after a full right-half match with a left-half
      // mismatch no alignment closer than this can match.
      period_ = (split_ > length_ - split_ ? split_ : length_ - split_) + 1;
    }
  }

  // The leftmost occurrence of the pattern lying wholly within
  // [text, text + text_length), or nullptr. Reads nothing outside that range.
  const char* find(const char* text, std::size_t text_length) const {
    if (text_length < length_) return nullptr;
    const unsigned char* hay = reinterpret_cast<const unsigned char*>(text);
    const std::size_t last = text_length - length_;  // last alignment
    const unsigned char critical = pattern_[split_];
    std::size_t memory = 0;  // pattern prefix known to match (periodic case)
    std::size_t j = 0;
    while (j <= last) {
      if (memory == 0 && hay[j + split_] != critical) {
        const void* hit = std::memchr(hay + j + split_ + 1, critical, last - j);
        if (hit == nullptr) return nullptr;
        j = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) -
                                     hay) -
            split_;
      }
      // Right half, left to right.
      std::size_t i = split_ > memory ? split_ : memory;
      while (i < length_ && pattern_[i] == hay[j + i]) ++i;
      if (i < length_) {
        j += i - split_ + 1;
        memory = 0;
        continue;
      }
      // Left half, right to left, down to what is already known to match.
      std::size_t k = split_;
      while (k > memory && pattern_[k - 1] == hay[j + k - 1]) --k;
      if (k <= memory) return text + j;
      j += period_;
      if (periodic_) memory = length_ - period_;
    }
    return nullptr;
  }

 private:
  // Start minus one (wrapping: ~0 stands for -1) of the maximal suffix of the
  // pattern under the byte order, or under its reverse; sets `period` to
  // that suffix's period.
  std::size_t maximalSuffix(bool reversed, std::size_t& period) const {
    std::size_t suffix = static_cast<std::size_t>(-1);
    std::size_t j = 0;
    std::size_t k = 1;
    period = 1;
    while (j + k < length_) {
      const unsigned char a = pattern_[j + k];
      const unsigned char b = pattern_[suffix + k];
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
  std::size_t split_;   // first byte of the right half
  std::size_t period_;  // shift after a full right-half match that fails
  bool periodic_;       // the pattern repeats with period period_
};

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_REPLACE_SCAN_HPP_
