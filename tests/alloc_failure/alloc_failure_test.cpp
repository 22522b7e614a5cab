// alloc_failure_test.cpp: every allocating operation runs with its k-th
// array allocation failing, for k = 1, 2, ... until it completes. After each
// failure the string worked on (and a static form's argument) must still be
// a valid value holding exactly its previous text; the completed run must
// give what the model gives. LeakSanitizer (asan preset) watches for leaks.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>

#include "model_check.hpp"

namespace {
int fail_at = 0;  // the array allocation that fails, counted from 1; 0: none
int calls = 0;
}  // namespace

void* operator new[](std::size_t size) {
  if (fail_at != 0 && ++calls == fail_at) throw std::bad_alloc();
  if (void* p = std::malloc(size != 0 ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using model::show;
using model::Str;

struct Totals {
  int operations = 0, failures = 0;
  ~Totals() {
    std::printf("%d operations, %d injected allocation failures\n", operations,
                failures);
  }
} totals;

// Runs `op` (a generic lambda returning a text to compare) on the model and
// then on IString under fault injection; returns the number of failures
// injected, that is the allocations the operation makes.
template <class Op>
int inject(const Str& start, Op op) {
  Str m = start;
  std::string want = op(m);
  want += "|" + show(m);
  for (int k = 1; k < 64; ++k) {
    IString s = model::toIString(start);
    calls = 0;
    fail_at = k;
    try {
      std::string got = op(s);
      fail_at = 0;
      got += "|" + show(s);
      EXPECT_EQ(want, got) << "completed after " << k - 1;
      ++totals.operations;
      totals.failures += k - 1;
      return k - 1;
    } catch (const std::bad_alloc&) {
      fail_at = 0;
      const IString copy(s);  // reads length() + 1 bytes of the buffer
      EXPECT_TRUE(model::same(start, copy))
          << "allocation " << k << " failed: " << show(copy) << " instead of "
          << show(start);
    }
  }
  ADD_FAILURE() << "does not complete";
  return -1;
}

Str text(const char* p) { return Str(p); }
Str bytes(const std::string& b) { return Str::of(b); }

#define T_OF(s) std::decay_t<decltype(s)>

TEST(AllocationFailure, CoreKeepsEveryValue) {
  const Str abc = bytes(std::string("a\0c", 3)), null(nullptr);
  for (const Str& start : {abc, null, text("")}) {
    EXPECT_GT(inject(start, [](auto& s) { return show(T_OF(s)("xyz")); }), 0);
    inject(start, [](auto& s) { return show(T_OF(s)('x')); });
    inject(start, [](auto& s) { return show(T_OF(s)("ab", 5, '*')); });
    inject(start, [](auto& s) { return show(model::number<T_OF(s)>(-42)); });
    inject(start, [](auto& s) { return show(model::number<T_OF(s)>(7ul)); });
    inject(start, [](auto& s) { return show(T_OF(s)()); });
    inject(start,
           [](auto& s) { return show(T_OF(s)(s)) + show(s.asString()); });
    inject(start, [](auto& s) {
      s = T_OF(s)("xyz");
      return std::string();
    });
    inject(start, [](auto& s) { return show(s += s); });
    inject(start, [](auto& s) { return show(s += "tail"); });
    inject(start,
           [](auto& s) { return show(s + s) + show(s + "x") + show("x" + s); });
    inject(start, [](auto& s) {
      std::istringstream in("line\nrest");
      return show(T_OF(s)::lineFrom(in));
    });
  }
  // The remaining constructors, one allocation each.
  EXPECT_EQ(
      inject(
          abc,
          [](auto&) {
            return show(IString(reinterpret_cast<const signed char*>("s"))) +
                   show(IString(reinterpret_cast<const unsigned char*>("u"))) +
                   show(IString(static_cast<unsigned char>('c'))) +
                   show(IString(short(-5))) + show(IString(65535u)) +
                   show(IString(static_cast<unsigned short>(9))) +
                   show(IString(-7L));
          }),
      7);
  EXPECT_GT(inject(abc,
                   [](auto& s) {
                     if constexpr (std::is_same<T_OF(s), Str>::value)
                       return show(Str("2.5"));
                     else
                       return show(IString(2.5));
                   }),
            0);
}

TEST(AllocationFailure, IndexingGrowsOrKeeps) {
  EXPECT_EQ(inject(text("abc"),
                   [](auto& s) {
                     s[9] = 'x';
                     return std::string(1, s[2]);
                   }),
            1);
}

#if MORVEK_STD_INTEROP
TEST(AllocationFailure, StandardLibraryInteropKeepsItsValue) {
  for (const Str& start : {text("ab"), Str(nullptr), text("")}) {
    EXPECT_EQ(inject(start,
                     [](auto& s) {
                       return show(T_OF(s)(std::string("a\0b", 3))) +
                              show(T_OF(s)(std::string_view("xy")));
                     }),
              2);
    EXPECT_EQ(inject(start,
                     [](auto& s) {
                       T_OF(s) moved(std::move(s));
                       std::string was = show(s);
                       s = std::move(moved);
                       return was + s.asStdString();
                     }),
              0);
  }
}
#endif

TEST(AllocationFailure, SubStringsAndEditingKeepTheirValue) {
  for (const Str& start : {text("abcdef"), Str(nullptr), text("")}) {
    inject(start, [](auto& s) {
      return show(s.subString(2)) + show(s.subString(2, 9, '.'));
    });
    inject(start, [](auto& s) { return show(s.remove(2)); });
    inject(start, [](auto& s) { return show(s.remove(2, 2)); });
    inject(start, [](auto& s) { return show(s.leftJustify(9, '.')); });
    inject(start, [](auto& s) { return show(s.rightJustify(9, '.')); });
    inject(start, [](auto& s) { return show(s.overlayWith(s, 3, '.')); });
    inject(start,
           [](auto& s) { return show(s.overlayWith(T_OF(s)("XY"), 9)); });
    inject(start, [](auto& s) { return show(T_OF(s)::insert(s, s, 2, '.')); });
    inject(start,
           [](auto& s) { return show(T_OF(s)::insert(s, T_OF(s)("XY"), 9)); });
  }
}

TEST(AllocationFailure, StrippingAndCaseKeepTheirValue) {
  for (const Str& start : {text(" \tAb x "), text("xxAbx"), Str(nullptr)}) {
    inject(start, [](auto& s) { return show(s.stripLeading()); });
    inject(start, [](auto& s) { return show(s.strip()); });
    inject(start, [](auto& s) { return show(s.strip("x ")); });
    inject(start, [](auto& s) { return show(s.strip('x')); });
    inject(start, [](auto& s) { return show(s.stripLeading("x")); });
    inject(start, [](auto& s) {
      return show(T_OF(s)::stripBlanks(s)) +
             show(T_OF(s)::stripLeadingBlanks(s)) +
             show(T_OF(s)::stripTrailingBlanks(s));
    });
    inject(start, [](auto& s) {
      return show(T_OF(s)::upperCase(s)) + show(T_OF(s)::lowerCase(s));
    });
  }
}

TEST(AllocationFailure, ReplacementKeepsItsValue) {
  for (const Str& start : {text("abcabc"), Str(nullptr)}) {
    inject(start, [](auto& s) { return show(s.change("b", "XY")); });
    inject(start, [](auto& s) {
      return show(s.change(T_OF(s)("c"), T_OF(s)(""), 3, 1));
    });
    inject(start, [](auto& s) { return show(s.change(s, "x")); });
    inject(start, [](auto& s) { return show(s.change("a", T_OF(s)("x"))); });
    inject(start, [](auto& s) { return show(s.translate("a", s)); });
    inject(start, [](auto& s) { return show(s.translate(T_OF(s)("b"), "")); });
    inject(start, [](auto& s) { return show(s.translate(s, s)); });
    inject(start, [](auto& s) {
      return show(T_OF(s)::change(s, T_OF(s)("a"), T_OF(s)("_")));
    });
  }
}

TEST(AllocationFailure, WordsAllocateOnlyTheirResult) {
  const Str start = text("  one two\tthree\n");
  EXPECT_EQ(inject(start, [](auto& s) { return show(s.word(2)); }), 1);
  inject(start, [](auto& s) { return show(s.words(2)) + show(s.words(1, 2)); });
  EXPECT_EQ(inject(start,
                   [](auto& s) {
                     return show(s.numWords()) + show(s.indexOfWord(2)) +
                            show(s.lengthOfWord(3));
                   }),
            0);
}

TEST(AllocationFailure, RadixConversionsKeepTheirValue) {
  // Inputs valid and invalid for each conversion, and d2x's zero result.
  const char* inputs[] = {"0100000101", "1010", "255", "0",   "ff",
                          "AB",         "4G",   "",    "0011"};
  for (const char* input : inputs) {
    const Str start = text(input);
#define RADIX(name)                                      \
  inject(start, [](auto& s) { return show(s.name()); }); \
  inject(start, [](auto& s) { return show(T_OF(s)::name(s)); });
    RADIX(b2c)
    RADIX(b2d)
    RADIX(b2x)
    RADIX(c2b)
    RADIX(c2d)
    RADIX(c2x) RADIX(d2b) RADIX(d2c) RADIX(d2x) RADIX(x2b) RADIX(x2c) RADIX(x2d)
#undef RADIX
  }
}

}  // namespace
