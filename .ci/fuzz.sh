#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each one for a
# bounded time on a scratch copy of its committed seed corpus. A finding
# stops the script with the input saved under build/fuzz/artifacts/.
#   .ci/fuzz.sh [seconds per target, default 60] [extra libFuzzer flags...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

cmake --workflow --preset fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p build/fuzz/artifacts
# A small quarantine and short allocation stacks keep ASan cheap per run.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:quarantine_size_mb=16:malloc_context_size=4
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
corpus_istring_ops=model/corpus
corpus_lexcext=fuzz/corpus/lexcext
for target in istring_ops lexcext; do
  echo "-- ${target}_fuzz for ${seconds}s"
  corpus=corpus_$target
  cp -r "${!corpus}" "$scratch/$target"
  status=0
  "build/fuzz/fuzz/${target}_fuzz" -max_len=512 -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/${target}-" "$@" \
    "$scratch/$target" >"$scratch/$target.log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$scratch/$target.log"
    exit "$status"
  fi
  grep -E '^(Done|stat::)' "$scratch/$target.log"
done
