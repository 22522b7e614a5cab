// istring.cpp: class IString, family by family in the order of istring.hpp.

#include "istring.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>

#include "byteset.hpp"
#include "lexcext.h"
#include "textsearch.hpp"
#include "textsize.hpp"

using morvek::internal::ByteSet;
using morvek::internal::checkedLength;
using morvek::internal::findFirstBeforeNul;
using morvek::internal::findLast;
using morvek::internal::newBuffer;
using morvek::internal::textLength;

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

// The 1-based position of `at` in the buffer that starts at `data`.
unsigned positionIn(const char* data, const char* at) {
  return static_cast<unsigned>(at - data) + 1;
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

unsigned IString::indexOf(char ch, unsigned startPos) const {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return 0;
  const void* hit =
      std::memchr(_data + startPos - 1, ch, _length - startPos + 1);
  return hit ? positionIn(_data, static_cast<const char*>(hit)) : 0;
}

unsigned IString::indexOf(const char* in_string, unsigned startPos) const {
  if (in_string == nullptr) return 0;
  const std::size_t n = std::strlen(in_string);
  if (n == 1) return indexOf(in_string[0], startPos);
  if (startPos == 0) startPos = 1;
  if (_length == 0 || startPos > _length + 1) return 0;
  const char* from = _data + startPos - 1;
  const std::size_t rest = _length - startPos + 1;
  if (n == 0) {
    // The empty text is found where the scan stops: at the first NUL byte.
    const void* nul = std::memchr(from, '\0', rest);
    return nul ? positionIn(_data, static_cast<const char*>(nul)) : _length + 1;
  }
  const char* hit = findFirstBeforeNul(from, rest, in_string, n);
  return hit ? positionIn(_data, hit) : 0;
}

unsigned IString::lastIndexOf(char ch, unsigned endPos) const {
  if (endPos > _length) endPos = _length;
  if (endPos == 0) return 0;
  const void* hit = memrchr(_data, ch, endPos);
  return hit ? positionIn(_data, static_cast<const char*>(hit)) : 0;
}

unsigned IString::lastIndexOf(const char* in_string, unsigned endPos) const {
  if (in_string == nullptr) return 0;
  const std::size_t n = std::strlen(in_string);
  if (n == 1) return lastIndexOf(in_string[0], endPos);
  if (endPos > _length) endPos = _length;
  if (n == 0) return endPos + 1;
  if (endPos == 0) return 0;
  // Occurrences count only before the first NUL byte of the text.
  const void* nul = std::memchr(_data, '\0', endPos);
  const std::size_t limit =
      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - _data)
          : endPos;
  const char* hit = findLast(_data, limit, in_string, n);
  return hit ? positionIn(_data, hit) : 0;
}

unsigned IString::indexOfAnyBut(char ch, unsigned startPos) const {
  if (startPos == 0) startPos = 1;
  for (unsigned i = startPos - 1; i < _length; ++i)
    if (_data[i] != ch) return i + 1;
  return 0;
}

unsigned IString::indexOfAnyBut(const char* in_string,
                                unsigned startPos) const {
  if (in_string == nullptr) return 0;
  if (in_string[0] != '\0' && in_string[1] == '\0')
    return indexOfAnyBut(in_string[0], startPos);
  if (startPos == 0) startPos = 1;
  const ByteSet set(in_string);
  for (unsigned i = startPos - 1; i < _length; ++i)
    if (!set.contains(_data[i])) return i + 1;
  return 0;
}

unsigned IString::occurrencesOf(char ch, unsigned startPos) const {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return 0;
  return static_cast<unsigned>(
      std::count(_data + startPos - 1, _data + _length, ch));
}

// ===========================================================================
// Sub-strings, indexing, padding and removal
// ===========================================================================

IString IString::subString(unsigned startPos) const {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return IString();
  return subString(startPos, _length - startPos + 1, ' ');
}

IString IString::subString(unsigned startPos, unsigned length,
                           char padCharacter) const {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return IString();
  char* buffer = newBuffer(length);
  const unsigned copied = std::min(length, _length - startPos + 1);
  std::memcpy(buffer, _data + startPos - 1, copied);
  std::memset(buffer + copied, padCharacter, length - copied);
  buffer[length] = '\0';
  return IString(length, buffer);
}

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

IString& IString::remove(unsigned startPos) {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return *this;
  char* buffer = copyOf(_data, startPos - 1);
  delete[] _data;
  _data = buffer;
  _length = startPos - 1;
  return *this;
}

IString& IString::remove(unsigned startPos, unsigned numChars) {
  if (startPos == 0) startPos = 1;
  if (startPos > _length || numChars == 0) return *this;
  const unsigned rest = _length - startPos + 1;
  if (numChars > rest) numChars = rest;
  const unsigned new_length = _length - numChars;
  char* buffer = newBuffer(new_length);
  std::memcpy(buffer, _data, startPos - 1);
  std::memcpy(buffer + startPos - 1, _data + startPos - 1 + numChars,
              rest - numChars);
  buffer[new_length] = '\0';
  delete[] _data;
  _data = buffer;
  _length = new_length;
  return *this;
}

