// istring.cpp: class IString, family by family in the order of istring.hpp.

// Emits the members and operators that istring.hpp defines inline.
#define MORVEK_EMIT_INLINE
#include "istring.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "internal/byteset.hpp"
#include "internal/casemap.hpp"
#include "internal/charclass.hpp"
#include "internal/fastfind.hpp"
#include "internal/radix.hpp"
#include "internal/replace.hpp"
#include "internal/texthash.hpp"
#include "internal/textsize.hpp"
#include "internal/vectorkernels.hpp"
#include "internal/wordsplit.hpp"

using morvek::internal::allBinaryDigits;
using morvek::internal::allDecimalDigits;
using morvek::internal::allHexDigits;
using morvek::internal::ByteSet;
using morvek::internal::changedText;
using morvek::internal::ChangeRequest;
using morvek::internal::checkedLength;
using morvek::internal::convert;
using morvek::internal::copyBytes;
using morvek::internal::copyOf;
using morvek::internal::decimalText;
using morvek::internal::firstTextPosition;
using morvek::internal::kEveryOccurrence;
using morvek::internal::lastTextPosition;
using morvek::internal::lowerBeforeNul;
using morvek::internal::newBuffer;
using morvek::internal::OwnedText;
using morvek::internal::Radix;
using morvek::internal::textEnd;
using morvek::internal::textEndWithin;
using morvek::internal::textHash;
using morvek::internal::textLength;
using morvek::internal::TextSpan;
using morvek::internal::upperBeforeNul;
using morvek::internal::WhiteSpace;
using morvek::internal::WordSpan;
using morvek::internal::WordWalker;

