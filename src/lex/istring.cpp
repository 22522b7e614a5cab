// istring.cpp: class IString, family by family in the order of istring.hpp.

#include "istring.hpp"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>

#include "replace_scan.hpp"
#include "textsize.hpp"
#include "wordsplit.hpp"

using morvek::internal::checkedLength;
using morvek::internal::countWords;
using morvek::internal::newBuffer;
using morvek::internal::PatternScan;
using morvek::internal::textLength;
using morvek::internal::WordScanner;
using morvek::internal::WordSpan;

namespace {

// A new buffer holding `length` bytes of `p` and a terminator.
char* copyOf(const char* p, unsigned length) {
  char* buffer = newBuffer(length);
  if (length != 0) std::memcpy(buffer, p, length);
  buffer[length] = '\0';
  return buffer;
}

template <typename T>
void formatDecimal(T x, unsigned& length, char*& buffer) {
  char temp_buffer[50];
  const std::to_chars_result r =
      std::to_chars(temp_buffer, temp_buffer + sizeof temp_buffer, x);
  const unsigned text_length = static_cast<unsigned>(r.ptr - temp_buffer);
  // Both references may be the caller's own fields: install them only once
  // the new buffer exists, so a failed allocation changes nothing.
  char* new_buffer = copyOf(temp_buffer, text_length);
  length = text_length;
  buffer = new_buffer;
}

}  // namespace

// ===========================================================================
// Construction, assignment and access
// ===========================================================================

IString::IString() : _data(newBuffer(0)), _length(0) { _data[0] = '\0'; }

IString::IString(const char* p) : _data(nullptr), _length(0) {
  if (p != nullptr) {
    const unsigned length = textLength(p);
    _data = copyOf(p, length);
    _length = length;
  }
}

IString::IString(const signed char* p)
    : IString(reinterpret_cast<const char*>(p)) {}

IString::IString(const unsigned char* p)
    : IString(reinterpret_cast<const char*>(p)) {}

IString::IString(const IString& aString)
    : _data(aString._data ? copyOf(aString._data, aString._length) : nullptr),
      _length(aString._length) {}

IString::IString(int num) { create_numeric_string(num, _length, _data); }

IString::IString(unsigned num) { create_numeric_string(num, _length, _data); }

IString::IString(short num) : IString(static_cast<int>(num)) {}

IString::IString(unsigned short num) : IString(static_cast<unsigned>(num)) {}

IString::IString(long num) { create_numeric_string(num, _length, _data); }

IString::IString(unsigned long num) {
  create_numeric_string(num, _length, _data);
}

IString::IString(char ch) : _data(newBuffer(1)), _length(1) {
  _data[0] = ch;
  _data[1] = '\0';
}

IString::IString(unsigned char ch) : IString(static_cast<char>(ch)) {}

IString::IString(double data) : _data(nullptr), _length(0) {
  char temp_buffer[64];
  const std::to_chars_result r =
      std::to_chars(temp_buffer, temp_buffer + sizeof temp_buffer, data);
  _length = static_cast<unsigned>(r.ptr - temp_buffer);
  _data = copyOf(temp_buffer, _length);
}

IString::IString(const void* pBuffer, unsigned lenBuffer, char padCharacter)
    : _data(newBuffer(lenBuffer)), _length(lenBuffer) {
  const char* source = static_cast<const char*>(pBuffer);
  const std::size_t source_length =
      source == nullptr ? 0 : strnlen(source, lenBuffer);
  if (source_length != 0) std::memcpy(_data, source, source_length);
  std::memset(_data + source_length, padCharacter, lenBuffer - source_length);
  _data[lenBuffer] = '\0';
}

IString::~IString() { delete[] _data; }

IString& IString::operator=(const IString& aString) {
  if (this == &aString) return *this;
  char* new_data =
      aString._data ? copyOf(aString._data, aString._length) : nullptr;
  delete[] _data;
  _data = new_data;
  _length = aString._length;
  return *this;
}

void IString::create_numeric_string(int x, unsigned& length, char*& buffer) {
  formatDecimal(x, length, buffer);
}

void IString::create_numeric_string(unsigned x, unsigned& length,
                                    char*& buffer) {
  formatDecimal(x, length, buffer);
}

void IString::create_numeric_string(long x, unsigned& length, char*& buffer) {
  formatDecimal(x, length, buffer);
}

void IString::create_numeric_string(unsigned long x, unsigned& length,
                                    char*& buffer) {
  formatDecimal(x, length, buffer);
}