IString& IString::leftJustify(unsigned newLength, char padCharacter) {
  if (_length >= newLength) return *this;
  char* buffer = newBuffer(newLength);
  if (_length != 0) std::memcpy(buffer, _data, _length);
  std::memset(buffer + _length, padCharacter, newLength - _length);
  buffer[newLength] = '\0';
  delete[] _data;
  _data = buffer;
  _length = newLength;
  return *this;
}

IString& IString::rightJustify(unsigned newLength, char padCharacter) {
  if (_length >= newLength) return *this;
  char* buffer = newBuffer(newLength);
  const unsigned pad = newLength - _length;
  std::memset(buffer, padCharacter, pad);
  if (_length != 0) std::memcpy(buffer + pad, _data, _length);
  buffer[newLength] = '\0';
  delete[] _data;
  _data = buffer;
  _length = newLength;
  return *this;
}

IString& IString::overlayWith(const IString& aString, unsigned index,
                              char padCharacter) {
  if (index == 0) return *this;
  const unsigned source_length = aString._length;
  leftJustify(checkedLength(std::uint64_t{index} + source_length - 1),
              padCharacter);
  // Read aString._data only now: when aString is this object, lengthening
  // has moved its characters, unchanged, to the front of the new buffer.
  if (source_length != 0)
    std::memmove(_data + index - 1, aString._data, source_length);
  return *this;
}

IString IString::insert(const IString& aString, const IString& anInsert,
                        unsigned index, char padCharacter) {
  IString result = aString.subString(1, index, padCharacter);
  result += anInsert;
  // index + 1 would wrap for the largest index; there is no tail then.
  if (index < aString._length) result += aString.subString(index + 1);
  return result;
}

// ===========================================================================
// Stripping and case
// ===========================================================================

namespace {

// Strips the characters that pass `test` from the chosen ends of the text in
// `data` and `length`, walking by index. Cutting only at the end writes a
// new terminator into the same buffer, and so does cutting everything;
// cutting at the front moves the kept characters to a new buffer.
template <typename Test>
void stripEnds(char*& data, unsigned& length, bool leading, bool trailing,
               Test test) {
  unsigned start = 0;
  unsigned end = length;  // the kept characters are data[start, end)
  if (leading)
    while (start < end && test(data[start])) ++start;
  if (trailing)
    while (end > start && test(data[end - 1])) --end;
  if (start == end) {
    data[0] = '\0';
    length = 0;
  } else if (start == 0) {
    data[end] = '\0';
    length = end;
  } else {
    char* buffer = copyOf(data + start, end - start);
    delete[] data;
    data = buffer;
    length = end - start;
  }
}

// Case conversion as strlwr and strupr do it: each byte up to the first NUL
// through `convert`. Long texts go through a table filled from the current
// locale, which costs 256 calls once instead of one call per byte.
char* convertCase(char* text, int (*convert)(int), char* (*shortForm)(char*)) {
  const std::size_t length = std::strlen(text);
  if (length < 256) return shortForm(text);
  unsigned char table[256];
  for (int c = 0; c < 256; ++c)
    table[c] = static_cast<unsigned char>(convert(c));
  unsigned char* p = reinterpret_cast<unsigned char*>(text);
  for (std::size_t i = 0; i < length; ++i) p[i] = table[p[i]];
  return text;
}

}  // namespace

IString& IString::upperCase() {
  if (_data != nullptr) convertCase(_data, std::toupper, strupr);
  return *this;
}

IString IString::upperCase(const IString& aString) {
  IString result(aString);
  result.upperCase();
  return result;
}

IString& IString::lowerCase() {
  if (_data != nullptr) convertCase(_data, std::tolower, strlwr);
  return *this;
}

IString IString::lowerCase(const IString& aString) {
  IString result(aString);
  result.lowerCase();
  return result;
}

IString& IString::strip() { return stripWhitespace(Both); }

IString& IString::strip(char aCharacter) {
  const char str[2] = {aCharacter, '\0'};
  return strip(str, Both);
}

IString& IString::strip(const char* p) { return strip(p, Both); }

IString IString::stripBlanks(const IString& aString) {
  IString result(aString);
  result.strip();
  return result;
}

IString& IString::stripLeading() { return stripWhitespace(Leading); }

IString& IString::stripLeading(const char* p) { return strip(p, Leading); }

IString IString::stripLeadingBlanks(const IString& aString) {
  IString result(aString);
  result.stripLeading();
  return result;
}

IString& IString::stripTrailing() { return stripWhitespace(Trailing); }

IString& IString::stripTrailing(const char* p) { return strip(p, Trailing); }

IString IString::stripTrailingBlanks(const IString& aString) {
  IString result(aString);
  result.stripTrailing();
  return result;
}

IString& IString::strip(const char* p, StripMode mode) {
  if (_length == 0 || p == nullptr) return *this;
  const ByteSet set(p);
  stripEnds(_data, _length, mode == Leading || mode == Both,
            mode == Trailing || mode == Both,
            [&set](char c) { return set.contains(c); });
  return *this;
}

IString& IString::stripWhitespace(StripMode mode) {
  if (_length == 0) return *this;
  stripEnds(_data, _length, mode == Leading || mode == Both,
            mode == Trailing || mode == Both, [](char c) {
              return std::isspace(static_cast<unsigned char>(c)) != 0;
            });
  return *this;
}

// ===========================================================================
// Replacement
// ===========================================================================

// ===========================================================================
// Words
// ===========================================================================

// ===========================================================================
// Radix conversions
// ===========================================================================
