#!/usr/bin/env bash
# Renews doc/images/lomarek-window.png, the picture of the window that the
# README and the manual show, on a virtual display when there is none.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
run=()
[[ -n "${DISPLAY:-}" ]] || run=(xvfb-run -a -s "-screen 0 1280x1024x24")
"${run[@]}" "$build/tests/lomarek-screenshot" "$here/doc/images/lomarek-window.png"
echo "wrote doc/images/lomarek-window.png"
