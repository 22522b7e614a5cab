// interpose_test.cpp: this program exports strupr and strlwr of its own,
// which write nonsense, as a program or an earlier-loaded library may. The
// dynamic linker resolves every interposable reference to these names to
// them; IString's case changes and the library's own exports must still be
// right, since they run the library's kernels.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <istring.hpp>

#include <string>

extern "C" {
char* strupr(char* string) {  // every byte before the terminator to '#'
  for (char* p = string; *p != '\0'; ++p) *p = '#';
  return string;
}
char* strlwr(char* string) { return strupr(string); }
}  // extern "C"

namespace {

using CaseFunction = char* (*)(char*);

std::string text(const IString& s) { return std::string(s, s.length()); }

TEST(Interposition, ProgramDefinitionsWinSymbolLookup) {
  EXPECT_EQ(reinterpret_cast<void*>(&strupr), dlsym(RTLD_DEFAULT, "strupr"));
  EXPECT_EQ(reinterpret_cast<void*>(&strlwr), dlsym(RTLD_DEFAULT, "strlwr"));
}

// Short texts and one long enough for the vector path, with a NUL byte.
TEST(Interposition, CaseChangesUseTheLibraryKernels) {
  const std::string tail("\0Tail", 5), head(100, 'q');
  IString s(head + tail);
  EXPECT_EQ(text(s.upperCase()), std::string(100, 'Q') + tail);
  EXPECT_EQ(text(s.lowerCase()), head + tail);
  const IString mixed("MiXeD cAsE");
  EXPECT_EQ(text(IString::upperCase(mixed)), "MIXED CASE");
  EXPECT_EQ(text(IString::lowerCase(mixed)), "mixed case");
  void* library = dlopen("morvek.so", RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(library, nullptr) << dlerror();
  const auto upper = reinterpret_cast<CaseFunction>(dlsym(library, "strupr"));
  const auto lower = reinterpret_cast<CaseFunction>(dlsym(library, "strlwr"));
  ASSERT_TRUE(upper && lower && upper != &strupr);
  char word[] = "MiXeD 1";
  EXPECT_STREQ(upper(word), "MIXED 1");
  EXPECT_STREQ(lower(word), "mixed 1");
  dlclose(library);
}

}  // namespace
