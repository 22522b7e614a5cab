/** \file
 * lexcext.h: case-insensitive comparison, reversal, case folding and integer
 * formatting for plain NUL-terminated strings and memory blocks.
 *
 * The functions have C linkage and are exported under these plain names; the
 * header compiles as C and as C++. None of them tests for a null pointer:
 * every pointer must be valid. Characters are handled as unsigned bytes
 * (0 to 255) and case follows tolower/toupper of the current locale; in the
 * default locale only 'A' to 'Z' and 'a' to 'z' change. The functions keep
 * no state and allocate nothing, so they may run on any number of threads at
 * once on distinct buffers.
 */

#ifndef MORVEK_LEXCEXT_H_
#define MORVEK_LEXCEXT_H_

#if defined(MORVEK_STATIC)
#define LEXCEXT_API
#elif defined(__GNUC__) || defined(__clang__)
#define LEXCEXT_API __attribute__((visibility("default")))
#else
#define LEXCEXT_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** Case-insensitive comparison, folding to lower case: negative, 0 or
 * positive as strcmp gives for lower-cased copies of the two strings (which
 * are not changed). A prefix sorts first. Example:
 * `strcmpi("Hello", "hELLO")` gives `0`, and `strcmpi("a", "_") > 0` gives
 * `true`, since 'a' sorts after '_'. */
LEXCEXT_API int strcmpi(const char* string1, const char* string2);

/** Case-insensitive comparison of at most len bytes, folding to upper case:
 * exactly -1, 0 or +1. A terminator compares as the byte 0, so the shorter
 * string sorts first; the comparison stops at a terminator that both strings
 * reach together, so nothing beyond it is read. len of 0 or less gives 0.
 * Example: `strnicmp("abc", "ABD", 2)` gives `0`, and
 * `strnicmp("a", "_", 1)` gives `-1`. */
LEXCEXT_API int strnicmp(const char* string1, const char* string2, int len);

/** Case-insensitive comparison of exactly cnt bytes, folding to lower case:
 * negative, 0 or positive as memcmp gives for lower-cased copies. NUL bytes
 * are ordinary bytes. Example: `memicmp("A\0b", "a\0B", 3)` gives `0`. */
LEXCEXT_API int memicmp(const void* buf1, const void* buf2, unsigned int cnt);

/** Reverses string in place up to its terminator and returns it.
 * @code
 * char text[] = "abc";
 * strrev(text);  // gives "cba"
 * @endcode */
LEXCEXT_API char* strrev(char* string);

/** @name Case folding
 * strlwr and strupr change only the bytes that the current locale's tolower
 * or toupper changes.
 * @{ */

/** Folds string to lower case in place up to its terminator and returns it.
 * @code
 * char text[] = "MiXeD 123";
 * strlwr(text);  // gives "mixed 123"
 * @endcode */
LEXCEXT_API char* strlwr(char* string);
/** Folds string to upper case in place up to its terminator and returns it.
 * @code
 * char text[] = "MiXeD 123";
 * strupr(text);  // gives "MIXED 123"
 * @endcode */
LEXCEXT_API char* strupr(char* string);
/** @} */

/** Writes value into buffer in radix 8, 10 or 16 and returns buffer. Radix 8
 * and 16 write the 32-bit pattern as an unsigned number (-1 gives
 * "37777777777" and "ffffffff"), radix 10 the signed value; no prefix,
 * lower-case hexadecimal digits. buffer must hold 12 bytes. Any other radix
 * writes nothing and returns the constant string "???", which must not be
 * written to.
 * @code
 * char buffer[12];
 * itoa(255, buffer, 16);  // gives "ff"
 * itoa(-1, buffer, 8);    // gives "37777777777"
 * itoa(-1, buffer, 16);   // gives "ffffffff"
 * itoa(-1, buffer, 10);   // gives "-1"
 * itoa(1, buffer, 2);     // gives "???"
 * @endcode */
LEXCEXT_API char* itoa(int value, char* buffer, int radix);

#ifdef __cplusplus
}
#endif

#endif /* MORVEK_LEXCEXT_H_ */
