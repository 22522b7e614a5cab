#!/bin/sh
# Compares the dynamic symbols that morvek.so defines with the checked-in list
# and checks that its soname is morvek.so.
#   check_exports.sh path/to/morvek.so path/to/exports.txt
# After a deliberate change of the interface, regenerate the list with
#   check_exports.sh path/to/morvek.so path/to/exports.txt --update
set -eu
lib=$1
list=$2

soname=$(readelf -d "$lib" | sed -n 's/.*(SONAME).*\[\(.*\)\].*/\1/p')
if [ "$soname" != "morvek.so" ]; then
  echo "soname is '$soname', expected 'morvek.so'"
  exit 1
fi

actual=$(nm -D --defined-only "$lib" | awk '$2 != "A" { print $3 }' |
  sed 's/@.*//' | c++filt | LC_ALL=C sort -u)

if [ "${3:-}" = "--update" ]; then
  printf '%s\n' "$actual" >"$list"
  exit 0
fi

if ! printf '%s\n' "$actual" | diff -u "$list" -; then
  echo "exported symbols differ from $list (- expected, + actual)"
  exit 1
fi
echo "soname morvek.so, $(printf '%s\n' "$actual" | wc -l) exported symbols as listed"
