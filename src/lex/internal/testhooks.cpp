// testhooks.cpp: the settings and counters of testhooks.hpp.

#include "testhooks.hpp"

#include <cstdlib>

#include "vectorkernels.hpp"

namespace morvek {
namespace internal {

namespace hooks {
std::atomic<bool> counting{false};
WorkCounts counts;
std::atomic<std::size_t> compare_allowance{kLibrarySearchAllowances.compare};
std::atomic<std::size_t> crowd_allowance{kLibrarySearchAllowances.crowd};
}  // namespace hooks

namespace {

void setAllowances(SearchAllowances allowances) {
  hooks::compare_allowance.store(allowances.compare, std::memory_order_relaxed);
  hooks::crowd_allowance.store(allowances.crowd, std::memory_order_relaxed);
}

}  // namespace

ScopedWorkCountForTesting::ScopedWorkCountForTesting() {
  if (hooks::counting.exchange(true)) std::abort();  // one at a time
  reset();
}

ScopedWorkCountForTesting::~ScopedWorkCountForTesting() {
  hooks::counting.store(false);
}

ScopedSearchAllowancesForTesting::ScopedSearchAllowancesForTesting(
    SearchAllowances allowances)
    : saved_(searchAllowances()) {
  setAllowances(allowances);
}

ScopedSearchAllowancesForTesting::~ScopedSearchAllowancesForTesting() {
  setAllowances(saved_);
}

ScopedVectorWidthForTesting::ScopedVectorWidthForTesting(VectorWidth width)
    : saved_(activeKernels().width) {
  if (!useWidthForTesting(width)) std::abort();  // not on this processor
}

ScopedVectorWidthForTesting::~ScopedVectorWidthForTesting() {
  useWidthForTesting(saved_);
}

}  // namespace internal
}  // namespace morvek