namespace {

// No text has this many words: a range through the last word.
constexpr unsigned kEveryWord = 0xFFFFFFFFu;

// Sets `length` and `buffer`, which may be a string's own fields, to a text
// that is already complete, so a failed allocation changes nothing.
void takeOver(OwnedText text, unsigned& length, char*& buffer) {
  length = text.length;
  buffer = text.data;
}

// Where padded() puts the text within its width.
enum class Align { kLeft, kRight };

// A new text `width` characters long: `text` (at most `width` characters)
// at its left or right end, every other character `pad`.
OwnedText padded(TextSpan text, unsigned width, Align align, char pad) {
  char* buffer = newBuffer(width);
  const unsigned before = align == Align::kLeft ? 0 : width - text.length;
  const unsigned after = width - before - text.length;
  if (before != 0) std::memset(buffer, pad, before);
  copyBytes(buffer + before, text.data, text.length);
  if (after != 0) std::memset(buffer + before + text.length, pad, after);
  buffer[width] = '\0';
  return OwnedText{buffer, width};
}

// A new text holding a copy of `text`.
OwnedText copied(TextSpan text) {
  return OwnedText{copyOf(text.data, text.length), text.length};
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

IString::IString(double data) { takeOver(decimalText(data), _length, _data); }

// The characters up to the first NUL byte, then the padding: one call of
// memchr, the copy in line for a short text.
IString::IString(const void* pBuffer, unsigned lenBuffer, char padCharacter) {
  const char* source = static_cast<const char*>(pBuffer);
  char* buffer = newBuffer(lenBuffer);
  const std::size_t kept = source ? textEndWithin(source, lenBuffer) : 0;
  copyBytes(buffer, source, kept);
  if (kept != lenBuffer)
    std::memset(buffer + kept, padCharacter, lenBuffer - kept);
  buffer[lenBuffer] = '\0';
  _data = buffer;
  _length = lenBuffer;
}

IString::~IString() { delete[] _data; }

IString IString::adopt(const OwnedText& text) {
  return IString(text.length, text.data);
}

IString& IString::operator=(const IString& aString) {
  if (this == &aString) return *this;
  return *this = IString(aString);
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
  if (text == nullptr) return static_cast<std::size_t>(textHash(text, 0));
  return static_cast<std::size_t>(
      textHash(text, textEnd(text, aString.length())));
}

void IString::create_numeric_string(int x, unsigned& length, char*& buffer) {
  takeOver(decimalText(x), length, buffer);
}

void IString::create_numeric_string(unsigned x, unsigned& length,
                                    char*& buffer) {
  takeOver(decimalText(x), length, buffer);
}

void IString::create_numeric_string(long x, unsigned& length, char*& buffer) {
  takeOver(decimalText(x), length, buffer);
}

void IString::create_numeric_string(unsigned long x, unsigned& length,
                                    char*& buffer) {
  takeOver(decimalText(x), length, buffer);
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

Boolean operator==(const IString& string1, const char* string2) {
  return IString::compare(string1._data, string2) == IString::Equal;
}
Boolean operator==(const char* string1, const IString& string2) {
  return IString::compare(string1, string2._data) == IString::Equal;
}
Boolean operator!=(const IString& string1, const char* string2) {
  return !(string1 == string2);
}
Boolean operator!=(const char* string1, const IString& string2) {
  return !(string1 == string2);
}
Boolean operator<(const IString& string1, const char* string2) {
  return IString::compare(string1._data, string2) == IString::Less;
}
Boolean operator<(const char* string1, const IString& string2) {
  return IString::compare(string1, string2._data) == IString::Less;
}
Boolean operator<=(const IString& string1, const char* string2) {
  return !(string1 > string2);
}
Boolean operator<=(const char* string1, const IString& string2) {
  return !(string1 > string2);
}
Boolean operator>(const IString& string1, const char* string2) {
  return IString::compare(string1._data, string2) == IString::Greater;
}
Boolean operator>(const char* string1, const IString& string2) {
  return IString::compare(string1, string2._data) == IString::Greater;
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
  return adopt(OwnedText{buffer, total});
}

IString& IString::append(unsigned slen, const char* pString) {
  if (pString == nullptr) return *this;
  // pString may lie in this string's buffer, which lives until the sum is
  // complete.
  return *this = add(_data, _length, pString, slen);
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
  // Each call has its own buffer, so calls on different threads cannot
  // overwrite each other.
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

// The search measures the needle and tells its lengths 0 and 1 apart (see
// firstTextPosition), so that this makes one call.
unsigned IString::indexOf(const char* in_string, unsigned startPos) const {
  if (in_string == nullptr || _length == 0) return 0;
  if (startPos == 0) startPos = 1;
  if (startPos > _length + 1) return 0;
  // Occurrences count only before the first NUL byte from startPos on.
  return firstTextPosition(in_string, _data + startPos - 1,
                           _length - startPos + 1, startPos);
}

unsigned IString::lastIndexOf(char ch, unsigned endPos) const {
  if (endPos > _length) endPos = _length;
  if (endPos == 0) return 0;
  const void* hit = memrchr(_data, ch, endPos);
  return hit ? positionIn(_data, static_cast<const char*>(hit)) : 0;
}

unsigned IString::lastIndexOf(const char* in_string, unsigned endPos) const {
  if (in_string == nullptr) return 0;
  if (endPos > _length) endPos = _length;
  // Occurrences count only before the first NUL byte of the text.
  return lastTextPosition(in_string, _data, endPos, 1);
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
  return static_cast<unsigned>(morvek::internal::occurrencesOf(
      _data + startPos - 1, _length - startPos + 1, ch));
}

// ===========================================================================
// Sub-strings, indexing, padding and removal
// ===========================================================================

IString IString::subString(unsigned startPos) const {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return IString();
  return adopt(copied({_data + startPos - 1, _length - startPos + 1}));
}

IString IString::subString(unsigned startPos, unsigned length,
                           char padCharacter) const {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return IString();
  const unsigned kept = std::min(length, _length - startPos + 1);
  return adopt(
      padded({_data + startPos - 1, kept}, length, Align::kLeft, padCharacter));
}

char& IString::operator[](unsigned index) {
  if (index == 0) index = 1;
  if (index > _length)
    *this = adopt(padded({_data, _length}, index, Align::kLeft, ' '));
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
  return *this = adopt(copied({_data, startPos - 1}));
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
  return *this = adopt(OwnedText{buffer, new_length});
}

IString& IString::leftJustify(unsigned newLength, char padCharacter) {
  if (_length >= newLength) return *this;
  return *this = adopt(
             padded({_data, _length}, newLength, Align::kLeft, padCharacter));
}

IString& IString::rightJustify(unsigned newLength, char padCharacter) {
  if (_length >= newLength) return *this;
  return *this = adopt(
             padded({_data, _length}, newLength, Align::kRight, padCharacter));
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

// The copy of `aString` without the white space at the chosen ends, in one
// buffer of exactly the kept length; the null string stays null. In line
// in each static form: a call would cost a short line more than the rest.
__attribute__((always_inline)) inline IString withoutBlanks(
    const IString& aString, bool leading, bool trailing) {
  const char* data = aString;
  if (data == nullptr) return aString;
  unsigned start, end;
  const WhiteSpace blank;
  keptRange(
      data, aString.length(), leading, trailing,
      [&blank](char c) { return blank.contains(c); }, start, end);
  return IString(std::string_view(data + start, end - start));
}

}  // namespace

// Case changes stop at the first NUL byte, as strupr and strlwr do.
IString& IString::upperCase() {
  if (_data != nullptr) upperBeforeNul(_data, _length);
  return *this;
}

IString& IString::lowerCase() {
  if (_data != nullptr) lowerBeforeNul(_data, _length);
  return *this;
}

IString IString::upperCase(const IString& aString) {
  IString result(aString);
  return std::move(result.upperCase());
}

IString IString::lowerCase(const IString& aString) {
  IString result(aString);
  return std::move(result.lowerCase());
}

IString& IString::strip() { return stripWhitespace(Both); }

IString& IString::strip(char aCharacter) {
  const char str[2] = {aCharacter, '\0'};
  return strip(str, Both);
}

IString& IString::strip(const char* p) { return strip(p, Both); }

IString IString::stripBlanks(const IString& aString) {
  return withoutBlanks(aString, true, true);
}

IString& IString::stripLeading() { return stripWhitespace(Leading); }

IString& IString::stripLeading(const char* p) { return strip(p, Leading); }

IString IString::stripLeadingBlanks(const IString& aString) {
  return withoutBlanks(aString, true, false);
}

IString& IString::stripTrailing() { return stripWhitespace(Trailing); }

IString& IString::stripTrailing(const char* p) { return strip(p, Trailing); }

IString IString::stripTrailingBlanks(const IString& aString) {
  return withoutBlanks(aString, false, true);
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
            mode == Trailing || mode == Both,
            [blank = WhiteSpace()](char c) { return blank.contains(c); });
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
  const OwnedText changed =
      changedText(aString._data, aString._length,
                  ChangeRequest({inputString._data, inputString._length},
                                {outputString._data, outputString._length})
                      .from(startPos)
                      .atMost(numChanges));
  return changed.data ? adopt(changed) : IString(aString);
}

IString& IString::change(const char* pInputChars, unsigned inputLen,
                         const char* pOutputChars, unsigned outputLen,
                         unsigned startPos, unsigned numChanges) {
  const OwnedText changed = changedText(
      _data, _length,
      ChangeRequest({pInputChars, inputLen}, {pOutputChars, outputLen})
          .from(startPos)
          .atMost(numChanges));
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
  return change(pInputChars, inputLen, pOutputChars, outputLen, 1,
                kEveryOccurrence);
}

// ===========================================================================
// Words
// ===========================================================================

namespace {

// A walker over the words of `data`, the text before its first NUL byte.
WordWalker wordsOf(const char* data, unsigned length) {
  return WordWalker(data, textEnd(data, length));
}

}  // namespace

IString IString::word(unsigned wordNumber) const {
  WordSpan span;
  if (!wordsOf(_data, _length).find(wordNumber, span)) return IString();
  const unsigned length = static_cast<unsigned>(span.end - span.begin);
  return adopt(copied({span.begin, length}));
}

IString IString::words(unsigned firstNumber) const {
  return words(firstNumber, kEveryWord);
}

IString IString::words(unsigned firstNumber, unsigned numWords) const {
  WordWalker walker = wordsOf(_data, _length);
  WordSpan span;
  if (numWords == 0 || !walker.find(firstNumber, span)) return IString();
  const char* const begin = span.begin;
  const char* end = span.end;
  for (unsigned more = numWords - 1; more != 0 && walker.next(span); --more)
    end = span.end;
  const unsigned length = static_cast<unsigned>(end - begin);
  return adopt(copied({begin, length}));
}

unsigned IString::indexOfWord(unsigned wordNumber) const {
  WordSpan span;
  if (!wordsOf(_data, _length).find(wordNumber, span)) return 0;
  return static_cast<unsigned>(span.begin - _data) + 1;
}

unsigned IString::lengthOfWord(unsigned wordNumber) const {
  WordSpan span;
  if (!wordsOf(_data, _length).find(wordNumber, span)) return 0;
  return static_cast<unsigned>(span.end - span.begin);
}

unsigned IString::numWords() const { return wordsOf(_data, _length).count(); }

// ===========================================================================
// Radix conversions
// ===========================================================================

// Each static form takes over the buffer that its radix kernel builds from
// the argument (a null buffer is the null string); each mutating form is
// that result moved in, so the object changes only once the result is
// complete and a failed allocation leaves the old value.

IString IString::b2c(const IString& aString) {
  return adopt(
      convert(Radix::kBinary, Radix::kBytes, aString._data, aString._length));
}
IString& IString::b2c() { return *this = b2c(*this); }

IString IString::b2d(const IString& aString) {
  return adopt(
      convert(Radix::kBinary, Radix::kDecimal, aString._data, aString._length));
}
IString& IString::b2d() { return *this = b2d(*this); }

IString IString::b2x(const IString& aString) {
  return adopt(
      convert(Radix::kBinary, Radix::kHex, aString._data, aString._length));
}
IString& IString::b2x() { return *this = b2x(*this); }

IString IString::c2b(const IString& aString) {
  return adopt(
      convert(Radix::kBytes, Radix::kBinary, aString._data, aString._length));
}
IString& IString::c2b() { return *this = c2b(*this); }

IString IString::c2d(const IString& aString) {
  return adopt(
      convert(Radix::kBytes, Radix::kDecimal, aString._data, aString._length));
}
IString& IString::c2d() { return *this = c2d(*this); }

IString IString::c2x(const IString& aString) {
  return adopt(
      convert(Radix::kBytes, Radix::kHex, aString._data, aString._length));
}
IString& IString::c2x() { return *this = c2x(*this); }

IString IString::d2b(const IString& aString) {
  return adopt(
      convert(Radix::kDecimal, Radix::kBinary, aString._data, aString._length));
}
IString& IString::d2b() { return *this = d2b(*this); }

IString IString::d2c(const IString& aString) {
  return adopt(
      convert(Radix::kDecimal, Radix::kBytes, aString._data, aString._length));
}
IString& IString::d2c() { return *this = d2c(*this); }

IString IString::d2x(const IString& aString) {
  return adopt(
      convert(Radix::kDecimal, Radix::kHex, aString._data, aString._length));
}
IString& IString::d2x() { return *this = d2x(*this); }

IString IString::x2b(const IString& aString) {
  return adopt(
      convert(Radix::kHex, Radix::kBinary, aString._data, aString._length));
}
IString& IString::x2b() { return *this = x2b(*this); }

// Length 0 keeps the argument as it is, null or empty; a character that is
// not a hexadecimal digit gives the empty string.
IString IString::x2c(const IString& aString) {
  if (aString._length == 0) return aString;
  const OwnedText text =
      convert(Radix::kHex, Radix::kBytes, aString._data, aString._length);
  return text.data != nullptr ? adopt(text) : IString();
}
IString& IString::x2c() {
  if (_length != 0) *this = x2c(*this);
  return *this;
}

IString IString::x2d(const IString& aString) {
  return adopt(
      convert(Radix::kHex, Radix::kDecimal, aString._data, aString._length));
}
IString& IString::x2d() { return *this = x2d(*this); }
