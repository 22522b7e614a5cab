// Several threads at once: const and word operations on shared strings,
// line reading, and mutating operations on each thread's own strings. Each
// thread compares what it gets with the results of the same work done
// beforehand on one thread; the tsan preset runs this under ThreadSanitizer.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>

#include "test_util.hpp"

namespace {

// Reads every shared string many ways and edits copies of them.
std::string work(const IString (&shared)[4], int seed) {
  std::ostringstream out;
  for (const IString& s : shared) {
    out << (s == shared[1]) << (s < "b") << s.asInt() << s.isHexDigits() << s[2]
        << s.indexOf('a') << s.lastIndexOf("an") << s.indexOfAnyBut(" o")
        << s.occurrencesOf('n') << bytes(IString::insert(s, "<>", 3))
        << s.numWords() << bytes(s.words(2)) << std::hash<IString>()(s);
    std::istringstream lines(bytes(s) + "\nrest");
    IString own = s + IString(seed * 977);
    own.upperCase().strip().change("AN", "-", 1, unsigned(seed % 3));
    out << bytes(IString::lineFrom(lines)) << bytes(own)
        << bytes(IString(seed * 977).d2x().x2b()) << '\n';
  }
  return out.str();
}

TEST(Concurrency, SharedReadsAndOwnWritesRunAtOnce) {
  const IString shared[4] = {"  one two\tthree\n", "banana", "0101",
                             nullString()};
  const int kThreads = 4, kRounds = 50;
  std::string expected[kThreads];
  for (int t = 0; t < kThreads; ++t) expected[t] = work(shared, t);
  int mismatches[kThreads] = {};
  std::thread threads[kThreads];
  for (int t = 0; t < kThreads; ++t)
    threads[t] = std::thread([&, t] {
      for (int round = 0; round < kRounds; ++round)
        mismatches[t] += work(shared, t) != expected[t];
    });
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[t], 0) << t;
}

}  // namespace
