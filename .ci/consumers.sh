#!/usr/bin/env bash
# Installs the build in $1 into a temporary prefix and builds and runs the
# consumer programs against it: the C++ program once through the CMake
# package and once through pkg-config, and the C program that uses only
# lexcext.h through pkg-config.
set -euo pipefail
build=$1
root=$(pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

echo "-- consumer through find_package(morvek CONFIG)"
cmake -S "$root/examples/consumer" -B "$scratch/cmake" -G Ninja \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$scratch/cmake" >/dev/null
"$scratch/cmake/consumer"

echo "-- consumer through pkg-config"
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib/x86_64-linux-gnu/pkgconfig"
# shellcheck disable=SC2046
c++ -std=c++11 -Wall -Wextra -Werror "$root/examples/consumer/main.cpp" \
  $(pkg-config --cflags --libs morvek) -o "$scratch/consumer-pc"
"$scratch/consumer-pc"

echo "-- C consumer of lexcext.h through pkg-config"
# shellcheck disable=SC2046
cc -std=c99 -Wall -Wextra -Werror "$root/examples/consumer/helpers.c" \
  $(pkg-config --cflags --libs morvek) -o "$scratch/helpers-c"
"$scratch/helpers-c"
