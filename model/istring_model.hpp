// istring_model.hpp: a deliberately plain re-statement of IString's
// documented behaviour on std::string plus a null flag, for differential
// tests (fuzz/istring_ops_fuzz.cpp). It mirrors IString's member names and
// signatures so that one generic lambda can drive both. Every operation
// checks its result size with need() before it changes anything.

#ifndef MORVEK_TESTS_MODEL_ISTRING_MODEL_HPP_
#define MORVEK_TESTS_MODEL_ISTRING_MODEL_HPP_

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace model {

using u64 = std::uint64_t;
constexpr std::size_t npos = std::string::npos;

// Thrown when a result would exceed Str::limit: the caller skips the step.
struct TooBig {};

class Str {
 public:
  std::string s;
  bool null = false;
  static inline u64 limit = 0xFFFFFFFEu;

  static void need(u64 n) {
    if (n > 0xFFFFFFFEu) throw std::bad_array_new_length();
    if (n > limit) throw TooBig();
  }

  // ---- construction and access ----
  Str() = default;
  Str(const Str&) = default;
  Str& operator=(const Str&) = default;
  Str(Str&& o) noexcept : s(std::move(o.s)), null(o.null) { o.setNull(); }
  Str& operator=(Str&& o) noexcept {  // moving onto itself keeps the value
    if (this != &o) {
      s = std::move(o.s);
      null = o.null;
      o.setNull();
    }
    return *this;
  }
  explicit Str(std::string_view v) : s((need(v.size()), v)) {}
  std::string asStdString() const { return s; }
  std::string_view asStringView() const {
    return null ? std::string_view() : std::string_view(s);
  }
  const char* begin() const { return null ? nullptr : s.data(); }
  const char* end() const { return null ? nullptr : s.data() + s.size(); }
  explicit Str(const char* p) : null(p == nullptr) {
    if (p) s = p;
  }
  explicit Str(char c) : s(1, c) {}
  template <class N, class = std::enable_if_t<std::is_integral<N>::value>>
  explicit Str(N n) : s(std::to_string(n)) {}  // decimal text
  Str(const void* p, unsigned n, char pad) {
    need(n);
    std::size_t src = p ? strnlen(static_cast<const char*>(p), n) : 0;
    if (src) s.assign(static_cast<const char*>(p), src);
    s.append(n - src, pad);
  }
  static Str of(std::string text) {
    Str r;
    r.s = std::move(text);
    return r;
  }
  unsigned length() const { return static_cast<unsigned>(s.size()); }
  const char* cstr() const { return null ? nullptr : s.c_str(); }
  std::string text() const { return null ? std::string() : s.c_str(); }

  // ---- comparison, concatenation, streams, conversions ----
  static int cmp(const char* a, const char* b) {
    if (!a || !b) return (a != nullptr) - (b != nullptr);
    int r = std::strcmp(a, b);
    return (r > 0) - (r < 0);
  }
  // clang-format off
#define MODEL_REL(op)                                                         \
  friend bool operator op(const Str& a, const Str& b) { return cmp(a.cstr(), b.cstr()) op 0; } \
  friend bool operator op(const Str& a, const char* b) { return cmp(a.cstr(), b) op 0; } \
  friend bool operator op(const char* a, const Str& b) { return cmp(a, b.cstr()) op 0; } \
  static_assert(true, "")
  MODEL_REL(==); MODEL_REL(!=); MODEL_REL(<); MODEL_REL(<=); MODEL_REL(>); MODEL_REL(>=);
#undef MODEL_REL
  // clang-format on

  static Str add(const std::string& a, const std::string& b) {
    need(u64(a.size()) + b.size());
    return of(a + b);
  }
  friend Str operator+(const Str& a, const Str& b) { return add(a.s, b.s); }
  friend Str operator+(const Str& a, const char* b) {
    return add(a.s, b ? b : "");
  }
  friend Str operator+(const char* a, const Str& b) {
    return add(a ? a : "", b.s);
  }
  Str& operator+=(const Str& a) {
    if (a.null) return *this;
    need(u64(s.size()) + a.s.size());
    s += a.s;
    null = false;
    return *this;
  }
  Str& operator+=(const char* p) { return p ? *this += Str(p) : *this; }
  friend std::ostream& operator<<(std::ostream& o, const Str& a) {
    return a.null ? o : o << a.s.c_str();
  }
  // At most 1023 characters; the stream keeps getline's state flags.
  static Str lineFrom(std::istream& in, char delim = '\n') {
    char line[1024] = "";
    in.getline(line, sizeof line, delim);
    return Str(line);
  }
  Str asString() const { return *this; }
  long asInt() const { return null ? 0 : std::strtol(s.c_str(), nullptr, 10); }
  unsigned long asUnsigned() const {
    return null ? 0 : std::strtoul(s.c_str(), nullptr, 10);
  }
  double asDouble() const { return null ? 0 : std::strtod(s.c_str(), nullptr); }

  // ---- search and classification ----
  bool all(const char* set) const { return s.find_first_not_of(set) == npos; }
  bool isBinaryDigits() const { return all("01"); }
  bool isDigits() const { return all("0123456789"); }
  bool isHexDigits() const { return all("0123456789ABCDEFabcdef"); }
  // The first position from `start` (0 taken as 1) whose byte passes `hit`.
  template <class Hit>
  unsigned first(unsigned start, Hit hit) const {
    for (u64 i = start ? start : 1; i <= s.size(); ++i)
      if (hit(s[i - 1])) return unsigned(i);
    return 0;
  }
  unsigned indexOf(char c, unsigned start = 1) const {
    return first(start, [c](char x) { return x == c; });
  }
  unsigned indexOf(const char* p, unsigned start = 1) const {
    if (!p) return 0;
    std::size_t n = std::strlen(p);
    if (n == 1) return indexOf(p[0], start);
    u64 b = start ? start : 1;
    if (s.empty() || b > s.size() + 1) return 0;
    std::string t(s.c_str() + b - 1);  // the scan ends at a NUL byte
    if (n == 0) return unsigned(b + t.size());
    std::size_t r = t.find(p);
    return r == npos ? 0 : unsigned(b + r);
  }
  unsigned lastIndexOf(char c, unsigned end = 0xFFFFFFFFu) const {
    for (u64 i = end < s.size() ? end : s.size(); i >= 1; --i)
      if (s[i - 1] == c) return unsigned(i);
    return 0;
  }
  unsigned lastIndexOf(const char* p, unsigned end = 0xFFFFFFFFu) const {
    if (!p) return 0;
    std::size_t n = std::strlen(p);
    if (n == 1) return lastIndexOf(p[0], end);
    u64 e = end < s.size() ? end : s.size();
    if (n == 0) return unsigned(e + 1);
    if (e < n) return 0;
    std::size_t r = text().rfind(p, e - n);
    return r == npos ? 0 : unsigned(r + 1);
  }
  unsigned indexOfAnyBut(char c, unsigned start = 1) const {
    return first(start, [c](char x) { return x != c; });
  }
  unsigned indexOfAnyBut(const char* p, unsigned start = 1) const {
    if (!p) return 0;
    std::size_t n = std::strlen(p);
    if (n == 1) return indexOfAnyBut(p[0], start);
    return first(start, [&](char x) { return x && !std::memchr(p, x, n); });
  }
  unsigned occurrencesOf(char c, unsigned start = 1) const {
    unsigned count = 0;
    for (u64 i = start ? start : 1; i <= s.size(); ++i) count += s[i - 1] == c;
    return count;
  }

  // ---- sub-strings, indexing, padding and removal ----
  Str subString(unsigned start) const {
    u64 b = start ? start : 1;
    return b > s.size() ? Str("") : of(s.substr(b - 1));
  }
  Str subString(unsigned start, unsigned n, char pad = ' ') const {
    u64 b = start ? start : 1;
    if (b > s.size()) return Str("");
    need(n);
    std::string r = s.substr(b - 1, n);
    r.resize(n, pad);
    return of(r);
  }
  char& operator[](unsigned i) {
    u64 b = i ? i : 1;
    if (b > s.size()) {
      need(b);
      s.resize(b, ' ');
      null = false;
    }
    return s[b - 1];
  }
  const char& operator[](unsigned i) const {
    static const char nul = 0;
    u64 b = i ? i : 1;
    return b <= s.size() ? s[b - 1] : nul;
  }
  Str& remove(unsigned start) {
    u64 b = start ? start : 1;
    if (b <= s.size()) s.resize(b - 1);
    return *this;
  }
  Str& remove(unsigned start, unsigned n) {
    u64 b = start ? start : 1;
    if (b <= s.size() && n) s.erase(b - 1, n);
    return *this;
  }
  Str& leftJustify(unsigned n, char pad = ' ') {
    return justify(n, pad, false);
  }
  Str& rightJustify(unsigned n, char pad = ' ') {
    return justify(n, pad, true);
  }
  Str& justify(u64 n, char pad, bool right) {
    if (s.size() >= n) return *this;
    need(n);
    s.insert(right ? 0 : s.size(), n - s.size(), pad);
    null = false;
    return *this;
  }
  Str& overlayWith(const Str& a, unsigned index = 1, char pad = ' ') {
    if (index == 0) return *this;
    std::string over = a.s;  // the value at the call, also for *this
    justify(u64(index) + over.size() - 1, pad, false);
    s.replace(index - 1, over.size(), over);
    return *this;
  }
  static Str insert(const Str& a, const Str& ins, unsigned index = 0,
                    char pad = ' ') {
    Str r = a.subString(1, index, pad);
    r += ins;
    if (u64(index) + 1 <= a.s.size()) r += a.subString(index + 1);
    return r;
  }

  // ---- stripping and case ----
  template <class In>
  Str& stripIf(In in, bool lead, bool trail) {
    std::size_t b = 0, e = s.size();
    while (lead && b < e && in(static_cast<unsigned char>(s[b]))) ++b;
    while (trail && e > b && in(static_cast<unsigned char>(s[e - 1]))) --e;
    s = s.substr(b, e - b);
    return *this;
  }
  static bool space(unsigned char c) { return std::isspace(c) != 0; }
  Str& stripSet(const char* p, bool lead, bool trail) {
    if (!p) return *this;
    std::string set = p;
    return stripIf(
        [&](unsigned char c) { return c == 0 || set.find(char(c)) != npos; },
        lead, trail);
  }
  Str& strip() { return stripIf(space, true, true); }
  Str& strip(char c) {
    char set[2] = {c, 0};
    return stripSet(set, true, true);
  }
  Str& strip(const char* p) { return stripSet(p, true, true); }
  Str& stripLeading() { return stripIf(space, true, false); }
  Str& stripLeading(const char* p) { return stripSet(p, true, false); }
  Str& stripTrailing() { return stripIf(space, false, true); }
  Str& stripTrailing(const char* p) { return stripSet(p, false, true); }
  static Str stripBlanks(Str a) { return a.strip(); }
  static Str stripLeadingBlanks(Str a) { return a.stripLeading(); }
  static Str stripTrailingBlanks(Str a) { return a.stripTrailing(); }
  Str& fold(int (*f)(int)) {
    for (char& c : s) {
      if (c == 0) break;
      c = char(f(static_cast<unsigned char>(c)));
    }
    return *this;
  }
  Str& upperCase() { return fold(std::toupper); }
  Str& lowerCase() { return fold(std::tolower); }
  static Str upperCase(Str a) { return a.upperCase(); }
  static Str lowerCase(Str a) { return a.lowerCase(); }

  // ---- replacement ----
  static std::string arg(const Str& a) { return a.s; }
  static std::string arg(const char* p) { return p ? p : ""; }
  Str& replace(const std::string& in, const std::string& out, unsigned start,
               unsigned limit_count) {
    u64 b = start ? start : 1;
    // An input string holding a NUL byte matches nothing: the searched text
    // ends at its first NUL byte.
    if (s.empty() || in.empty() || b > s.size() || in.find('\0') != npos)
      return *this;
    std::size_t end = s.find('\0', b - 1);
    if (end == npos) end = s.size();
    std::vector<std::size_t> hits;
    for (std::size_t at = b - 1; hits.size() < limit_count; at += in.size()) {
      at = s.find(in, at);
      if (at == npos || at + in.size() > end) break;
      hits.push_back(at);
    }
    if (hits.empty()) return *this;
    need(u64(s.size()) + hits.size() * out.size() - hits.size() * in.size());
    std::string r;
    std::size_t from = 0;
    for (std::size_t h : hits) {
      r.append(s, from, h - from).append(out);
      from = h + in.size();
    }
    s = r.append(s, from, npos);
    return *this;
  }
  template <class A, class B>
  Str& change(const A& in, const B& out, unsigned start = 1,
              unsigned n = 0xFFFFFFFFu) {
    return replace(arg(in), arg(out), start, n);
  }
  template <class A, class B>
  Str& translate(const A& in, const B& out, char = ' ') {
    return replace(arg(in), arg(out), 1, 0xFFFFFFFFu);
  }
  // The static form, the texts Str or const char* (never a number).
  template <class A, class B,
            class = std::enable_if_t<!std::is_arithmetic<B>::value>>
  static Str change(Str a, const A& in, const B& out, unsigned start = 1,
                    unsigned n = 0xFFFFFFFFu) {
    return a.change(in, out, start, n);
  }

  // ---- words ----
  std::vector<std::pair<std::size_t, std::size_t>> split() const {
    static const char* const delim = " \n\r\t\v\f";
    std::string t = text();
    std::vector<std::pair<std::size_t, std::size_t>> w;
    for (std::size_t i = t.find_first_not_of(delim); i != npos;
         i = t.find_first_not_of(delim, i)) {
      std::size_t e = std::min(t.find_first_of(delim, i), t.size());
      w.emplace_back(i, e - i);
      i = e;
    }
    return w;
  }
  Str words(unsigned first, unsigned n) const {
    auto w = split();
    u64 last = std::min<u64>(u64(first) + n - 1, w.size());
    if (first == 0 || n == 0 || first > w.size()) return Str("");
    std::size_t b = w[first - 1].first;
    return of(s.substr(b, w[last - 1].first + w[last - 1].second - b));
  }
  Str words(unsigned first) const { return words(first, 0xFFFFFFFFu); }
  Str word(unsigned n) const { return words(n, 1); }
  unsigned indexOfWord(unsigned n) const {
    auto w = split();
    return n == 0 || n > w.size() ? 0 : unsigned(w[n - 1].first + 1);
  }
  unsigned lengthOfWord(unsigned n) const { return word(n).length(); }
  unsigned numWords() const { return unsigned(split().size()); }

  // ---- radix conversions ----
  Str& setNull() {
    s.clear();
    null = true;
    return *this;
  }
  Str& set(const std::string& r) {
    s = r;
    null = false;
    return *this;
  }
  static int hex(char c) {
    return std::isdigit(static_cast<unsigned char>(c))
               ? c - '0'
               : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
  }
  std::uint32_t value(int radix) const {  // modulo 2^32
    std::uint32_t v = 0;
    for (char c : s)
      v = radix == 256 ? v * 256u + static_cast<unsigned char>(c)
                       : v * unsigned(radix) + unsigned(hex(c));
    return v;
  }
  // v's digits in radix 2 or 16, or its bytes for 256, without leading
  // zeros: one digit for 0. At least `width` digits, zeros in front.
  static std::string digits(std::uint32_t v, unsigned radix, u64 width = 1) {
    std::string r;
    do {
      r.insert(r.begin(),
               radix == 256 ? char(v & 255) : "0123456789ABCDEF"[v % radix]);
    } while ((v /= radix) != 0);
    return std::string(width > r.size() ? width - r.size() : 0, '0') + r;
  }
  Str& fromBinary(unsigned width) {  // groups of `width` binary digits
    if (s.empty() || !isBinaryDigits()) return setNull();
    need((u64(s.size()) + width - 1) / width);
    const std::string bits =
        std::string((width - s.size() % width) % width, '0') + s;
    std::string r;
    for (std::size_t i = 0; i < bits.size(); i += width)
      r += digits(of(bits.substr(i, width)).value(2), width == 8 ? 256 : 16);
    return set(r);
  }
  Str& fromDecimal(unsigned radix) {
    return s.empty() || !isDigits() ? setNull() : set(digits(value(10), radix));
  }
  // Each byte (each digit for x2b) as `per` digits in radix 16 or 2.
  Str& expand(bool valid, unsigned per, unsigned radix, bool hexDigits) {
    if (s.empty() || !valid) return setNull();
    need(per * u64(s.size()));
    std::string r;
    for (char c : s)
      r += digits(hexDigits ? hex(c) : static_cast<unsigned char>(c), radix,
                  per);
    return set(r);
  }
  Str& b2c() { return fromBinary(8); }
  Str& b2x() { return fromBinary(4); }
  Str& b2d() {
    return s.empty() || !isBinaryDigits() ? setNull()
                                          : set(std::to_string(value(2)));
  }
  Str& c2b() { return expand(true, 8, 2, false); }
  Str& c2x() { return expand(true, 2, 16, false); }
  Str& c2d() { return s.empty() ? setNull() : set(std::to_string(value(256))); }
  Str& d2b() { return fromDecimal(2); }
  Str& d2x() { return fromDecimal(16); }
  Str& d2c() { return fromDecimal(256); }
  Str& x2b() { return expand(isHexDigits(), 4, 2, true); }
  Str& x2c() {
    if (s.empty()) return *this;
    if (!isHexDigits()) return set("");
    std::string d = s.size() % 2 ? "0" + s : s, r;
    for (std::size_t i = 0; i < d.size(); i += 2)
      r += char(hex(d[i]) * 16 + hex(d[i + 1]));
    return set(r);
  }
  Str& x2d() {
    return s.empty() || !isHexDigits() || s.size() > 8
               ? setNull()
               : set(std::to_string(value(16)));
  }
#define MODEL_STATIC(name) \
  static Str name(Str a) { return a.name(); }
  // clang-format off
  MODEL_STATIC(b2c); MODEL_STATIC(b2d); MODEL_STATIC(b2x); MODEL_STATIC(c2b);
  MODEL_STATIC(c2d); MODEL_STATIC(c2x); MODEL_STATIC(d2b); MODEL_STATIC(d2c);
  MODEL_STATIC(d2x); MODEL_STATIC(x2b); MODEL_STATIC(x2c); MODEL_STATIC(x2d);
  // clang-format on
#undef MODEL_STATIC
};

// The C helpers of lexcext.h: comparisons give -1, 0 or 1.
namespace c {
inline int sign(int v) { return (v > 0) - (v < 0); }
// Compares at most n bytes folded by `fold`; `text`: up to a terminator
// that both reach.
inline int compare(const void* x, const void* y, u64 n, int (*fold)(int),
                   bool text) {
  const auto *a = static_cast<const unsigned char*>(x),
             *b = static_cast<const unsigned char*>(y);
  for (u64 i = 0; i < n; ++i)
    if (fold(a[i]) != fold(b[i]) || (text && a[i] == 0))
      return sign(fold(a[i]) - fold(b[i]));
  return 0;
}
inline int strcmpi(const char* a, const char* b) {
  return compare(a, b, ~u64{0}, std::tolower, true);
}
inline int strnicmp(const char* a, const char* b, int n) {
  return n <= 0 ? 0 : compare(a, b, u64(n), std::toupper, true);
}
inline int memicmp(const void* a, const void* b, unsigned n) {
  return compare(a, b, n, std::tolower, false);
}
// strrev, strlwr and strupr of the bytes `s`: up to its first NUL byte.
inline std::string strrev(std::string s) {
  std::reverse(s.begin(), s.begin() + std::min(s.find('\0'), s.size()));
  return s;
}
inline std::string strlwr(std::string s) { return Str::of(s).lowerCase().s; }
inline std::string strupr(std::string s) { return Str::of(s).upperCase().s; }
// itoa's text, or "???" for a radix other than 8, 10 and 16.
inline std::string itoa(int value, int radix) {
  char b[16] = "???";
  if (radix == 8 || radix == 10 || radix == 16)
    std::snprintf(b, sizeof b,
                  radix == 8    ? "%o"
                  : radix == 10 ? "%d"
                                : "%x",
                  value);
  return b;
}
}  // namespace c

}  // namespace model

#endif  // MORVEK_TESTS_MODEL_ISTRING_MODEL_HPP_
