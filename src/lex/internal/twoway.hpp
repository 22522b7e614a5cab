// twoway.hpp: the two-way string matching method of Crochemore and Perrin,
// which the substring search falls back on when its comparisons run over
// budget: linear whatever the pattern, in constant space (internal, not
// installed).

#ifndef MORVEK_INTERNAL_TWOWAY_HPP_
#define MORVEK_INTERNAL_TWOWAY_HPP_

#include <cstddef>

namespace morvek {
namespace internal {

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

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_TWOWAY_HPP_
