// textsearch.cpp: linear-time substring search, forward and backward.

#include "textsearch.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace morvek {
namespace internal {

namespace {

using Byte = unsigned char;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// One two-way implementation serves both directions: the backward search is
// a forward search for the reversed pattern in the reversed text.
struct Forward {
  const Byte* first;
  Byte operator[](std::size_t i) const { return first[i]; }
};
struct Reversed {
  const Byte* last;
  Byte operator[](std::size_t i) const { return *(last - i); }
};

// Start of the lexicographically greatest suffix of x[0, m) (with the byte
// order reversed when `inverted`), and the period of that suffix.
template <typename View>
std::size_t maximalSuffix(View x, std::size_t m, bool inverted,
                          std::size_t& period) {
  // `before` is the index just before the suffix; it starts at -1, and the
  // unsigned wrap-around of before + k and j - before is intended.
  std::size_t before = kNone, j = 0, k = 1, p = 1;
  while (j + k < m) {
    const Byte a = x[j + k];
    const Byte b = x[before + k];
    if (inverted ? b < a : a < b) {
      j += k;
      k = 1;
      p = j - before;
    } else if (a == b) {
      if (k != p) {
        ++k;
      } else {
        j += p;
        k = 1;
      }
    } else {
      before = j++;
      k = p = 1;
    }
  }
  period = p;
  return before + 1;
}

// Crochemore and Perrin's two-way search: the index of the first occurrence
// of x[0, m) in t[0, n), or kNone. Requires 2 <= m <= n. At most about 2n
// byte comparisons, constant memory.
template <typename View>
std::size_t twoWay(View t, std::size_t n, View x, std::size_t m) {
  std::size_t period1, period2;
  const std::size_t s1 = maximalSuffix(x, m, false, period1);
  const std::size_t s2 = maximalSuffix(x, m, true, period2);
  // The critical factorisation x = x[0, ell) x[ell, m).
  const std::size_t ell = std::max(s1, s2);
  std::size_t period = s1 >= s2 ? period1 : period2;

  bool periodic = true;
  for (std::size_t i = 0; i < ell && periodic; ++i)
    periodic = x[i] == x[i + period];

  if (periodic) {
    // The pattern has period `period`: after a full match of the right half,
    // a shift by the period keeps m - period known bytes.
    std::size_t memory = 0;
    for (std::size_t j = 0; j <= n - m;) {
      std::size_t i = std::max(ell, memory);
      while (i < m && x[i] == t[i + j]) ++i;
      if (i < m) {
        j += i - ell + 1;
        memory = 0;
        continue;
      }
      i = ell;
      while (i > memory && x[i - 1] == t[i - 1 + j]) --i;
      if (i <= memory) return j;
      j += period;
      memory = m - period;
    }
  } else {
    period = std::max(ell, m - ell) + 1;
    for (std::size_t j = 0; j <= n - m;) {
      std::size_t i = ell;
      while (i < m && x[i] == t[i + j]) ++i;
      if (i < m) {
        j += i - ell + 1;
        continue;
      }
      i = ell;
      while (i > 0 && x[i - 1] == t[i - 1 + j]) --i;
      if (i == 0) return j;
      j += period;
    }
  }
  return kNone;
}

// The candidate filter gives up once failed candidates have cost more than
// this, in compared bytes (m for each, at most), for `scanned` bytes of text:
// beyond it the text is one on which the filter could turn quadratic. What
// it wastes before giving up is linear in scanned + m.
inline bool overBudget(std::size_t spent, std::size_t scanned, std::size_t m) {
  return spent > 4 * scanned + 8 * m;
}

inline bool middleMatches(const Byte* at, const Byte* x, std::size_t m) {
  return std::memcmp(at + 1, x + 1, m - 2) == 0;
}

// The candidate filter, front to back: tries the starts from `i` on whose
// first and last bytes fit, and returns the first that matches, or kNone.
// When it returns kNone with i <= n - m it has given up there, and the
// starts from i on are still to be searched.
std::size_t filterForward(const Byte* t, std::size_t n, const Byte* x,
                          std::size_t m, std::size_t& i) {
  const Byte first = x[0], last = x[m - 1];
  const std::size_t last_start = n - m;
  std::size_t spent = 0;
#if defined(__SSE2__)
  const __m128i vfirst = _mm_set1_epi8(static_cast<char>(first));
  const __m128i vlast = _mm_set1_epi8(static_cast<char>(last));
  while (i + 15 <= last_start) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
    const __m128i b =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + m - 1));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(a, vfirst), _mm_cmpeq_epi8(b, vlast))));
    while (mask != 0) {
      const std::size_t at = i + static_cast<unsigned>(__builtin_ctz(mask));
      if (middleMatches(t + at, x, m)) return at;
      spent += m;
      mask &= mask - 1;
    }
    i += 16;
    if (overBudget(spent, i, m)) return kNone;
  }
