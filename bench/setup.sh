#!/usr/bin/env bash
# Installs what the benchmark suite and its report need from Debian's
# packages: Google Benchmark, the peer libraries (Abseil, Boost) and, with
# --report, matplotlib for the chart. Packages already present are skipped.
set -euo pipefail
pkgs=(libbenchmark-dev libabsl-dev libboost-dev)
if [ "${1:-}" = "--report" ]; then pkgs+=(python3-matplotlib); fi
bash "$(dirname "$0")/../.ci/apt-need.sh" "${pkgs[@]}"
