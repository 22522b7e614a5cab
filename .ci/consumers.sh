#!/usr/bin/env bash
# Checks that other projects can use morvek:
# - installed from the build in $1 into a temporary prefix, which holds the
#   public headers and no other, the C++ program builds and runs once
#   through the CMake package and once through pkg-config, and so does the C
#   program that uses only lexcext.h;
# - the CMake package of the build tree $1 itself serves find_package too;
# - built inside another project (examples/embed), once with
#   add_subdirectory from this source tree and once with FetchContent from an
#   archive of it, the project gets morvek::morvek, builds none of morvek's
#   tests, examples, benchmarks or fuzzers, cannot include an internal
#   header, and its program runs.
#     .ci/consumers.sh BUILD_DIR [--installed-only]
# --installed-only stops after the consumers of the installed copy.
set -euo pipefail
build=$1
only=${2:-}
root=$(pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)

cmake --install "$build" --prefix "$prefix" >/dev/null

echo "-- the installed headers are the public ones"
installed=$(cd "$prefix/include/morvek" && find . -type f | sed 's|^\./||' | sort)
public=$(cd "$root/src/lex" && ls -- *.h *.hpp | sort)
[ "$installed" = "$public" ] ||
  { printf 'installed:\n%s\npublic:\n%s\n' "$installed" "$public"; exit 1; }

echo "-- consumer through find_package(morvek CONFIG)"
cmake -S "$root/examples/consumer" -B "$scratch/cmake" -G Ninja \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$scratch/cmake" >/dev/null
"$scratch/cmake/consumer"

echo "-- consumer through find_package(morvek CONFIG) from the build tree"
cmake -S "$root/examples/consumer" -B "$scratch/tree" -G Ninja \
  -Dmorvek_DIR="$(cd "$build" && pwd)" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$scratch/tree" >/dev/null
"$scratch/tree/consumer"

echo "-- consumer through pkg-config"
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib/$multiarch/pkgconfig"
# shellcheck disable=SC2046
c++ -std=c++11 -Wall -Wextra -Werror "$root/examples/consumer/main.cpp" \
  $(pkg-config --cflags --libs morvek) -o "$scratch/consumer-pc"
"$scratch/consumer-pc"

echo "-- C consumer of lexcext.h through pkg-config"
# shellcheck disable=SC2046
cc -std=c99 -Wall -Wextra -Werror "$root/examples/consumer/helpers.c" \
  $(pkg-config --cflags --libs morvek) -o "$scratch/helpers-c"
"$scratch/helpers-c"
[ "$only" = --installed-only ] && exit 0

# Configures and builds examples/embed in $1 with the further options given,
# checks which targets it has, and runs its program.
embedded() {
  local dir=$1
  shift
  cmake -S "$root/examples/embed" -B "$dir" -G Ninja \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@" >/dev/null
  cmake --build "$dir" >/dev/null
  local targets
  targets=$(ninja -C "$dir" -t targets all | sed 's/:.*//')
  grep -qx 'morvek/morvek.so\|_deps/morvek-build/morvek.so' <<<"$targets" ||
    { echo "morvek.so is not built"; exit 1; }
  if grep -E 'morvek_([a-z0-9_]*tests|usability|lexcext_c|tour|bench|memory)|_fuzz$' <<<"$targets"; then
    echo "the embedding build has morvek's own programs (above)"
    exit 1
  fi
  local reach
  for reach in reach_radix_hpp reach_internal_radix_hpp; do
    if cmake --build "$dir" --target "$reach" >"$dir/$reach.log" 2>&1 ||
      ! grep -q 'radix.hpp: No such file' "$dir/$reach.log"; then
      cat "$dir/$reach.log"
      echo "$reach: an internal header is on a consumer's include path"
      exit 1
    fi
  done
  "$dir/consumer"
}

echo "-- consumer building morvek with add_subdirectory"
embedded "$scratch/subdir" -DMORVEK_SOURCE_DIR="$root"

echo "-- consumer building morvek with FetchContent"
tar -C "$root" --exclude=./build --exclude=./.git -czf "$scratch/morvek.tar.gz" .
embedded "$scratch/fetch" -DMORVEK_ARCHIVE="$scratch/morvek.tar.gz"
