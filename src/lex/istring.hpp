// istring.hpp: IString, a value class for 8-bit text.
//
// An IString owns one heap buffer of exactly length() + 1 bytes: the
// characters followed by a NUL terminator. The characters themselves may
// include NUL bytes. There are two strings of length 0:
//
//   - the null string, which has no buffer (data pointer 0), and
//   - the empty string, which has a one-byte buffer holding the terminator.
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
// Buffers are allocated at the exact size needed; nothing reserves room for
// growth, so every lengthening operation allocates and copies. A result whose
// length plus terminator would not fit in 32 bits throws
// std::bad_array_new_length before anything changes; allocation failure
// propagates as std::bad_alloc. The library throws nothing else.
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

/// @name Truth values
/// @{

/// Truth values: the digit predicates and the relational operators return
/// Boolean, 1 for true and 0 for false.
typedef int Boolean;
typedef int IBoolean;
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
/// @{

/// Relational operators (friends of IString, declared here to carry the export
/// macro).
///
/// Order two strings byte by byte as unsigned 8-bit values, as strcmp does:
/// "B" < "a" < "\xE9", and a proper prefix sorts first ("ab" < "abc"). Only
/// the characters before the first NUL byte take part: the string "a\0b"
/// (length 3) equals "a". A null string (or a null const char*) sorts before
/// every string that has a buffer, the empty string included; two null
/// strings are equal. Each returns 1 or 0. Example: IString("abc") < "abd"
/// gives 1.
MORVEK_API inline Boolean operator==(const IString& string1,
                                     const IString& string2);
MORVEK_API Boolean operator==(const IString& string1, const char* string2);
MORVEK_API Boolean operator==(const char* string1, const IString& string2);
MORVEK_API inline Boolean operator!=(const IString& string1,
                                     const IString& string2);
MORVEK_API Boolean operator!=(const IString& string1, const char* string2);
MORVEK_API Boolean operator!=(const char* string1, const IString& string2);
MORVEK_API Boolean operator<(const IString& string1, const IString& string2);
MORVEK_API Boolean operator<(const IString& string1, const char* string2);
MORVEK_API Boolean operator<(const char* string1, const IString& string2);
MORVEK_API Boolean operator<=(const IString& string1, const IString& string2);
MORVEK_API Boolean operator<=(const IString& string1, const char* string2);
MORVEK_API Boolean operator<=(const char* string1, const IString& string2);
MORVEK_API Boolean operator>(const IString& string1, const IString& string2);
MORVEK_API Boolean operator>(const IString& string1, const char* string2);
MORVEK_API Boolean operator>(const char* string1, const IString& string2);
MORVEK_API Boolean operator>=(const IString& string1, const IString& string2);
MORVEK_API Boolean operator>=(const IString& string1, const char* string2);
MORVEK_API Boolean operator>=(const char* string1, const IString& string2);
/// @}

/// @name Concatenation
/// @{

/// Concatenation into a new string.
///
/// Returns the characters of the first operand followed by those of the
/// second, in one buffer of exactly the total length. An IString operand
/// contributes all its length() characters, inner NUL bytes included; a
/// const char* operand contributes its characters up to its first NUL, and a
/// null pointer contributes nothing. The result always has a buffer: joining
/// two null strings gives the empty string. Example: IString("ab") + "cd"
/// gives "abcd".
MORVEK_API IString operator+(const IString& aString, const IString& bString);
MORVEK_API IString operator+(const IString& aString, const char* bString);
MORVEK_API IString operator+(const char* aString, const IString& bString);
/// @}

/// Stream output: writes the characters before the first NUL byte, with no
/// separator and no line end, and returns aStream. A null string writes
/// nothing and leaves the stream's state alone. Example: std::cout <<
/// IString("a\0b", 3, ' ') writes "a".
MORVEK_API std::ostream& operator<<(std::ostream& aStream,
                                    const IString& aString);

