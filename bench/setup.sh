#!/usr/bin/env bash
# Installs what the benchmark suite and its report need from Debian's
# packages: Google Benchmark, the peer libraries (Abseil, Boost) and, with
# --report, matplotlib for the chart. Packages already present are skipped.
set -euo pipefail

pkgs=(libbenchmark-dev libabsl-dev libboost-dev)
if [ "${1:-}" = "--report" ]; then pkgs+=(python3-matplotlib); fi

need=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    need+=("$p")
done
[ ${#need[@]} -eq 0 ] && exit 0

SUDO=
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
