// vectorkernels.hpp: the kernels that have vector code, one table of them
// per vector width, and the width in use (internal, not installed).
//
// widths.cpp compiles vectorsearch.inc and vectorblocks.inc once per width
// that the build has, and chooses once, when the library is loaded, the
// widest one the processor runs. Each kernel hands what is too short for
// its width to the next narrower one, down to a byte at a time.

#ifndef MORVEK_INTERNAL_VECTORKERNELS_HPP_
#define MORVEK_INTERNAL_VECTORKERNELS_HPP_

#include <cstddef>
#include <vector>

#include "casemap.hpp"
#include "charclass.hpp"
#include "searchparts.hpp"

namespace morvek {
namespace internal {

enum class VectorWidth { kSwar, kSse2, kNeon, kAvx2, kAvx512 };

// The vector scan of a substring search at one width (vectorsearch.inc).
template <bool kBackward, bool kNul, typename OnHit>
using ScanFunction = Outcome (*)(const Pattern& p, const char* text, Window& w,
                                 Budget& budget, OnHit& on_hit,
                                 std::size_t& clean);

struct VectorKernels {
  VectorWidth width;
  // Substring search: leftmost, rightmost, leftmost before the first NUL
  // byte, every occurrence.
  ScanFunction<false, false, FirstHit<false>> scan_first;
  ScanFunction<true, false, FirstHit<true>> scan_last;
  ScanFunction<false, true, FirstHit<false>> scan_first_before_nul;
  ScanFunction<false, false, AllHits> scan_all;
  void (*convert_case)(unsigned char* p, std::size_t length,
                       const CaseMapping& mapping);
  bool (*all_digits_of)(DigitClass digits, const char* p, std::size_t length);
  void (*write_hex_pairs)(const char* p, std::size_t count, char* out);
  void (*read_hex_pairs)(const char* p, std::size_t count, char* out);
};

// The kernels of the width in use.
extern const VectorKernels* active_kernels;
inline const VectorKernels& activeKernels() { return *active_kernels; }

// The widths this build has and this processor runs, narrowest first.
std::vector<VectorWidth> availableWidths();
const char* nameOf(VectorWidth width);

// Makes `width` the width in use, if it is available (see
// ScopedVectorWidthForTesting in testhooks.hpp).
bool useWidthForTesting(VectorWidth width);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_VECTORKERNELS_HPP_
