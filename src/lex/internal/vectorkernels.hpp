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
#include "replace.hpp"

namespace morvek {
namespace internal {

enum class VectorWidth { kSwar, kSse2, kNeon, kAvx2, kAvx512 };

struct VectorKernels {
  VectorWidth width;
  // The substring searches of fastfind.hpp, which say what each does.
  const char* (*find_first)(const char* pattern, std::size_t length,
                            const char* text, std::size_t text_length);
  const char* (*find_last)(const char* pattern, std::size_t length,
                           const char* text, std::size_t text_length);
  unsigned (*first_text_position)(const char* needle, const char* text,
                                  std::size_t text_length,
                                  unsigned text_position);
  unsigned (*last_text_position)(const char* needle, const char* text,
                                 std::size_t text_length,
                                 unsigned text_position);
  std::size_t (*find_all)(const char* pattern, std::size_t length,
                          const char*& at, const char* end, const char** hits,
                          std::size_t max_hits);
  // The byte counts and replacements of replace.hpp.
  ByteCount (*count_byte)(const char* p, std::size_t length,
                          const ByteSearch& search);
  char* (*replace_byte)(char* dest, const char* source, std::size_t length,
                        char byte, TextSpan output);
  void (*convert_case)(unsigned char* p, std::size_t length,
                       const CaseMapping& mapping);
  bool (*all_digits_of)(DigitClass digits, const char* p, std::size_t length);
  void (*write_hex_pairs)(const char* p, std::size_t count, char* out);
  void (*read_hex_pairs)(const char* p, std::size_t count, char* out);
};

// The kernels of the width in use.
extern const VectorKernels* active_kernels;
inline const VectorKernels& activeKernels() { return *active_kernels; }

// The occurrences of `c` among the `length` bytes at `p`, NUL bytes
// included.
inline std::size_t occurrencesOf(const char* p, std::size_t length, char c) {
  return activeKernels()
      .count_byte(p, length, ByteSearch{~std::size_t{0}, c, false})
      .count;
}

// The widths this build has and this processor runs, narrowest first.
std::vector<VectorWidth> availableWidths();
const char* nameOf(VectorWidth width);

// Makes `width` the width in use, if it is available (see
// ScopedVectorWidthForTesting in testhooks.hpp).
bool useWidthForTesting(VectorWidth width);

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_VECTORKERNELS_HPP_
