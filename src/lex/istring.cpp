// istring.cpp: class IString, family by family in the order of istring.hpp.

#include "istring.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "byteset.hpp"
#include "charclass.hpp"
#include "fastfind.hpp"
#include "hexpairs.hpp"
#include "lexcext.h"
#include "replace.hpp"
#include "textsize.hpp"
#include "wordsplit.hpp"

using morvek::internal::allBinaryDigits;
using morvek::internal::allDecimalDigits;
using morvek::internal::allHexDigits;
using morvek::internal::ByteSet;
using morvek::internal::bytesToHexPairs;
using morvek::internal::ChangedText;
using morvek::internal::changedText;
using morvek::internal::checkedLength;
using morvek::internal::countWords;
using morvek::internal::hexPairsToBytes;
using morvek::internal::newBuffer;
using morvek::internal::SubstringFinder;
using morvek::internal::textLength;
using morvek::internal::WordScanner;
using morvek::internal::WordSpan;
using morvek::internal::wordStart;

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

IString::IString(IString&& aString) noexcept
    : _data(aString._data), _length(aString._length) {
  aString._data = nullptr;
  aString._length = 0;
}

IString& IString::operator=(IString&& aString) noexcept {
  if (this == &aString) return *this;
  delete[] _data;
  _data = aString._data;
  _length = aString._length;
  aString._data = nullptr;
  aString._length = 0;
  return *this;
}

IString::IString(const std::string& aString)
    : IString(std::string_view(aString)) {}

IString::IString(std::string_view aString)
    : _data(nullptr), _length(checkedLength(aString.size())) {
  _data = copyOf(aString.data(), _length);
}

std::string IString::asStdString() const {
  return _data ? std::string(_data, _length) : std::string();
}

