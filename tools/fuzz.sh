#!/usr/bin/env bash
# Runs every fuzzer for the given seconds on a copy of its seed corpus; a
# crash leaves its input in build-fuzz/findings for a regression case.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
here=$(cd "$(dirname "$0")/.." && pwd)
for name in setting_file conversion; do
  work="$build/fuzz-corpus/$name"
  mkdir -p "$work" "$build/findings"
  cp -n "$here/tests/fuzz/corpus/$name/"* "$work/" 2>/dev/null || true
  echo "fuzzing $name for $seconds s"
  "$build/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/findings/$name-" "$work" 2>&1 | tail -n 12
  status=${PIPESTATUS[0]}
  if [[ $status -ne 0 ]]; then
    echo "fuzzer $name failed: see $build/findings" >&2
    exit "$status"
  fi
done
