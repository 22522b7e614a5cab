#!/usr/bin/env bash
# The README's install recipe on a machine without GoogleTest:
#   cmake --workflow --preset library
#   cmake --install build/library --prefix <dir>
# run with find_package, find_library, find_path and find_program unable to
# see anything under /usr and with GoogleTest, Google Benchmark, {fmt} and
# Python disabled by name, so that the build cannot use any of them. Checks
# that it builds morvek.so and nothing else (and counts the build steps),
# that the installed tree holds exactly the library, the public headers, the
# CMake package and the pkg-config file, and that consumers build against it:
# the C++ and C programs of examples/consumer, and a {fmt} program through
# istring_format.hpp when {fmt} is installed.
set -euo pipefail
root=$(pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "library-only check failed: $*" >&2; exit 1; }

rm -rf build/library
cmake --preset library -DCMAKE_IGNORE_PREFIX_PATH=/usr \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_fmt=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Python3=ON >"$scratch/configure.log" 2>&1 ||
  { cat "$scratch/configure.log"; fail "cmake --preset library"; }
cmake --workflow --preset library >"$scratch/build.log" 2>&1 ||
  { cat "$scratch/build.log"; fail "cmake --workflow --preset library"; }

steps=$(sed -n 's/^\[[0-9]*\/\([0-9]*\)\].*/\1/p' "$scratch/build.log" | tail -n 1)
linked=$(sed -n 's/^\[[0-9]*\/[0-9]*\] Linking [A-Z]* [a-z ]* \(.*\)$/\1/p' "$scratch/build.log")
echo "-- build: ${steps:-0} steps; linked: $linked"
grep '^\[[0-9]*/[0-9]*\]' "$scratch/build.log" | sed 's/^/   /'
[ "$linked" = morvek.so ] || fail "the build links more than morvek.so: $linked"
found=$(grep -iE '^[^#/].*(gtest|benchmark|fmt|python)' build/library/CMakeCache.txt |
  grep -vE '^CMAKE_(DISABLE_FIND_PACKAGE|IGNORE_PREFIX_PATH)' || true)
[ -z "$found" ] || fail "the configuration found a hidden package: $found"

prefix=$scratch/prefix
cmake --install build/library --prefix "$prefix" >/dev/null
expected=(
  include/morvek/istring.hpp
  include/morvek/istring_format.hpp
  include/morvek/lexcext.h
  lib/cmake/morvek/morvekConfig.cmake
  lib/cmake/morvek/morvekConfigVersion.cmake
  lib/cmake/morvek/morvekTargets-release.cmake
  lib/cmake/morvek/morvekTargets.cmake
  lib/morvek.so
  lib/pkgconfig/morvek.pc
)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
[ "$actual" = "$wanted" ] ||
  fail "installed files differ: $(diff <(echo "$wanted") <(echo "$actual") | tr '\n' ' ')"
echo "-- installed: ${#expected[@]} files, as expected"

bash "$root/.ci/consumers.sh" build/library --installed-only

if [ -f /usr/include/fmt/format.h ]; then
  echo "-- {fmt} consumer of the installed istring_format.hpp"
  printf '%s\n' '#include <istring_format.hpp>' \
    'int main() { return fmt::format("[{:>4}]", IString("ab")) == "[  ab]" ? 0 : 1; }' \
    >"$scratch/fmt.cpp"
  # shellcheck disable=SC2046
  c++ -std=c++11 -Wall -Wextra -Werror "$scratch/fmt.cpp" \
    $(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --cflags --libs morvek) \
    -lfmt -o "$scratch/fmt-consumer"
  "$scratch/fmt-consumer" || fail "the {fmt} consumer gave the wrong text"
fi
echo "library-only checks passed"
