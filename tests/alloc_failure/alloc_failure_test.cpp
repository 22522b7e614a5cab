// alloc_failure_test.cpp: driver programs (model/driver.hpp) in
// allocation-failure mode. Each step runs with its k-th array allocation
// failing, k = 1, 2, ... until it completes: after each failure every string
// and argument holds its old value, operations that keep their buffer
// allocate nothing, and the completed step gives what the model gives.
// LeakSanitizer (asan preset) and valgrind watch for leaks.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "driver.hpp"

// Each block has a header holding its size and 16 guard bytes after it: a
// write beyond the block shows when it is released, also without a
// sanitizer.
void* operator new[](std::size_t size) {
  if (driver::allocationFails()) throw std::bad_alloc();
  auto* p = static_cast<unsigned char*>(std::malloc(size + 32));
  if (p == nullptr) throw std::bad_alloc();
  std::memcpy(p, &size, sizeof size);
  std::memset(p + 16 + size, 0xA5, 16);
  return p + 16;
}
void operator delete[](void* block) noexcept {
  if (block == nullptr) return;
  auto* p = static_cast<unsigned char*>(block) - 16;
  std::size_t size;
  std::memcpy(&size, p, sizeof size);
  for (int i = 0; i < 16; ++i)
    if (p[16 + size + i] != 0xA5) {
      std::fprintf(stderr, "write beyond a block of %zu bytes\n", size);
      std::abort();
    }
  std::free(p);
}
void operator delete[](void* block, std::size_t) noexcept {
  operator delete[](block);
}

namespace {

using driver::Arg;
using driver::Op;
using driver::Program;
using driver::Step;

// Every operation in each of its variants, on slots holding the null
// string, the empty string, text with a NUL byte and digits.
Program everyOperation() {
  Program prog;
  for (int op = 0; op < driver::kOps; ++op)
    for (int v : {0x01, 0x0E, 0x24, 0x32, 0x41, 0x46, 0x8B, 0x9C, 0xC3, 0xE1})
      for (int form = 0; form < (op == driver::kRadix ? 24 : 14); ++form) {
        prog.then(
                Step(driver::kBytes).count(0).bytes(std::string("a b\0c  ", 7)))
            .then(Step(driver::kFromText).on(1).count(0))
            .then(Step(driver::kNumber).on(3).count(123456));
        prog.then(Step(Op(op))
                      .on(v & 3, v >> 2 & 3, v >> 4 & 3)
                      .variant(v >> 6)
                      .form(form)
                      .at(form % 5)
                      .count(form % 3 ? 9 : ~0u)
                      .input(form % 2 ? Arg::slot(v & 3) : Arg::of("b "))
                      .output(Arg::of(form % 2 ? "c" : " "))
                      .ch(form % 4 ? 'b' : '\0')
                      .bytes("line\nmore"));
      }
  return prog;
}

// Every operation, then each program of model/corpus.
TEST(AllocationFailure, KeepsEveryValue) {
  std::vector<std::string> programs = {everyOperation().bytes};
  for (const auto& entry :
       std::filesystem::directory_iterator(MORVEK_PROGRAMS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    programs.emplace_back(std::istreambuf_iterator<char>(in),
                          std::istreambuf_iterator<char>());
  }
  ASSERT_GT(programs.size(), 5u);
  for (const std::string& program : programs) {
    driver::Driver d;
    d.failAllocations = true;
    EXPECT_TRUE(d.run(program)) << d.error;
    EXPECT_GT(d.injected, d.steps / 4);  // most steps allocate
  }
}

}  // namespace
