// Ordinary expressions that callers write must compile without ambiguity in
// every standard from C++11 on, with -Wall -Wextra -Werror, and give the
// expected results.
#include <lexcext.h>
#include <istring.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>
#if __cplusplus >= 201703L
#include <string_view>
#endif

static int failures = 0;

static void check(bool ok, const char* what) {
  if (!ok) {
    std::printf("FAILED: %s\n", what);
    ++failures;
  }
}

int main() {
  IString s = "abc";
  const IString t("abd");
  IString n = 42;
  check(s == "abc", "s == \"abc\"");
  check("abc" < t, "\"abc\" < t");
  check(s != t && s < t && t > s && s <= t && t >= s, "relational");
  check(s + "x" == "abcx", "s + \"x\"");
  check("x" + s == "xabc", "\"x\" + s");
  check(s + t == "abcabd", "s + t");
  s += t;
  check(s == "abcabd", "s += t");
  s += "x";
  check(s == "abcabdx", "s += \"x\"");
  check(n == "42" && n.length() == 2, "IString n = 42");

  std::ostringstream out;
  out << s;
  std::cout << n << '\n';
  check(out.str() == "abcabdx", "stream output");

  char c = s[1];
  char f = s[2u];
  const char d = t[2];
  const char e = t[2u];
  const IString& r = s;
  char g = r[1];
  s[1] = 'x';
  s[2u] = 'y';
  IString m = s;
  m[int(3)] = 'z';
  check(c == 'a' && d == 'b' && e == 'b' && f == 'b' && g == 'a',
        "operator[] reads");
  check(s == "xycabdx" && m == "xyzabdx", "operator[] writes");

  IString w = "  Hello  ";
  check(w.strip().upperCase() == "HELLO", "strip().upperCase()");
  check(w.indexOf('L') == 3 && w.indexOf("LL") == 3 && w.lastIndexOf("L") == 4,
        "searches");
  check(IString::insert(w, "x", 1) == "HxELLO" && w.subString(2, 3) == "ELL",
        "insert, subString");

  char buffer[12];
  check(std::strcmp(itoa(255, buffer, 16), "ff") == 0, "itoa");
  check(strcmpi("Hello", "hELLO") == 0, "strcmpi");

  // Standard-library interop: std::string in and out, moves, containers,
  // range-for and hashing.
  const std::string with_nul("a\0b", 3);
  IString from_std = with_nul;
  IString direct(std::string("xyz"));
  check(from_std.length() == 3 && from_std == "a" && direct == "xyz",
        "IString from std::string");
  check(direct == std::string("xyz") && std::string("xy") < direct,
        "comparison with std::string");
  check((direct + std::string("!")) == "xyz!", "direct + std::string");
  check(from_std.asStdString() == with_nul, "asStdString()");
  IString moved = std::move(direct);
  check(moved == "xyz" && static_cast<char*>(direct) == nullptr, "move");
  direct = std::move(moved);
  std::swap(direct, m);
  check(direct == "xyzabdx" && m == "xyz", "swap");
  std::vector<IString> list;
  list.push_back(IString("b"));
  list.emplace_back("a");
  list.push_back(with_nul);
  std::sort(list.begin(), list.end());
  check(list[0] == "a" && list[2] == "b", "vector and sort");
  std::unordered_set<IString> set(list.begin(), list.end());
  check(set.size() == 2 && set.count("b") == 1, "unordered_set");
  unsigned x_count = 0;
  for (char ch : s) x_count += ch == 'x';
  check(x_count == 2 && std::count(s.begin(), s.end(), 'y') == 1,
        "range-for and algorithms");
#if __cplusplus >= 201703L
  const std::string_view view("v\0w", 3);
  IString from_view = view;
  check(from_view.length() == 3 && from_view.asStringView() == view,
        "string_view in and out");
  check(from_view == std::string_view("v") && IString(view) != "w",
        "comparison with std::string_view");
#endif

  if (failures == 0) std::printf("usability checks passed\n");
  return failures == 0 ? 0 : 1;
}
