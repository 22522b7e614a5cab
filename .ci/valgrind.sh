#!/usr/bin/env bash
# Runs the unit tests (not the large ones), the model's property tests, the
# allocation-failure tests and the fuzz corpus replays of a build under
# valgrind memcheck; any error or leak fails. valgrind's processor has no
# AVX-512, so there the substring finder runs its AVX2 width, which a
# machine with AVX-512 never runs natively.
#   .ci/valgrind.sh [build directory, default build/dev]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
memcheck() {
  echo "-- valgrind $*"
  valgrind -q --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite,indirect,possible "$@" >"$log" 2>&1 ||
    { cat "$log"; exit 1; }
}
memcheck "$build/tests/morvek_tests"
memcheck "$build/tests/kernel/morvek_kernel_tests"
# It replaces operator new[] itself: valgrind must leave that one in place.
memcheck --soname-synonyms=somalloc=nouserintercepts \
  "$build/tests/morvek_alloc_failure_tests"
memcheck "$build/fuzz/istring_ops_fuzz" model/corpus
memcheck "$build/fuzz/lexcext_fuzz" fuzz/corpus/lexcext
echo "valgrind: clean"
