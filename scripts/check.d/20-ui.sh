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
type_example_row "$wid"
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

# Under a real window manager, which adds a title bar and borders: the outer frame is 483 x 366
# at the centred place, and Alt+F4 or a close request from outside ends the program with 0.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

# outer_geometry WID: the frame's x,y,width,height from the client and _NET_FRAME_EXTENTS.
outer_geometry() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  xwininfo -id "$1" | awk -v e="$extents" 'BEGIN{split(e, f, ",")}
    /Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF}
    END{print x-f[1]","y-f[3]","w+f[1]+f[2]","h+f[3]+f[4]}'
}

"$program" &
pid=$!
wid=$(wait_for_window "$pid") || fail "no window titled Quillorn under openbox"
outer=""
for _ in $(seq 40); do  # the frame comes a moment after the window
  outer=$(outer_geometry "$wid") || true
  [ "$outer" = "270,201,483,366" ] && break
  sleep 0.05
done
[ "$outer" = "270,201,483,366" ] || fail "outer frame at $outer under openbox, expected 270,201,483,366"
[ "$(outer_geometry "$wid" | cut -d, -f3,4)" != "$(xwininfo -id "$wid" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w","h}')" ] \
  || fail "openbox gave the window no frame"
xdotool type --delay 20 "2.1"  # in the middle of typing
xdotool key alt+F4
wait_exit "$pid"
[ "$EXIT_STATUS" = 0 ] || fail "exit code $EXIT_STATUS after Alt+F4"

"$program" &
pid=$!
wait_for_window "$pid" >/dev/null || fail "no window for the close request"
wmctrl -c Quillorn
wait_exit "$pid"
[ "$EXIT_STATUS" = 0 ] || fail "exit code $EXIT_STATUS after a close request"
kill "$wm" 2>/dev/null || true
wait "$wm" 2>/dev/null || true

echo "20-ui: the program ran under Xvfb and ended with 0"