/// A value class for 8-bit text: an owned buffer of exactly length() + 1
/// bytes, the characters (which may include NUL bytes) and a terminator, or
/// no buffer at all for the null string. Positions are 1-based and a returned
/// position of 0 means "none". The members come in families, each documented
/// once at its first member; the file comment of istring.hpp and the guide
/// give the rules that hold for all of them.
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
  /// @{

  /// IString() is the empty string (a buffer holding only the terminator).
  /// IString(const char* p) copies p up to its first NUL; a null p gives the
  /// null string and a pointer to a NUL gives the empty string. The copy
  /// constructor and operator= copy all length() characters, inner NUL bytes
  /// included, and keep a null string null and an empty string empty.
  /// Assignment builds the new buffer before it releases the old one, so a
  /// failed allocation leaves the old value; self-assignment changes nothing.
  /// The character constructors always give a string of length 1 (a NUL
  /// character included). The integer constructors give the decimal text
  /// (a leading '-' for a negative value, no leading zeros, "0" for zero).
  /// Example: IString(-42) gives "-42"; IString(static_cast<const char*>(0))
  /// has length() 0 and a null pointer.
  MORVEK_API IString();
  MORVEK_API IString(const char* p);
  /// \overload
  /// Same as the const char* form.
  MORVEK_API IString(const signed char* p);
  /// \overload
  /// Same as the const char* form.
  MORVEK_API IString(const unsigned char* p);
  MORVEK_API IString(const IString& aString);
  MORVEK_API IString(int num);
  MORVEK_API IString(unsigned num);
  MORVEK_API IString(short num);
  MORVEK_API IString(unsigned short num);
  MORVEK_API IString(long num);
  MORVEK_API IString(unsigned long num);
  MORVEK_API IString(char ch);
  MORVEK_API IString(unsigned char ch);

  /// The shortest text that reads back to the same double, fixed or
  /// scientific notation whichever is shorter (what std::to_chars writes with
  /// no format): 0.1 gives "0.1", 2.0 gives "2", 100000.0 gives "1e+05",
  /// -0.0 gives "-0", infinity "inf" and NaN "nan".
  MORVEK_API IString(double data);

  /// Fixed-width construction: exactly lenBuffer characters, taken from
  /// pBuffer (read up to its first NUL) and cut there or padded with
  /// padCharacter. A null pBuffer is a source of no characters; lenBuffer 0
  /// gives the empty string. A lenBuffer of 0xFFFFFFFF leaves no room for the
  /// terminator and throws std::bad_array_new_length.
  /// Example: IString("abc", 5, '*') gives "abc**".
  MORVEK_API IString(const void* pBuffer, unsigned lenBuffer,
                     char padCharacter = ' ');

  MORVEK_API ~IString();

  MORVEK_API IString& operator=(const IString& aString);

  /// Moving: the new object, or the assigned one, takes over aString's buffer
  /// without copying it (a null string stays null, an empty string empty),
  /// and aString becomes the null string. Neither allocates nor throws. Moving
  /// an object onto itself keeps its value. Example: IString a("ab"); IString
  /// b(std::move(a)); gives b == "ab" and a null a.
  MORVEK_API IString(IString&& aString) noexcept;
  /// \overload
  /// Move assignment; the object's old buffer is released.
  MORVEK_API IString& operator=(IString&& aString) noexcept;

  /// Construction from a std::string: a copy of all its size() characters,
  /// inner NUL bytes included; an empty std::string gives the empty string
  /// (never the null string). Example: IString(std::string("a\0b", 3)) has
  /// length() 3.
  MORVEK_API IString(const std::string& aString);
#if __cplusplus >= 201703L
  /// \overload
  /// The same from a std::string_view (C++17); a default-made view
  /// gives the empty string too.
  MORVEK_API IString(std::string_view aString);
#endif

  /// The whole text as a std::string: all length() characters, inner NUL
  /// bytes included; empty for the null string. Example:
  /// IString("abc").asStdString() gives std::string("abc").
  MORVEK_API std::string asStdString() const;
#if __cplusplus >= 201703L
  /// A view of the object's own buffer (C++17): all length() characters,
  /// inner NUL bytes included; an empty view with a null data() for the null
  /// string. It stays valid while the buffer does (see operator char*()).
  std::string_view asStringView() const;
