#!/usr/bin/env bash
# Starts the desktop program, or, where there is none or no display to show it
# on, converts the bundled example with the command-line converter.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)

if [[ -x "$build/ui/lomarek" ]]; then
  if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec "$build/ui/lomarek"
  fi
  echo "No display to open Lomarek on; converting the example with lomarek-convert instead."
fi

echo "Depths of examples/lk07-sample-depths.txt as ages through examples/lk07-depth-age.txt (linear):"
"$build/cli/lomarek-convert" --table "$here/examples/lk07-depth-age.txt" "$here/examples/lk07-sample-depths.txt"
