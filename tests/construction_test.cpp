// Construction, assignment and access: what the model's driver cannot see
// (every constructor type, buffer addresses, the conversion operators).
#include <climits>
#include <cstring>
#include <memory>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

#include "test_util.hpp"

TEST(IString, ConstructsFromEveryArgumentType) {
  const unsigned char text[] = {'h', 0xE9, 0}, *none_unsigned = nullptr;
  const signed char* const none_signed = nullptr;
  // clang-format off
  expectExamples({
      {IString(), ""}, {IString(text), "h\xE9"}, {IString(none_signed), kNull},
      {IString(reinterpret_cast<const signed char*>(text)), "h\xE9"},
      {IString(none_unsigned), kNull}, {IString('\0'), lit("\0")},
      {IString((unsigned char)0xFF), "\xFF"}, {IString(-42), "-42"},
      {IString(4294967295u), "4294967295"}, {IString((short)-32768), "-32768"},
      {IString((unsigned short)65535), "65535"}, {IString(0.1), "0.1"},
      {IString(LONG_MIN), "-9223372036854775808"}, {IString(-0.0), "-0"},
      {IString(ULONG_MAX), "18446744073709551615"},
      {IString(100000.0), "1e+05"}, {IString("abc", 5, '*'), "abc**"},
      {IString("a\0b", 3, '.'), "a.."}, {IString(lit("a\0b")), lit("a\0b")}});
  // clang-format on
}

// The fixed-width constructor reads its buffer only up to the first NUL
// byte: the buffer may be shorter than the width (AddressSanitizer checks
// each width, short and long, against a buffer of exactly its text).
TEST(IString, FixedWidthStopsReadingAtTheNul) {
  for (unsigned n : {0u, 1u, 7u, 15u, 16u, 17u, 40u, 64u}) {
    const std::unique_ptr<char[]> text(new char[n + 1]);
    std::memset(text.get(), 'x', n);
    text[n] = '\0';
    for (unsigned width : {n + 1, n + 16, n + 47, 200u})
      EXPECT_EQ(IString(text.get(), width, '.').asStdString(),
                std::string(n, 'x') + std::string(width - n, '.'))
          << n << " in " << width;
  }
}

// The same at the edges of memory: a text whose NUL byte is the last byte
// before an unmapped page, at every offset from the block that holds it,
// with NUL bytes before the text that must not count.
TEST(IString, FixedWidthReadsNothingPastTheLastPage) {
  const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  void* const map = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(map, MAP_FAILED);
  char* const end = static_cast<char*>(map) + page;
  ASSERT_EQ(mprotect(end, page, PROT_NONE), 0);
  for (unsigned n = 0; n <= 70; ++n) {
    std::memset(end - 80, '\0', 80);
    std::memset(end - 1 - n, 'x', n);
    for (unsigned width : {n + 1, n + 9, n + 33, 100u})
      EXPECT_EQ(IString(end - 1 - n, width, '.').asStdString(),
                std::string(n, 'x') + std::string(width - n, '.'))
          << n << " in " << width;
  }
  munmap(map, 2 * page);
}

// Copies own a buffer of their own: a write to one never shows in another;
// a move takes the buffer and leaves the null string.
TEST(OperatorAssign, CopiesOwnTheirBufferMovesTakeIt) {
  const IString a(lit("a\0b"));
  IString c(a), d("a longer old value"), &self = c;
  d = a;
  c = self;  // self-assignment changes nothing
  for (IString* copy : {&c, &d}) {
    EXPECT_EQ(bytes(*copy), lit("a\0b"));
    EXPECT_NE(bufferOf(*copy), bufferOf(a));
    (*copy)[1] = 'Z';
  }
  const char* buffer = d;
  IString moved(std::move(d)), target("old value"), &alias = target;
  target = std::move(moved);
  target = std::move(alias);  // onto itself: keeps the value
  EXPECT_EQ(bufferOf(target), buffer);
  expectExamples({{target, lit("Z\0b")}, {d, kNull}, {moved, kNull}});
}

// operator char*, begin and end, asStdString and asStringView all give the
// buffer itself; writes never change the length.
TEST(BeginEndAsStringView, ShareTheBuffer) {
  IString s(lit("a\0c"));
  char* p = s;
  signed char* ps = s;
  unsigned char* pu = s;
  EXPECT_TRUE(static_cast<void*>(ps) == p && static_cast<void*>(pu) == p);
  EXPECT_TRUE(s.begin() == p && s.end() == p + 3 && s.size() == 3);
  for (char& c : s) c = c ? static_cast<char>(c - 'a' + 'A') : '-';
  p[1] = '\0';
  EXPECT_EQ(s.asStdString(), lit("A\0C"));
#if __cplusplus >= 201703L
  EXPECT_TRUE(s.asStringView().data() == p && s.asStringView().size() == 3);
  EXPECT_EQ(bytes(IString(std::string_view(p, 3))), lit("A\0C"));
#endif
}
