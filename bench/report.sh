#!/usr/bin/env bash
# Runs the benchmark suite once (Release build) and fills the generated parts
# of docs/performance.md, and docs/performance.png, from that run: the Google
# Benchmark suite (morvek_bench), the memory table, the scaling table
# (1 MiB against 16 MiB), the needle corpus and the line workload. The
# targets are in bench/targets.toml; the page's hand-written text stays.
#
#   bench/report.sh            # 3 repetitions of 0.2 s, medians reported
#   REPS=5 MIN_TIME=0.5 ROUNDS=9 bench/report.sh   (ROUNDS: the tables' rounds)
#
# Takes about ten minutes on a machine of two processors. Every figure is a
# median or the best of several rounds, but the machine should still be
# otherwise idle: the figures are only as steady as it.
set -euo pipefail
cd "$(dirname "$0")/.."

bench/setup.sh --report
cmake --preset release >/dev/null
cmake --build --preset release --target morvek_bench morvek_memory \
  morvek_scaling morvek_corpus morvek_lines

out=build/release/bench
"$out/morvek_bench" \
  --benchmark_repetitions="${REPS:-3}" \
  --benchmark_report_aggregates_only=true \
  --benchmark_min_time="${MIN_TIME:-0.2}" \
  --benchmark_out="$out/results.json" --benchmark_out_format=json
"$out/morvek_memory" >"$out/memory.md"
"$out/morvek_scaling" "${ROUNDS:-5}" >"$out/scaling.json"
"$out/morvek_corpus" "${ROUNDS:-7}" >"$out/corpus.json"
"$out/morvek_lines" "${ROUNDS:-7}" >"$out/lines.json"
# Debian's interpreter, which sees Debian's matplotlib.
/usr/bin/python3 bench/report.py "$out/results.json" "$out/memory.md" \
  "$out/scaling.json" "$out/corpus.json" "$out/lines.json" docs
