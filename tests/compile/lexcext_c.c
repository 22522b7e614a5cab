/* lexcext.h as plain C: the helpers link under their plain names. */
#include <lexcext.h>

#include <stdio.h>
#include <string.h>

int main(void) {
  char text[] = "MiXeD 123", buffer[12];
  const int ok = strcmpi("Hello", "hELLO") == 0 &&
                 strnicmp("abc", "ABD", 3) == -1 &&
                 memicmp("A\0b", "a\0B", 3) == 0 &&
                 strcmp(strlwr(text), "mixed 123") == 0 &&
                 strcmp(strupr(text), "MIXED 123") == 0 &&
                 strcmp(strrev(text), "321 DEXIM") == 0 &&
                 strcmp(itoa(-1, buffer, 8), "37777777777") == 0;
  printf("C helper checks %s\n", ok ? "passed" : "FAILED");
  return ok ? 0 : 1;
}
