// lexcext_fuzz.cpp: the seven C helpers against the model's. The first input
// byte picks the helper, the next four a count, and the rest splits at its
// first 0xFF byte into two texts, each handed over in a heap buffer of
// exactly its size so that any read or write past it is caught.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "istring_model.hpp"
#include "lexcext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size < 5 || size > 4096) return 0;
  // Heap copies of exactly their size, with a terminator when `nul`.
  auto copy = [](const std::string& s, bool nul = true) {
    std::unique_ptr<char[]> p(new char[s.size() + nul]);
    std::memcpy(p.get(), s.c_str(), s.size() + nul);
    return p;
  };
  namespace c = model::c;
  const int which = data[0] % 7;
  int count;
  std::memcpy(&count, data + 1, sizeof count);
  const std::string rest(reinterpret_cast<const char*>(data) + 5, size - 5);
  const std::size_t cut = std::min(rest.find('\xFF'), rest.size());
  const std::string one = rest.substr(0, cut),
                    two = rest.substr(cut).substr(!!rest[cut]);
  const auto a = copy(one), b = copy(two);
  const std::size_t n = std::min(one.size(), two.size());
  const auto x = copy(one.substr(0, n), false),
             y = copy(two.substr(0, n), false);
  bool ok = true;
  if (which == 0)
    ok = c::sign(strcmpi(a.get(), b.get())) == c::strcmpi(a.get(), b.get());
  if (which == 1)
    ok = strnicmp(a.get(), b.get(), count) ==
         c::strnicmp(a.get(), b.get(), count);
  if (which == 2)  // exactly n bytes, NUL bytes included, no terminator
    ok = c::sign(memicmp(x.get(), y.get(), unsigned(n))) ==
         c::memicmp(x.get(), y.get(), unsigned(n));
  if (which >= 3 && which <= 5) {  // in place, up to the first NUL byte
    const char* r = which == 3   ? strrev(a.get())
                    : which == 4 ? strlwr(a.get())
                                 : strupr(a.get());
    ok = r == a.get() &&
         std::string(a.get(), one.size()) == (which == 3   ? c::strrev(one)
                                              : which == 4 ? c::strlwr(one)
                                                           : c::strupr(one));
  }
  if (which == 6) {  // into a buffer of exactly 12 bytes, untouched for "???"
    const int radixes[4] = {8, 10, 16, count % 40};
    const int radix = radixes[(count >> 8) & 3];
    const int value = count ^ static_cast<int>(one.size() * 0x9E3779B1u);
    const std::string want = c::itoa(value, radix);
    const auto out = copy(std::string(11, '#'));
    const char* r = itoa(value, out.get(), radix);
    ok = r == want &&
         (want == "???"
              ? r != out.get() && std::string(out.get()) == std::string(11, '#')
              : r == out.get());
  }
  if (!ok) std::fprintf(stderr, "C helper %d differs\n", which), std::abort();
  return 0;
}