// ===========================================================================
// Comparison, concatenation, streams and conversions
// ===========================================================================

IString::CompareResult IString::compare(const char* p1, const char* p2) {
  if (p1 == nullptr) return p2 == nullptr ? Equal : Less;
  if (p2 == nullptr) return Greater;
  const int rc = std::strcmp(p1, p2);
  return rc == 0 ? Equal : (rc < 0 ? Less : Greater);
}

Boolean operator==(const IString& string1, const IString& string2) {
  return IString::compare(string1._data, string2._data) == IString::Equal;
}
Boolean operator==(const IString& string1, const char* string2) {
  return IString::compare(string1._data, string2) == IString::Equal;
}
Boolean operator==(const char* string1, const IString& string2) {
  return IString::compare(string1, string2._data) == IString::Equal;
}
Boolean operator!=(const IString& string1, const IString& string2) {
  return !(string1 == string2);
}
Boolean operator!=(const IString& string1, const char* string2) {
  return !(string1 == string2);
}
Boolean operator!=(const char* string1, const IString& string2) {
  return !(string1 == string2);
}
Boolean operator<(const IString& string1, const IString& string2) {
  return IString::compare(string1._data, string2._data) == IString::Less;
}
Boolean operator<(const IString& string1, const char* string2) {
  return IString::compare(string1._data, string2) == IString::Less;
}
Boolean operator<(const char* string1, const IString& string2) {
  return IString::compare(string1, string2._data) == IString::Less;
}
Boolean operator<=(const IString& string1, const IString& string2) {
  return !(string1 > string2);
}
Boolean operator<=(const IString& string1, const char* string2) {
  return !(string1 > string2);
}
Boolean operator<=(const char* string1, const IString& string2) {
  return !(string1 > string2);
}
Boolean operator>(const IString& string1, const IString& string2) {
  return IString::compare(string1._data, string2._data) == IString::Greater;
}
Boolean operator>(const IString& string1, const char* string2) {
  return IString::compare(string1._data, string2) == IString::Greater;
}
Boolean operator>(const char* string1, const IString& string2) {
  return IString::compare(string1, string2._data) == IString::Greater;
}
Boolean operator>=(const IString& string1, const IString& string2) {
  return !(string1 < string2);
}
Boolean operator>=(const IString& string1, const char* string2) {
  return !(string1 < string2);
}
Boolean operator>=(const char* string1, const IString& string2) {
  return !(string1 < string2);
}

IString IString::add(const char* s1, unsigned slen1, const char* s2,
                     unsigned slen2) {
  const unsigned total = checkedLength(std::uint64_t{slen1} + slen2);
  char* buffer = newBuffer(total);
  if (slen1 != 0) std::memcpy(buffer, s1, slen1);
  if (slen2 != 0) std::memcpy(buffer + slen1, s2, slen2);
  buffer[total] = '\0';
  return IString(total, buffer);
}

IString& IString::append(unsigned slen, const char* pString) {
  if (pString == nullptr) return *this;
  const unsigned new_length = checkedLength(std::uint64_t{_length} + slen);
  char* buffer = newBuffer(new_length);
  if (_length != 0) std::memcpy(buffer, _data, _length);
  if (slen != 0) std::memcpy(buffer + _length, pString, slen);
  buffer[new_length] = '\0';
  delete[] _data;
  _data = buffer;
  _length = new_length;
  return *this;
}

IString operator+(const IString& aString, const IString& bString) {
  return IString::add(aString._data, aString._length, bString._data,
                      bString._length);
}

IString operator+(const IString& aString, const char* bString) {
  return IString::add(aString._data, aString._length, bString,
                      textLength(bString));
}

IString operator+(const char* aString, const IString& bString) {
  return IString::add(aString, textLength(aString), bString._data,
                      bString._length);
}

IString& IString::operator+=(const IString& aString) {
  return append(aString._length, aString._data);
}

IString& IString::operator+=(const char* pString) {
  return append(textLength(pString), pString);
}

std::ostream& operator<<(std::ostream& aStream, const IString& aString) {
  if (aString._data == nullptr) return aStream;
  return aStream << aString._data;
}

IString IString::lineFrom(std::istream& aStream, char delim) {
  // A buffer per call rather than one shared by all callers: the result is
  // the same, and calls on different threads cannot overwrite each other.
  char buffer[1024];
  buffer[0] = '\0';
  aStream.getline(buffer, sizeof buffer, delim);
  return IString(buffer);
}

IString IString::asString() const { return *this; }

