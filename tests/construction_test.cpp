// Construction, assignment and access: what the model's driver cannot see
// (every constructor type, buffer addresses, the conversion operators).
#include <climits>
#include <cstring>
#include <memory>
#include <utility>

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

// The same at the edge of memory: a text whose NUL byte is the last byte
// before an unmapped page, at every offset from the vector that holds it.
TEST(IString, FixedWidthReadsNothingPastTheLastPage) {
  PageEnd page;
  for (unsigned n = 0; n <= 70; ++n) {
    const char* const text = page.textAtEnd(std::string(n, 'x'));
    for (unsigned width : {n + 1, n + 9, n + 33, 100u})
      EXPECT_EQ(IString(text, width, '.').asStdString(),
                std::string(n, 'x') + std::string(width - n, '.'))
          << n << " in " << width;
  }
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
