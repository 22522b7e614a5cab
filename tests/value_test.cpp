// Construction, assignment, access, comparison, concatenation, streams,
// conversions, std::string interop and hashing: worked examples and what the
// driver of tests/model cannot see (buffer addresses, every constructor
// type, the conversion operators, hashes).
#include <climits>
#include <cmath>
#include <limits>
#include <sstream>
#include <unordered_set>
#include <utility>

#include "test_util.hpp"

namespace {

TEST(Construction, EveryArgumentType) {
  const unsigned char text[] = {'h', 0xE9, 0};
  const signed char* const none_signed = nullptr;
  const unsigned char* const none_unsigned = nullptr;
  expectExamples({
      {IString(), ""}, {IString("h\xE9"), "h\xE9"}, {IString(text), "h\xE9"},
      {IString(reinterpret_cast<const signed char*>(text)), "h\xE9"},
      {IString(none_signed), kNull}, {IString(none_unsigned), kNull},
      {IString('\0'), lit("\0")}, {IString((unsigned char)0xFF), "\xFF"},
      {IString(-42), "-42"}, {IString(4294967295u), "4294967295"},
      {IString((short)-32768), "-32768"},
      {IString((unsigned short)65535), "65535"},
      {IString(LONG_MIN), "-9223372036854775808"},
      {IString(ULONG_MAX), "18446744073709551615"},
      {IString(0.1), "0.1"}, {IString(100000.0), "1e+05"},
      {IString(123456.0), "123456"}, {IString(-0.0), "-0"},
      {IString(std::numeric_limits<double>::infinity()), "inf"},
      {IString(std::nan("")), "nan"}, {IString("abc", 5, '*'), "abc**"},
      {IString("abc", 2), "ab"}, {IString(kNone, 2, '-'), "--"},
      {IString(lit("a\0b")), lit("a\0b")}});
}

// Copies own a buffer of their own: a write to one never shows in another.
TEST(Copy, ConstructionAndAssignmentCopyTheValue) {
  const IString a(lit("a\0b")), empty("");
  IString c(a), d("a longer old value"), e(empty), f("x");
  d = a;
  f = nullString();
  for (IString* copy : {&c, &d}) {
    EXPECT_EQ(bytes(*copy), lit("a\0b"));
    EXPECT_NE(bufferOf(*copy), bufferOf(a));
    (*copy)[1] = 'Z';
  }
  expectExamples({{d, lit("Z\0b")}, {a, lit("a\0b")}, {e, ""}, {f, kNull},
                  {IString(nullString()), kNull}});
  EXPECT_NE(bufferOf(e), bufferOf(empty));
  EXPECT_NE(bufferOf(empty.asString()), bufferOf(empty));
  const char* before = c;
  const IString& self = c;
  c = self;  // self-assignment changes nothing
  EXPECT_EQ(bufferOf(c), before);
  EXPECT_EQ(bytes(c), lit("Z\0b"));
}

TEST(Move, TakesTheBufferAndLeavesNull) {
  for (IString source : {nullString(), IString(""), IString(lit("a\0b"))}) {
    const char* buffer = source;
    const unsigned length = source.length();
    IString moved(std::move(source)), target("old value");
    target = std::move(moved);
    IString& alias = target;
    target = std::move(alias);  // onto itself: keeps the value
    EXPECT_EQ(bufferOf(target), buffer);
    expectExamples({
        {target.length(), length}, {source, kNull}, {moved, kNull}});
  }
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
  EXPECT_TRUE(nullString().begin() == nullptr && nullString().end() == nullptr);
#if __cplusplus >= 201703L
  EXPECT_TRUE(s.asStringView().data() == p && s.asStringView().size() == 3);
  EXPECT_EQ(bytes(IString(std::string_view(p, 3))), lit("A\0C"));
  EXPECT_EQ(bytes(IString(std::string_view())), "");
#endif
}

// Comparisons and equality stop at the first NUL byte; the null string
// sorts before the empty one.
TEST(Comparison, WorkedExamples) {
  expectExamples({{IString("abc") < "abd", 1}, {IString("B") < "a", 1},
                  {IString("\xE9") > "a", 1}, {IString(lit("a\0b")) == "a", 1},
                  {nullString() < "", 1}, {kNone == nullString(), 1}});
}

// Appending to itself; the null string adds to the empty string; output
// and numbers stop at the first NUL byte.
TEST(ConcatenationAndStreams, WorkedExamples) {
  IString s = "ab", n = nullString();
  std::ostringstream out;
  out << IString(lit("a\0b")) << '|' << nullString();
  std::istringstream in("abc\ndef");
  expectExamples({
      {IString("ab") + "cd", "abcd"},
      {nullString() + nullString(), ""}, {s += s, "abab"},
      {n += "", ""}, {out.str(), "a|"}, {IString::lineFrom(in), "abc"},
      {IString("  42abc").asInt(), 42}, {IString("0x1A").asInt(), 0},
      {IString("-1").asUnsigned() == ULONG_MAX, 1}});
}

// Equal strings hash equal, and the hash reads the whole text.
TEST(Hash, FollowsEquality) {
  const std::hash<IString> hash{};
  const IString a_nul_b(lit("a\0b")), q(std::string(1000, 'q'));
  const std::unordered_set<IString> set = {IString("a"), a_nul_b, "b"};
  expectExamples({{hash(IString("a")) == hash(a_nul_b), 1},
                  {hash(nullString()) == hash(IString(lit("\0x"))), 1},
                  {hash(IString("ab")) == hash(IString("ba")), 0},
                  {hash(q) == hash(IString(std::string(999, 'q') + "r")), 0},
                  {set.size(), 2}, {set.count(IString("a")), 1}});
}

}  // namespace
