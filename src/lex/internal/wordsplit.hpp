// wordsplit.hpp: splitting a text into words (internal, not installed).
//
// A word is a maximal run of bytes other than the six delimiters space, LF,
// CR, TAB, VT and FF, within the text before its first NUL byte. The set is
// fixed and does not follow the locale. A WordWalker only reads the text and
// keeps its position in itself: walkers may run on any number of threads at
// once, and a caller's strtok sequence is never disturbed.

#ifndef MORVEK_INTERNAL_WORDSPLIT_HPP_
#define MORVEK_INTERNAL_WORDSPLIT_HPP_

#include <cstddef>

namespace morvek {
namespace internal {

// Space, or one of TAB, LF, VT, FF, CR (9 to 13).
inline bool isWordDelimiter(unsigned char c) {
  return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}

// The bytes [begin, end) of one word.
struct WordSpan {
  const char* begin;
  const char* end;
};

// The words of the `length` bytes at `text`, which hold no NUL byte (for a
// string, the bytes before its first NUL: see textEnd), walked from the
// front. Counting goes without a branch per byte, so the compiler can
// vectorise it; only the stretch that holds a wanted word is walked byte by
// byte.
class WordWalker {
 public:
  WordWalker(const char* text, std::size_t length)
      : at_(reinterpret_cast<const unsigned char*>(text)), end_(at_ + length) {}

  // The number of words from the walker's position on, which is the start
  // of the text or the end of a word; the walker does not move.
  unsigned count() const {
    return starts(at_, static_cast<std::size_t>(end_ - at_), true);
  }

  // Sets `word` to word `number` (from 1) counted from the walker's position
  // and leaves the walker just after it; false, with the walker at the end,
  // when there are fewer words (or `number` is 0).
  bool find(unsigned number, WordSpan& word) {
    constexpr std::size_t kBlock = 256;
    if (number == 0) return false;
    unsigned seen = 0;            // words that start before the block
    bool after_delimiter = true;  // the byte before the block is a delimiter
    for (; at_ != end_;) {
      const std::size_t left = static_cast<std::size_t>(end_ - at_);
      const std::size_t n = left < kBlock ? left : kBlock;
      const unsigned count = starts(at_, n, after_delimiter);
      if (seen + count >= number) {
        // Pass the end of a word that began in an earlier block.
        if (!after_delimiter)
          while (at_ != end_ && !isWordDelimiter(*at_)) ++at_;
        return next(word, number - seen);
      }
      seen += count;
      after_delimiter = isWordDelimiter(at_[n - 1]);
      at_ += n;
    }
    return false;
  }

  // Sets `word` to the next word and returns true, or returns false when
  // the text has no more words. With `skip`, the `skip` - 1 words before it
  // are passed over first.
  bool next(WordSpan& word, unsigned skip = 1) {
    for (;; --skip) {
      while (at_ != end_ && isWordDelimiter(*at_)) ++at_;
      if (at_ == end_) return false;
      word.begin = reinterpret_cast<const char*>(at_);
      while (at_ != end_ && !isWordDelimiter(*at_)) ++at_;
      word.end = reinterpret_cast<const char*>(at_);
      if (skip == 1) return true;
    }
  }

 private:
  // Word bytes among the `n` bytes at `b` that follow a delimiter, the byte
  // before `b` counting as one when `after_delimiter` is set.
  static unsigned starts(const unsigned char* b, std::size_t n,
                         bool after_delimiter) {
    if (n == 0) return 0;
    unsigned count =
        unsigned(!isWordDelimiter(b[0])) & unsigned(after_delimiter);
    for (std::size_t i = 1; i < n; ++i)
      count += unsigned(!isWordDelimiter(b[i])) &
               unsigned(isWordDelimiter(b[i - 1]));
    return count;
  }

  const unsigned char* at_;
  const unsigned char* end_;
};

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_WORDSPLIT_HPP_