#endif

  /// Pointers to the first character and one past the last, for range-for
  /// and the standard algorithms: all length() characters, inner NUL bytes
  /// included. Both are null for the null string. Writes through the
  /// non-const forms change the characters in place, never the length.
  /// Example: for (char c : IString("ab")) visits 'a' and 'b'.
  char* begin();
  /// \overload
  char* end();
  /// \overload
  const char* begin() const;
  /// \overload
  const char* end() const;

  /// Number of characters, not counting the terminator; inner NUL bytes
  /// count. 0 for both the null and the empty string.
  unsigned length() const;
  /// \overload
  /// Same as length().
  unsigned size() const;

  /// The object's own buffer (a null pointer for the null string). Writes
  /// through it never change length(); it stays valid until the object is
  /// destroyed or an operation replaces the buffer.
  operator char*() const;
  /// \overload
  /// The same pointer as signed char*.
  operator signed char*() const;
  /// \overload
  /// The same pointer as unsigned char*.
  operator unsigned char*() const;
  /// @}

  /// @name Comparison, concatenation, streams and conversions
  /// @{

  /// Appends in place: the object gets a new buffer of exactly the new length
  /// holding its old characters and then those of the argument (an IString's
  /// length() characters; a const char*'s characters before its first NUL).
  /// A null pointer, or a null IString, leaves the object unchanged; anything
  /// else gives a null object a buffer (null += "" gives the empty string).
  /// Appending the object to itself doubles it. On failure the object keeps
  /// its value. Each call copies the whole string, so n one-byte appends cost
  /// time proportional to n squared: build long texts with one operator+ or
  /// in a std::string first.
  /// Example: s = "ab"; s += "cd" gives "abcd".
  MORVEK_API IString& operator+=(const IString& aString);
  MORVEK_API IString& operator+=(const char* pString);

  /// Reads one line from aStream, up to delim (which is taken from the stream
  /// and not stored), keeping at most its first 1023 characters; what happens
  /// to the rest of a longer line and to the stream's state flags is
  /// istream::getline's behaviour. The result always has a buffer and stops
  /// at the first NUL byte of the line. End of input and errors show in the
  /// stream's state, not in the result (which is then the empty string).
  /// Calls may run on several threads at once.
  /// Example: for the input "abc\ndef", lineFrom(in) gives "abc".
  MORVEK_API static IString lineFrom(std::istream& aStream, char delim = '\n');

  /// A copy of the string: a null string gives a null string.
  MORVEK_API IString asString() const;

  /// The decimal value of the text as strtol(_, 0, 10), strtoul(_, 0, 10) and
  /// strtod read it: leading white space is skipped, the number ends at the
  /// first character that cannot continue it, text without a number gives 0,
  /// out-of-range values give what those functions return. A null string
  /// gives 0. Example: IString("  42abc").asInt() gives 42; IString("0x1A")
  /// .asInt() gives 0; IString("-1").asUnsigned() gives ULONG_MAX.
  MORVEK_API long asInt() const;
  MORVEK_API unsigned long asUnsigned() const;
  MORVEK_API double asDouble() const;
  /// @}

  /// @name Search and classification
  /// @{

  /// Read-only queries: nothing changes and nothing is allocated. The digit
  /// predicates give True when every character is a binary, decimal or
  /// hexadecimal (either case) digit, so True for a null or empty string and
  /// False for any NUL byte, blank, sign or "0x". The searches give a 1-based
  /// position, 0 for none; occurrencesOf counts. startPos 0 is taken as 1;
  /// lastIndexOf's endPos is an inclusive bound on where an occurrence may
  /// end (beyond length(): the whole text; 0: nothing). The character forms,
  /// occurrencesOf and indexOfAnyBut walk all length() characters, NUL bytes
  /// included. indexOf and lastIndexOf with a const char* stop at the text's
  /// first NUL byte (for indexOf, the first at or after startPos), so later
  /// occurrences are not found; the empty text is found where that scan
  /// stops (indexOf: that NUL byte's position, or length() + 1; lastIndexOf:
  /// endPos + 1). A one-character const char* searches as the char form. In
  /// indexOfAnyBut with a set of other than one character, a NUL byte in the
  /// text always counts as a member. A null const char* gives 0; a null
  /// string gives 0 too, except lastIndexOf("") (1). Searches take time
  /// linear in the text length whatever the pattern.
  /// Example: IString("banana").indexOf("ana", 3) gives 4, lastIndexOf("ana",
  /// 5) gives 2 and indexOfAnyBut("ab") gives 3.
  MORVEK_API Boolean isBinaryDigits() const;
  MORVEK_API Boolean isDigits() const;
  MORVEK_API Boolean isHexDigits() const;
  MORVEK_API unsigned indexOf(char ch, unsigned startPos = 1) const;
  MORVEK_API unsigned indexOf(const char* in_string,
                              unsigned startPos = 1) const;
  MORVEK_API unsigned lastIndexOf(char ch, unsigned endPos = 0xFFFFFFFFu) const;
  MORVEK_API unsigned lastIndexOf(const char* in_string,
                                  unsigned endPos = 0xFFFFFFFFu) const;
  MORVEK_API unsigned indexOfAnyBut(char ch, unsigned startPos = 1) const;
  MORVEK_API unsigned indexOfAnyBut(const char* in_string,
                                    unsigned startPos = 1) const;
  MORVEK_API unsigned occurrencesOf(char ch, unsigned startPos = 1) const;
  /// @}

  /// @name Sub-strings, indexing, padding and removal
  /// @{

  /// Cutting, growing and editing by position; startPos and index 0 are
  /// taken as 1 unless said otherwise. subString gives the characters from
  /// startPos to the end, or exactly `length` of them padded with
  /// padCharacter; beyond the end it gives the empty string (never a null
  /// one) and pads nothing. The writable operator[] first lengthens a shorter
  /// string with blanks to `index` characters; the const one never grows and
  /// beyond the end (or on a null string) refers to a static NUL character.
  /// remove cuts from startPos to the end, or numChars characters (fewer at
  /// the end); startPos beyond the end or numChars 0 changes nothing.
  /// leftJustify and rightJustify pad after or before the text up to
  /// newLength and never shorten it. overlayWith copies aString's characters
  /// over positions index on, padding a shorter text first; index 0 changes
  /// nothing, and overlaying a string with itself uses its value at the call.
  /// insert returns aString with anInsert after position index (0: in front),
  /// the head padded to index characters when aString is shorter but not
  /// empty. NUL bytes are copied like any character. A change of length
  /// builds a new buffer (so references from operator[] go stale); overlaying
  /// within the length writes in place. A result longer than 0xFFFFFFFE
  /// characters throws std::bad_array_new_length and the object keeps its
  /// value: subString(1, 0xFFFFFFFF), operator[](0xFFFFFFFF), insert after
  /// 0xFFFFFFFF into a non-empty string.
  /// Example: IString("abcdef").subString(5, 4, '.') gives "ef..", and
  /// IString::insert("abcdef", "XY", 2) gives "abXYcdef".
  MORVEK_API IString subString(unsigned startPos) const;
  MORVEK_API IString subString(unsigned startPos, unsigned length,
                               char padCharacter = ' ') const;
  MORVEK_API char& operator[](unsigned index);
  MORVEK_API const char& operator[](unsigned index) const;
  MORVEK_API IString& remove(unsigned startPos);
  MORVEK_API IString& remove(unsigned startPos, unsigned numChars);
  MORVEK_API IString& leftJustify(unsigned newLength, char padCharacter = ' ');
  MORVEK_API IString& rightJustify(unsigned newLength, char padCharacter = ' ');
  MORVEK_API IString& overlayWith(const IString& aString, unsigned index = 1,
                                  char padCharacter = ' ');
  MORVEK_API static IString insert(const IString& aString,
                                   const IString& anInsert, unsigned index = 0,
                                   char padCharacter = ' ');
  /// @}

  /// @name Stripping and case
  /// @{

  /// upperCase and lowerCase convert in place, up to the first NUL byte,
  /// with the current locale's toupper and tolower (in the default locale
  /// only A-Z and a-z change); the length, the buffer and the bytes from the
  /// first NUL on stay. strip, stripLeading and stripTrailing remove, at both
  /// ends, the start or the end, the characters that are white space (the
  /// forms without argument: isspace in the current locale, never NUL),
  /// equal to aCharacter, or in the set p; a NUL byte in the text is a member
  /// of every set, so strip("") removes NUL bytes at the ends. A null p
  /// changes nothing. Stripping keeps the buffer, moving only the terminator,
  /// unless it removes characters at the front and keeps some: then the kept
  /// characters move to a new buffer. Stripping everything leaves an empty
  /// string with the old buffer. Null strings stay null. The static forms
  /// (stripBlanks, stripLeadingBlanks, stripTrailingBlanks and the one-
  /// argument upperCase and lowerCase) work on a copy of aString, which
  /// does not change, and return it.
  /// Example: IString("  ab  ").stripLeading() gives "ab  ", and
  /// IString("AbC1").lowerCase() gives "abc1".
  MORVEK_API IString& upperCase();
  MORVEK_API static IString upperCase(const IString& aString);
  MORVEK_API IString& lowerCase();
  MORVEK_API static IString lowerCase(const IString& aString);
  MORVEK_API IString& strip();
  MORVEK_API IString& strip(char aCharacter);
  MORVEK_API IString& strip(const char* p);
  MORVEK_API static IString stripBlanks(const IString& aString);
  MORVEK_API IString& stripLeading();
  MORVEK_API IString& stripLeading(const char* p);
  MORVEK_API static IString stripLeadingBlanks(const IString& aString);
  MORVEK_API IString& stripTrailing();
  MORVEK_API IString& stripTrailing(const char* p);
  MORVEK_API static IString stripTrailingBlanks(const IString& aString);
  /// @}

  /// @name Replacement
  /// @{

  /// change replaces, in place, occurrences of the input string (the first
  /// argument) by the output string: those that begin at or after position
  /// startPos (0 is taken as 1), at most numChanges of them (0 replaces
  /// none; the default, all), found left to right without overlapping. Text
  /// put in by a replacement is not searched again. The search stops at the
  /// first NUL byte at or after startPos; the characters from there on are
  /// kept as they are. A null or empty input string, or one holding a NUL
  /// byte, matches nothing; a null or empty output string deletes each
  /// occurrence. An IString argument contributes its length() characters, a
  /// const char* those before its first NUL (a null pointer none). When
  /// something is replaced the object gets a new buffer of exactly the new
  /// length (deleting every character leaves the empty string, not the null
  /// string); otherwise it keeps its buffer and a null or empty object stays
  /// as it is. Either argument may be the object itself or point into its
  /// buffer. Each call is linear in the length of the text.
  /// Example: IString("abcabc").change("bc", "X", 3) gives "abcaX".
  MORVEK_API IString& change(const IString& pInputChars,
                             const IString& pOutputChars, unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  MORVEK_API IString& change(const IString& pInputChars,
                             const char* pOutputChars, unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  MORVEK_API IString& change(const char* pInputChars,
                             const IString& pOutputChars, unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  MORVEK_API IString& change(const char* pInputChars, const char* pOutputChars,
                             unsigned startPos = 1,
                             unsigned numChanges = 0xFFFFFFFFu);
  /// \overload
  /// translate replaces every occurrence in the whole text, as
  /// change with startPos 1 and no limit; padCharacter is not used.
  /// Example: IString("a.b.c").translate(".", "::") gives "a::b::c".
  MORVEK_API IString& translate(const IString& inputChars,
                                const IString& outputChars,
                                char padCharacter = ' ');
  MORVEK_API IString& translate(const IString& inputChars,
                                const char* pOutputChars,
                                char padCharacter = ' ');
  MORVEK_API IString& translate(const char* pInputChars,
                                const IString& outputChars,
                                char padCharacter = ' ');
  MORVEK_API IString& translate(const char* pInputChars,
                                const char* pOutputChars,
                                char padCharacter = ' ');
  /// \overload
  /// Returns a changed copy of aString, which stays as it is.
  MORVEK_API static IString change(const IString& aString,
                                   const IString& inputString,
                                   const IString& outputString,
                                   unsigned startPos = 1,
                                   unsigned numChanges = 0xFFFFFFFFu);
  /// \overload
  /// The same with the input string, the output string or both given as a
  /// char pointer (a literal, say): the copy of aString is changed in place,
  /// and no string is made for them. Only pointers to char choose these
  /// forms; any other argument is converted to an IString as for the form
  /// above (a literal 0 is the number 0, "0").
  template <typename In, typename Out>
  static typename Texts<In, Out>::Changed change(
      const IString& aString, const In* inputString, const Out* outputString,
      unsigned startPos = 1, unsigned numChanges = 0xFFFFFFFFu);
  /// \overload
  template <typename In>
  static typename Texts<In, char>::Changed change(
      const IString& aString, const In* inputString,
      const IString& outputString, unsigned startPos = 1,
      unsigned numChanges = 0xFFFFFFFFu);
  /// \overload
  template <typename Out>
  static typename Texts<char, Out>::Changed change(
      const IString& aString, const IString& inputString,
      const Out* outputString, unsigned startPos = 1,
      unsigned numChanges = 0xFFFFFFFFu);
  /// @}

  /// @name Words
  /// @{

  /// A word is a maximal run of characters other than space, LF, CR, TAB, VT
  /// and FF in the text before its first NUL byte; the set does not follow
  /// the locale, so 0xA0 and other control characters belong to words. Words
  /// are numbered from 1 and there is no word 0. word(n) is a new string
  /// holding word n. words(first, num) runs from the first character of word
  /// first through the last character of word first + num - 1, or of the
  /// last word if there are fewer, keeping the delimiters between them as
  /// they stand; words(first) runs through the last word. word and words give
  /// the empty string when there is no such word (n or first 0 included)
  /// and when num is 0. indexOfWord(n) is the position of the first
  /// character of word n and lengthOfWord(n) its length, both 0 when there
  /// is none; numWords() counts the words. A null or empty string has no
  /// words. None of these changes the object, copies its whole text or keeps
  /// state between calls: they may run on several threads at once and
  /// between the calls of a caller's strtok sequence.
  /// Example: for "  one two\tthree\n", word(3) gives "three", words(2) gives
  /// "two\tthree", words(1, 2) gives "one two", indexOfWord(2) gives 7 and
  /// numWords() gives 3.
  MORVEK_API IString word(unsigned wordNumber) const;
  MORVEK_API IString words(unsigned firstNumber) const;
  MORVEK_API IString words(unsigned firstNumber, unsigned numWords) const;
  MORVEK_API unsigned indexOfWord(unsigned wordNumber) const;
  MORVEK_API unsigned lengthOfWord(unsigned wordNumber) const;
  MORVEK_API unsigned numWords() const;
  /// @}

  /// @name Radix conversions
  /// @{

  /// Re-express the text in another form: `<from>2<to>`, where b is binary
  /// digits ('0', '1'), d decimal digits, x hexadecimal digits (read in either
  /// case, written in upper case) and c raw bytes of any value, NUL included
  /// (the whole length() is read). The member form replaces the object's
  /// content by a new buffer of exactly the result's length and returns the
  /// object; the static form returns the result and leaves its argument
  /// unchanged. Where a number is formed it is taken modulo 2^32 and written
  /// without leading zeros ("0" for zero); conversions between digit groups
  /// and bytes (b2c, b2x, c2b, c2x, x2b, x2c) keep every group, leading zeros
  /// included. An input of length 0 (null or empty) or one that is not all
  /// digits of the source radix gives the null string; x2c differs (below).
  /// A result too long for a string (2^32 - 1 characters or more: c2b of 2^29
  /// bytes, x2b of 2^30 digits, c2x of 2^31 bytes) throws
  /// std::bad_array_new_length; the object changes only once the result is
  /// complete, so that and a failed allocation leave it as it was.
  /// b2c: 8 digits per byte, grouped from the right, the leftmost n mod 8
  /// digits forming the first byte: "100000001" gives the bytes 0x01 0x01.
  MORVEK_API IString& b2c();
  MORVEK_API static IString b2c(const IString& aString);
  /// b2d: "1010" gives "10"; only the rightmost 32 digits count.
  MORVEK_API IString& b2d();
  MORVEK_API static IString b2d(const IString& aString);
  /// b2x: 4 digits per hexadecimal digit, grouped from the right: "11111"
  /// gives "1F", "0000000" gives "00".
  MORVEK_API IString& b2x();
  MORVEK_API static IString b2x(const IString& aString);
  /// c2b: 8 binary digits per byte: "A" gives "01000001".
  MORVEK_API IString& c2b();
  MORVEK_API static IString c2b(const IString& aString);
  /// c2d: the bytes as one big-endian number, so only the last four count:
  /// "A" gives "65", the bytes 0x01 0x00 give "256".
  MORVEK_API IString& c2d();
  MORVEK_API static IString c2d(const IString& aString);
  /// c2x: 2 hexadecimal digits per byte: "AB" gives "4142", the byte 0x0F
  /// gives "0F".
  MORVEK_API IString& c2x();
  MORVEK_API static IString c2x(const IString& aString);
  /// d2b: "10" gives "1010"; "0" gives "0".
  MORVEK_API IString& d2b();
  MORVEK_API static IString d2b(const IString& aString);
  /// d2c: the value as the shortest big-endian byte string, 1 to 4 bytes:
  /// "65" gives "A", "256" gives the bytes 0x01 0x00, "0" one 0x00 byte.
  MORVEK_API IString& d2c();
  MORVEK_API static IString d2c(const IString& aString);
  /// d2x: "255" gives "FF"; "4294967296" gives "0".
  MORVEK_API IString& d2x();
  MORVEK_API static IString d2x(const IString& aString);
  /// x2b: 4 binary digits per hexadecimal digit: "1f" gives "00011111".
  MORVEK_API IString& x2b();
  MORVEK_API static IString x2b(const IString& aString);
  /// x2c: digit pairs read from the left as bytes, an odd count led by an
  /// implied '0': "414243" gives "ABC", "abc" the bytes 0x0A 0xBC. Length 0
  /// leaves a null string null and an empty string empty; a character that is
  /// not a hexadecimal digit gives the empty string, not the null string.
  MORVEK_API IString& x2c();
  MORVEK_API static IString x2c(const IString& aString);
  /// x2d: 1 to 8 digits, so the value always fits: "ff" gives "255"; nine
  /// digits, even "000000000", give the null string.
  MORVEK_API IString& x2d();
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

// == and != on two strings, inline: strings whose first eight characters
// (or first one, when a buffer holds fewer) differ before a NUL byte are
// unequal, and strings of one length that memcmp finds the same are equal,
// without a call into the library; any other pair is compared with the
// second string's text (a const char*), which gives the same result.
// morvek.so defines both as well, for programs built before they were
// inline.
inline Boolean operator==(const IString& string1, const IString& string2) {
  const char* p1 = string1._data;
  const char* p2 = string2._data;
  if (p1 == nullptr || p2 == nullptr) return p1 == p2;
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
  if (string1._length == string2._length &&
      std::memcmp(p1, p2, string1._length) == 0)
    return True;
  return string1 == p2;
}
inline Boolean operator!=(const IString& string1, const IString& string2) {
  return !(string1 == string2);
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
#if defined(__GLIBCXX__)
/// @cond
// libstdc++'s unordered containers keep each element's hash beside it when
// the hash is marked as not fast, as std::string's is, instead of hashing
// the elements again as they walk a bucket and when they grow: hashing an
// IString's text costs what hashing a std::string's does.
template <>
struct __is_fast_hash<hash<IString> > : public false_type {};
/// @endcond
#endif
}  // namespace std

#endif  // MORVEK_ISTRING_HPP_
