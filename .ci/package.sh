#!/usr/bin/env bash
# Builds the Debian package from a Release build (the "package" workflow
# preset), unpacks it with dpkg -x into a scratch root and checks what it
# holds: the files under /usr, the dependencies, the soname, a .pc file
# without an rpath, and that programs build and run against the unpacked
# copy through pkg-config and through the CMake package.
set -euo pipefail
root=$(pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package check failed: $*" >&2; exit 1; }

cmake --workflow --preset package >"$scratch/build.log" 2>&1 ||
  { cat "$scratch/build.log"; fail "cmake --workflow --preset package"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
arch=$(dpkg --print-architecture)
deb=build/package/morvek_${version}_${arch}.deb
[ -f "$deb" ] || fail "$deb was not built"
echo "-- $deb"

fields=$(dpkg-deb -f "$deb" Package Version Architecture Depends)
echo "$fields" | sed 's/^/   /'
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libc6 libstdc++6; do
  grep -Eq "(^|, )${dep//+/\\+}( |,|$)" <<<"$depends" ||
    fail "Depends lacks $dep: $depends"
done

pkgroot=$scratch/root
dpkg -x "$deb" "$pkgroot"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
libdir=usr/lib/$multiarch
expected=(
  "$libdir/morvek.so"
  usr/include/morvek/istring.hpp
  usr/include/morvek/istring_format.hpp
  usr/include/morvek/lexcext.h
  "$libdir/cmake/morvek/morvekConfig.cmake"
  "$libdir/cmake/morvek/morvekConfigVersion.cmake"
  "$libdir/cmake/morvek/morvekTargets.cmake"
  "$libdir/cmake/morvek/morvekTargets-release.cmake"
  "$libdir/pkgconfig/morvek.pc"
)
for file in "${expected[@]}"; do
  [ -f "$pkgroot/$file" ] || fail "missing /$file"
done
actual=$(cd "$pkgroot" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] ||
  fail "unexpected files: $(comm -13 <(echo "$wanted") <(echo "$actual") | tr '\n' ' ')"
echo "-- files: ${#expected[@]} as expected, all under /usr"

soname=$(readelf -d "$pkgroot/$libdir/morvek.so" | sed -n 's/.*(SONAME).*\[\(.*\)\].*/\1/p')
[ "$soname" = morvek.so ] || fail "soname is '$soname'"
if readelf -d "$pkgroot/$libdir/morvek.so" | grep -qE '\((RPATH|RUNPATH)\)'; then
  fail "morvek.so carries an rpath"
fi
pc=$pkgroot/$libdir/pkgconfig/morvek.pc
if grep -q rpath "$pc"; then fail "morvek.pc adds an rpath: $(grep Libs "$pc")"; fi
echo "-- soname morvek.so, no rpath in morvek.so or morvek.pc"

# Programs built against the unpacked copy. Without an rpath they find the
# library as an installed package would let them: here via LD_LIBRARY_PATH.
export PKG_CONFIG_PATH=$pkgroot/$libdir/pkgconfig
# shellcheck disable=SC2046
c++ -std=c++11 -Wall -Wextra -Werror "$root/examples/consumer/main.cpp" \
  $(pkg-config --cflags --libs morvek) -o "$scratch/consumer-pc"
# shellcheck disable=SC2046
cc -std=c99 -Wall -Wextra -Werror "$root/examples/consumer/helpers.c" \
  $(pkg-config --cflags --libs morvek) -o "$scratch/helpers-c"
cmake -S "$root/examples/consumer" -B "$scratch/cmake" -G Ninja \
  -DCMAKE_PREFIX_PATH="$pkgroot/usr" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$scratch/cmake" >/dev/null
export LD_LIBRARY_PATH=$pkgroot/$libdir
echo "-- consumers built against the unpacked package:"
"$scratch/consumer-pc"
"$scratch/helpers-c"
"$scratch/cmake/consumer"
echo "package checks passed"
