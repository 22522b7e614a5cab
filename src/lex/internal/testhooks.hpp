// testhooks.hpp: the settings the kernel tests change and the work they
// count (internal, not installed).
//
// The library never changes a setting and counts nothing: a count costs a
// test of one flag. Tests change settings only through the scoped guards
// below, whose destructors restore what was there, also when an assertion
// leaves the test early.

#ifndef MORVEK_INTERNAL_TESTHOOKS_HPP_
#define MORVEK_INTERNAL_TESTHOOKS_HPP_

#include <atomic>
#include <cstddef>

namespace morvek {
namespace internal {

enum class VectorWidth;  // vectorkernels.hpp

// Work done by the kernels while a ScopedWorkCountForTesting lives.
struct WorkCounts {
  std::size_t end_searches = 0;       // searches for a text's end
  std::size_t end_bytes = 0;          // bytes those searches examined
  std::size_t search_alignments = 0;  // alignments the search filter passed
  std::size_t hand_overs = 0;         // searches ended by the two-way matcher
};

// What a substring search may spend before it changes method: bytes of
// failed comparisons (before the two-way matcher takes over) and
// alignments for single-byte candidates (before the pair of bytes does).
struct SearchAllowances {
  std::size_t compare;
  std::size_t crowd;
};
constexpr SearchAllowances kLibrarySearchAllowances = {1024, 4096};

namespace hooks {
extern std::atomic<bool> counting;
extern WorkCounts counts;  // written only while counting
extern std::atomic<std::size_t> compare_allowance;
extern std::atomic<std::size_t> crowd_allowance;
}  // namespace hooks

inline void countWork(std::size_t WorkCounts::*counter, std::size_t n) {
  if (hooks::counting.load(std::memory_order_relaxed))
    hooks::counts.*counter += n;
}

inline SearchAllowances searchAllowances() {
  return {hooks::compare_allowance.load(std::memory_order_relaxed),
          hooks::crowd_allowance.load(std::memory_order_relaxed)};
}

// Counts the kernels' work from zero while it lives; one at a time.
class ScopedWorkCountForTesting {
 public:
  ScopedWorkCountForTesting();
  ~ScopedWorkCountForTesting();
  ScopedWorkCountForTesting(const ScopedWorkCountForTesting&) = delete;
  ScopedWorkCountForTesting& operator=(const ScopedWorkCountForTesting&) =
      delete;
  const WorkCounts& counts() const { return hooks::counts; }
  void reset() { hooks::counts = WorkCounts(); }
};

// Searches start with `allowances` while it lives.
class ScopedSearchAllowancesForTesting {
 public:
  explicit ScopedSearchAllowancesForTesting(SearchAllowances allowances);
  ~ScopedSearchAllowancesForTesting();
  ScopedSearchAllowancesForTesting(const ScopedSearchAllowancesForTesting&) =
      delete;
  ScopedSearchAllowancesForTesting& operator=(
      const ScopedSearchAllowancesForTesting&) = delete;

 private:
  SearchAllowances saved_;
};

// The kernels run at `width` while it lives, which must be one of
// availableWidths() (vectorkernels.hpp).
class ScopedVectorWidthForTesting {
 public:
  explicit ScopedVectorWidthForTesting(VectorWidth width);
  ~ScopedVectorWidthForTesting();
  ScopedVectorWidthForTesting(const ScopedVectorWidthForTesting&) = delete;
  ScopedVectorWidthForTesting& operator=(const ScopedVectorWidthForTesting&) =
      delete;

 private:
  VectorWidth saved_;
};

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_TESTHOOKS_HPP_
