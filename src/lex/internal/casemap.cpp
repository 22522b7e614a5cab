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

#include <locale.h>
#include <cctype>
#include <cstring>

#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

namespace {

// Below this length the check of the table costs more than the vector loop
// saves.
constexpr std::size_t kVectorMinimum = 32;
// Below this length the table is used in any locale: the call of a vector
// kernel costs more than it saves.
constexpr std::size_t kFewBytes = 16;

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

#if defined(__GLIBC__)
// The C locale's own tables, which glibc keeps for the life of the process
// and which map the 7-bit bytes as ASCII does: a mapping found to be one of
// them needs no comparison.
struct CLocaleTables {
  CLocaleTables() {
    const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    upper = c ? c->__ctype_toupper : nullptr;
    lower = c ? c->__ctype_tolower : nullptr;
  }
  const std::int32_t* upper;
  const std::int32_t* lower;
};
#endif

// Converts the `length` bytes at `text`, or with `before_nul` those before
// the first NUL byte among them.
void convertInPlace(char* text, std::size_t length, bool upper,
                    bool before_nul) {
  if (length == 0) return;
  unsigned char* p = reinterpret_cast<unsigned char*>(text);
  const AsciiTable& ascii = upper ? kAsciiUpper : kAsciiLower;
#if defined(__GLIBC__)
  // glibc's tables cover -128..255; index 0 is the byte value 0.
  CaseMapping mapping(upper,
                      upper ? *__ctype_toupper_loc() : *__ctype_tolower_loc());
  mapping.before_nul = before_nul;
  if (length < kFewBytes) return convertCaseByTable(p, length, mapping);
  static const CLocaleTables c_locale;
  if (mapping.table == (upper ? c_locale.upper : c_locale.lower)) {
    mapping.ascii_plain = true;
    return activeKernels().convert_case(p, length, mapping);
  }
#else
  if (length < kVectorMinimum) {
    for (std::size_t i = 0; i < length && !(before_nul && p[i] == 0); ++i)
      p[i] = static_cast<unsigned char>(upper ? std::toupper(p[i])
                                              : std::tolower(p[i]));
    return;
  }
  std::int32_t table[256];  // filled from the locale once per call
  for (int c = 0; c < 256; ++c)
    table[c] = upper ? std::toupper(c) : std::tolower(c);
  CaseMapping mapping(upper, table);
  mapping.before_nul = before_nul;
#endif
  if (length < kVectorMinimum) return convertCaseByTable(p, length, mapping);
  mapping.ascii_plain =
      std::memcmp(mapping.table, ascii.map, sizeof ascii.map) == 0;
  activeKernels().convert_case(p, length, mapping);
}

}  // namespace

void convertCaseByTable(unsigned char* p, std::size_t length,
                        const CaseMapping& mapping) {
  for (std::size_t i = 0; i < length; ++i) {
    if (mapping.before_nul && p[i] == 0) return;
    p[i] = static_cast<unsigned char>(mapping.table[p[i]]);
  }
}

void upperInPlace(char* p, std::size_t length) {
  convertInPlace(p, length, true, false);
}

void lowerInPlace(char* p, std::size_t length) {
  convertInPlace(p, length, false, false);
}

void upperBeforeNul(char* p, std::size_t length) {
  convertInPlace(p, length, true, true);
}

void lowerBeforeNul(char* p, std::size_t length) {
  convertInPlace(p, length, false, true);
}

}  // namespace internal
}  // namespace morvek