long IString::asInt() const {
  return _data ? std::strtol(_data, nullptr, 10) : 0L;
}

unsigned long IString::asUnsigned() const {
  return _data ? std::strtoul(_data, nullptr, 10) : 0UL;
}

double IString::asDouble() const {
  return _data ? std::strtod(_data, nullptr) : 0.0;
}

// ===========================================================================
// Search and classification
// ===========================================================================

namespace {

// True when every one of the `length` bytes at `p` satisfies `inClass`; true
// for length 0.
template <typename Predicate>
Boolean allOf(const char* p, unsigned length, Predicate inClass) {
  for (unsigned i = 0; i < length; ++i)
    if (!inClass(static_cast<unsigned char>(p[i]))) return False;
  return True;
}

}  // namespace

Boolean IString::isBinaryDigits() const {
  return allOf(_data, _length,
               [](unsigned char c) { return c == '0' || c == '1'; });
}

Boolean IString::isDigits() const {
  return allOf(_data, _length,
               [](unsigned char c) { return c >= '0' && c <= '9'; });
}

Boolean IString::isHexDigits() const {
  return allOf(_data, _length, [](unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ||
           (c >= 'a' && c <= 'f');
  });
}

// ===========================================================================
// Sub-strings, indexing, padding and removal
// ===========================================================================

char& IString::operator[](unsigned index) {
  if (index == 0) index = 1;
  if (index > _length) {
    char* buffer = newBuffer(index);
    if (_length != 0) std::memcpy(buffer, _data, _length);
    std::memset(buffer + _length, ' ', index - _length);
    buffer[index] = '\0';
    delete[] _data;
    _data = buffer;
    _length = index;
  }
  return _data[index - 1];
}

const char& IString::operator[](unsigned index) const {
  static const char nul = '\0';
  if (index == 0) index = 1;
  return index <= _length ? _data[index - 1] : nul;
}

// ===========================================================================
// Stripping and case
// ===========================================================================

// ===========================================================================
// Replacement
// ===========================================================================

IString& IString::change(const IString& pInputChars,
                         const IString& pOutputChars, unsigned startPos,
                         unsigned numChanges) {
  return change(pInputChars._data, pInputChars._length, pOutputChars._data,
                pOutputChars._length, startPos, numChanges);
}

IString& IString::change(const IString& pInputChars, const char* pOutputChars,
                         unsigned startPos, unsigned numChanges) {
  return change(pInputChars._data, pInputChars._length, pOutputChars,
                textLength(pOutputChars), startPos, numChanges);
}

IString& IString::change(const char* pInputChars, const IString& pOutputChars,
                         unsigned startPos, unsigned numChanges) {
  return change(pInputChars, textLength(pInputChars), pOutputChars._data,
                pOutputChars._length, startPos, numChanges);
}

IString& IString::change(const char* pInputChars, const char* pOutputChars,
                         unsigned startPos, unsigned numChanges) {
  return change(pInputChars, textLength(pInputChars), pOutputChars,
                textLength(pOutputChars), startPos, numChanges);
}

IString& IString::translate(const IString& inputChars,
                            const IString& outputChars, char padCharacter) {
  return translate(inputChars._data, inputChars._length, outputChars._data,
                   outputChars._length, padCharacter);
}

IString& IString::translate(const IString& inputChars, const char* pOutputChars,
                            char padCharacter) {
  return translate(inputChars._data, inputChars._length, pOutputChars,
                   textLength(pOutputChars), padCharacter);
}

IString& IString::translate(const char* pInputChars, const IString& outputChars,
                            char padCharacter) {
  return translate(pInputChars, textLength(pInputChars), outputChars._data,
                   outputChars._length, padCharacter);
}

IString& IString::translate(const char* pInputChars, const char* pOutputChars,
                            char padCharacter) {
  return translate(pInputChars, textLength(pInputChars), pOutputChars,
                   textLength(pOutputChars), padCharacter);
}

IString IString::change(const IString& aString, const IString& inputString,
                        const IString& outputString, unsigned startPos,
                        unsigned numChanges) {
  IString result(aString);
  result.change(inputString, outputString, startPos, numChanges);
  return result;
}

