// kernelprobe.hpp: counters that the kernel tests read (internal, not
// installed).
//
// The library is built without MORVEK_KERNEL_PROBE and the counters cost
// nothing. tests/kernel compiles the kernel sources with it defined, to
// bound the work a call does without timing anything: how many bytes are
// examined for the text's end, and how many alignments the search passes;
// and to start a search with a smaller allowance, so that it hands over to
// its fallbacks at any point a test chooses.

#ifndef MORVEK_KERNELPROBE_HPP_
#define MORVEK_KERNELPROBE_HPP_

#include <cstddef>

#ifdef MORVEK_KERNEL_PROBE
namespace morvek {
namespace internal {
namespace probe {
extern std::size_t end_bytes;          // bytes examined for the end
extern std::size_t end_searches;       // searches for the end
extern std::size_t search_alignments;  // alignments the filter passed
extern std::size_t hand_overs;         // searches ended by two-way
extern std::size_t budget_base;        // a search's first comparison budget
extern std::size_t crowd_base;         // and single-byte candidate allowance
}  // namespace probe
}  // namespace internal
}  // namespace morvek
#define MORVEK_PROBE_ADD(counter, n) (::morvek::internal::probe::counter += (n))
// A setting left at ~0 is the library's own value.
#define MORVEK_PROBE_SETTING(name, value)             \
  (::morvek::internal::probe::name == ~std::size_t{0} \
       ? std::size_t{value}                           \
       : ::morvek::internal::probe::name)
#else
#define MORVEK_PROBE_ADD(counter, n) ((void)0)
#define MORVEK_PROBE_SETTING(name, value) (value)
#endif

#endif  // MORVEK_KERNELPROBE_HPP_
