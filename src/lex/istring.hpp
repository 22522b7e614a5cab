// istring.hpp: IString, a value class for 8-bit text.
//
// An IString owns one heap buffer holding its characters and a NUL
// terminator after them, or no buffer at all. The characters themselves may
// include NUL bytes. There are two strings of length 0:
//
//   - the null string, which has no buffer (data pointer 0), and
//   - the empty string, which has a buffer holding only the terminator.
//
// They differ in comparison (the null string sorts before every other
// string, the empty string included) and in what some operations produce.
//
// Positions are 1-based: position 1 is the first character and position
// length() the last. A returned position of 0 means "none". Unless a family
// below says otherwise, a requested position of 0 is taken as 1.
//
// Mutating members change the object and return a reference to it, so calls
// chain. A static form of a mutating operation copies its argument, applies
// the mutating member to the copy and returns the copy; the argument never
// changes, and a null argument gives a null copy to work on.
//
// Sizes, lengths and positions are unsigned (32 bits): a string holds at most
// 2^32 - 2 characters. Buffers are allocated at exactly length() + 1 bytes;
// nothing reserves room for growth, so every lengthening operation allocates
// and copies. Stripping that removes nothing at the front, or removes
// everything, keeps the old buffer and only moves the terminator, so such a
// buffer may be longer than length() + 1. A result whose length plus
// terminator would not fit in 32 bits throws std::bad_array_new_length
// before anything changes; allocation failure propagates as std::bad_alloc.
// The library throws nothing else.
//
// Distinct objects may be used from different threads at once; one object
// must not be changed while another thread uses it.

#ifndef MORVEK_ISTRING_HPP_
#define MORVEK_ISTRING_HPP_

/// \file
/// IString, a value class for 8-bit text, with its free operators
/// (comparison, concatenation, stream output) and std::hash<IString>.

#include <cstddef>
#include <cstring>
#include <iosfwd>
#include <string>
#if __cplusplus >= 201703L
#include <string_view>
#endif

#if defined(MORVEK_STATIC)
#define MORVEK_API
#elif defined(__GNUC__) || defined(__clang__)
#define MORVEK_API __attribute__((visibility("default")))
#else
#define MORVEK_API
#endif

// The members and operators defined inline below are also defined in
// morvek.so, for programs built before they were inline: istring.cpp asks
// for them to be emitted.
#if defined(MORVEK_EMIT_INLINE) && (defined(__GNUC__) || defined(__clang__))
#define MORVEK_EMITTED __attribute__((used))
#else
#define MORVEK_EMITTED
#endif

/// @name Truth values
/// The digit predicates and the relational operators return Boolean: 1 for
/// true and 0 for false.
/// @{

/// The truth type of the digit predicates and the relational operators.
typedef int Boolean;
/// Another name for Boolean.
typedef int IBoolean;
/// The two truth values as named constants: False (0) and True (1).
enum BooleanConstants { False = 0, True = 1 };
/// @}

class IString;

/// @cond
namespace morvek {
namespace internal {
struct OwnedText;
}  // namespace internal
}  // namespace morvek
/// @endcond

/// @name Relational operators
/// Friends of IString, declared here to carry the export macro. They order
/// two strings byte by byte as unsigned 8-bit values, as strcmp does, and
/// return 1 or 0. A proper prefix sorts first. Only the characters before the
/// first NUL byte take part, so a string holding "a\0b" equals "a". A null
/// string (or a null const char*) sorts before every string that has a
/// buffer, the empty string included; two null strings are equal.
/// Example: `IString("abc") < "abd"` gives `1`, `IString("B") < "a"` gives
/// `1`, `IString("ab") < "abc"` gives `1`, `IString("\xE9") > "z"` gives `1`,
/// `IString(std::string("a\0b", 3)) == "a"` gives `1` and
/// `IString(static_cast<const char*>(0)) < ""` gives `1`.
/// @{

/// True when the two strings hold the same characters before their first
/// NUL bytes, or are both null.
MORVEK_API inline Boolean operator==(const IString& string1,
                                     const IString& string2);
/// True when string1 equals the C string string2 (a null pointer counts as the
/// null string).
MORVEK_API Boolean operator==(const IString& string1, const char* string2);
/// True when the C string string1 equals string2 (a null pointer counts as the
/// null string).
MORVEK_API Boolean operator==(const char* string1, const IString& string2);
/// True when operator== is false.
MORVEK_API inline Boolean operator!=(const IString& string1,
                                     const IString& string2);
/// True when string1 differs from the C string string2 (a null pointer counts
/// as the null string).
MORVEK_API Boolean operator!=(const IString& string1, const char* string2);
/// True when the C string string1 differs from string2 (a null pointer counts
/// as the null string).
MORVEK_API Boolean operator!=(const char* string1, const IString& string2);
/// True when string1 sorts before string2.
MORVEK_API inline Boolean operator<(const IString& string1,
                                    const IString& string2);
/// True when string1 sorts before the C string string2 (a null pointer counts
/// as the null string).
MORVEK_API Boolean operator<(const IString& string1, const char* string2);
/// True when the C string string1 sorts before string2 (a null pointer counts
/// as the null string).
MORVEK_API Boolean operator<(const char* string1, const IString& string2);
/// True when string1 sorts before string2 or equals it.
MORVEK_API inline Boolean operator<=(const IString& string1,
                                     const IString& string2);
/// True when string1 sorts before or equals the C string string2 (a null
/// pointer counts as the null string).
MORVEK_API Boolean operator<=(const IString& string1, const char* string2);
/// True when the C string string1 sorts before or equals string2 (a null
/// pointer counts as the null string).
MORVEK_API Boolean operator<=(const char* string1, const IString& string2);
/// True when string1 sorts after string2.
MORVEK_API inline Boolean operator>(const IString& string1,
                                    const IString& string2);
/// True when string1 sorts after the C string string2 (a null pointer counts as
/// the null string).
MORVEK_API Boolean operator>(const IString& string1, const char* string2);
/// True when the C string string1 sorts after string2 (a null pointer counts as
/// the null string).
MORVEK_API Boolean operator>(const char* string1, const IString& string2);
/// True when string1 sorts after string2 or equals it.
MORVEK_API inline Boolean operator>=(const IString& string1,
                                     const IString& string2);
