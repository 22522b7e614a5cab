// Stripping and case: worked examples, NUL bytes at the ends and in the
// sets, and which operations keep the buffer. The property tests compare
// every form with the model on long texts.
#include <gtest/gtest.h>

#include "test_util.hpp"

namespace {

TEST(Strip, WhiteSpace) {
  const struct {
    std::string in, both, leading, trailing;
  } rows[] = {
      {"  ab  ", "ab", "ab  ", "  ab"},
      {"\t\n\v\f\r a b \r\n", "a b", "a b \r\n", "\t\n\v\f\r a b"},
      {" \t ", "", "", ""},
      {lit(" \0a\0 "), lit("\0a\0"), lit("\0a\0 "), lit(" \0a\0")},  // NUL
      {"\xA0"
       "a\x85",
       "\xA0"
       "a\x85",
       "\xA0"
       "a\x85",
       "\xA0"
       "a\x85"},
  };
  for (const auto& r : rows) {
    const IString s = withBytes(r.in);
    EXPECT_EQ(bytes(withBytes(r.in).strip()), r.both);
    EXPECT_EQ(bytes(withBytes(r.in).stripLeading()), r.leading);
    EXPECT_EQ(bytes(withBytes(r.in).stripTrailing()), r.trailing);
    EXPECT_EQ(bytes(IString::stripBlanks(s)), r.both);
    EXPECT_EQ(bytes(IString::stripLeadingBlanks(s)), r.leading);
    EXPECT_EQ(bytes(IString::stripTrailingBlanks(s)), r.trailing);
    EXPECT_EQ(bytes(s), r.in);
  }
  EXPECT_EQ(bytes(IString::stripBlanks(nullString())), kNullText);
}

// A NUL byte in the text belongs to every set.
TEST(Strip, CharacterAndSet) {
  const struct {
    std::string in;
    const char* set;  // kNone with `c`: strip(c)
    char c;
    std::string both, leading, trailing;
  } rows[] = {
      {"xxaxx", kNone, 'x', "a", "", ""},
      {"xyaxyx", "xy", 0, "a", "axyx", "xya"},
      {"\xE9z\xE9", "\xE9", 0, "z", "z\xE9", "\xE9z"},
      {"xax", kNone, 0, "xax", "", ""},  // strip('\0'): only NUL bytes go
      {lit("a\0"), kNone, '\0', "a", "", ""},
      {lit("\0 a\0"), "", 0, " a", lit(" a\0"), lit("\0 a")},
      {lit("x\0xa"), "x", 0, "a", "a", lit("x\0xa")},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.in));
    if (r.set == kNone) {
      EXPECT_EQ(bytes(withBytes(r.in).strip(r.c)), r.both);
      continue;
    }
    EXPECT_EQ(bytes(withBytes(r.in).strip(r.set)), r.both);
    EXPECT_EQ(bytes(withBytes(r.in).stripLeading(r.set)), r.leading);
    EXPECT_EQ(bytes(withBytes(r.in).stripTrailing(r.set)), r.trailing);
  }
  EXPECT_EQ(bytes(IString("xax").strip(kNone)), "xax");
  EXPECT_EQ(bytes(nullString().strip('x')), kNullText);
}

// The object holds its buffer throughout, so a copy would get another
// address; the characters beyond the moved terminator stay in the buffer.
TEST(Strip, KeepsTheBufferUnlessTheFrontGoes) {
  IString s("ab  ");
  const char* old = s;
  EXPECT_EQ(bytes(s.strip()), "ab");
  ASSERT_EQ(bufferOf(s), old);
  EXPECT_EQ(old[3], ' ');
  EXPECT_EQ(bytes(s.stripTrailing("b")), "a");
  ASSERT_EQ(bufferOf(s), old);
  EXPECT_EQ(old[2], '\0');
  EXPECT_EQ(old[3], ' ');
  IString blank(" \t ");
  old = blank;
  EXPECT_EQ(bytes(blank.stripLeading()), "");  // empty, not null
  ASSERT_EQ(bufferOf(blank), old);
  EXPECT_EQ(old[1], '\t');
  IString t("  ab");
  old = t;
  EXPECT_EQ(bytes(t.stripLeading()), "ab");
  EXPECT_NE(bufferOf(t), old);
}

TEST(Case, ConvertsInPlaceUpToFirstNul) {
  const struct {
    std::string in, upper, lower;
  } rows[] = {
      {"AbC1", "ABC1", "abc1"},
      {"MiXeD 123 \xE9\xC9", "MIXED 123 \xE9\xC9", "mixed 123 \xE9\xC9"},
      {lit("Ab\0Cd"), lit("AB\0Cd"), lit("ab\0Cd")},
      {"@[`{", "@[`{", "@[`{"}};
  for (const auto& r : rows) {
    IString s = withBytes(r.in);
    const char* old = s;
    EXPECT_EQ(bytes(s.upperCase()), r.upper);
    EXPECT_EQ(bytes(IString::lowerCase(s)), r.lower);
    EXPECT_EQ(bytes(s), r.upper);
    EXPECT_EQ(bytes(s.lowerCase()), r.lower);
    EXPECT_EQ(bytes(IString::upperCase(s)), r.upper);
    EXPECT_EQ(bufferOf(s), old);
  }
  EXPECT_EQ(bytes(nullString().upperCase()), kNullText);
}

}  // namespace
