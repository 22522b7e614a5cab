// Ordinary expressions that callers write must compile without ambiguity in
// every standard from C++11 on, with -Wall -Wextra -Werror, and give the
// expected results.
#include <lexcext.h>
#include <istring.hpp>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <unordered_set>
#include <utility>
#include <vector>

static int failures = 0;
#define CHECK(x) \
  if (!(x)) std::printf("FAILED: %s\n", #x), ++failures

int main() {
  IString s = "abc", n = 42;
  const IString t("abd");
  CHECK(s == "abc" && "abc" < t && n == "42" && s != t && t >= s);
  CHECK(s + "x" == "abcx" && "x" + s == "xabc" && s + t == "abcabd");
  (s += t) += "x";
  std::ostringstream out;
  out << s;
  CHECK(out.str() == "abcabdx");
  // Indexing with int and unsigned, const and not.
  const char c = s[1], d = t[2u];
  s[1] = 'x';
  s[2u] = 'y';
  CHECK(c == 'a' && d == 'b' && s == "xycabdx");
  IString w = "  Hello  ";
  CHECK(w.strip().upperCase() == "HELLO" && w.indexOf("LL") == 3);
  CHECK(IString::insert(w, "x", 1) == "HxELLO" && w.subString(2, 3) == "ELL");
  char buffer[12];
  CHECK(strcmpi(itoa(255, buffer, 16), "FF") == 0);
  // Standard-library interop: std::string in and out, moves, containers,
  // range-for and hashing.
  const std::string with_nul("a\0b", 3);
  IString from_std = with_nul, moved = std::move(w);
  CHECK(from_std.asStdString() == with_nul &&
        (from_std + std::string("!")).length() == 4);
  std::swap(moved, from_std);
  CHECK(from_std == "HELLO" && moved.length() == 3 && w.length() == 0);
  std::vector<IString> list = {"b", "a", moved};
  std::sort(list.begin(), list.end());
  std::unordered_set<IString> set(list.begin(), list.end());
  CHECK(list[0] == "a" && set.size() == 2 && set.count("b") == 1);
  for (char& ch : s) ch = 'q';
  CHECK(std::count(s.begin(), s.end(), 'q') == 7);
#if __cplusplus >= 201703L
  const std::string_view view("v\0w", 3);
  IString from_view = view;
  CHECK(from_view.asStringView() == view && from_view == std::string_view("v"));
#endif
  if (failures == 0) std::printf("usability checks passed\n");
  return failures == 0 ? 0 : 1;
}
