#!/usr/bin/env bash
# Runs the conversion benchmarks, then measures the peak memory of
# lomarek-convert on a list of 1,000,000 values.
set -euo pipefail
build=${1:-build}
"$build/bench/conversion_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk 'BEGIN { srand(7); for (k = 0; k < 1000000; k++) printf "%.6f\n", rand() * 7000 }' > "$work/values.txt"
for rows in 10000 1000000; do
  awk -v rows="$rows" 'BEGIN { for (k = 0; k < rows; k++) printf "%.7f %.3f\n", k * 7000 / rows, k * 315000 / rows }' \
    > "$work/table.txt"
  table_kib=$(( rows * 16 / 1024 ))
  for method in linear "cubic spline"; do
    /usr/bin/time -f "%M" -o "$work/peak" "$build/cli/lomarek-convert" --table "$work/table.txt" \
      --method "$method" "$work/values.txt" > /dev/null
    echo "lomarek-convert --method \"$method\": 1,000,000 values, $rows-row table of $table_kib KiB:" \
      "peak memory $(cat "$work/peak") KiB"
  done
done
