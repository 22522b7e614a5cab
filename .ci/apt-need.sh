#!/usr/bin/env bash
# Installs, from Debian's packages, those of the packages named that are not
# installed yet; installs nothing when all are there.
#   .ci/apt-need.sh PACKAGE...
# Runs apt-get as root, or through sudo for another user.
set -euo pipefail
missing=()
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "-- installing ${missing[*]}"
sudo=
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
  --no-install-recommends "${missing[@]}"
