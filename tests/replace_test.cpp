// Replacement: worked examples, limits and start positions, NUL bytes and
// buffer keeping. The property tests compare change and translate with the
// model on long texts, around the batch sizes, beyond 512 hits and with
// arguments that are the object or its buffer.
#include <string>

#include "test_util.hpp"

namespace {

// Every form of change, on one row per case: text, input, output, start,
// limit, result.
TEST(Change, ReplacesFromStartWithinLimit) {
  const std::string a50(50, 'a'), nul = lit("\0");
  const struct {
    std::string text, in, out;
    unsigned start, limit;
    std::string want;
  } rows[] = {
      {"abcabc", "bc", "X", 3, ~0u, "abcaX"},
      {"abcabc", "bc", "X", 0, ~0u, "aXaX"},
      {"aaaa", "a", "bb", 1, 2, "bbbbaa"},
      {"aaaa", "aa", "", 1, ~0u, ""},           // empty, not null
      {"aaa", "aa", "b", 1, ~0u, "ba"},         // no overlapping occurrences
      {"abab", "ab", "ab!", 1, ~0u, "ab!ab!"},  // output not searched again
      {"abcd", "bc", "X", 3, ~0u, "abcd"},
      {"abcd", "d", "X", 4, ~0u, "abcX"},  // from the last character
      {"abcd", "bc", "X", 1, 0, "abcd"},
      {lit("ab\0ab"), "b", "XYZ", 1, ~0u, lit("aXYZ\0ab")},  // stops at NUL
      {lit("a\0ab"), "a", "X", 3, ~0u, lit("a\0Xb")},        // from startPos
      {lit("a\0b"), lit("a\0b"), "X", 1, ~0u, lit("a\0b")},  // NUL in input
      {a50 + nul + a50, "a" + nul + "a", "X", 1, ~0u, a50 + nul + a50},
      {a50 + "b", a50.substr(40) + "b", "X", 1, ~0u, a50.substr(10) + "X"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.text) + " " +
                 testing::PrintToString(r.in));
    const IString in(r.in), out(r.out), text(r.text);
    const char *pin = r.in.c_str(), *pout = r.out.c_str();
    IString s[4] = {text, text, text, text};
    EXPECT_EQ(bytes(s[0].change(in, out, r.start, r.limit)), r.want);
    EXPECT_EQ(bytes(IString::change(text, in, out, r.start, r.limit)), r.want);
    if (r.in.find('\0') != std::string::npos) continue;
    EXPECT_EQ(bytes(s[1].change(in, pout, r.start, r.limit)), r.want);
    EXPECT_EQ(bytes(s[2].change(pin, out, r.start, r.limit)), r.want);
    EXPECT_EQ(bytes(s[3].change(pin, pout, r.start, r.limit)), r.want);
  }
}

// The object holds its buffer throughout, so a copy would get another
// address.
TEST(Change, KeepsTheBufferWhenNothingIsReplaced) {
  IString s("abcabc"), null_string = nullString(), empty;
  const char* before = s;
  s.change("b", "X", 1, 0).change("zz", "X").change(IString(), "X");
  s.change(kNone, "X").change("c", "X", 7).translate("q", "X");
  EXPECT_EQ(bufferOf(s), before);
  expectExamples({{s, "abcabc"}, {null_string.change("a", "b"), kNull},
                  {empty.translate("a", "b"), ""}});
}

TEST(Translate, ReplacesEveryOccurrenceUpToNulWhateverThePad) {
  IString s(lit("a.b.c\0.")), u("abab");
  expectExamples({{s.translate(".", "::", 'x'), lit("a::b::c\0.")},
                  {u.translate(bufferOf(u) + 2, u), "abababab"}});
}

}  // namespace
