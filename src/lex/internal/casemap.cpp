// casemap.cpp: locale-following case conversion, a vector at a time where
// the locale maps the 7-bit range the plain ASCII way.
//
// The mapping always comes from the current locale. With glibc the locale's
// own 384-entry tables are read directly (what toupper itself does, without
// a call per byte); elsewhere a table is filled through toupper / tolower.
// When the table maps 0..127 exactly as ASCII does (true in the C locale and
// most others, false in e.g. Turkish locales, where 'i' is not mapped to
// 'I'), vectors of 7-bit bytes are converted with vector arithmetic; any
// vector holding a byte of 0x80 or above goes through the table.

#include "casemap.hpp"

#include <cctype>
#include <cstring>

#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

namespace {

// Below this length the check of the table costs more than the vector loop
// saves.
constexpr std::size_t kVectorMinimum = 32;

struct AsciiTable {
  std::int32_t map[128];
};

constexpr AsciiTable asciiTable(bool upper) {
  AsciiTable t{};
  for (int c = 0; c < 128; ++c) {
    if (upper)
      t.map[c] = (c >= 'a' && c <= 'z') ? c - 32 : c;
    else
      t.map[c] = (c >= 'A' && c <= 'Z') ? c + 32 : c;
  }
  return t;
}

constexpr AsciiTable kAsciiUpper = asciiTable(true);
constexpr AsciiTable kAsciiLower = asciiTable(false);

void convertInPlace(char* text, std::size_t length, bool upper) {
  if (length == 0) return;
  unsigned char* p = reinterpret_cast<unsigned char*>(text);
  const AsciiTable& ascii = upper ? kAsciiUpper : kAsciiLower;
#if defined(__GLIBC__)
  // glibc's tables cover -128..255; index 0 is the byte value 0.
  CaseMapping mapping(upper,
                      upper ? *__ctype_toupper_loc() : *__ctype_tolower_loc());
#else
  if (length < kVectorMinimum) {
    for (std::size_t i = 0; i < length; ++i)
      p[i] = static_cast<unsigned char>(upper ? std::toupper(p[i])
                                              : std::tolower(p[i]));
    return;
  }
  std::int32_t table[256];  // filled from the locale once per call
  for (int c = 0; c < 256; ++c)
    table[c] = upper ? std::toupper(c) : std::tolower(c);
  CaseMapping mapping(upper, table);
#endif
  if (length < kVectorMinimum) return convertCaseByTable(p, length, mapping);
  mapping.ascii_plain =
      std::memcmp(mapping.table, ascii.map, sizeof ascii.map) == 0;
  activeKernels().convert_case(p, length, mapping);
}

}  // namespace

void convertCaseByTable(unsigned char* p, std::size_t length,
                        const CaseMapping& mapping) {
  for (std::size_t i = 0; i < length; ++i)
    p[i] = static_cast<unsigned char>(mapping.table[p[i]]);
}

void upperInPlace(char* p, std::size_t length) {
  convertInPlace(p, length, true);
}

void lowerInPlace(char* p, std::size_t length) {
  convertInPlace(p, length, false);
}

}  // namespace internal
}  // namespace morvek
