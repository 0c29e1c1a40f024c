#!/usr/bin/env bash
# screenshot.sh [BUILD]: docs/screenshot.png, the window after one calculation, taken under a
# virtual X server (Xvfb, xdotool and ImageMagick's import; see scripts/deps.d/ui.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${QUILLORN_BUILD:-$root/build}}
program="$build/app/quillorn"
[ -x "$program" ] || { echo "screenshot: build the program first ($program)" >&2; exit 1; }
source "$root/scripts/lib/xvfb.sh"
start_xvfb 1024x768x24

"$program" &
pid=$!
wid=$(wait_for_window "$pid") || { echo "screenshot: no window" >&2; exit 1; }
type_example_row "$wid"
click_at "$wid" 104 56   # the caret back in 编辑框1
sleep 0.3
mkdir -p "$root/docs"
import -window "$wid" "png:$root/docs/screenshot.png"
xdotool key Escape
wait_exit "$pid"
[ "$EXIT_STATUS" = 0 ] || echo "screenshot: the program did not end cleanly" >&2
echo "screenshot: $root/docs/screenshot.png"
