// widths.cpp: the one place that compiles the vector kernels for each width
// and chooses the width in use.
//
// vectorsearch.inc and vectorblocks.inc are included once per width, each
// time in a namespace of its own where V is that width's byte vector type
// (bytevec.hpp) and `narrower` the namespace of the next narrower width, to
// which each kernel hands what is too short for it: AVX-512, AVX2, SSE2,
// SWAR on x86-64; NEON, SWAR on ARM64; SWAR elsewhere; and under SWAR a
// byte at a time. The width is chosen once, when the library is loaded.

#include <algorithm>
#include <cstring>

#include "bytevec.hpp"
#include "radix.hpp"
#include "replace.hpp"
#include "searchparts.hpp"
#include "textsize.hpp"
#include "twoway.hpp"
#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

// A byte at a time, under the narrowest vector (the search's own is in
// searchparts.hpp).
namespace bytewise {
inline ByteCount countByte(const char* p, std::size_t length,
                           const ByteSearch& search) {
  return countByteByByte(p, length, search);
}
inline char* replaceByte(char* dest, const char* source, std::size_t length,
                         char byte, TextSpan output) {
  return replaceByteByByte(dest, source, length, byte, output);
}
inline void convertCase(unsigned char* p, std::size_t length,
                        const CaseMapping& mapping) {
  convertCaseByTable(p, length, mapping);
}

inline bool allDigitsOf(DigitClass digits, const char* p, std::size_t length) {
  return allDigitsOfByByte(digits, p, length);
}
inline void writeHexPairs(const char* p, std::size_t count, char* out) {
  writeHexPairsByByte(p, count, out);
}
inline void readHexPairs(const char* p, std::size_t count, char* out) {
  readHexPairsByByte(p, count, out);
}
}  // namespace bytewise

namespace {

namespace swar {
namespace narrower = bytewise;
using V = Swar;
constexpr VectorWidth kThisWidth = VectorWidth::kSwar;
#include "vectorblocks.inc"
#include "vectorsearch.inc"
#include "vectortable.inc"
}  // namespace swar

#if MORVEK_X86
namespace sse2 {
namespace narrower = swar;
using V = Sse2;
constexpr VectorWidth kThisWidth = VectorWidth::kSse2;
#include "vectorblocks.inc"
#include "vectorsearch.inc"
#include "vectortable.inc"
}  // namespace sse2

MORVEK_TARGET_BEGIN("avx2")
namespace avx2 {
namespace narrower = sse2;
using V = Avx2;
constexpr VectorWidth kThisWidth = VectorWidth::kAvx2;
#include "vectorblocks.inc"
#include "vectorsearch.inc"
#include "vectortable.inc"
}  // namespace avx2
MORVEK_TARGET_END

MORVEK_TARGET_BEGIN("avx512bw,bmi2,lzcnt")
namespace avx512 {
namespace narrower = avx2;
using V = Avx512;
constexpr VectorWidth kThisWidth = VectorWidth::kAvx512;
#include "vectorblocks.inc"
#include "vectorsearch.inc"
#include "vectortable.inc"
}  // namespace avx512
MORVEK_TARGET_END
#endif  // MORVEK_X86

#if MORVEK_NEON
namespace neon {
namespace narrower = swar;
using V = Neon;
constexpr VectorWidth kThisWidth = VectorWidth::kNeon;
#include "vectorblocks.inc"
#include "vectorsearch.inc"
#include "vectortable.inc"
}  // namespace neon
#endif

// The widths of this build, narrowest first, and whether the processor runs
// each one.
struct Choice {
  const VectorKernels* kernels;
  bool runs;
};

const Choice* choices(std::size_t& count) {
#if MORVEK_X86
  __builtin_cpu_init();
  static const Choice kChoices[] = {
      {&swar::kKernels, true},
      {&sse2::kKernels, true},
      {&avx2::kKernels, __builtin_cpu_supports("avx2") != 0},
      {&avx512::kKernels, __builtin_cpu_supports("avx512bw") != 0 &&
                              __builtin_cpu_supports("bmi2") != 0}};
#elif MORVEK_NEON
  static const Choice kChoices[] = {{&swar::kKernels, true},
                                    {&neon::kKernels, true}};
#else
  static const Choice kChoices[] = {{&swar::kKernels, true}};
#endif
  count = sizeof kChoices / sizeof kChoices[0];
  return kChoices;
}

// The widest width the processor runs.
const VectorKernels* widest() {
  std::size_t count;
  const Choice* all = choices(count);
  while (!all[count - 1].runs) --count;
  return all[count - 1].kernels;
}

}  // namespace

// Until the library's initialisers have run, the narrowest.
const VectorKernels* active_kernels = &swar::kKernels;
[[maybe_unused]] const bool chosen = (active_kernels = widest(), true);

std::vector<VectorWidth> availableWidths() {
  std::size_t count;
  const Choice* all = choices(count);
  std::vector<VectorWidth> widths;
  for (std::size_t i = 0; i < count; ++i)
    if (all[i].runs) widths.push_back(all[i].kernels->width);
  return widths;
}

const char* nameOf(VectorWidth width) {
  switch (width) {
    case VectorWidth::kSwar:
      return "swar";
    case VectorWidth::kSse2:
      return "sse2";
    case VectorWidth::kNeon:
      return "neon";
    case VectorWidth::kAvx2:
      return "avx2";
    case VectorWidth::kAvx512:
      return "avx512";
  }
  return "?";
}

bool useWidthForTesting(VectorWidth width) {
  std::size_t count;
  const Choice* all = choices(count);
  for (std::size_t i = 0; i < count; ++i)
    if (all[i].runs && all[i].kernels->width == width) {
      active_kernels = all[i].kernels;
      return true;
    }
  return false;
}

}  // namespace internal
}  // namespace morvek
