// wordsplit.hpp: splitting a text into words (internal, not installed).
//
// A word is a maximal run of bytes other than the six delimiters space, LF,
// CR, TAB, VT and FF, within the text before its first NUL byte. The set is
// fixed and does not follow the locale. WordScanner only reads the text and
// keeps its position in itself: scanners may run on any number of threads
// at once, and a caller's strtok sequence is never disturbed.

#ifndef MORVEK_WORDSPLIT_HPP_
#define MORVEK_WORDSPLIT_HPP_

#include <cstddef>

namespace morvek {
namespace internal {

// Space, or one of TAB, LF, VT, FF, CR (9 to 13).
inline bool isWordDelimiter(unsigned char c) {
  return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}

// Number of words in the `length` bytes at `text`, which hold no NUL byte.
// Counts the word bytes that follow a delimiter (or start the text), without
// a branch per byte, so the compiler can vectorise the loop.
inline unsigned countWords(const char* text, std::size_t length) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  if (length == 0) return 0;
  unsigned count = !isWordDelimiter(p[0]);
  for (std::size_t i = 1; i < length; ++i)
    count +=
        unsigned(!isWordDelimiter(p[i])) & unsigned(isWordDelimiter(p[i - 1]));
  return count;
}

// Start of word `number` (from 1) of the `length` bytes at `text`, which
// hold no NUL byte, or nullptr when there are fewer words. Whole blocks are
// counted as countWords does, without a branch per byte; only the block that
// holds the word's start is walked byte by byte.
inline const char* wordStart(const char* text, std::size_t length,
                             unsigned number) {
  constexpr std::size_t kBlock = 256;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  unsigned seen = 0;            // words that start before the block
  bool after_delimiter = true;  // the byte before the block is a delimiter
  for (std::size_t at = 0; at < length; at += kBlock) {
    const std::size_t n = length - at < kBlock ? length - at : kBlock;
    const unsigned char* b = p + at;
    unsigned count =
        unsigned(!isWordDelimiter(b[0])) & unsigned(after_delimiter);
    for (std::size_t i = 1; i < n; ++i)
      count += unsigned(!isWordDelimiter(b[i])) &
               unsigned(isWordDelimiter(b[i - 1]));
    if (seen + count >= number) {
      bool previous = after_delimiter;
      for (std::size_t i = 0;; ++i) {
        const bool delimiter = isWordDelimiter(b[i]);
        if (!delimiter && previous && ++seen == number)
          return reinterpret_cast<const char*>(b + i);
        previous = delimiter;
      }
    }
    seen += count;
    after_delimiter = isWordDelimiter(b[n - 1]);
  }
  return nullptr;
}

// The bytes [begin, end) of one word.
struct WordSpan {
  const char* begin;
  const char* end;
};

class WordScanner {
 public:
  // Scans the NUL-terminated `text`; a null pointer holds no words.
  explicit WordScanner(const char* text)
      : next_(reinterpret_cast<const unsigned char*>(text)) {}

  // Sets `word` to the next word and returns true, or returns false when
  // the text has no more words.
  bool next(WordSpan& word) {
    if (next_ == nullptr) return false;
    const unsigned char* p = next_;
    while (isWordDelimiter(*p)) ++p;
    if (*p == '\0') {
      next_ = p;
      return false;
    }
    word.begin = reinterpret_cast<const char*>(p);
    while (*p != '\0' && !isWordDelimiter(*p)) ++p;
    word.end = reinterpret_cast<const char*>(p);
    next_ = p;
    return true;
  }

 private:
  const unsigned char* next_;
};

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_WORDSPLIT_HPP_
