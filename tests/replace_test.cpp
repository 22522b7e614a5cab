// Replacement: worked examples, limits and start positions, NUL bytes,
// aliasing arguments and buffer keeping. The property tests compare change
// with the model on long texts, around the batch sizes and beyond 512 hits.
#include <gtest/gtest.h>

#include <string>

#include "test_util.hpp"

namespace {

TEST(Change, ReplacesFromStartWithinLimit) {
  const std::string a50(50, 'a');
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
      {"abcd", "bc", "X", 1, 0, "abcd"},
      {lit("ab\0ab"), "b", "XYZ", 1, ~0u, lit("aXYZ\0ab")},  // stops at NUL
      {lit("a\0ab"), "a", "X", 3, ~0u, lit("a\0Xb")},        // from startPos
      {lit("a\0b"), lit("a\0b"), "X", 1, ~0u, lit("a\0b")},  // NUL in input
      {a50 + lit("\0") + a50, lit("a\0a"), "X", 1, ~0u, a50 + lit("\0") + a50},
      {a50 + "b", a50.substr(40) + "b", "X", 1, ~0u, a50.substr(10) + "X"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.text) + " " +
                 testing::PrintToString(r.in));
    const IString in = withBytes(r.in), out = withBytes(r.out);
    const IString text = withBytes(r.text);
    IString s[4] = {text, text, text, text};
    EXPECT_EQ(bytes(s[0].change(in, out, r.start, r.limit)), r.want);
    EXPECT_EQ(bytes(IString::change(text, in, out, r.start, r.limit)), r.want);
    if (r.in.find('\0') != std::string::npos) continue;
    EXPECT_EQ(bytes(s[1].change(in, r.out.c_str(), r.start, r.limit)), r.want);
    EXPECT_EQ(bytes(s[2].change(r.in.c_str(), out, r.start, r.limit)), r.want);
    EXPECT_EQ(bytes(s[3].change(r.in.c_str(), r.out.c_str(), r.start, r.limit)),
              r.want);
  }
}

// Limits around the batches in which hits are collected.
TEST(Change, LimitCountsEveryBatch) {
  for (unsigned limit : {127u, 128u, 129u, 511u, 512u, 513u, 600u, 640u}) {
    IString s(std::string(1000, 'a'));
    EXPECT_EQ(bytes(s.change("a", "b", 1, limit)),
              std::string(limit, 'b') + std::string(1000 - limit, 'a'));
  }
}

TEST(Change, KeepsTheBufferWhenNothingIsReplaced) {
  IString s("abcabc"), null_string = nullString(), empty;
  const char* before = s;
  s.change("b", "X", 1, 0).change("zz", "X").change(IString(), "X");
  s.change(kNone, "X").change("c", "X", 7).translate("q", "X");
  EXPECT_EQ(bufferOf(s), before);
  EXPECT_EQ(bytes(s), "abcabc");
  EXPECT_EQ(bytes(null_string.change("a", "b")), kNullText);
  EXPECT_EQ(bytes(empty.translate("a", "b")), "");
}

TEST(Change, ArgumentsMayBeTheObjectOrItsBuffer) {
  IString s("ab"), t("abab"), u("abab");
  EXPECT_EQ(bytes(s.change(s, "x")), "x");
  EXPECT_EQ(bytes(t.change(IString("b"), t)), "aababaabab");
  EXPECT_EQ(bytes(u.translate(bufferOf(u) + 2, u)), "abababab");
  EXPECT_EQ(bytes(IString::change(u, "ab", "", 5)), "abab");
  EXPECT_EQ(bytes(u), "abababab");
}

TEST(Translate, ReplacesEveryOccurrenceUpToNulWhateverThePad) {
  IString s = withBytes(lit("a.b.c\0."));
  EXPECT_EQ(bytes(s.translate(".", "::", 'x')), lit("a::b::c\0."));
}

}  // namespace
