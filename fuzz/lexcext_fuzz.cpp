// lexcext_fuzz.cpp: the seven C helpers against plain reference loops. The
// first input byte picks the helper and a count, the rest is split in two
// texts, each handed over in a heap buffer of exactly its size so that any
// read or write past it is caught.

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "lexcext.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s differs from its reference\n", what);
  std::abort();
}

void expect(bool ok, const char* what) {
  if (!ok) fail(what);
}

int sign(int v) { return (v > 0) - (v < 0); }

// A heap copy of `s` with exactly `extra` bytes more (0 or a terminator).
std::vector<char> buffer(const std::string& s, bool terminated) {
  std::vector<char> b(s.begin(), s.end());
  if (terminated) b.push_back('\0');
  b.shrink_to_fit();
  return b;
}

int lowerAt(const char* p, std::size_t i) {
  return std::tolower(static_cast<unsigned char>(p[i]));
}

int upperAt(const char* p, std::size_t i) {
  return std::toupper(static_cast<unsigned char>(p[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size < 5 || size > 4096) return 0;
  const int which = data[0] % 7;
  int count;
  std::memcpy(&count, data + 1, sizeof count);
  std::string rest(reinterpret_cast<const char*>(data) + 5, size - 5);
  const std::size_t cut = rest.find('\xFF');
  std::string one = rest.substr(0, cut);
  std::string two = cut == std::string::npos ? "" : rest.substr(cut + 1);
  std::vector<char> a = buffer(one, true), b = buffer(two, true);

  switch (which) {
    case 0: {  // strcmpi: the order of the lower-cased texts
      int want = 0;
      for (std::size_t i = 0;; ++i) {
        want = sign(lowerAt(a.data(), i) - lowerAt(b.data(), i));
        if (want != 0 || a[i] == '\0') break;
      }
      expect(sign(strcmpi(a.data(), b.data())) == want, "strcmpi");
      break;
    }
    case 1: {  // strnicmp: exactly -1, 0 or +1, never past a shared terminator
      int want = 0;
      for (int i = 0; i < count; ++i) {
        want = sign(upperAt(a.data(), i) - upperAt(b.data(), i));
        if (want != 0 || a[i] == '\0') break;
      }
      expect(strnicmp(a.data(), b.data(), count) == want, "strnicmp");
      break;
    }
    case 2: {  // memicmp: exactly cnt bytes, NUL bytes included
      const std::size_t cnt = std::min(one.size(), two.size());
      std::vector<char> x = buffer(one.substr(0, cnt), false);
      std::vector<char> y = buffer(two.substr(0, cnt), false);
      int want = 0;
      for (std::size_t i = 0; i < cnt && want == 0; ++i)
        want = sign(lowerAt(x.data(), i) - lowerAt(y.data(), i));
      expect(sign(memicmp(x.data(), y.data(), unsigned(cnt))) == want,
             "memicmp");
      break;
    }
    case 3:
    case 4:
    case 5: {  // strrev, strlwr, strupr: in place, up to the first NUL only
      std::vector<char> want = a;
      const std::size_t n = std::strlen(a.data());
      for (std::size_t i = 0; i < n; ++i)
        want[i] = which == 3   ? a[n - 1 - i]
                  : which == 4 ? char(lowerAt(a.data(), i))
                               : char(upperAt(a.data(), i));
      char* r = which == 3   ? strrev(a.data())
                : which == 4 ? strlwr(a.data())
                             : strupr(a.data());
      expect(r == a.data() && a == want, "strrev/strlwr/strupr");
      break;
    }
    default: {  // itoa into a buffer of exactly 12 bytes
      const int radixes[4] = {8, 10, 16, count % 40};
      const int radix = radixes[(count >> 8) & 3];
      const int value = count ^ static_cast<int>(one.size() * 0x9E3779B1u);
      char* out = static_cast<char*>(std::malloc(12));
      std::memset(out, '#', 12);
      char* r = itoa(value, out, radix);
      char want[16] = "############";
      if (radix == 8 || radix == 10 || radix == 16)
        std::snprintf(want, sizeof want,
                      radix == 8    ? "%o"
                      : radix == 10 ? "%d"
                                    : "%x",
                      value);
      const bool supported = radix == 8 || radix == 10 || radix == 16;
      expect(supported ? r == out && std::strcmp(out, want) == 0
                       : std::strcmp(r, "???") == 0 && r != out &&
                             std::memcmp(out, want, 12) == 0,
             "itoa");
      std::free(out);
    }
  }
  return 0;
}
