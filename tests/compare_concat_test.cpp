// Comparison, concatenation, streams and conversions.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "test_util.hpp"

namespace {

const IString kNull(static_cast<const char*>(nullptr));

// -1, 0 or 1 as the relational operators order (a, b), after checking that
// all six agree in every operand form.
int order(const IString& a, const IString& b) {
  const char* pa = bufferOf(a);
  const char* pb = bufferOf(b);
  const int lt = a<b, eq = a == b, gt = a> b;
  EXPECT_EQ(lt + eq + gt, 1);
  EXPECT_EQ(a != b, !eq);
  EXPECT_EQ(a <= b, !gt);
  EXPECT_EQ(a >= b, !lt);
  EXPECT_EQ(pa < b, lt);
  EXPECT_EQ(pa == b, eq);
  EXPECT_EQ(pa > b, gt);
  EXPECT_EQ(pa != b, !eq);
  EXPECT_EQ(pa <= b, !gt);
  EXPECT_EQ(pa >= b, !lt);
  EXPECT_EQ(a < pb, lt);
  EXPECT_EQ(a == pb, eq);
  EXPECT_EQ(a > pb, gt);
  EXPECT_EQ(a != pb, !eq);
  EXPECT_EQ(a <= pb, !gt);
  EXPECT_EQ(a >= pb, !lt);
  return gt - lt;
}

}  // namespace

TEST(Comparison, OrdersBytesAsUnsignedWithNullFirst) {
  const IString with_nul = withBytes(std::string("a\0b", 3));
  EXPECT_EQ(order(kNull, kNull), 0);
  EXPECT_EQ(order(kNull, IString()), -1);
  EXPECT_EQ(order(IString(), kNull), 1);
  EXPECT_EQ(order(kNull, "a"), -1);
  EXPECT_EQ(order(IString(), ""), 0);
  EXPECT_EQ(order("abc", "abd"), -1);
  EXPECT_EQ(order("ab", "abc"), -1);
  EXPECT_EQ(order("B", "a"), -1);
  EXPECT_EQ(order("\xE9", "z"), 1);
  EXPECT_EQ(order(with_nul, "a"), 0);
  EXPECT_EQ(order("abc", "abc"), 0);
}

TEST(Comparison, NullConstCharEqualsNullString) {
  const char* none = nullptr;
  EXPECT_TRUE(kNull == none);
  EXPECT_TRUE(none == kNull);
  EXPECT_TRUE(IString() > none);
  EXPECT_TRUE(none < IString(""));
}

TEST(Concatenation, JoinsWithExactBuffer) {
  EXPECT_EQ(bytes(kNull + kNull), "");
  EXPECT_EQ(bytes(kNull + IString("ab")), "ab");
  EXPECT_EQ(bytes(IString("ab") + static_cast<const char*>(nullptr)), "ab");
  EXPECT_EQ(bytes(static_cast<const char*>(nullptr) + kNull), "");
  EXPECT_EQ(bytes("x" + IString("yz")), "xyz");
  const IString a = withBytes(std::string("a\0", 2));
  const IString b = withBytes(std::string("\0b", 2));
  EXPECT_EQ(bytes(a + b), std::string("a\0\0b", 4));
  EXPECT_EQ(bytes(a + "c\0d"), std::string("a\0c", 3));
}

TEST(Append, InPlace) {
  IString s = kNull;
  s += static_cast<const char*>(nullptr);
  EXPECT_TRUE(isNull(s));
  s += kNull;
  EXPECT_TRUE(isNull(s));
  s += "";
  EXPECT_EQ(bytes(s), "");
  IString t = kNull;
  t += IString();
  EXPECT_EQ(bytes(t), "");
  s += "ab";
  s += withBytes(std::string("\0c", 2));
  EXPECT_EQ(bytes(s), std::string("ab\0c", 4));
  s += s;
  EXPECT_EQ(bytes(s), std::string("ab\0cab\0c", 8));
  IString u("xy");
  u += static_cast<const char*>(u);
  EXPECT_EQ(bytes(u), "xyxy");
}

TEST(StreamOutput, WritesUpToFirstNul) {
  std::ostringstream out;
  out << withBytes(std::string("a\0b", 3)) << '|' << kNull << '|'
      << IString("xyz");
  EXPECT_EQ(out.str(), "a||xyz");
  EXPECT_TRUE(out.good());
}

TEST(LineFrom, ReadsOneLineOfAtMost1023Characters) {
  std::istringstream in(std::string(2000, 'x') + "\nshort;rest");
  const IString first = IString::lineFrom(in);
  EXPECT_EQ(bytes(first), std::string(1023, 'x'));
  in.clear();
  in.ignore(2000, '\n');
  const IString second = IString::lineFrom(in, ';');
  EXPECT_EQ(bytes(second), "short");
  EXPECT_EQ(bytes(IString::lineFrom(in, ';')), "rest");
  EXPECT_TRUE(in.eof());
  EXPECT_EQ(bytes(IString::lineFrom(in)), "");
  EXPECT_EQ(bytes(first), std::string(1023, 'x'));
}

TEST(Conversions, ParseLeadingNumber) {
  EXPECT_EQ(IString("  42abc").asInt(), 42);
  EXPECT_EQ(IString("abc").asInt(), 0);
  EXPECT_EQ(IString("0x1A").asInt(), 0);
  EXPECT_EQ(IString("-17").asInt(), -17);
  EXPECT_EQ(IString("-1").asUnsigned(), ULONG_MAX);
  EXPECT_EQ(IString("1e3").asDouble(), 1000.0);
  EXPECT_EQ(kNull.asInt(), 0);
  EXPECT_EQ(kNull.asUnsigned(), 0u);
  EXPECT_EQ(kNull.asDouble(), 0.0);
}

TEST(Conversions, AsStringCopies) {
  EXPECT_TRUE(isNull(kNull.asString()));
  const IString empty;
  const IString copy = empty.asString();
  EXPECT_EQ(bytes(copy), "");
  EXPECT_NE(bufferOf(copy), bufferOf(empty));
}
