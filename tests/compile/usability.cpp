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
  if (!ok) std::printf("FAILED: %s\n", what), ++failures;
}
#define CHECK(x) check((x), #x)

int main() {
  IString s = "abc";
  const IString t("abd");
  IString n = 42;
  CHECK(s == "abc");
  CHECK("abc" < t);
  CHECK(s != t && s < t && t > s && s <= t && t >= s);
  CHECK(s + "x" == "abcx");
  CHECK("x" + s == "xabc");
  CHECK(s + t == "abcabd");
  s += t;
  CHECK(s == "abcabd");
  s += "x";
  CHECK(s == "abcabdx");
  CHECK(n == "42" && n.length() == 2);

  std::ostringstream out;
  out << s;
  std::cout << n << '\n';
  CHECK(out.str() == "abcabdx");

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
  CHECK(c == 'a' && d == 'b' && e == 'b' && f == 'b' && g == 'a');
  CHECK(s == "xycabdx" && m == "xyzabdx");

  IString w = "  Hello  ";
  CHECK(w.strip().upperCase() == "HELLO");
  CHECK(w.indexOf('L') == 3 && w.indexOf("LL") == 3 && w.lastIndexOf("L") == 4);
  CHECK(IString::insert(w, "x", 1) == "HxELLO" && w.subString(2, 3) == "ELL");

  char buffer[12];
  CHECK(std::strcmp(itoa(255, buffer, 16), "ff") == 0);
  CHECK(strcmpi("Hello", "hELLO") == 0);

  // Standard-library interop: std::string in and out, moves, containers,
  // range-for and hashing.
  const std::string with_nul("a\0b", 3);
  IString from_std = with_nul;
  IString direct(std::string("xyz"));
  CHECK(from_std.length() == 3 && from_std == "a" && direct == "xyz");
  CHECK(direct == std::string("xyz") && std::string("xy") < direct);
  CHECK((direct + std::string("!")) == "xyz!");
  CHECK(from_std.asStdString() == with_nul);
  IString moved = std::move(direct);
  CHECK(moved == "xyz" && static_cast<char*>(direct) == nullptr);
  direct = std::move(moved);
  std::swap(direct, m);
  CHECK(direct == "xyzabdx" && m == "xyz");
  std::vector<IString> list;
  list.push_back(IString("b"));
  list.emplace_back("a");
  list.push_back(with_nul);
  std::sort(list.begin(), list.end());
  CHECK(list[0] == "a" && list[2] == "b");
  std::unordered_set<IString> set(list.begin(), list.end());
  CHECK(set.size() == 2 && set.count("b") == 1);
  unsigned x_count = 0;
  for (char ch : s) x_count += ch == 'x';
  CHECK(x_count == 2 && std::count(s.begin(), s.end(), 'y') == 1);
#if __cplusplus >= 201703L
  const std::string_view view("v\0w", 3);
  IString from_view = view;
  CHECK(from_view.length() == 3 && from_view.asStringView() == view);
  CHECK(from_view == std::string_view("v") && IString(view) != "w");
#endif

  if (failures == 0) std::printf("usability checks passed\n");
  return failures == 0 ? 0 : 1;
}
