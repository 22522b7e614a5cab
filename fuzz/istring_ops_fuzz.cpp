// istring_ops_fuzz.cpp: reads the input as a program of IString operations
// (model/driver.hpp) and aborts at the first difference between
// IString and the model.

#include <cstdio>
#include <cstdlib>

#include "driver.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size > 4096) return 0;  // one input stays fast
  driver::Driver d;
  if (!d.run(data, size)) {
    std::fprintf(stderr, "%s\n", d.error.c_str());
    std::abort();
  }
  return 0;
}