/// True when string1 sorts after or equals the C string string2 (a null pointer
/// counts as the null string).
MORVEK_API Boolean operator>=(const IString& string1, const char* string2);
/// True when the C string string1 sorts after or equals string2 (a null pointer
/// counts as the null string).
MORVEK_API Boolean operator>=(const char* string1, const IString& string2);
/// @}

/// @name Concatenation
/// Each returns the characters of the first operand followed by those of the
/// second, in one new buffer of exactly the total length. An IString operand
/// contributes all its length() characters, inner NUL bytes included; a
/// const char* operand contributes its characters up to its first NUL, and a
/// null pointer contributes nothing. The result always has a buffer.
/// @{

/// A new string holding aString and then bString; two null strings give the
/// empty string. Example: `IString("ab") + IString("cd")` gives `"abcd"`,
/// `IString(static_cast<const char*>(0)) + IString(static_cast<const
/// char*>(0))` gives the empty string.
MORVEK_API IString operator+(const IString& aString, const IString& bString);
/// A new string holding aString and then the characters of the C string bString
/// before its first NUL. Example: `IString("ab") + "cd"` gives `"abcd"`.
MORVEK_API IString operator+(const IString& aString, const char* bString);
/// A new string holding the characters of the C string aString before its first
/// NUL and then bString. Example: `"ab" + IString("cd")` gives `"abcd"`.
MORVEK_API IString operator+(const char* aString, const IString& bString);
/// @}

/// Stream output: writes the characters before the first NUL byte, with no
/// separator and no line end, and returns aStream. A null string writes
/// nothing and leaves the stream's state alone. Example:
/// `IString(std::string("a\0b", 3))` writes `"a"`, and
/// `IString(static_cast<const char*>(0))` writes `""`. The fixed-width
/// constructor reads its buffer only up to the first NUL and pads, so
/// ``IString("a\0b", 3, ' ')`` writes `"a  "`.
MORVEK_API std::ostream& operator<<(std::ostream& aStream,
                                    const IString& aString);

/// A value class for 8-bit text: an owned buffer holding the characters
/// (which may include NUL bytes) and a terminator, or no buffer at all for
/// the null string. Positions are 1-based and a returned position of 0 means
/// "none". The members come in families: each family opens with the rules
/// that hold for all its members, and each member has its own entry. The
/// file comment of istring.hpp and the guide give the rules that hold for
/// the whole class.
class IString {
  /// @cond
  // IString, the result of the static change forms whose texts are
  // pointers, when both are pointers to char (see Texts<char, char> below
  // the class); with any other type they drop out of overload resolution.
  template <typename In, typename Out>
  struct Texts {};
  /// @endcond

 public:
  /// @name Construction, assignment and access
  /// Every constructor gives the object a buffer of its own (copies are
  /// deep, nothing is shared), except that the pointer forms give the null
  /// string for a null pointer. Copying keeps a null string null and an
  /// empty string empty.
  /// @{

  /// The empty string: a buffer holding only the terminator. Example:
  /// `IString()` gives the empty string.
  MORVEK_API IString();
  /// A copy of p up to its first NUL. A null p gives the null string and a
  /// pointer to a NUL gives the empty string. Example: `IString("a\0b")`
  /// gives `"a"`; `IString(static_cast<const char*>(0))` gives the null
  /// string.
  MORVEK_API IString(const char* p);
  /// A copy of the signed char string p up to its first NUL, as for const
  /// char*.
  MORVEK_API IString(const signed char* p);
  /// A copy of the unsigned char string p up to its first NUL, as for const
  /// char*.
  MORVEK_API IString(const unsigned char* p);
  /// A copy of all aString's length() characters, inner NUL bytes included.
  MORVEK_API IString(const IString& aString);
  /// The decimal text of num: a leading '-' for a negative value, no leading
  /// zeros, "0" for zero. Example: `IString(-42)` gives `"-42"`.
  MORVEK_API IString(int num);
  /// The decimal text of the unsigned num. Example: `IString(4294967295u)`
  /// gives `"4294967295"`.
  MORVEK_API IString(unsigned num);
  /// The decimal text of the short num.
  MORVEK_API IString(short num);
  /// The decimal text of the unsigned short num.
  MORVEK_API IString(unsigned short num);
  /// The decimal text of the long num.
  MORVEK_API IString(long num);
  /// The decimal text of the unsigned long num.
  MORVEK_API IString(unsigned long num);
  /// A string of one character, ch, even when ch is NUL. Example:
  /// ``IString('\0').length()`` gives `1`.
  MORVEK_API IString(char ch);
  /// A string of one character, the unsigned char ch, even when ch is NUL.
  MORVEK_API IString(unsigned char ch);

  /// The shortest text that reads back to the same double, fixed or
  /// scientific notation whichever is shorter (what std::to_chars writes with
  /// no format). Example: `IString(0.1)` gives `"0.1"`, `IString(2.0)` gives
  /// `"2"`, `IString(100000.0)` gives `"1e+05"` and `IString(-0.0)` gives
  /// `"-0"`; infinity gives "inf" and NaN "nan".
  MORVEK_API IString(double data);

  /// Fixed-width construction: exactly lenBuffer characters, taken from
  /// pBuffer (read up to its first NUL) and cut there or padded with
  /// padCharacter. A null pBuffer is a source of no characters; lenBuffer 0
  /// gives the empty string. A lenBuffer of 0xFFFFFFFF leaves no room for the
  /// terminator and throws std::bad_array_new_length.
  /// Example: ``IString("abc", 5, '*')`` gives `"abc**"`,
  /// `IString("abcdef", 3)` gives `"abc"`, ``IString("a\0b", 3, ' ')`` gives
  /// `"a  "` and ``IString(static_cast<const char*>(0), 3, '-')`` gives
  /// `"---"`. To copy lenBuffer bytes as they are, NUL bytes included,
  /// construct from a `std::string_view` instead.
  MORVEK_API IString(const void* pBuffer, unsigned lenBuffer,
                     char padCharacter = ' ');

  /// Releases the buffer.
  MORVEK_API ~IString();

  /// Copy assignment: all aString's length() characters, inner NUL bytes
  /// included. The new buffer is built before the old one is released, so a
  /// failed allocation leaves the old value; self-assignment changes nothing.
  MORVEK_API IString& operator=(const IString& aString);

