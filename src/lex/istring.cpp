// istring.cpp: class IString, family by family in the order of istring.hpp.

#include "istring.hpp"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>

#include "charclass.hpp"
#include "textsize.hpp"

using morvek::internal::allBinaryDigits;
using morvek::internal::allDecimalDigits;
using morvek::internal::allHexDigits;
using morvek::internal::checkedLength;
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

Boolean IString::isBinaryDigits() const {
  return allBinaryDigits(_data, _length) ? True : False;
}

Boolean IString::isDigits() const {
  return allDecimalDigits(_data, _length) ? True : False;
}

Boolean IString::isHexDigits() const {
  return allHexDigits(_data, _length) ? True : False;
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

// ===========================================================================
// Words
// ===========================================================================

// ===========================================================================
// Radix conversions
// ===========================================================================
