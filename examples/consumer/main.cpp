// A small program built against an installed morvek.
#include <lexcext.h>
#include <istring.hpp>

#include <iostream>

int main() {
  IString greeting("Hello");
  greeting += ", world";
  char buffer[12];
  const bool ok = greeting.length() == 12 && greeting == "Hello, world" &&
                  strcmpi(greeting, "HELLO, WORLD") == 0 &&
                  IString(itoa(255, buffer, 16)) == "ff";
  std::cout << greeting << (ok ? " (ok)" : " (WRONG)") << '\n';
  return ok ? 0 : 1;
}
