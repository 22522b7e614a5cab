#!/bin/sh
# Compares the dynamic symbols that morvek.so defines with the checked-in list
# and checks that its soname is morvek.so.
#   check_exports.sh path/to/morvek.so path/to/exports.txt
# After a deliberate change of the interface, regenerate the list with
#   check_exports.sh path/to/morvek.so path/to/exports.txt --update
#
# The list spells the standard library's types as libstdc++ does
# (std::__cxx11::basic_string, asStdString[abi:cxx11]). Both sides are
# compared with the standard library's own inline namespaces and ABI tags
# taken out (std::__cxx11::, std::__1:: and [abi:cxx11]), so one list holds
# for a build against libstdc++ and for one against libc++.
#
# NM and READELF name the tools for the library's target (a cross build's
# <triple>-nm); they default to the host's nm and readelf.
set -eu
lib=$1
list=$2
NM=${NM:-nm}
READELF=${READELF:-readelf}

normalise() {
  sed -e 's/std::__cxx11::/std::/g' -e 's/std::__1::/std::/g' \
    -e 's/\[abi:cxx11\]//g' | LC_ALL=C sort -u
}

soname=$("$READELF" -d "$lib" | sed -n 's/.*(SONAME).*\[\(.*\)\].*/\1/p')
if [ "$soname" != "morvek.so" ]; then
  echo "soname is '$soname', expected 'morvek.so'"
  exit 1
fi

actual=$("$NM" -D --defined-only "$lib" | awk '$2 != "A" { print $3 }' |
  sed 's/@.*//' | c++filt | LC_ALL=C sort -u)

if [ "${3:-}" = "--update" ]; then
  printf '%s\n' "$actual" >"$list"
  exit 0
fi

expected=$(mktemp)
trap 'rm -f "$expected"' EXIT
normalise <"$list" >"$expected"
if ! printf '%s\n' "$actual" | normalise |
  diff -u --label "$list" --label "$lib" "$expected" -; then
  echo "exported symbols differ from $list (- expected, + actual; std::__cxx11::,"
  echo "std::__1:: and [abi:cxx11] left out on both sides)"
  exit 1
fi
echo "soname morvek.so, $(printf '%s\n' "$actual" | wc -l) exported symbols as listed"