  /// Moving: the new object takes over aString's buffer without copying it
  /// (a null string stays null, an empty string empty), and aString becomes
  /// the null string. Neither allocates nor throws.
  /// @code
  /// IString a("ab");
  /// IString b(std::move(a));
  /// b;  // gives "ab"
  /// a;  // gives the null string
  /// @endcode
  MORVEK_API inline IString(IString&& aString) noexcept;
  /// Move assignment: as the move constructor, and the object's old buffer
  /// is released. Moving an object onto itself keeps its value.
  MORVEK_API inline IString& operator=(IString&& aString) noexcept;

  /// A copy of all aString's size() characters, inner NUL bytes included; an
  /// empty std::string gives the empty string (never the null string).
  /// Example: `IString(std::string("a\0b", 3)).length()` gives `3`, and
  /// `IString(std::string())` gives the empty string.
  MORVEK_API IString(const std::string& aString);
#if __cplusplus >= 201703L
  /// A copy of all the size() characters of the std::string_view aString
  /// (C++17), inner NUL bytes included. A default-made view gives the empty
  /// string too. Example: `IString(std::string_view("a\0b", 3)).length()` gives
  /// `3`.
  MORVEK_API IString(std::string_view aString);
#endif

  /// The whole text as a std::string: all length() characters, inner NUL
  /// bytes included; empty for the null string. Example:
  /// `IString("abc").asStdString()` gives `"abc"`.
  MORVEK_API std::string asStdString() const;
#if __cplusplus >= 201703L
  /// A view of the object's own buffer (C++17): all length() characters,
  /// inner NUL bytes included; an empty view with a null data() for the null
  /// string. It stays valid while the buffer does (see operator char*()).
  std::string_view asStringView() const;
#endif

  /// Pointer to the first character, for range-for and the standard
  /// algorithms, which see all length() characters, inner NUL bytes
  /// included. Null for the null string. Writes through it change the
  /// characters in place, never the length.
  /// @code
  /// std::string seen;
  /// for (char c : IString("ab")) seen += c;
  /// seen;  // gives "ab"
  /// @endcode
  char* begin();
  /// Pointer one past the last character; null for the null string.
  char* end();
  /// Pointer to the first character of a const object; null for the null
  /// string.
  const char* begin() const;
  /// Pointer one past the last character of a const object; null for the null
  /// string.
  const char* end() const;

  /// Number of characters, not counting the terminator; inner NUL bytes
  /// count. 0 for both the null and the empty string.
  unsigned length() const;
  /// Same as length().
  unsigned size() const;

  /// The object's own buffer (a null pointer for the null string). Writes
  /// through it never change length(); it stays valid until the object is
  /// destroyed or an operation replaces the buffer.
  operator char*() const;
  /// The object's own buffer as signed char*, as operator char*().
  operator signed char*() const;
  /// The object's own buffer as unsigned char*, as operator char*().
  operator unsigned char*() const;
  /// @}

  /// @name Comparison, concatenation, streams and conversions
  /// Appending, reading lines and reading numbers; the relational operators,
  /// operator+ and operator<< are the free functions above.
  /// @{

  /// Appends in place: the object gets a new buffer of exactly the new length
  /// holding its old characters and then those of aString (all its length()
  /// characters). A null aString leaves the object unchanged; anything else
  /// gives a null object a buffer. Appending the object to itself doubles
  /// it. On failure the object keeps its value. Each call copies the whole
  /// string, so n one-byte appends cost time proportional to n squared:
  /// build long texts with one operator+ or in a std::string first.
  /// Example: `IString("ab") += IString("cd")` gives `"abcd"`.
  MORVEK_API IString& operator+=(const IString& aString);
  /// Appends the characters of the C string pString before its first NUL; a
  /// null pointer leaves the object unchanged. Example: `IString("ab") += "cd"`
  /// gives `"abcd"`, and `IString(static_cast<const char*>(0)) += ""` gives the
  /// empty string.
  MORVEK_API IString& operator+=(const char* pString);

  /// Reads one line from aStream, up to delim, which is taken from the
  /// stream and not stored. The result holds the line's characters before
  /// its first NUL byte and always has a buffer.
  ///
  /// A line longer than 1023 characters is cut: lineFrom returns its first
  /// 1023 characters and sets the stream's failbit, and the rest of the line
  /// (with its delim) stays in the stream. A loop that stops when the stream
  /// fails therefore stops at the first long line. To read on, call
  /// aStream.clear() and then lineFrom again, which returns the next piece of
  /// the same line; the guide shows a loop that joins the pieces. A line of
  /// exactly 1023 characters is read whole, with its delim, and sets no flag.
  /// At the end of input lineFrom returns the empty string and sets failbit
  /// and eofbit; a last line without delim is returned with eofbit set
  /// alone. Calls may run on several threads at once.
  /// @code
  /// std::istringstream in("abc\ndef");
  /// IString::lineFrom(in);           // gives "abc"
  /// IString::lineFrom(in);           // gives "def"
  /// in.eof();                        // gives true
  /// in.fail();                       // gives false: "def" was read
  ///
  /// std::istringstream text(std::string(1500, 'x') + "\nnext\n");
  /// IString::lineFrom(text).length(); // gives 1023
  /// text.fail();                      // gives true: the line was cut
  /// text.clear();                     // the rest of the line is still there
  /// IString::lineFrom(text).length(); // gives 477
  /// IString::lineFrom(text);          // gives "next"
  /// @endcode
  MORVEK_API static IString lineFrom(std::istream& aStream, char delim = '\n');

  /// A copy of the string: a null string gives a null string.
  MORVEK_API IString asString() const;

  /// The decimal value of the text as strtol(_, 0, 10) reads it: leading
  /// white space is skipped, the number ends at the first character that
  /// cannot continue it, text without a number gives 0, out-of-range values
  /// give what strtol returns. A null string gives 0. Example:
  /// `IString("  42abc").asInt()` gives `42`, `IString("0x1A").asInt()`
  /// gives `0`.
  MORVEK_API long asInt() const;
  /// The decimal value of the text as strtoul(_, 0, 10) reads it, with the
  /// same rules as asInt(). Example: `IString("-1").asUnsigned()` gives
  /// `ULONG_MAX`.
  MORVEK_API unsigned long asUnsigned() const;
  /// The value of the text as strtod reads it, with the same rules as
  /// asInt(). Example: `IString("1e3").asDouble()` gives `1000`.
  MORVEK_API double asDouble() const;
  /// @}

