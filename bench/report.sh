#!/usr/bin/env bash
# Runs the benchmark suite once (Release build) and writes
# docs/performance.md and docs/performance.png from that run.
#
#   bench/report.sh            # 3 repetitions of 0.2 s, medians reported
#   REPS=5 MIN_TIME=0.5 bench/report.sh
#
# The machine should be otherwise idle: the figures are only as steady as it.
set -euo pipefail
cd "$(dirname "$0")/.."

bench/setup.sh --report
cmake --preset release >/dev/null
cmake --build --preset release --target morvek_bench morvek_memory

out=build/release/bench
"$out/morvek_bench" \
  --benchmark_repetitions="${REPS:-3}" \
  --benchmark_report_aggregates_only=true \
  --benchmark_min_time="${MIN_TIME:-0.2}" \
  --benchmark_out="$out/results.json" --benchmark_out_format=json
"$out/morvek_memory" >"$out/memory.md"
# Debian's interpreter, which sees Debian's matplotlib.
/usr/bin/python3 bench/report.py "$out/results.json" "$out/memory.md" docs
