// Replacement: worked examples through every argument form, and buffer
// keeping. The property tests compare change and translate with the model on
// long texts, around the batch sizes and with arguments that are the object
// or its buffer.
#include "test_util.hpp"

// Every form of change, one row per case: text, input, output, start,
// limit, result. Occurrences do not overlap and the output is not searched.
TEST(Change, ReplacesFromStartWithinLimit) {
  const struct {
    std::string text, in, out;
    unsigned start, limit;
    std::string want;
  } rows[] = {{"abcabc", "bc", "X", 3, ~0u, "abcaX"},
              {"aaaa", "a", "bb", 1, 2, "bbbbaa"},
              {"aaa", "aa", "b", 1, ~0u, "ba"},
              {"abab", "ab", "ab!", 1, ~0u, "ab!ab!"}};
  for (const auto& r : rows) {
    const IString in(r.in), out(r.out), text(r.text);
    const char *pin = r.in.c_str(), *pout = r.out.c_str();
    IString s[4] = {text, text, text, text};
    expectExamples({{s[0].change(in, out, r.start, r.limit), r.want},
                    {IString::change(text, in, out, r.start, r.limit), r.want},
                    {s[1].change(in, pout, r.start, r.limit), r.want},
                    {s[2].change(pin, out, r.start, r.limit), r.want},
                    {s[3].change(pin, pout, r.start, r.limit), r.want}});
  }
}

// The object holds its buffer throughout, so a copy would get another
// address.
TEST(Change, KeepsTheBufferWhenNothingIsReplaced) {
  IString s("abcabc");
  const char* before = s;
  s.change("b", "X", 1, 0).change("zz", "X").change(IString(), "X");
  s.change(kNone, "X").change("c", "X", 7).translate("q", "X");
  EXPECT_EQ(bufferOf(s), before);
  EXPECT_EQ(bytes(s), "abcabc");
}

// translate replaces every occurrence up to the first NUL byte, whatever
// the pad character.
TEST(Translate, EveryOccurrenceBeforeTheFirstNul) {
  IString t(lit("a.b.c\0."));
  expectExamples({{t.translate(".", "::", 'x'), lit("a::b::c\0.")},
                  {IString("aXa").translate(IString("a"), ""), "X"}});
}
