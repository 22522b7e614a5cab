// Construction, copies and moves, access, comparison, conversions,
// std::string interop and hashing: worked examples and what the driver of
// tests/model cannot see (buffer addresses, every constructor type, the
// conversion operators, hashes).
#include <climits>
#include <utility>

#include "test_util.hpp"

TEST(Construction, EveryArgumentType) {
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
      {IString(lit("a\0b")), lit("a\0b")}});
  // clang-format on
}

// Copies own a buffer of their own: a write to one never shows in another;
// a move takes the buffer and leaves the null string.
TEST(CopyAndMove, CopiesOwnTheirBufferMovesTakeIt) {
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

// The conversions, the range and the view all give the buffer itself.
TEST(Access, PointersRangeAndViewShareTheBuffer) {
  IString s(lit("a\0c"));
  char* p = s;
  signed char* ps = s;
  unsigned char* pu = s;
  EXPECT_TRUE(static_cast<void*>(ps) == p && static_cast<void*>(pu) == p);
  EXPECT_TRUE(s.begin() == p && s.end() == p + 3 && s.size() == 3);
  for (char& c : s) c = c ? static_cast<char>(c - 'a' + 'A') : '-';
  p[1] = '\0';  // writes never change the length
  EXPECT_EQ(s.asStdString(), lit("A\0C"));
#if __cplusplus >= 201703L
  EXPECT_TRUE(s.asStringView().data() == p && s.asStringView().size() == 3);
  EXPECT_EQ(bytes(IString(std::string_view(p, 3))), lit("A\0C"));
#endif
}

// Comparison stops at the first NUL byte; equal strings hash equal, and
// the hash reads the whole text; appending to itself doubles the text.
TEST(ComparisonAndHash, FollowEquality) {
  const std::hash<IString> hash{};
  const IString a_nul_b(lit("a\0b")), q(std::string(1000, 'q'));
  IString s = "ab";
  // clang-format off
  expectExamples({
      {IString("abc") < "abd", 1}, {a_nul_b == "a", 1}, {s += s, "abab"},
      {IString("  42abc").asInt(), 42}, {hash(IString("a")) == hash(a_nul_b), 1},
      {hash(IString("ab")) == hash(IString("ba")), 0},
      {hash(q) == hash(IString(std::string(999, 'q') + "r")), 0}});
  // clang-format on
}