IString& IString::change(const char* pInputChars, unsigned inputLen,
                         const char* pOutputChars, unsigned outputLen,
                         unsigned startPos, unsigned numChanges) {
  if (startPos == 0) startPos = 1;
  if (_length == 0 || inputLen == 0 || startPos > _length || numChanges == 0)
    return *this;
  // The searched text ends at the first NUL byte from startPos on; an
  // occurrence must lie wholly inside it, so an input string holding a NUL
  // byte matches nothing.
  const char* const start = _data + (startPos - 1);
  const std::size_t rest = _length - (startPos - 1);
  const void* nul = std::memchr(start, '\0', rest);
  const std::size_t searched =
      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - start)
          : rest;
  if (inputLen > searched || std::memchr(pInputChars, '\0', inputLen))
    return *this;

  const PatternScan scan(pInputChars, inputLen);
  const char* const end = start + searched;

  unsigned num_count = 0;
  for (const char* source = start; num_count < numChanges; ++num_count) {
    const char* p = scan.find(source, end - source);
    if (p == nullptr) break;
    source = p + inputLen;
  }
  if (num_count == 0) return *this;

  // Occurrences never overlap, so num_count * inputLen <= _length.
  const unsigned length = checkedLength(std::uint64_t{_length} -
                                        std::uint64_t{num_count} * inputLen +
                                        std::uint64_t{num_count} * outputLen);
  char* const temp = newBuffer(length);
  const std::size_t before = startPos - 1;
  std::memcpy(temp, _data, before);
  char* dest = temp + before;
  const char* source = start;
  // Both arguments may point into the old buffer, which lives until the new
  // text is complete.
  for (unsigned changes_left = num_count; changes_left != 0; --changes_left) {
    const char* p = scan.find(source, end - source);
    const std::size_t kept = static_cast<std::size_t>(p - source);
    std::memcpy(dest, source, kept);
    dest += kept;
    if (outputLen != 0) std::memcpy(dest, pOutputChars, outputLen);
    dest += outputLen;
    source = p + inputLen;
  }
  // The rest of the old text with its terminator.
  std::memcpy(dest, source,
              static_cast<std::size_t>(_data + _length - source) + 1);
  delete[] _data;
  _data = temp;
  _length = length;
  return *this;
}

IString& IString::translate(const char* pInputChars, unsigned inputLen,
                            const char* pOutputChars, unsigned outputLen,
                            char /* padCharacter */) {
  // A text holds fewer occurrences than 0xFFFFFFFF, so this is every one.
  return change(pInputChars, inputLen, pOutputChars, outputLen, 1, 0xFFFFFFFFu);
}

// ===========================================================================
// Words
// ===========================================================================

namespace {

// The span of word `wordNumber` (from 1) of `scanner`'s text; false when
// there is no such word.
bool findWord(WordScanner& scanner, unsigned wordNumber, WordSpan& span) {
  if (wordNumber == 0) return false;
  for (unsigned n = 0; n < wordNumber; ++n)
    if (!scanner.next(span)) return false;
  return true;
}

}  // namespace

IString IString::word(unsigned wordNumber) const {
  WordScanner scanner(_data);
  WordSpan span;
  if (!findWord(scanner, wordNumber, span)) return IString();
  const unsigned length = static_cast<unsigned>(span.end - span.begin);
  return IString(length, copyOf(span.begin, length));
}

IString IString::words(unsigned firstNumber) const {
  // No text has 0xFFFFFFFF words, so this runs through the last word.
  return words(firstNumber, 0xFFFFFFFFu);
}

IString IString::words(unsigned firstNumber, unsigned numWords) const {
  WordScanner scanner(_data);
  WordSpan span;
  if (numWords == 0 || !findWord(scanner, firstNumber, span)) return IString();
  const char* const begin = span.begin;
  const char* end = span.end;
  for (unsigned more = numWords - 1; more != 0 && scanner.next(span); --more)
    end = span.end;
  const unsigned length = static_cast<unsigned>(end - begin);
  return IString(length, copyOf(begin, length));
}

unsigned IString::indexOfWord(unsigned wordNumber) const {
  WordScanner scanner(_data);
  WordSpan span;
  if (!findWord(scanner, wordNumber, span)) return 0;
  return static_cast<unsigned>(span.begin - _data) + 1;
}

unsigned IString::lengthOfWord(unsigned wordNumber) const {
  WordScanner scanner(_data);
  WordSpan span;
  if (!findWord(scanner, wordNumber, span)) return 0;
  return static_cast<unsigned>(span.end - span.begin);
}

unsigned IString::numWords() const {
  if (_data == nullptr) return 0;
  const void* nul = std::memchr(_data, '\0', _length);
  return countWords(_data, nul ? static_cast<const char*>(nul) - _data
                               : std::size_t{_length});
}

// ===========================================================================
// Radix conversions
// ===========================================================================
