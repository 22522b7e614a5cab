#!/usr/bin/env bash
# Builds and runs the unit suite (without the large tests) on other
# platforms and toolchains:
#   aarch64  cross-compiled with g++-aarch64-linux-gnu, run under qemu-aarch64
#   s390x    cross-compiled with g++-s390x-linux-gnu, run under qemu-s390x
#            (big-endian; both targets have an unsigned char)
#   libcxx   clang++ -stdlib=libc++ on the host
# Each builds GoogleTest from Debian's sources with its own toolchain.
#   .ci/cross.sh [aarch64|s390x|libcxx]...   (default: all three)
# Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}

suites=("$@")
[ ${#suites[@]} -gt 0 ] || suites=(aarch64 s390x libcxx)

packages=(googletest)
for suite in "${suites[@]}"; do
  case $suite in
    aarch64 | s390x) packages+=("g++-$suite-linux-gnu" qemu-user) ;;
    libcxx) packages+=(clang libc++-dev libc++abi-dev) ;;
    *)
      echo "unknown suite '$suite' (aarch64, s390x or libcxx)" >&2
      exit 2
      ;;
  esac
done

bash .ci/apt-need.sh "${packages[@]}"

for suite in "${suites[@]}"; do
  start=$SECONDS
  echo "-- $suite: configure, build, run the unit suite"
  cmake --workflow --preset "$suite" --fresh
  echo "-- $suite: passed in $((SECONDS - start)) s"
done