  /// @name Search and classification
  /// Read-only queries: nothing changes and nothing is allocated. The
  /// searches give a 1-based position, 0 for none, and take time linear in
  /// the text length whatever the pattern; startPos 0 is taken as 1. The
  /// character forms, occurrencesOf and indexOfAnyBut walk all length()
  /// characters, NUL bytes included; the const char* forms of indexOf and
  /// lastIndexOf stop at the text's first NUL byte, so later occurrences are
  /// not found. A one-character const char* searches as the char form. A
  /// null const char* gives 0.
  /// @{

  /// True when every character is a binary digit ('0' or '1'): so True for
  /// a null or empty string, False for any NUL byte, blank or sign. Example:
  /// `IString("0110").isBinaryDigits()` gives `1`.
  MORVEK_API Boolean isBinaryDigits() const;
  /// True when every character is a decimal digit, as isBinaryDigits().
  /// Example: `IString("-1").isDigits()` gives `0`.
  MORVEK_API Boolean isDigits() const;
  /// True when every character is a hexadecimal digit of either case, as
  /// isBinaryDigits(); "0x" is not a digit. Example:
  /// `IString("fF09").isHexDigits()` gives `1`.
  MORVEK_API Boolean isHexDigits() const;
  /// Position of the first ch at or after startPos, 0 when there is none.
  /// Example: ``IString("banana").indexOf('n')`` gives `3`.
  MORVEK_API inline unsigned indexOf(char ch, unsigned startPos = 1) const;
  /// Position of the first occurrence of in_string that begins at or after
  /// startPos, in the text up to the first NUL byte at or after startPos.
  /// The empty text is found where that scan stops: at that NUL byte, or at
  /// length() + 1. Example: `IString("banana").indexOf("ana", 3)` gives `4`.
  MORVEK_API unsigned indexOf(const char* in_string,
                              unsigned startPos = 1) const;
  /// Position of the last ch at or before endPos, an inclusive bound (beyond
  /// length(): the whole text; 0: nothing). Example:
  /// ``IString("banana").lastIndexOf('a', 5)`` gives `4`.
  MORVEK_API unsigned lastIndexOf(char ch, unsigned endPos = 0xFFFFFFFFu) const;
  /// Position of the last occurrence of in_string that ends at or before
  /// endPos, in the text before its first NUL byte; the empty text is found
  /// at endPos + 1 (within the text). A null string gives 0, except for the
  /// empty text (1). Example: `IString("banana").lastIndexOf("ana", 5)`
  /// gives `2`.
  MORVEK_API unsigned lastIndexOf(const char* in_string,
                                  unsigned endPos = 0xFFFFFFFFu) const;
  /// Position of the first character at or after startPos that is not ch.
  /// Example: ``IString("aab").indexOfAnyBut('a')`` gives `3`.
  MORVEK_API unsigned indexOfAnyBut(char ch, unsigned startPos = 1) const;
  /// Position of the first character at or after startPos that is not in the
  /// set in_string. With a set of other than one character, a NUL byte in
  /// the text always counts as a member. Example:
  /// `IString("banana").indexOfAnyBut("ab")` gives `3`.
  MORVEK_API unsigned indexOfAnyBut(const char* in_string,
                                    unsigned startPos = 1) const;
  /// Number of characters equal to ch at or after startPos. Example:
  /// ``IString("banana").occurrencesOf('a')`` gives `3`.
  MORVEK_API unsigned occurrencesOf(char ch, unsigned startPos = 1) const;
  /// @}

  /// @name Sub-strings, indexing, padding and removal
  /// Cutting, growing and editing by position; startPos and index 0 are
  /// taken as 1 unless said otherwise. NUL bytes are copied like any
  /// character. A change of length builds a new buffer (so references from
  /// operator[] go stale); overlaying within the length writes in place. A
  /// result longer than 0xFFFFFFFE characters throws
  /// std::bad_array_new_length and the object keeps its value:
  /// subString(1, 0xFFFFFFFF), operator[](0xFFFFFFFF), insert after
  /// 0xFFFFFFFF into a non-empty string.
  /// @{

  /// A new string of the characters from startPos to the end; beyond the end
  /// it is the empty string (never a null one). Example:
  /// `IString("abcdef").subString(3)` gives `"cdef"`.
  MORVEK_API IString subString(unsigned startPos) const;
  /// A new string of exactly `length` characters from startPos, padded with
  /// padCharacter past the end; beyond the end it is the empty string and
  /// pads nothing. Example: ``IString("abcdef").subString(5, 4, '.')`` gives
  /// `"ef.."`.
  MORVEK_API IString subString(unsigned startPos, unsigned length,
                               char padCharacter = ' ') const;
  /// The character at index, for reading and writing. A shorter string is
  /// first lengthened with blanks to index characters, so reading past the
  /// end through a non-const object grows it.
  /// @code
  /// IString s("ab");
  /// s[1];        // gives 'a'
  /// s[4];        // gives ' '
  /// s;           // gives "ab  "
  /// @endcode
  MORVEK_API char& operator[](unsigned index);
  /// The character at index, for reading only: it never grows the string,
  /// and beyond the end (or on a null string) it refers to a static NUL
  /// character. Example: `static_cast<const IString&>(IString("ab"))[5]`
  /// gives ``'\0'``.
  MORVEK_API const char& operator[](unsigned index) const;
  /// Cuts the characters from startPos to the end; startPos beyond the end
  /// changes nothing. Example: `IString("abcdef").remove(3)` gives `"ab"`.
  MORVEK_API IString& remove(unsigned startPos);
  /// Cuts numChars characters from startPos (fewer at the end); numChars 0
  /// or startPos beyond the end changes nothing. Example:
  /// `IString("abcdef").remove(2, 3)` gives `"aef"`.
  MORVEK_API IString& remove(unsigned startPos, unsigned numChars);
  /// Pads with padCharacter after the text up to newLength; never shortens.
  /// Example: ``IString("ab").leftJustify(4, '.')`` gives `"ab.."`.
  MORVEK_API IString& leftJustify(unsigned newLength, char padCharacter = ' ');
  /// Pads with padCharacter before the text up to newLength; never shortens.
  /// Example: ``IString("ab").rightJustify(4, '.')`` gives `"..ab"`.
  MORVEK_API IString& rightJustify(unsigned newLength, char padCharacter = ' ');
  /// Copies aString's characters over positions index on, padding a shorter
  /// text with padCharacter first; index 0 changes nothing, and overlaying a
  /// string with itself uses its value at the call. Example:
  /// `IString("abcdef").overlayWith("XY", 3)` gives `"abXYef"`, and
  /// ``IString("ab").overlayWith("XY", 4, '.')`` gives `"ab.XY"`.
  MORVEK_API IString& overlayWith(const IString& aString, unsigned index = 1,
                                  char padCharacter = ' ');
  /// A new string: aString with anInsert after position index (0: in front),
  /// the head padded with padCharacter to index characters when aString is
  /// shorter but not empty. Example: `IString::insert("abcdef", "XY", 2)`
  /// gives `"abXYcdef"`.
  MORVEK_API static IString insert(const IString& aString,
                                   const IString& anInsert, unsigned index = 0,
                                   char padCharacter = ' ');
  /// @}

