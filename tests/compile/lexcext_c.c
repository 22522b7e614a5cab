/* lexcext.h as plain C: the helpers link under their plain names. */
#include <lexcext.h>

#include <stdio.h>
#include <string.h>

int main(void) {
  char text[] = "MiXeD 123";
  char buffer[12];
  int failures = 0;
  if (strcmpi("Hello", "hELLO") != 0) ++failures;
  if (strnicmp("abc", "ABD", 3) != -1) ++failures;
  if (memicmp("A\0b", "a\0B", 3) != 0) ++failures;
  if (strcmp(strlwr(text), "mixed 123") != 0) ++failures;
  if (strcmp(strupr(text), "MIXED 123") != 0) ++failures;
  if (strcmp(strrev(text), "321 DEXIM") != 0) ++failures;
  if (strcmp(itoa(-1, buffer, 8), "37777777777") != 0) ++failures;
  if (failures != 0) {
    printf("%d C helper checks failed\n", failures);
    return 1;
  }
  printf("C helper checks passed\n");
  return 0;
}
