// interpose_test.cpp: this program defines strupr and strlwr of its own,
// which write nonsense, and exports them (ENABLE_EXPORTS), as a program or
// an earlier-loaded library may. The dynamic linker then resolves every
// interposable reference to these names to the program's definitions; the
// library's case changes must still be right, since they run through the
// library's own kernels.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <istring.hpp>

#include <cstring>
#include <string>

extern "C" {

// Both replace every byte before the terminator by '#'.
char* strupr(char* string) {
  for (char* p = string; *p != '\0'; ++p) *p = '#';
  return string;
}

char* strlwr(char* string) {
  for (char* p = string; *p != '\0'; ++p) *p = '#';
  return string;
}

}  // extern "C"

namespace {

using CaseFunction = char* (*)(char*);

std::string text(const IString& s) {
  const char* p = s;
  return p ? std::string(p, s.length()) : std::string("<null>");
}

IString bytes(const std::string& s) {
  IString r("");
  for (std::size_t i = 0; i < s.size(); ++i) r[i + 1] = s[i];
  return r;
}

// The program's definitions are the ones the dynamic linker gives out for
// these names: a call through the library's exports would reach them.
TEST(Interposition, ProgramDefinitionsWinSymbolLookup) {
  EXPECT_EQ(reinterpret_cast<void*>(&strupr), dlsym(RTLD_DEFAULT, "strupr"));
  EXPECT_EQ(reinterpret_cast<void*>(&strlwr), dlsym(RTLD_DEFAULT, "strlwr"));
  char word[] = "Word";
  EXPECT_STREQ(strupr(word), "####");
}

TEST(Interposition, MemberCaseChangesUseTheLibraryKernels) {
  IString s("Hello, World 42");
  EXPECT_EQ(text(s.upperCase()), "HELLO, WORLD 42");
  EXPECT_EQ(text(s.lowerCase()), "hello, world 42");
  const IString mixed("MiXeD cAsE");
  EXPECT_EQ(text(IString::upperCase(mixed)), "MIXED CASE");
  EXPECT_EQ(text(IString::lowerCase(mixed)), "mixed case");
  EXPECT_EQ(text(mixed), "MiXeD cAsE");
}

TEST(Interposition, LongAndEmbeddedNulTexts) {
  // Long enough for the vector path; the case change stops at the NUL byte.
  const std::string head(100, 'q');
  IString s = bytes(head + std::string("\0Tail", 5));
  s.upperCase();
  EXPECT_EQ(text(s), std::string(100, 'Q') + std::string("\0Tail", 5));
  s.lowerCase();
  EXPECT_EQ(text(s), head + std::string("\0Tail", 5));
}

// The library's own exported strupr and strlwr, looked up in morvek.so
// itself, run the same kernels.
TEST(Interposition, LibraryExportsStillCorrect) {
  void* library = dlopen("morvek.so", RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(library, nullptr) << dlerror();
  const auto upper = reinterpret_cast<CaseFunction>(dlsym(library, "strupr"));
  const auto lower = reinterpret_cast<CaseFunction>(dlsym(library, "strlwr"));
  ASSERT_NE(upper, nullptr);
  ASSERT_NE(lower, nullptr);
  EXPECT_NE(reinterpret_cast<void*>(upper), reinterpret_cast<void*>(&strupr));
  char word[] = "MiXeD 1";
  EXPECT_STREQ(upper(word), "MIXED 1");
  EXPECT_STREQ(lower(word), "mixed 1");
  dlclose(library);
}

}  // namespace
