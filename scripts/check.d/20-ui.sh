# The real program under a virtual X server: it ignores its arguments, opens centred at its
# size, computes a row typed with the keyboard, gives the result to the clipboard, closes on Esc
# with exit code 0, and runs twice side by side.
set -euo pipefail
program="$QUILLORN_BUILD/app/quillorn"
[ -x "$program" ] || { echo "20-ui: $program is missing" >&2; exit 1; }
source "$QUILLORN_ROOT/scripts/lib/xvfb.sh"
start_xvfb 1024x768x24
cd /tmp  # the program must move to its own folder

fail() { echo "20-ui: $*" >&2; exit 1; }

# Options Qt would take (-platform, -style) must change nothing: the window still appears on X.
"$program" -platform offscreen -style nonsense --reverse extra &
pid=$!
wid=$(wait_for_window "$pid") || fail "no window titled Quillorn"

geometry=$(xwininfo -id "$wid" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
  /Width:/{w=$NF} /Height:/{h=$NF} END{print x","y","w","h}')
[ "$geometry" = "270,201,483,366" ] || fail "window at $geometry, expected 270,201,483,366"
[ "$(readlink "/proc/$pid/cwd")" = "$(dirname "$(readlink -f "$program")")" ] \
  || fail "current directory is $(readlink "/proc/$pid/cwd")"

# The caret starts in 编辑框1; Tab walks 编辑框2, 3, 4, 按钮1, 编辑框5 ...
xdotool type --delay 20 "2.10"; xdotool key Tab
xdotool type --delay 20 "3.20"; xdotool key Tab
xdotool type --delay 20 "3.50"; xdotool key Tab Tab Tab
xdotool type --delay 20 "1.95"; xdotool key Tab
xdotool type --delay 20 "3.40"; xdotool key Tab
xdotool type --delay 20 "3.60"
click_at "$wid" 412 196  # 按钮1
[ "$(copy_box "$wid" 408 56)" = "93.1%" ] || fail "编辑框4 shows '$(copy_box "$wid" 408 56)'"
[ "$(copy_box "$wid" 104 200)" = "51.28" ] || fail "编辑框9 shows '$(copy_box "$wid" 104 200)'"
[ "$(copy_box "$wid" 296 200)" = "28.57" ] || fail "编辑框11 shows '$(copy_box "$wid" 296 200)'"

xdotool key Escape
wait_exit "$pid"
[ "$EXIT_STATUS" = 0 ] || fail "exit code $EXIT_STATUS after Esc"

# Two copies side by side; each closes on its own with exit code 0.
"$program" & first=$!
"$program" & second=$!
first_wid=$(wait_for_window "$first") || fail "first copy shows no window"
second_wid=$(wait_for_window "$second") || fail "second copy shows no window"
for wid_pid in "$first_wid:$first" "$second_wid:$second"; do
  timeout 5 xdotool windowfocus --sync "${wid_pid%%:*}"
  xdotool key Escape
  wait_exit "${wid_pid##*:}"
  [ "$EXIT_STATUS" = 0 ] || fail "a copy ended with $EXIT_STATUS"
done
echo "20-ui: the program ran under Xvfb and ended with 0"
