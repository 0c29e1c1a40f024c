# Helpers for driving the program under a virtual X server (sourced).

# start_xvfb WxHxD: starts Xvfb on a free display, exports DISPLAY, stops it on exit.
start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 9 -screen 0 "$1" -nolisten tcp 9>"$fd_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  DISPLAY=":$(head -n1 "$fd_file")"
  export DISPLAY
  rm -f "$fd_file"
  unset QT_QPA_PLATFORM
}

# wait_for_window PID: prints the id of PID's window titled Quillorn once it is mapped.
wait_for_window() {
  local wid
  for _ in $(seq 200); do
    wid=$(xdotool search --all --onlyvisible --pid "$1" --name '^Quillorn$' 2>/dev/null | head -n1) || true
    if [ -n "$wid" ]; then
      timeout 5 xdotool windowfocus --sync "$wid" >/dev/null 2>&1 || true
      sleep 0.2
      echo "$wid"
      return 0
    fi
    sleep 0.05
  done
  return 1
}

# click_at WID X Y: a left click at client position (X, Y) of the window.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.1
}

# copy_box WID X Y: clicks into the edit box at (X, Y), selects all, copies, prints the clipboard.
copy_box() {
  click_at "$1" "$2" "$3"
  xdotool key ctrl+a ctrl+c
  sleep 0.1
  timeout 5 xclip -o -selection clipboard
}

# wait_exit PID [SECONDS]: waits for the program to end (default 10 s) and puts its exit code in
# EXIT_STATUS, or "running" after killing it when it does not end in time. Not for $(...): only
# the shell that started the program can wait for it.
wait_exit() {
  EXIT_STATUS=0
  if ! timeout "${2:-10}" tail --pid="$1" -f /dev/null; then
    kill "$1" 2>/dev/null || true
    EXIT_STATUS=running
    return 0
  fi
  wait "$1" || EXIT_STATUS=$?
}

# type_example_row WID: from a fresh window (caret in 编辑框1), types the odds 2.10 3.20 3.50 and
# 1.95 3.40 3.60, walking with Tab past 编辑框4 and 按钮1, then clicks 按钮1.
type_example_row() {
  xdotool type --delay 20 "2.10"; xdotool key Tab
  xdotool type --delay 20 "3.20"; xdotool key Tab
  xdotool type --delay 20 "3.50"; xdotool key Tab Tab Tab
  xdotool type --delay 20 "1.95"; xdotool key Tab
  xdotool type --delay 20 "3.40"; xdotool key Tab
  xdotool type --delay 20 "3.60"
  click_at "$1" 412 196  # 按钮1
}