#endif
  for (; i <= last_start; ++i) {
    if (t[i] != first || t[i + m - 1] != last) continue;
    if (middleMatches(t + i, x, m)) return i;
    spent += m;
    if (overBudget(spent, i, m)) {
      ++i;
      return kNone;
    }
  }
  return kNone;
}

// The same filter, back to front over the starts before `end`: returns the
// last start that matches, or kNone. When it returns kNone with end > 0 it
// has given up there, and the starts before `end` are still to be searched.
std::size_t filterBackward(const Byte* t, std::size_t n, const Byte* x,
                           std::size_t m, std::size_t& end) {
  const Byte first = x[0], last = x[m - 1];
  const std::size_t candidates = n - m + 1;
  std::size_t spent = 0;
#if defined(__SSE2__)
  const __m128i vfirst = _mm_set1_epi8(static_cast<char>(first));
  const __m128i vlast = _mm_set1_epi8(static_cast<char>(last));
  while (end >= 16) {
    const std::size_t i = end - 16;
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
    const __m128i b =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + m - 1));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(a, vfirst), _mm_cmpeq_epi8(b, vlast))));
    while (mask != 0) {
      const unsigned bit = 31u - static_cast<unsigned>(__builtin_clz(mask));
      if (middleMatches(t + i + bit, x, m)) return i + bit;
      spent += m;
      mask &= ~(1u << bit);
    }
    end = i;
    if (overBudget(spent, candidates - end, m)) return kNone;
  }
#endif
  while (end > 0) {
    const std::size_t i = --end;
    if (t[i] != first || t[i + m - 1] != last) continue;
    if (middleMatches(t + i, x, m)) return i;
    spent += m;
    if (overBudget(spent, candidates - end, m)) return kNone;
  }
  return kNone;
}

}  // namespace

const char* findFirst(const char* text, std::size_t n, const char* pattern,
                      std::size_t m) {
  if (m == 0) return text;
  if (m > n) return nullptr;
  if (m == 1) return static_cast<const char*>(std::memchr(text, pattern[0], n));

  const Byte* t = reinterpret_cast<const Byte*>(text);
  const Byte* x = reinterpret_cast<const Byte*>(pattern);
  std::size_t i = 0;
  std::size_t at = filterForward(t, n, x, m, i);
  if (at == kNone && n - i >= m) {
    at = twoWay(Forward{t + i}, n - i, Forward{x}, m);
    if (at != kNone) at += i;
  }
  return at == kNone ? nullptr : text + at;
}

const char* findLast(const char* text, std::size_t n, const char* pattern,
                     std::size_t m) {
  if (m == 0) return text + n;
  if (m > n) return nullptr;
  if (m == 1) return static_cast<const char*>(memrchr(text, pattern[0], n));

  const Byte* t = reinterpret_cast<const Byte*>(text);
  const Byte* x = reinterpret_cast<const Byte*>(pattern);
  std::size_t end = n - m + 1;
  std::size_t at = filterBackward(t, n, x, m, end);
  if (at == kNone && end > 0) {
    // The starts still open are those before `end`: their occurrences lie
    // within the first end + m - 1 bytes.
    const std::size_t len = end + m - 1;
    const std::size_t r =
        twoWay(Reversed{t + len - 1}, len, Reversed{x + m - 1}, m);
    if (r != kNone) at = len - r - m;
  }
  return at == kNone ? nullptr : text + at;
}

const char* findFirstBeforeNul(const char* text, std::size_t n,
                               const char* pattern, std::size_t m) {
  // A NUL-free pattern cannot match across a NUL byte, so the first
  // occurrence in a NUL-free stretch is the answer. The text is taken in
  // growing windows that overlap by m - 1 bytes, so that neither the NUL
  // scan nor the search runs far past an early hit.
  std::size_t window = std::max<std::size_t>(256, 2 * m);
  const std::size_t max_window = std::max<std::size_t>(65536, 2 * m);
  std::size_t pos = 0;
  std::size_t checked = 0;  // text[0, checked) holds no NUL byte
  for (;;) {
    std::size_t end = n - pos <= window ? n : pos + window;
    const void* nul = std::memchr(text + checked, 0, end - checked);
    if (nul != nullptr)
      end = static_cast<std::size_t>(static_cast<const char*>(nul) - text);
    const char* hit = findFirst(text + pos, end - pos, pattern, m);
    if (hit != nullptr || nul != nullptr || end == n) return hit;
    checked = end;
    pos = end - (m - 1);
    window = std::min(window * 2, max_window);
  }
}

}  // namespace internal
}  // namespace morvek
