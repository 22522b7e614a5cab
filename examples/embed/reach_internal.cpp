// Must not compile in a program that uses morvek: the header named by
// MORVEK_INTERNAL_HEADER is one of morvek's internal ones, which are not on
// such a program's include path.
#include MORVEK_INTERNAL_HEADER

int main() { return 0; }