  /// @name Stripping and case
  /// The case conversions work in place up to the first NUL byte, with the
  /// current locale's toupper and tolower (in the default locale only A-Z
  /// and a-z change); the length, the buffer and the bytes from the first
  /// NUL on stay. Stripping removes characters at both ends, the start or
  /// the end: white space (the forms without argument: isspace in the
  /// current locale, never NUL), aCharacter, or the members of the set p; a
  /// NUL byte in the text is a member of every set, so strip("") removes
  /// NUL bytes at the ends, and a null p changes nothing. Stripping keeps
  /// the buffer and moves only the terminator, unless it removes characters
  /// at the front and keeps some: then the kept characters move to a new
  /// buffer. Stripping everything leaves an empty string with the old
  /// buffer; null strings stay null. The static forms work on a copy of
  /// aString, which does not change, and return the copy.
  /// @{

  /// Converts the object to upper case in place. Example:
  /// `IString("AbC1").upperCase()` gives `"ABC1"`.
  MORVEK_API IString& upperCase();
  /// An upper-case copy of aString.
  MORVEK_API static IString upperCase(const IString& aString);
  /// Converts the object to lower case in place. Example:
  /// `IString("AbC1").lowerCase()` gives `"abc1"`.
  MORVEK_API IString& lowerCase();
  /// A lower-case copy of aString.
  MORVEK_API static IString lowerCase(const IString& aString);
  /// Strips white space at both ends. Example: `IString("  ab  ").strip()`
  /// gives `"ab"`.
  MORVEK_API IString& strip();
  /// Strips aCharacter at both ends. Example: ``IString("xxabx").strip('x')``
  /// gives `"ab"`.
  MORVEK_API IString& strip(char aCharacter);
  /// Strips the members of the set p, and NUL bytes, at both ends. Example:
  /// `IString("-+ab+").strip("+-")` gives `"ab"`.
  MORVEK_API IString& strip(const char* p);
  /// A copy of aString with white space stripped at both ends. Example:
  /// `IString::stripBlanks("  ab  ")` gives `"ab"`.
  MORVEK_API static IString stripBlanks(const IString& aString);
  /// Strips white space at the start. Example:
  /// `IString("  ab  ").stripLeading()` gives `"ab  "`.
  MORVEK_API IString& stripLeading();
  /// Strips the members of the set p, and NUL bytes, at the start.
  MORVEK_API IString& stripLeading(const char* p);
  /// A copy of aString with white space stripped at the start.
  MORVEK_API static IString stripLeadingBlanks(const IString& aString);
  /// Strips white space at the end. Example:
  /// `IString("  ab  ").stripTrailing()` gives `"  ab"`.
  MORVEK_API IString& stripTrailing();
  /// Strips the members of the set p, and NUL bytes, at the end.
  MORVEK_API IString& stripTrailing(const char* p);
  /// A copy of aString with white space stripped at the end.
  MORVEK_API static IString stripTrailingBlanks(const IString& aString);
  /// @}

  /// @name Replacement
  /// change replaces, in place, occurrences of the input string by the
  /// output string: those that begin at or after position startPos (0 is
  /// taken as 1), at most numChanges of them (0 replaces none; the default,
  /// all), found left to right without overlapping. Text put in by a
  /// replacement is not searched again. The search stops at the first NUL
  /// byte at or after startPos; the characters from there on are kept as
  /// they are. A null or empty input string, or one holding a NUL byte,
  /// matches nothing; a null or empty output string deletes each occurrence.
  /// An IString argument contributes its length() characters, a const char*
  /// those before its first NUL (a null pointer none). When something is
  /// replaced the object gets a new buffer of exactly the new length
  /// (deleting every character leaves the empty string, not the null
  /// string); otherwise it keeps its buffer and a null or empty object stays
  /// as it is. Either argument may be the object itself or point into its
  /// buffer. Each call is linear in the length of the text.
  /// @{

