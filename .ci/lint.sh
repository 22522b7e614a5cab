#!/usr/bin/env bash
# Checks the sources' habits: every C and C++ file as clang-format (the
# project's Google-based .clang-format) would write it, and clang-tidy (the
# checks of .clang-tidy) without a warning on every source of the library.
#   .ci/lint.sh [configured build directory, default build/dev]
# clang-tidy reads the compile commands of that build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}

echo "-- clang-format"
git ls-files -z '*.c' '*.cpp' '*.h' '*.hpp' '*.inc' |
  xargs -0 clang-format --dry-run --Werror

echo "-- clang-tidy on src/"
[ -f "$build/compile_commands.json" ] ||
  { echo "$build has no compile_commands.json: configure it first"; exit 1; }
git ls-files -z 'src/*.cpp' | xargs -0 clang-tidy --quiet -p "$build" 2>&1 |
  sed '/warnings generated\.$/d'
echo "lint: clean"
