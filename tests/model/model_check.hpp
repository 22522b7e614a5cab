// model_check.hpp: comparing IString with the model of istring_model.hpp.

#ifndef MORVEK_TESTS_MODEL_MODEL_CHECK_HPP_
#define MORVEK_TESTS_MODEL_MODEL_CHECK_HPP_

#include <cstdio>
#include <string>
#include <type_traits>

#include "istring.hpp"
#include "istring_model.hpp"

namespace model {

inline std::string show(const Str& s) {
  return s.null ? "null" : "'" + s.s + "'";
}
inline std::string show(const IString& s) {
  const char* p = s;
  if (p == nullptr) return s.length() == 0 ? "null" : "null with a length";
  if (p[s.length()] != '\0') return "unterminated";
  return "'" + std::string(p, s.length()) + "'";
}
// Same null-ness, length, bytes and terminator.
inline bool same(const Str& m, const IString& s) {
  const char* p = s;
  if (m.null || p == nullptr) return m.null && p == nullptr && s.length() == 0;
  return m.s.size() == s.length() && p[s.length()] == '\0' &&
         std::memcmp(m.s.data(), p, m.s.size()) == 0;
}
inline std::string show(double d) {
  char b[40];
  std::snprintf(b, sizeof b, "%a", d);
  return b;
}
template <class N, class = std::enable_if_t<std::is_integral<N>::value>>
std::string show(N n) {
  return std::to_string(n);
}

template <class T, class N>
T number(N n) {
  if constexpr (std::is_same<T, Str>::value)
    return Str::of(std::to_string(n));
  else
    return T(n);
}

// An IString holding the model's value, inner NUL bytes included.
inline IString toIString(const Str& m) {
  if (m.null) return IString(static_cast<const char*>(nullptr));
  IString r("");
  for (char c : m.s) r += IString(c);
  return r;
}

}  // namespace model

#endif  // MORVEK_TESTS_MODEL_MODEL_CHECK_HPP_
