// Stripping and case: worked examples, NUL bytes at the ends and in the
// sets, and which operations keep the buffer. The property tests compare
// every form with the model on long texts.
#include "test_util.hpp"

namespace {

// Strips at the Both, Leading or Trailing end(s): white space (set kNone)
// or the bytes of `set`.
IString& stripEnd(IString& s, char end, const char* set) {
  if (end == 'B') return set ? s.strip(set) : s.strip();
  if (end == 'L') return set ? s.stripLeading(set) : s.stripLeading();
  return set ? s.stripTrailing(set) : s.stripTrailing();
}

// One row per text and set: what stripping at both ends, the leading end
// and the trailing end leaves. A NUL byte in the text belongs to every set.
TEST(Strip, WhiteSpaceAndSets) {
  const struct {
    std::string in;
    const char* set;
    std::string both, leading, trailing;
  } rows[] = {
      {"  ab  ", kNone, "ab", "ab  ", "  ab"},
      {"\t\n\v\f\r a b \r\n", kNone, "a b", "a b \r\n", "\t\n\v\f\r a b"},
      {lit(" \0a\0 "), kNone, lit("\0a\0"), lit("\0a\0 "), lit(" \0a\0")},
      {"\xA0z\x85", kNone, "\xA0z\x85", "\xA0z\x85", "\xA0z\x85"},
      {"xyaxyx", "xy", "a", "axyx", "xya"},
      {"\xE9z\xE9", "\xE9", "z", "z\xE9", "\xE9z"},
      {lit("\0 a\0"), "", " a", lit(" a\0"), lit("\0 a")},
      {lit("x\0xa"), "x", "a", "a", lit("x\0xa")}};
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.in));
    IString s[3] = {r.in, r.in, r.in};
    expectExamples({{stripEnd(s[0], 'B', r.set), r.both},
                    {stripEnd(s[1], 'L', r.set), r.leading},
                    {stripEnd(s[2], 'T', r.set), r.trailing}});
    if (r.set) continue;
    expectExamples({{IString::stripBlanks(r.in), r.both},
                    {IString::stripLeadingBlanks(r.in), r.leading},
                    {IString::stripTrailingBlanks(r.in), r.trailing}});
  }
  // strip(c) removes only c, even the NUL byte.
  expectExamples({{IString("xxaxx").strip('x'), "a"},
                  {IString("xax").strip('\0'), "xax"},
                  {IString(lit("a\0")).strip('\0'), "a"},
                  {IString("xax").strip(kNone), "xax"},
                  {nullString().strip('x'), kNull},
                  {IString::stripBlanks(nullString()), kNull}});
}

// Stripping only at the end, or down to the empty string, works in the
// buffer the object holds throughout the call: the same address, with the
// old characters still there beyond the new terminator. A copy could not
// get the old address (the old block is live while it is made) and would
// not hold those characters.
TEST(Strip, KeepsTheBufferUnlessTheFrontGoes) {
  const std::string ab = "ab" + std::string(20, ' '), blank = ab.substr(2);
  const struct {
    char end;
    const char* set;
    std::string in, want;
  } rows[] = {{'B', kNone, ab, "ab"},        {'T', kNone, ab, "ab"},
              {'B', " ", ab, "ab"},          {'T', "b ", ab, "a"},
              {'B', "xy", "abyx", "ab"},     {'L', kNone, " \t" + blank, ""},
              {'B', kNone, blank, ""},       {'L', "b", "bbb", ""}};
  for (const auto& r : rows) {
    IString s(r.in);
    const char* old = s;
    EXPECT_EQ(bytes(stripEnd(s, r.end, r.set)), r.want) << r.in;
    ASSERT_EQ(bufferOf(s), old) << r.in;
    const std::size_t kept = r.want.size() + 1;
    EXPECT_EQ(std::string(old + kept, r.in.size() - kept), r.in.substr(kept));
  }
  IString t("  ab");
  const char* old = t;
  EXPECT_EQ(bytes(t.stripLeading()), "ab");
  EXPECT_NE(bufferOf(t), old);
}

// Case changes work in place and stop at the first NUL byte.
TEST(Case, ConvertsInPlaceUpToFirstNul) {
  const struct {
    std::string in, upper, lower;
  } rows[] = {{"MiXeD 1 \xE9\xC9", "MIXED 1 \xE9\xC9", "mixed 1 \xE9\xC9"},
              {lit("Ab\0Cd"), lit("AB\0Cd"), lit("ab\0Cd")},
              {"@[`{", "@[`{", "@[`{"}};
  for (const auto& r : rows) {
    IString s(r.in);
    const char* old = s;
    expectExamples({{s.upperCase(), r.upper}, {IString::lowerCase(s), r.lower},
                    {s.lowerCase(), r.lower}, {IString::upperCase(s), r.upper},
                    {bufferOf(s) == old, 1}});
  }
  EXPECT_EQ(bytes(nullString().upperCase()), kNull);
}

}  // namespace
