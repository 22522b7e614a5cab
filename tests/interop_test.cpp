// Moves, std::string / std::string_view interop, iteration and hashing.
#include <istring.hpp>

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>
#include <utility>
#include <vector>
#if __cplusplus >= 201703L
#include <string_view>
#endif

#include "test_util.hpp"

namespace {

// The null string, the empty string, plain text and text with an inner NUL.
std::vector<IString> samples() {
  std::vector<IString> v;
  v.push_back(IString(static_cast<const char*>(nullptr)));
  v.push_back(IString(""));
  v.push_back(IString("abc"));
  v.push_back(withBytes(std::string("a\0b", 3)));
  return v;
}

}  // namespace

TEST(Move, ConstructionTakesTheBufferAndLeavesNull) {
  for (IString& source : samples()) {
    const char* buffer = bufferOf(source);
    const unsigned length = source.length();
    IString target(std::move(source));
    EXPECT_EQ(bufferOf(target), buffer);
    EXPECT_EQ(target.length(), length);
    EXPECT_EQ(bufferOf(source), nullptr);
    EXPECT_EQ(source.length(), 0u);
  }
}

TEST(Move, AssignmentReleasesTheOldValueAndSurvivesSelfMove) {
  for (IString& source : samples()) {
    const char* buffer = bufferOf(source);
    const unsigned length = source.length();
    IString target("old value");
    target = std::move(source);
    EXPECT_EQ(bufferOf(target), buffer);
    EXPECT_EQ(target.length(), length);
    EXPECT_EQ(bufferOf(source), nullptr);
    EXPECT_EQ(source.length(), 0u);

    IString& alias = target;
    target = std::move(alias);
    EXPECT_EQ(bufferOf(target), buffer);
    EXPECT_EQ(target.length(), length);

    source = "reused";  // a moved-from object takes a new value
    EXPECT_TRUE(source == "reused");
  }
}

TEST(StdString, ConstructionKeepsEveryByte) {
  const std::string cases[] = {"", "abc", std::string("a\0b", 3),
                               std::string("\0", 1), "\xff\x80 z"};
  for (const std::string& text : cases) {
    EXPECT_EQ(bytes(IString(text)), text);
#if __cplusplus >= 201703L
    EXPECT_EQ(bytes(IString(std::string_view(text))), text);
#endif
  }
#if __cplusplus >= 201703L
  EXPECT_EQ(bytes(IString(std::string_view())), "");
#endif
}

TEST(StdString, CopiesOutEveryByte) {
  const std::vector<IString> v = samples();
  const std::string expected[] = {"", "", "abc", std::string("a\0b", 3)};
  for (std::size_t i = 0; i < v.size(); ++i) {
    EXPECT_EQ(v[i].asStdString(), expected[i]);
#if __cplusplus >= 201703L
    const std::string_view view = v[i].asStringView();
    EXPECT_EQ(view, expected[i]);
    EXPECT_EQ(view.data(), bufferOf(v[i]));  // a view, not a copy
#endif
  }
}

TEST(Range, CoversEveryCharacterAndWritesInPlace) {
  const IString null_string(static_cast<const char*>(nullptr));
  EXPECT_EQ(null_string.begin(), nullptr);
  EXPECT_EQ(null_string.end(), nullptr);

  IString s = withBytes(std::string("a\0b", 3));
  const char* buffer = s;
  std::string seen;
  for (char c : s) seen += c;
  EXPECT_EQ(seen, std::string("a\0b", 3));
  for (char& c : s) c = c ? static_cast<char>(c - 'a' + 'A') : '-';
  EXPECT_EQ(bufferOf(s), buffer);
  EXPECT_STREQ(bufferOf(s), "A-B");
  const IString& cs = s;
  EXPECT_EQ(cs.end() - cs.begin(), 3);
}

TEST(Hash, EqualStringsHashEqual) {
  const std::hash<IString> hash{};
  const IString a("a");
  const IString a_nul_b = withBytes(std::string("a\0b", 3));
  const IString nul_x = withBytes(std::string("\0x", 2));
  ASSERT_TRUE(a == a_nul_b && IString("") == nul_x);
  EXPECT_EQ(hash(a), hash(a_nul_b));
  EXPECT_EQ(hash(IString("")), hash(nul_x));
  EXPECT_EQ(hash(IString(static_cast<const char*>(nullptr))),
            hash(IString("")));
  EXPECT_EQ(hash(IString(std::string(1000, 'q'))),
            hash(IString(std::string(1000, 'q'))));
  // A hash that ignored the text would pass the lines above.
  EXPECT_NE(hash(IString("abc")), hash(IString("abd")));
  EXPECT_NE(hash(IString("ab")), hash(IString("ba")));

  std::unordered_set<IString> set = {a, a_nul_b, IString("b")};
  EXPECT_EQ(set.size(), 2u);
  EXPECT_EQ(set.count(IString("a")), 1u);
}
