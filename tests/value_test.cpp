// Construction, assignment, access, comparison, concatenation, streams,
// conversions, std::string interop and hashing: worked examples and what the
// driver of tests/model cannot see (buffer addresses, every constructor
// type, hashes).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <sstream>
#include <unordered_set>
#include <utility>
#include <vector>

#include "test_util.hpp"

namespace {

TEST(Construction, FromPointersCharactersAndNumbers) {
  const unsigned char text[] = {'h', 0xE9, 0};
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    IString s;
    std::string want;
  } rows[] = {
      {IString(), ""},
      {IString(static_cast<const signed char*>(nullptr)), kNullText},
      {IString(static_cast<const unsigned char*>(nullptr)), kNullText},
      {IString(text), "h\xE9"},
      {IString(reinterpret_cast<const signed char*>(text)), "h\xE9"},
      {IString(static_cast<unsigned char>(0xFF)), "\xFF"},
      {IString(-42), "-42"},
      {IString(static_cast<unsigned short>(65535)), "65535"},
      {IString(LONG_MIN), "-9223372036854775808"},
      {IString(0.1), "0.1"},
      {IString(2.0), "2"},
      {IString(100000.0), "1e+05"},
      {IString(123456.0), "123456"},
      {IString(-0.0), "-0"},
      {IString(inf), "inf"},
      {IString(std::nan("")), "nan"},
      {IString("abc", 5, '*'), "abc**"},
  };
  for (const auto& r : rows) EXPECT_EQ(bytes(r.s), r.want);
}

TEST(Copy, KeepsEveryByteInANewBuffer) {
  const IString with_nul = withBytes(lit("a\0b")), empty;
  const IString copy(with_nul), empty_copy(empty);
  EXPECT_EQ(bytes(copy), lit("a\0b"));
  EXPECT_NE(bufferOf(copy), bufferOf(with_nul));
  EXPECT_EQ(bytes(empty_copy), "");
  EXPECT_NE(bufferOf(empty_copy), bufferOf(empty));
  EXPECT_NE(bufferOf(empty.asString()), bufferOf(empty));
  EXPECT_TRUE(isNull(IString(nullString())));
  IString s = with_nul;
  const char* before = s;
  const IString& self = s;
  s = self;  // self-assignment changes nothing
  EXPECT_EQ(bufferOf(s), before);
  EXPECT_EQ(bytes(s), lit("a\0b"));
}

TEST(Move, TakesTheBufferAndLeavesNull) {
  for (IString source : {nullString(), IString(""), withBytes(lit("a\0b"))}) {
    const char* buffer = source;
    const unsigned length = source.length();
    IString moved(std::move(source));
    EXPECT_EQ(bufferOf(moved), buffer);
    EXPECT_EQ(moved.length(), length);
    EXPECT_EQ(bytes(source), kNullText);
    IString target("old value");
    target = std::move(moved);
    EXPECT_EQ(bufferOf(target), buffer);
    EXPECT_EQ(bytes(moved), kNullText);
    IString& alias = target;
    target = std::move(alias);  // onto itself: keeps the value
    EXPECT_EQ(bufferOf(target), buffer);
    EXPECT_EQ(target.length(), length);
  }
}

TEST(Access, PointersAndRangeShareTheBuffer) {
  IString s = withBytes(lit("a\0c"));
  char* p = s;
  signed char* ps = s;
  unsigned char* pu = s;
  EXPECT_EQ(static_cast<void*>(p), static_cast<void*>(ps));
  EXPECT_EQ(static_cast<void*>(p), static_cast<void*>(pu));
  EXPECT_EQ(s.begin(), p);
  EXPECT_EQ(s.end(), p + 3);
  EXPECT_EQ(s.size(), 3u);
  for (char& c : s) c = c ? static_cast<char>(c - 'a' + 'A') : '-';
  EXPECT_EQ(bytes(s), "A-C");
  p[1] = '\0';  // writes never change the length
  EXPECT_EQ(bytes(s), lit("A\0C"));
  const IString null_string = nullString();
  EXPECT_EQ(null_string.begin(), nullptr);
  EXPECT_EQ(null_string.end(), nullptr);
}

TEST(StdString, KeepsEveryByte) {
  for (const std::string& text :
       {std::string(), std::string("abc"), lit("a\0b"), lit("\0"),
        std::string("\xff\x80 z")}) {
    EXPECT_EQ(bytes(IString(text)), text);
    EXPECT_EQ(IString(text).asStdString(), text);
#if __cplusplus >= 201703L
    EXPECT_EQ(bytes(IString(std::string_view(text))), text);
    const IString s(text);
    EXPECT_EQ(s.asStringView(), text);
    EXPECT_EQ(s.asStringView().data(), bufferOf(s));  // a view, not a copy
#endif
  }
  EXPECT_EQ(nullString().asStdString(), "");
#if __cplusplus >= 201703L
  EXPECT_EQ(bytes(IString(std::string_view())), "");
  EXPECT_EQ(nullString().asStringView().data(), nullptr);
#endif
}

TEST(Comparison, WorkedExamples) {
  EXPECT_EQ(IString("abc") < "abd", 1);
  EXPECT_EQ(IString("B") < "a", 1);
  EXPECT_EQ(IString("\xE9") > "a", 1);
  EXPECT_EQ(withBytes(lit("a\0b")) == "a", 1);
  EXPECT_EQ(nullString() < "", 1);
  EXPECT_EQ(kNone == nullString(), 1);
}

TEST(Concatenation, WorkedExamples) {
  EXPECT_EQ(bytes(IString("ab") + "cd"), "abcd");
  EXPECT_EQ(bytes(nullString() + nullString()), "");
  IString s = "ab";
  EXPECT_EQ(bytes(s += "cd"), "abcd");
  EXPECT_EQ(bytes(s += s), "abcdabcd");
  IString n = nullString();
  EXPECT_EQ(bytes(n += ""), "");
}

TEST(Stream, WorkedExamples) {
  std::ostringstream out;
  out << withBytes(lit("a\0b")) << '|' << nullString();
  EXPECT_EQ(out.str(), "a|");
  std::istringstream in("abc\ndef");
  EXPECT_EQ(bytes(IString::lineFrom(in)), "abc");
  EXPECT_EQ(IString("  42abc").asInt(), 42);
  EXPECT_EQ(IString("0x1A").asInt(), 0);
  EXPECT_EQ(IString("-1").asUnsigned(), ULONG_MAX);
}

// Equal strings hash equal, and the hash reads the text.
TEST(Hash, FollowsEquality) {
  const std::hash<IString> hash{};
  const IString a_nul_b = withBytes(lit("a\0b"));
  EXPECT_EQ(hash(IString("a")), hash(a_nul_b));
  EXPECT_EQ(hash(IString("")), hash(withBytes(lit("\0x"))));
  EXPECT_EQ(hash(nullString()), hash(IString("")));
  EXPECT_NE(hash(IString("abc")), hash(IString("abd")));
  EXPECT_NE(hash(IString("ab")), hash(IString("ba")));
  EXPECT_NE(hash(IString(std::string(1000, 'q'))),
            hash(IString(std::string(999, 'q') + "r")));
  const std::unordered_set<IString> set = {IString("a"), a_nul_b, "b"};
  EXPECT_EQ(set.size(), 2u);
  EXPECT_EQ(set.count(IString("a")), 1u);
}

}  // namespace