std::size_t std::hash<IString>::operator()(
    const IString& aString) const noexcept {
  const char* text = aString;
  if (text == nullptr) return std::hash<std::string_view>()(std::string_view());
  return std::hash<std::string_view>()(
      std::string_view(text, strnlen(text, aString.length())));
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

// Both lengths are known: when the bytes up to the shorter length and its
// terminator are the same, the texts up to their first NUL are the same, so
// one memcmp decides most calls. Only after a difference can a NUL byte
// before it still make them equal, and strcmp decides that.
Boolean operator==(const IString& string1, const IString& string2) {
  const char* p1 = string1._data;
  const char* p2 = string2._data;
  if (p1 == nullptr || p2 == nullptr) return p1 == p2;
  const std::size_t shorter = std::min(string1._length, string2._length);
  if (std::memcmp(p1, p2, shorter + 1) == 0) return True;
  return std::strcmp(p1, p2) == 0;
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

// The 1-based position of `at` in the buffer that starts at `data`.
unsigned positionIn(const char* data, const char* at) {
  return static_cast<unsigned>(at - data) + 1;
}

}  // namespace

Boolean IString::isBinaryDigits() const {
  return allBinaryDigits(_data, _length) ? True : False;
}

Boolean IString::isDigits() const {
  return allDecimalDigits(_data, _length) ? True : False;
}

Boolean IString::isHexDigits() const {
  return allHexDigits(_data, _length) ? True : False;
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
  // Occurrences count only before the first NUL byte from `from` on.
  const char* hit = SubstringFinder(in_string, n).findBeforeNul(from, rest);
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
  const char* hit =
      SubstringFinder(in_string, n).findLastBeforeNul(_data, endPos);
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

// The characters data[start, end) that remain when those passing `test` are
// stripped from the chosen ends of the `length` characters at `data`.
template <typename Test>
void keptRange(const char* data, unsigned length, bool leading, bool trailing,
               Test test, unsigned& start, unsigned& end) {
  start = 0;
  end = length;
  if (leading)
    while (start < end && test(data[start])) ++start;
  if (trailing)
    while (end > start && test(data[end - 1])) --end;
}

// Strips the characters that pass `test` from the chosen ends of the text in
// `data` and `length`, walking by index. Cutting only at the end writes a
// new terminator into the same buffer, and so does cutting everything;
// cutting at the front moves the kept characters to a new buffer.
template <typename Test>
void stripEnds(char*& data, unsigned& length, bool leading, bool trailing,
               Test test) {
  unsigned start, end;
  keptRange(data, length, leading, trailing, test, start, end);
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

// The isspace class of the current locale. With glibc the locale's class
// table is read directly, as the C macro does, without a call per byte.
inline bool isWhiteSpace(char c) {
#if defined(__GLIBC__)
  return ((*__ctype_b_loc())[static_cast<unsigned char>(c)] & _ISspace) != 0;
#else
  return std::isspace(static_cast<unsigned char>(c)) != 0;
#endif
}

}  // namespace

IString& IString::upperCase() {
  if (_data != nullptr) strupr(_data);
  return *this;
}

IString IString::upperCase(const IString& aString) {
  IString result(aString);
  result.upperCase();
  return result;
}

IString& IString::lowerCase() {
  if (_data != nullptr) strlwr(_data);
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

// The static forms build the stripped copy straight from the argument: one
// buffer of exactly the kept length.
IString IString::stripBlanks(const IString& aString) {
  if (aString._data == nullptr) return IString(aString);
  unsigned start, end;
  keptRange(aString._data, aString._length, true, true, isWhiteSpace, start,
            end);
  return IString(end - start, copyOf(aString._data + start, end - start));
}

IString& IString::stripLeading() { return stripWhitespace(Leading); }

IString& IString::stripLeading(const char* p) { return strip(p, Leading); }

IString IString::stripLeadingBlanks(const IString& aString) {
  if (aString._data == nullptr) return IString(aString);
  unsigned start, end;
  keptRange(aString._data, aString._length, true, false, isWhiteSpace, start,
            end);
  return IString(end - start, copyOf(aString._data + start, end - start));
}

IString& IString::stripTrailing() { return stripWhitespace(Trailing); }

IString& IString::stripTrailing(const char* p) { return strip(p, Trailing); }

IString IString::stripTrailingBlanks(const IString& aString) {
  if (aString._data == nullptr) return IString(aString);
  unsigned start, end;
  keptRange(aString._data, aString._length, false, true, isWhiteSpace, start,
            end);
  return IString(end - start, copyOf(aString._data + start, end - start));
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
            mode == Trailing || mode == Both, isWhiteSpace);
  return *this;
}

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

// The changed copy is built straight from the argument: one buffer, where
// copying first and changing the copy would take two.
IString IString::change(const IString& aString, const IString& inputString,
                        const IString& outputString, unsigned startPos,
                        unsigned numChanges) {
  const ChangedText changed =
      changedText(aString._data, aString._length,
                  {inputString._data, inputString._length, outputString._data,
                   outputString._length, startPos, numChanges});
  return changed.data ? IString(changed.length, changed.data)
                      : IString(aString);
}

IString& IString::change(const char* pInputChars, unsigned inputLen,
                         const char* pOutputChars, unsigned outputLen,
                         unsigned startPos, unsigned numChanges) {
  const ChangedText changed = changedText(
      _data, _length,
      {pInputChars, inputLen, pOutputChars, outputLen, startPos, numChanges});
  if (changed.data != nullptr) {
    delete[] _data;
    _data = changed.data;
    _length = changed.length;
  }
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

// The span of word `wordNumber` (from 1) of the `length` bytes at `text`,
// with `scanner` left just after it; false when there is no such word.
bool findWord(const char* text, unsigned length, unsigned wordNumber,
              WordScanner& scanner, WordSpan& span) {
  if (wordNumber == 0 || text == nullptr) return false;
  const void* nul = std::memchr(text, '\0', length);
  const char* start = wordStart(
      text, nul ? static_cast<const char*>(nul) - text : std::size_t{length},
      wordNumber);
  if (start == nullptr) return false;
  scanner = WordScanner(start);
  return scanner.next(span);
}

}  // namespace

IString IString::word(unsigned wordNumber) const {
  WordScanner scanner(nullptr);
  WordSpan span;
  if (!findWord(_data, _length, wordNumber, scanner, span)) return IString();
  const unsigned length = static_cast<unsigned>(span.end - span.begin);
  return IString(length, copyOf(span.begin, length));
}

IString IString::words(unsigned firstNumber) const {
  // No text has 0xFFFFFFFF words, so this runs through the last word.
  return words(firstNumber, 0xFFFFFFFFu);
}

IString IString::words(unsigned firstNumber, unsigned numWords) const {
  WordScanner scanner(nullptr);
  WordSpan span;
  if (numWords == 0 || !findWord(_data, _length, firstNumber, scanner, span))
    return IString();
  const char* const begin = span.begin;
  const char* end = span.end;
  for (unsigned more = numWords - 1; more != 0 && scanner.next(span); --more)
    end = span.end;
  const unsigned length = static_cast<unsigned>(end - begin);
  return IString(length, copyOf(begin, length));
}

unsigned IString::indexOfWord(unsigned wordNumber) const {
  WordScanner scanner(nullptr);
  WordSpan span;
  if (!findWord(_data, _length, wordNumber, scanner, span)) return 0;
  return static_cast<unsigned>(span.begin - _data) + 1;
}

unsigned IString::lengthOfWord(unsigned wordNumber) const {
  WordScanner scanner(nullptr);
  WordSpan span;
  if (!findWord(_data, _length, wordNumber, scanner, span)) return 0;
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

namespace {

// The digits of the values 0 to 15; a digit's value is its position.
constexpr const char* hex_digits = "0123456789ABCDEF";

// The value of one hexadecimal digit of either case: '0' to '9' give 0 to 9,
// 'A' to 'F' and 'a' to 'f' give 10 to 15; only meaningful for characters
// that isHexDigits accepts. A digit's low four bits are its value, less 9 for
// the letters, which are the digits with bit 6 set.
constexpr unsigned char hexDigitValue(unsigned char x) {
  return static_cast<unsigned char>((x & 0xF) + 9 * (x >> 6));
}

// Each byte value as two hexadecimal and as eight binary digits, built at
// compile time so that the loops below are table lookups.
struct DigitTables {
  char hex_pair[256][2];
  char bit_octet[256][8];
  constexpr DigitTables() : hex_pair(), bit_octet() {
    for (unsigned v = 0; v < 256; ++v) {
      hex_pair[v][0] = hex_digits[v >> 4];
      hex_pair[v][1] = hex_digits[v & 15];
      for (unsigned bit = 0; bit < 8; ++bit)
        bit_octet[v][bit] = ((v >> (7 - bit)) & 1) != 0 ? '1' : '0';
    }
  }
};
constexpr DigitTables digit_tables;

// The 8 bytes at p as a number whose lowest byte is p[0].
inline std::uint64_t loadLittleEndian(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  word = __builtin_bswap64(word);
#endif
  return word;
}

// The byte whose bits, most significant first, are the 8 binary digits at p.
// After the subtraction each byte of the word is 0 or 1; the multiplication
// moves byte i to bit 63 - i, and no two partial products overlap, so the
// top byte is exactly the 8 bits.
inline unsigned octetValue(const char* p) {
  const std::uint64_t bits = loadLittleEndian(p) - 0x3030303030303030u;
  return static_cast<unsigned>((bits * 0x8040201008040201u) >> 56);
}

// The value of the `count` binary digits at p, modulo 2^32.
unsigned binaryValue(const char* p, std::uint64_t count) {
  unsigned num = 0;
  for (std::uint64_t i = 0; i < count; ++i) num = num * 2 + (p[i] - '0');
  return num;
}

// The value of the `count` decimal digits at p, modulo 2^32.
unsigned decimalValue(const char* p, unsigned count) {
  unsigned num = 0;
  for (unsigned i = 0; i < count; ++i) num = num * 10 + (p[i] - '0');
  return num;
}

// `n` binary digits as bytes (group_bits 8) or hexadecimal digits
// (group_bits 4), grouped from the right: the leftmost n mod group_bits
// digits, if any, form the first group. Sets `result_length`.
char* binaryGroups(const char* p, unsigned n, unsigned group_bits,
                   unsigned& result_length) {
  result_length =
      checkedLength((std::uint64_t{n} + group_bits - 1) / group_bits);
  char* temp = newBuffer(result_length);
  char* out = temp;
  const bool to_bytes = group_bits == 8;
  const unsigned lead = n % group_bits;
  if (lead != 0) {
    const unsigned num = binaryValue(p, lead);
    *out++ = to_bytes ? static_cast<char>(num) : hex_digits[num];
    p += lead;
  }
  const char* const end = p + (n - lead);
  if (to_bytes) {
    for (; p != end; p += 8) *out++ = static_cast<char>(octetValue(p));
  } else {
    for (; end - p >= 8; p += 8, out += 2)
      std::memcpy(out, digit_tables.hex_pair[octetValue(p)], 2);
    if (p != end) *out++ = hex_digits[binaryValue(p, 4)];
  }
  *out = '\0';
  return temp;
}

// Each of the `n` bytes at p as `width` characters from `texts` (a row of
// digit_tables per byte value). Sets `result_length`.
template <std::size_t width>
char* byteTexts(const unsigned char* p, unsigned n,
                const char (&texts)[256][width], unsigned& result_length) {
  result_length = checkedLength(std::uint64_t{n} * width);
  char* temp = newBuffer(result_length);
  char* out = temp;
  for (unsigned i = 0; i < n; ++i, out += width)
    std::memcpy(out, texts[p[i]], width);
  *out = '\0';
  return temp;
}

// `value` written with digits of `bits` bits each (1 or 4), without leading
// zeros; zero gives "0". Sets `result_length`.
char* radixDigits(unsigned value, unsigned bits, unsigned& result_length) {
  unsigned length = 1;
  while (length * bits < 32 && (value >> (length * bits)) != 0) ++length;
  char* temp = newBuffer(length);
  temp[length] = '\0';
  for (unsigned pos = length; pos-- > 0; value >>= bits)
    temp[pos] = hex_digits[value & ((1u << bits) - 1)];
  result_length = length;
  return temp;
}

}  // namespace

// Each static form builds its result without touching the argument
// (IString(0, nullptr) is the null string); each mutating form takes over the
// buffer of that result, so the object changes only once the result is
// complete, and its old buffer leaves with `result`.

IString IString::b2c(const IString& aString) {
  if (aString._length == 0 || !aString.isBinaryDigits())
    return IString(0, nullptr);
  unsigned length;
  char* temp = binaryGroups(aString._data, aString._length, 8, length);
  return IString(length, temp);
}

IString& IString::b2c() {
  IString result = b2c(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::b2d(const IString& aString) {
  if (aString._length == 0 || !aString.isBinaryDigits())
    return IString(0, nullptr);
  return IString(binaryValue(aString._data, aString._length));
}

IString& IString::b2d() {
  IString result = b2d(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::b2x(const IString& aString) {
  if (aString._length == 0 || !aString.isBinaryDigits())
    return IString(0, nullptr);
  unsigned length;
  char* temp = binaryGroups(aString._data, aString._length, 4, length);
  return IString(length, temp);
}

IString& IString::b2x() {
  IString result = b2x(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::c2b(const IString& aString) {
  if (aString._length == 0) return IString(0, nullptr);
  unsigned length;
  char* temp = byteTexts(reinterpret_cast<const unsigned char*>(aString._data),
                         aString._length, digit_tables.bit_octet, length);
  return IString(length, temp);
}

IString& IString::c2b() {
  IString result = c2b(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::c2d(const IString& aString) {
  if (aString._length == 0) return IString(0, nullptr);
  // Bytes before the last four only add multiples of 2^32.
  const unsigned first = aString._length > 4 ? aString._length - 4 : 0;
  unsigned num = 0;
  for (unsigned i = first; i < aString._length; ++i)
    num = (num << 8) | static_cast<unsigned char>(aString._data[i]);
  return IString(num);
}

IString& IString::c2d() {
  IString result = c2d(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::c2x(const IString& aString) {
  if (aString._length == 0) return IString(0, nullptr);
  const unsigned length = checkedLength(std::uint64_t{aString._length} * 2);
  char* temp = newBuffer(length);
  bytesToHexPairs(aString._data, aString._length, temp);
  temp[length] = '\0';
  return IString(length, temp);
}

IString& IString::c2x() {
  IString result = c2x(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::d2b(const IString& aString) {
  if (aString._length == 0 || !aString.isDigits()) return IString(0, nullptr);
  unsigned length;
  char* temp =
      radixDigits(decimalValue(aString._data, aString._length), 1, length);
  return IString(length, temp);
}

IString& IString::d2b() {
  IString result = d2b(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::d2c(const IString& aString) {
  if (aString._length == 0 || !aString.isDigits()) return IString(0, nullptr);
  const unsigned num = decimalValue(aString._data, aString._length);
  const unsigned length = num > 0xFFFFFFu ? 4
                          : num > 0xFFFFu ? 3
                          : num > 0xFFu   ? 2
                                          : 1;
  char* temp = newBuffer(length);
  for (unsigned pos = 0; pos < length; ++pos)
    temp[pos] = static_cast<char>(num >> (8 * (length - 1 - pos)));
  temp[length] = '\0';
  return IString(length, temp);
}

IString& IString::d2c() {
  IString result = d2c(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::d2x(const IString& aString) {
  if (aString._length == 0 || !aString.isDigits()) return IString(0, nullptr);
  unsigned length;
  char* temp =
      radixDigits(decimalValue(aString._data, aString._length), 4, length);
  return IString(length, temp);
}

IString& IString::d2x() {
  IString result = d2x(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::x2b(const IString& aString) {
  if (aString._length == 0 || !aString.isHexDigits())
    return IString(0, nullptr);
  const unsigned length = checkedLength(std::uint64_t{aString._length} * 4);
  char* temp = newBuffer(length);
  const unsigned char* p =
      reinterpret_cast<const unsigned char*>(aString._data);
  // A digit's four binary digits end the eight of a byte of the same value.
  for (unsigned i = 0; i < aString._length; ++i)
    std::memcpy(temp + 4 * std::size_t{i},
                digit_tables.bit_octet[hexDigitValue(p[i])] + 4, 4);
  temp[length] = '\0';
  return IString(length, temp);
}

IString& IString::x2b() {
  IString result = x2b(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::x2c(const IString& aString) {
  if (aString._length == 0) return aString;
  if (!aString.isHexDigits()) return IString();
  const unsigned n = aString._length;
  const unsigned length = checkedLength((std::uint64_t{n} + 1) / 2);
  char* temp = newBuffer(length);
  const unsigned char* p =
      reinterpret_cast<const unsigned char*>(aString._data);
  const unsigned char* const end = p + n;
  char* out = temp;
  // An odd count is led by an implied '0'.
  if (n % 2 != 0) *out++ = static_cast<char>(hexDigitValue(*p++));
  hexPairsToBytes(reinterpret_cast<const char*>(p),
                  static_cast<std::size_t>(end - p) / 2, out);
  temp[length] = '\0';
  return IString(length, temp);
}

IString& IString::x2c() {
  if (_length == 0) return *this;
  IString result = x2c(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}

IString IString::x2d(const IString& aString) {
  if (aString._length == 0 || aString._length > 8 || !aString.isHexDigits())
    return IString(0, nullptr);
  unsigned num = 0;
  for (unsigned i = 0; i < aString._length; ++i)
    num =
        num * 16 + hexDigitValue(static_cast<unsigned char>(aString._data[i]));
  return IString(num);
}

IString& IString::x2d() {
  IString result = x2d(*this);
  std::swap(_data, result._data);
  std::swap(_length, result._length);
  return *this;
}
