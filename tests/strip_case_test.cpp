// Stripping and case: worked examples, and which operations keep the buffer.
// The property tests compare every form with the model on long texts.
#include "test_util.hpp"

namespace {

// Strips at the Both, Leading or Trailing end(s): white space (set kNone)
// or the bytes of `set`.
IString& stripEnd(IString& s, char end, const char* set) {
  if (end == 'B') return set ? s.strip(set) : s.strip();
  if (end == 'L') return set ? s.stripLeading(set) : s.stripLeading();
  return set ? s.stripTrailing(set) : s.stripTrailing();
}

// A NUL byte in the text belongs to every set; strip(c) removes only c.
TEST(Strip, WhiteSpaceOrASet) {
  IString s[4] = {" \t a b \r\n", "xyaxyx", "xyaxyx", lit("\0 a\0")};
  // clang-format off
  expectExamples({
      {stripEnd(s[0], 'B', kNone), "a b"}, {stripEnd(s[1], 'L', "xy"), "axyx"},
      {stripEnd(s[2], 'T', "xy"), "xya"},  {stripEnd(s[3], 'B', ""), " a"},
      {IString(lit("a\0")).strip('\0'), "a"}});
  // clang-format on
}

// The static forms strip a copy.
TEST(StripBlanks, LeaveTheArgument) {
  const IString a(" a ");
  expectExamples({{IString::stripBlanks(a), "a"},
                  {IString::stripLeadingBlanks(a), "a "},
                  {IString::stripTrailingBlanks(a), " a"},
                  {a, " a "},
                  {IString::stripBlanks(nullString()), kNull}});
}

// Stripping only at the end, or down to the empty string, works in the
// buffer the object holds throughout the call: the same address, with the
// old characters still there beyond the new terminator. A copy could not
// get the old address (the old block is live while it is made) and would
// not hold those characters.
TEST(StripLeading, KeepsTheBufferUnlessTheFrontGoes) {
  const std::string ab = "ab" + std::string(20, ' '), blank = ab.substr(2);
  const struct {
    char end;
    const char* set;
    std::string in, want;
  } rows[] = {{'B', kNone, ab, "ab"},    {'T', kNone, ab, "ab"},
              {'B', " ", ab, "ab"},      {'T', "b ", ab, "a"},
              {'B', "xy", "abyx", "ab"}, {'L', kNone, " \t" + blank, ""},
              {'B', kNone, blank, ""},   {'L', "b", "bbb", ""}};
  for (const auto& r : rows) {
    IString s(r.in);
    const char* old = s;
    EXPECT_EQ(bytes(stripEnd(s, r.end, r.set)), r.want) << r.in;
    ASSERT_EQ(bufferOf(s), old) << r.in;
    const std::size_t kept = r.want.size() + 1;
    EXPECT_EQ(std::string(old + kept, r.in.size() - kept), r.in.substr(kept));
  }
}

// Case changes work in place and stop at the first NUL byte.
TEST(UpperCase, InPlaceUpToTheFirstNul) {
  IString c(lit("MiXeD \xE9\0b"));
  const char* old = c;
  expectExamples({{c.upperCase(), lit("MIXED \xE9\0b")},
                  {bufferOf(c) == old, 1},
                  {IString::upperCase(nullString()), kNull}});
}

TEST(LowerCase, InPlaceUpToTheFirstNul) {
  const IString c(lit("MIXED \xC9\0B"));
  expectExamples({{IString::lowerCase(c), lit("mixed \xC9\0B")},
                  {c, lit("MIXED \xC9\0B")}});
}

}  // namespace