  /// Replaces occurrences of pInputChars by pOutputChars from startPos on,
  /// at most numChanges of them. Example:
  /// `IString("abcabc").change("bc", "X", 3)` gives `"abcaX"`.
  MORVEK_API IString& change(const IString& pInputChars,
                             const IString& pOutputChars, unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  /// Replaces occurrences of the IString pInputChars by the C string
  /// pOutputChars, as the first form.
  MORVEK_API IString& change(const IString& pInputChars,
                             const char* pOutputChars, unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  /// Replaces occurrences of the C string pInputChars by the IString
  /// pOutputChars, as the first form.
  MORVEK_API IString& change(const char* pInputChars,
                             const IString& pOutputChars, unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  /// Replaces occurrences of the C string pInputChars by the C string
  /// pOutputChars, as the first form. Example: `IString("aXbXc").change("X",
  /// "", 1, 1)` gives `"abXc"`.
  MORVEK_API IString& change(const char* pInputChars, const char* pOutputChars,
                             unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  /// Replaces every occurrence of inputChars in the whole text by
  /// outputChars, as change with startPos 1 and no limit; it does not map
  /// characters one to one, and padCharacter is not used. Example:
  /// `IString("a.b.c").translate(".", "::")` gives `"a::b::c"`.
  MORVEK_API IString& translate(const IString& inputChars,
                                const IString& outputChars,
                                char padCharacter = ' ');
  /// Replaces every occurrence of the IString inputChars by the C string
  /// pOutputChars.
  MORVEK_API IString& translate(const IString& inputChars,
                                const char* pOutputChars,
                                char padCharacter = ' ');
  /// Replaces every occurrence of the C string pInputChars by the IString
  /// outputChars.
  MORVEK_API IString& translate(const char* pInputChars,
                                const IString& outputChars,
                                char padCharacter = ' ');
  /// Replaces every occurrence of the C string pInputChars by the C string
  /// pOutputChars.
  MORVEK_API IString& translate(const char* pInputChars,
                                const char* pOutputChars,
                                char padCharacter = ' ');
  /// A changed copy of aString, which stays as it is. Example:
  /// `IString::change("abab", "b", "c")` gives `"acac"`.
  MORVEK_API static IString change(const IString& aString,
                                   const IString& inputString,
                                   const IString& outputString,
                                   unsigned startPos = 1,
                                   unsigned numChanges = 0xFFFFFFFFu);
  /// A changed copy of aString, the C strings inputString and outputString
  /// read up to their first NUL: the copy is changed in place, and no
  /// string is made of them. Only pointers to char choose this form and the
  /// two below; any other argument is converted to an IString for the form
  /// above (a literal 0 is the number 0, that is "0"). Example:
  /// `IString::change("a\tb", "\t", "  ")` gives `"a  b"`.
  template <typename In, typename Out>
  static typename Texts<In, Out>::Changed change(
      const IString& aString, const In* inputString, const Out* outputString,
      unsigned startPos = 1, unsigned numChanges = 0xFFFFFFFFu);
  /// A changed copy of aString, the C string inputString replaced by the
  /// IString outputString.
  template <typename In>
  static typename Texts<In, char>::Changed change(
      const IString& aString, const In* inputString,
      const IString& outputString, unsigned startPos = 1,
      unsigned numChanges = 0xFFFFFFFFu);
  /// A changed copy of aString, the IString inputString replaced by the C
  /// string outputString.
  template <typename Out>
  static typename Texts<char, Out>::Changed change(
      const IString& aString, const IString& inputString,
      const Out* outputString, unsigned startPos = 1,
      unsigned numChanges = 0xFFFFFFFFu);
  /// @}

  /// @name Words
  /// A word is a maximal run of characters other than space, LF, CR, TAB, VT
  /// and FF in the text before its first NUL byte; the set does not follow
  /// the locale, so 0xA0 and other control characters belong to words. Words
  /// are numbered from 1 and there is no word 0. A null or empty string has
  /// no words. None of these changes the object, copies its whole text or
  /// keeps state between calls: they may run on several threads at once and
  /// between the calls of a caller's strtok sequence. The examples use the
  /// text "  one two\tthree\n".
  /// @{

  /// A new string holding word wordNumber; the empty string when there is no
  /// such word. Example: `IString("  one two\tthree\n").word(3)` gives
  /// `"three"`, and `IString("  one two\tthree\n").word(0)` gives the empty
  /// string.
  MORVEK_API IString word(unsigned wordNumber) const;
  /// The text from the first character of word firstNumber through the last
  /// character of the last word, delimiters between them kept as they stand;
  /// the empty string when there is no such word. Example:
  /// `IString("  one two\tthree\n").words(2)` gives `"two\tthree"`.
  MORVEK_API IString words(unsigned firstNumber) const;
  /// As words(firstNumber), through the last character of word
  /// firstNumber + numWords - 1, or of the last word if there are fewer;
  /// numWords 0 gives the empty string. Example:
  /// `IString("  one two\tthree\n").words(1, 2)` gives `"one two"`.
  MORVEK_API IString words(unsigned firstNumber, unsigned numWords) const;
  /// Position of the first character of word wordNumber, 0 when there is
  /// none. Example: `IString("  one two\tthree\n").indexOfWord(2)` gives
  /// `7`.
  MORVEK_API unsigned indexOfWord(unsigned wordNumber) const;
  /// Length of word wordNumber, 0 when there is none. Example:
  /// `IString("  one two\tthree\n").lengthOfWord(3)` gives `5`.
  MORVEK_API unsigned lengthOfWord(unsigned wordNumber) const;
  /// Number of words. Example: `IString("  one two\tthree\n").numWords()`
  /// gives `3`.
  MORVEK_API unsigned numWords() const;
  /// @}

  /// @name Radix conversions
  /// Each `<from>2<to>` re-expresses the text in another form, where b is
  /// binary digits ('0', '1'), d decimal digits, x hexadecimal digits (read
  /// in either case, written in upper case) and c raw bytes of any value, NUL
  /// included (the whole length() is read). The member form replaces the
  /// object's content by a new buffer of exactly the result's length and
  /// returns the object; the static form returns the result and leaves its
  /// argument unchanged. Where a number is formed it is taken modulo 2^32
  /// and written without leading zeros ("0" for zero); conversions between
  /// digit groups and bytes (b2c, b2x, c2b, c2x, x2b, x2c) keep every group,
  /// leading zeros included. An input of length 0 (null or empty) or one
  /// that is not all digits of the source radix gives the null string; x2c
  /// differs. A result too long for a string (2^32 - 1 characters or more:
  /// c2b of 2^29 bytes, x2b of 2^30 digits, c2x of 2^31 bytes) throws
  /// std::bad_array_new_length; the object changes only once the result is
  /// complete, so that and a failed allocation leave it as it was.
  /// @{

  /// Binary digits to bytes, 8 digits per byte, grouped from the right: the
  /// leftmost n mod 8 digits form the first byte. Example:
  /// `IString("100000001").b2c()` gives `"\x01\x01"`.
  MORVEK_API IString& b2c();
  /// The bytes of binary digits aString, as a new string; aString does not
  /// change.
  MORVEK_API static IString b2c(const IString& aString);
  /// Binary digits to decimal digits; only the rightmost 32 digits count.
  /// Example: `IString("1010").b2d()` gives `"10"`, and
  /// `IString("12").b2d()` gives the null string.
  MORVEK_API IString& b2d();
  /// The decimal digits of binary digits aString, as a new string; aString does
  /// not change.
  MORVEK_API static IString b2d(const IString& aString);
  /// Binary digits to hexadecimal digits, 4 per digit, grouped from the
  /// right. Example: `IString("11111").b2x()` gives `"1F"`, and
  /// `IString("0000000").b2x()` gives `"00"`.
  MORVEK_API IString& b2x();
  /// The hexadecimal digits of binary digits aString, as a new string; aString
  /// does not change.
  MORVEK_API static IString b2x(const IString& aString);
  /// Bytes to binary digits, 8 per byte. Example: `IString("A").c2b()`
  /// gives `"01000001"`.
  MORVEK_API IString& c2b();
  /// The binary digits of the bytes of aString, as a new string; aString does
  /// not change.
  MORVEK_API static IString c2b(const IString& aString);
  /// Bytes, as one big-endian number, to decimal digits, so only the last
  /// four bytes count. Example: `IString("A").c2d()` gives `"65"`, and
  /// `IString(std::string("\x01\x00", 2)).c2d()` gives `"256"`.
  MORVEK_API IString& c2d();
  /// The decimal digits of the bytes of aString, as a new string; aString does
  /// not change.
  MORVEK_API static IString c2d(const IString& aString);
  /// Bytes to hexadecimal digits, 2 per byte. Example:
  /// `IString("AB").c2x()` gives `"4142"`, and `IString("\x0F").c2x()` gives
  /// `"0F"`.
  MORVEK_API IString& c2x();
  /// The hexadecimal digits of the bytes of aString, as a new string; aString
  /// does not change.
  MORVEK_API static IString c2x(const IString& aString);
  /// Decimal digits to binary digits. Example: `IString("10").d2b()` gives
  /// `"1010"`, and `IString("0").d2b()` gives `"0"`.
  MORVEK_API IString& d2b();
  /// The binary digits of decimal digits aString, as a new string; aString does
  /// not change.
  MORVEK_API static IString d2b(const IString& aString);
  /// Decimal digits to the shortest big-endian byte string that holds the
  /// value, 1 to 4 bytes. Example: `IString("65").d2c()` gives `"A"`,
  /// `IString("256").d2c()` gives `"\x01\x00"`, and `IString("0").d2c()`
  /// gives `"\x00"`.
  MORVEK_API IString& d2c();
  /// The bytes of decimal digits aString, as a new string; aString does not
  /// change.
  MORVEK_API static IString d2c(const IString& aString);
  /// Decimal digits to hexadecimal digits. Example: `IString("255").d2x()`
  /// gives `"FF"`, and `IString("4294967296").d2x()` gives `"0"`.
  MORVEK_API IString& d2x();
  /// The hexadecimal digits of decimal digits aString, as a new string; aString
  /// does not change.
  MORVEK_API static IString d2x(const IString& aString);
  /// Hexadecimal digits to binary digits, 4 per digit. Example:
  /// `IString("1f").x2b()` gives `"00011111"`.
  MORVEK_API IString& x2b();
  /// The binary digits of hexadecimal digits aString, as a new string; aString
  /// does not change.
  MORVEK_API static IString x2b(const IString& aString);
  /// Hexadecimal digits to bytes: digit pairs read from the left, an odd
  /// count led by an implied '0'. Length 0 leaves a null string null and an
  /// empty string empty; a character that is not a hexadecimal digit gives
  /// the empty string, not the null string. Example:
  /// `IString("414243").x2c()` gives `"ABC"`, `IString("abc").x2c()` gives
  /// `"\x0A\xBC"`, and `IString("4G").x2c()` gives the empty string.
  MORVEK_API IString& x2c();
  /// The bytes of hexadecimal digits aString, as a new string; aString does not
  /// change.
  MORVEK_API static IString x2c(const IString& aString);
  /// Hexadecimal digits to decimal digits: 1 to 8 digits, so the value
  /// always fits; nine digits, even "000000000", give the null string.
  /// Example: `IString("ff").x2d()` gives `"255"`, and
  /// `IString("000000000").x2d()` gives the null string.
  MORVEK_API IString& x2d();
  /// The decimal digits of hexadecimal digits aString, as a new string; aString
  /// does not change. Example: `IString::x2d("FF")` gives `"255"`.
  MORVEK_API static IString x2d(const IString& aString);
  /// @}

  /// Three-way comparison result (Equal, Greater, Less) behind the relational
  /// operators.
  enum CompareResult { Equal = 0, Greater = 1, Less = 2 };

 protected:
  /// The object's buffer, as operator char*() gives it.
  char* data() const;

 private:
  // Which ends the stripping workers strip.
  enum StripMode { Leading = 0, Trailing = 1, Both = 2 };

  // The adopting constructor: takes over a buffer made with new[] that holds
  // length characters and a terminator. Called only by adopt(), which names
  // the taking over where it happens.
  IString(unsigned length, char* data) : _data(data), _length(length) {}
  // The string that takes over text's buffer (none: the null string).
  static IString adopt(const morvek::internal::OwnedText& text);

  static void create_numeric_string(int x, unsigned& length, char*& buffer);
  static void create_numeric_string(unsigned x, unsigned& length,
                                    char*& buffer);
  static void create_numeric_string(long x, unsigned& length, char*& buffer);
  static void create_numeric_string(unsigned long x, unsigned& length,
                                    char*& buffer);

  static CompareResult compare(const char* p1, const char* p2);
  static IString add(const char* s1, unsigned slen1, const char* s2,
                     unsigned slen2);
  IString& append(unsigned slen, const char* pString);

  IString& strip(const char* p, StripMode mode);
  IString& stripWhitespace(StripMode mode);

  IString& change(const char* pInputChars, unsigned inputLen,
                  const char* pOutputChars, unsigned outputLen,
                  unsigned startPos, unsigned numChanges);
  IString& translate(const char* pInputChars, unsigned inputLen,
                     const char* pOutputChars, unsigned outputLen,
                     char padCharacter);

  friend Boolean operator==(const IString&, const IString&);
  friend Boolean operator==(const IString&, const char*);
  friend Boolean operator==(const char*, const IString&);
  friend Boolean operator!=(const IString&, const IString&);
  friend Boolean operator!=(const IString&, const char*);
  friend Boolean operator!=(const char*, const IString&);
  friend Boolean operator<(const IString&, const IString&);
  friend Boolean operator<(const IString&, const char*);
  friend Boolean operator<(const char*, const IString&);
  friend Boolean operator<=(const IString&, const IString&);
  friend Boolean operator<=(const IString&, const char*);
  friend Boolean operator<=(const char*, const IString&);
  friend Boolean operator>(const IString&, const IString&);
  friend Boolean operator>(const IString&, const char*);
  friend Boolean operator>(const char*, const IString&);
  friend Boolean operator>=(const IString&, const IString&);
  friend Boolean operator>=(const IString&, const char*);
  friend Boolean operator>=(const char*, const IString&);
  friend IString operator+(const IString&, const IString&);
  friend IString operator+(const IString&, const char*);
  friend IString operator+(const char*, const IString&);
  friend std::ostream& operator<<(std::ostream&, const IString&);

  char* _data;
  unsigned _length;
};

// Moves, inline: a sort or a growing vector moves its strings many times.
MORVEK_EMITTED inline IString::IString(IString&& aString) noexcept
    : _data(aString._data), _length(aString._length) {
  aString._data = nullptr;
  aString._length = 0;
}
MORVEK_EMITTED inline IString& IString::operator=(IString&& aString) noexcept {
  if (this == &aString) return *this;
  delete[] _data;
  _data = aString._data;
  _length = aString._length;
  aString._data = nullptr;
  aString._length = 0;
  return *this;
}

// The accessors, inline.
#if __cplusplus >= 201703L
inline std::string_view IString::asStringView() const {
  return _data ? std::string_view(_data, _length) : std::string_view();
}
#endif
inline char* IString::begin() { return _data; }
inline char* IString::end() { return _data + _length; }
inline const char* IString::begin() const { return _data; }
inline const char* IString::end() const { return _data + _length; }
inline unsigned IString::length() const { return _length; }
inline unsigned IString::size() const { return _length; }
inline IString::operator char*() const { return _data; }
inline IString::operator signed char*() const {
  return reinterpret_cast<signed char*>(_data);
}
inline IString::operator unsigned char*() const {
  return reinterpret_cast<unsigned char*>(_data);
}
inline char* IString::data() const { return _data; }

// indexOf of one character, inline: one memchr, as std::string::find.
MORVEK_EMITTED inline unsigned IString::indexOf(char ch,
                                                unsigned startPos) const {
  if (startPos == 0) startPos = 1;
  if (startPos > _length) return 0;
  const void* hit =
      std::memchr(_data + startPos - 1, ch, _length - startPos + 1);
  return hit ? static_cast<unsigned>(static_cast<const char*>(hit) - _data) + 1
             : 0;
}

// == and != on two strings, inline: strings of one length that memcmp finds
// the same are equal, and strings whose first eight characters (or first
// one, when a buffer holds fewer) differ before a NUL byte are unequal,
// without a call into the library; any other pair is compared with the
// second string's text (a const char*), which gives the same result.
MORVEK_EMITTED inline Boolean operator==(const IString& string1,
                                         const IString& string2) {
  const char* p1 = string1._data;
  const char* p2 = string2._data;
  if (p1 == nullptr || p2 == nullptr) return p1 == p2;
  if (string1._length == string2._length &&
      std::memcmp(p1, p2, string1._length) == 0)
    return True;
  if (string1._length >= 7 && string2._length >= 7) {  // buffers of 8 or more
    unsigned long long x, y;
    std::memcpy(&x, p1, 8);
    std::memcpy(&y, p2, 8);
    // Not the same, and no NUL byte in the first string's eight.
    if (x != y &&
        ((x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull) == 0)
      return False;
  } else if (p1[0] != p2[0]) {
    return False;
  }
  return string1 == p2;
}
MORVEK_EMITTED inline Boolean operator!=(const IString& string1,
                                         const IString& string2) {
  return !(string1 == string2);
}

// The orderings of two strings, inline: strings whose first characters
// differ are ordered by them, any other pair by strcmp, so that sorting
// makes no call into the library.
MORVEK_EMITTED inline Boolean operator<(const IString& string1,
                                        const IString& string2) {
  const char* p1 = string1._data;
  const char* p2 = string2._data;
  if (p1 == nullptr || p2 == nullptr) return p1 == nullptr && p2 != nullptr;
  if (p1[0] != p2[0])
    return static_cast<unsigned char>(p1[0]) <
           static_cast<unsigned char>(p2[0]);
  return std::strcmp(p1, p2) < 0;
}
MORVEK_EMITTED inline Boolean operator>(const IString& string1,
                                        const IString& string2) {
  return string2 < string1;
}
MORVEK_EMITTED inline Boolean operator<=(const IString& string1,
                                         const IString& string2) {
  return !(string2 < string1);
}
MORVEK_EMITTED inline Boolean operator>=(const IString& string1,
                                         const IString& string2) {
  return !(string1 < string2);
}

/// @cond
template <>
struct IString::Texts<char, char> {
  typedef IString Changed;
};
/// @endcond

// The static change forms with pointer texts, inline: a copy of aString,
// changed in place by the member of the same arguments.
template <typename In, typename Out>
inline typename IString::Texts<In, Out>::Changed IString::change(
    const IString& aString, const In* inputString, const Out* outputString,
    unsigned startPos, unsigned numChanges) {
  IString result(aString);
  result.change(inputString, outputString, startPos, numChanges);
  return result;
}

template <typename In>
inline typename IString::Texts<In, char>::Changed IString::change(
    const IString& aString, const In* inputString, const IString& outputString,
    unsigned startPos, unsigned numChanges) {
  IString result(aString);
  result.change(inputString, outputString, startPos, numChanges);
  return result;
}

template <typename Out>
inline typename IString::Texts<char, Out>::Changed IString::change(
    const IString& aString, const IString& inputString, const Out* outputString,
    unsigned startPos, unsigned numChanges) {
  IString result(aString);
  result.change(inputString, outputString, startPos, numChanges);
  return result;
}

namespace std {
/// Hashing for unordered containers, consistent with operator==: only the
/// characters before the first NUL byte take part, so strings that compare
/// equal hash equal ("a\0b" of length 3 hashes as "a"). The null string
/// hashes as the empty string, although the two compare unequal.
template <>
struct hash<IString> {
  /// The hash of the characters of aString before its first NUL byte.
  MORVEK_API std::size_t operator()(const IString& aString) const noexcept;
};
}  // namespace std

#endif  // MORVEK_ISTRING_HPP_
