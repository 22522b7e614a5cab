// Ordinary expressions that callers write must compile without ambiguity in
// every standard from C++11 on, with -Wall -Wextra -Werror, and give the
// expected results: literals, numbers, std::string and std::string_view on
// either side of the operators, and the standard containers and algorithms.
#include <lexcext.h>
#include <istring.hpp>

#include <algorithm>
#include <cstdio>
#include <unordered_set>
#include <vector>

int main() {
  IString s = "abc", n = 42;
  const IString t("abd");
  const std::string with_nul("a\0b", 3);
  IString from_std = with_nul;
  bool ok = s == "abc" && "abc" < t && n == "42" && s != t && t >= s &&
            s + "x" == "abcx" && "x" + s == "xabc" && s[1] == 'a' &&
            t[2u] == 'b' && from_std.asStdString() == with_nul &&
            (from_std + std::string("!")).length() == 4;
  (s += t) += "x";
  s[1] = 'x';
  std::swap(s, from_std);
  std::vector<IString> list = {"b", "a", from_std};
  std::sort(list.begin(), list.end());
  std::unordered_set<IString> set(list.begin(), list.end());
  for (char& ch : s) ch = 'q';
  char buffer[12];
  ok = ok && list[0] == "a" && set.size() == 3 && set.count("b") == 1 &&
       std::count(s.begin(), s.end(), 'q') == 3 &&
       strcmpi(itoa(255, buffer, 16), "FF") == 0 &&
       IString::change(t, "b", "xy") == "axyd" &&
       IString::change(t, IString("d"), "!") == "ab!" &&
       IString::change(t, "a", IString()) == "bd" &&
       IString::change(t, std::string("d"), "e", 1, 1) == "abe" &&
       IString::change("0a0", 0, "z") == "zaz";  // 0 is the number
#if __cplusplus >= 201703L
  const std::string_view view("v\0w", 3);
  IString from_view = view;
  ok = ok && from_view.asStringView() == view &&
       from_view == std::string_view("v");
#endif
  std::printf("usability checks %s\n", ok ? "passed" : "FAILED");
  return ok ? 0 : 1;
}
