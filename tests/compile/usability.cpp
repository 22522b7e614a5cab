// Ordinary expressions that callers write must compile without ambiguity in
// every standard from C++11 on, with -Wall -Wextra -Werror, and give the
// expected results.
#include <lexcext.h>
#include <istring.hpp>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>

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

  if (failures == 0) std::printf("usability checks passed\n");
  return failures == 0 ? 0 : 1;
}
