// istring_format.hpp: IString for the {fmt} formatting library.
//
// An optional, header-only addition: a program that formats with {fmt}
// includes this header after (or instead of) istring.hpp and links {fmt}
// itself; morvek.so does not use {fmt}. Works with {fmt} 9 and later, in
// C++11 and later.

#ifndef MORVEK_ISTRING_FORMAT_HPP_
#define MORVEK_ISTRING_FORMAT_HPP_

/// \file
/// fmt::formatter<IString>, so that fmt::format and fmt::print take IString
/// arguments.

#include <fmt/format.h>

#include "istring.hpp"

namespace fmt {

/// Formats an IString as operator<< writes it: the characters before the
/// first NUL byte, and nothing for the null string. It takes the formatting
/// options of a string: fill, alignment, width and precision (the most
/// characters to write).
/// Example: `fmt::format("[{}]", IString("abc"))` gives `"[abc]"`,
/// `fmt::format("[{:>6}]", IString("abc"))` gives `"[   abc]"`,
/// `fmt::format("[{:*<5.2}]", IString("abc"))` gives `"[ab***]"`,
/// `fmt::format("[{:^5}]", IString(std::string("a\0b", 3)))` gives
/// `"[  a  ]"`, `fmt::format("{}", IString(static_cast<const char*>(0)))`
/// gives `""` and `fmt::format("[{:-^4}]", IString(static_cast<const
/// char*>(0)))` gives `"[----]"`.
template <>
struct formatter<IString> : formatter<string_view> {
  /// Writes the characters of aString before its first NUL byte, laid out
  /// as the parsed options say.
  template <typename FormatContext>
  auto format(const IString& aString, FormatContext& context) const
      -> decltype(context.out()) {
    const char* text = aString;
    return formatter<string_view>::format(
        text ? string_view(text) : string_view(), context);
  }
};

}  // namespace fmt

#endif  // MORVEK_ISTRING_FORMAT_HPP_
