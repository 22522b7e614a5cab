// Helpers shared by the unit tests.
#ifndef MORVEK_TESTS_TEST_UTIL_HPP_
#define MORVEK_TESTS_TEST_UTIL_HPP_

#include <gtest/gtest.h>
#include <istring.hpp>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string>

// The string's buffer, through the public conversion.
inline const char* bufferOf(const IString& s) { return s; }

// All length() characters of s (inner NUL bytes included), after checking
// that the terminator is in place; "<null>" for the null string.
inline std::string bytes(const IString& s) {
  if (bufferOf(s) == nullptr) return s.length() ? "<null, length>" : "<null>";
  if (bufferOf(s)[s.length()] != '\0') return "<unterminated>";
  return std::string(bufferOf(s), s.length());
}

// Every character of a string literal, inner NUL bytes included.
template <std::size_t N>
std::string lit(const char (&text)[N]) {
  return std::string(text, N - 1);
}

const char* const kNone = nullptr;   // a null const char* argument
const std::string kNull = "<null>";  // bytes() of the null string
inline IString nullString() { return IString(kNone); }

// A worked example: what an expression gave (bytes() of a string, or a
// number) and what it should give.
struct Example {
  Example(const IString& s, const std::string& w) : got(bytes(s)), want(w) {}
  Example(long long n, long long w)
      : got(std::to_string(n)), want(std::to_string(w)) {}
  std::string got, want;
};

// Checks the examples in order (the list evaluates them in order).
inline void expectExamples(std::initializer_list<Example> examples) {
  int row = 0;
  for (const Example& e : examples) EXPECT_EQ(e.got, e.want) << "row " << row++;
}

// A page of memory followed by one that may not be read: a text whose NUL
// byte is the page's last byte (`textAtEnd`) shows a read past a caller's
// text as a crash, whatever the sanitizers do. The 80 bytes before the end
// are NUL bytes, which must not count either.
class PageEnd {
 public:
  PageEnd()
      : size_(static_cast<std::size_t>(sysconf(_SC_PAGESIZE))),
        map_(mmap(nullptr, 2 * size_, PROT_READ | PROT_WRITE,
                  MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)) {
    if (map_ == MAP_FAILED ||
        mprotect(static_cast<char*>(map_) + size_, size_, PROT_NONE) != 0)
      throw std::runtime_error("PageEnd: no memory mapped");
  }
  ~PageEnd() { munmap(map_, 2 * size_); }
  PageEnd(const PageEnd&) = delete;
  PageEnd& operator=(const PageEnd&) = delete;

  // `text` (without NUL bytes, at most 79 bytes) ending just before the
  // page's last byte, which is its NUL byte.
  const char* textAtEnd(const std::string& text) {
    char* const end = static_cast<char*>(map_) + size_;
    std::memset(end - 80, '\0', 80);
    std::memcpy(end - 1 - text.size(), text.data(), text.size());
    return end - 1 - text.size();
  }

 private:
  std::size_t size_;
  void* map_;
};

#endif  // MORVEK_TESTS_TEST_UTIL_HPP_
