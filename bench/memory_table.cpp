// memory_table.cpp: prints, as a Markdown table, what one string of a given
// length costs: its object size plus the heap bytes it holds, for IString
// and std::string. Heap use is counted by replacing the global allocation
// functions, which the library's array new reaches as well.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "istring.hpp"

namespace {

std::size_t requested_bytes = 0;  // sum of the sizes asked for
std::size_t block_bytes = 0;      // sum of malloc_usable_size of the blocks
std::size_t blocks = 0;

void* counted(std::size_t n) {
  void* p = std::malloc(n == 0 ? 1 : n);
  if (p == nullptr) throw std::bad_alloc();
  requested_bytes += n;
  block_bytes += malloc_usable_size(p);
  ++blocks;
  return p;
}

struct Usage {
  std::size_t requested, block, count;
};

template <typename Make>
Usage heapUse(Make make) {
  requested_bytes = block_bytes = blocks = 0;
  Usage u{};
  {
    auto s = make();
    u = {requested_bytes, block_bytes, blocks};
    (void)s;
  }
  return u;
}

}  // namespace

void* operator new(std::size_t n) { return counted(n); }
void* operator new[](std::size_t n) { return counted(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

int main() {
  std::printf(
      "| length | IString object | IString heap (asked / block) | IString "
      "total | std::string object | std::string heap (asked / block) | "
      "std::string total |\n|---:|---:|---:|---:|---:|---:|---:|\n");
  const unsigned lengths[] = {0, 1, 15, 16, 100, 1000};
  for (unsigned length : lengths) {
    const std::string text(length, 'x');
    const Usage is = heapUse([&] { return IString(text.c_str()); });
    const Usage ss = heapUse([&] { return std::string(text.c_str()); });
    std::printf("| %u | %zu | %zu / %zu | %zu | %zu | %zu / %zu | %zu |\n",
                length, sizeof(IString), is.requested, is.block,
                sizeof(IString) + is.block, sizeof(std::string), ss.requested,
                ss.block, sizeof(std::string) + ss.block);
  }
  const Usage null_use =
      heapUse([] { return IString(static_cast<const char*>(nullptr)); });
  std::printf("| 0 (null string) | %zu | %zu / %zu | %zu | | | |\n",
              sizeof(IString), null_use.requested, null_use.block,
              sizeof(IString) + null_use.block);
  return 0;
}
