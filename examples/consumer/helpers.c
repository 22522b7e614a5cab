/* A C program that uses only the helpers of an installed morvek:
 *   cc helpers.c $(pkg-config --cflags --libs morvek) -o helpers */
#include <lexcext.h>

#include <stdio.h>
#include <string.h>

int main(void) {
  char name[] = "Morvek";
  char number[12];
  int ok = strcmpi(name, "MORVEK") == 0 && strnicmp(name, "MORE", 3) == 0 &&
           memicmp("X\0y", "x\0Y", 3) == 0;
  ok = ok && strcmp(strupr(name), "MORVEK") == 0;
  ok = ok && strcmp(strrev(strlwr(name)), "kevrom") == 0;
  ok = ok && strcmp(itoa(-255, number, 10), "-255") == 0 &&
       strcmp(itoa(255, number, 16), "ff") == 0;
  printf("%s %s (%s)\n", name, number, ok ? "ok" : "WRONG");
  return ok ? 0 : 1;
}
