#!/usr/bin/env bash
# The real program as a native Wayland client of a headless weston: its window must come up
# at the design's 321 x 481 logical pixels, fixed (minimum size = maximum size, so nothing
# offers to maximize or resize it) and never asking to be maximized, under the app id that
# names its desktop entry; a screenshot is kept.
#   wayland_window.sh PROGRAM SCREENSHOT.png
# Exits 77 (skipped) only when weston is not installed.
set -euo pipefail

program=$(realpath "$1")
screenshot=$2
here=$(dirname "$(realpath "$0")")

if ! command -v weston >/dev/null 2>&1; then
  echo "wayland_window: weston is not installed; skipped" >&2
  exit 77
fi

source "$here/scratch.sh"
fail() {
  echo "wayland_window: $*" >&2
  for log in weston program; do
    [[ -s "$work/$log.log" ]] && { echo "--- $log:" >&2; tail -n 40 "$work/$log.log" >&2; }
  done
  exit 1
}

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=ombrelo-e2e
unset DISPLAY
# The software renderer is the one a headless compositor can draw with; --debug lets
# weston-screenshooter take the screen.
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
  --width=640 --height=640 --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] && break; sleep 0.1; done
[[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] || fail "weston did not start"

# The client's own requests are logged, to read what it asked of the compositor.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client NO_AT_BRIDGE=1 "$program" >"$work/program.log" 2>&1 &
pids+=($!)

# The window is there once a screenshot shows it.
shown=
for _ in $(seq 40); do
  sleep 0.5
  rm -f "$work"/wayland-screenshot-*.png
  (cd "$work" && weston-screenshooter >/dev/null 2>&1) || continue
  if /usr/bin/python3 "$here/window_in_screenshot.py" "$work"/wayland-screenshot-*.png \
      "$screenshot" 2>"$work/check.log"; then
    shown=1
    break
  fi
done
[[ -n "$shown" ]] || { cat "$work/check.log" >&2; fail "the window did not appear at 321 x 481"; }

grep -q 'wl_registry@.*qt_.*\|xdg_toplevel@[0-9]*\.set_title' "$work/program.log" ||
  fail "the program did not run as a Wayland client"
# The decorated size Qt asks for; the decoration adds the same margins to both.
min=$(grep -o 'xdg_toplevel@[0-9]*\.set_min_size([0-9]*, [0-9]*)' "$work/program.log" | tail -n 1)
max=$(grep -o 'xdg_toplevel@[0-9]*\.set_max_size([0-9]*, [0-9]*)' "$work/program.log" | tail -n 1)
[[ -n "$min" && "${min#*(}" == "${max#*(}" ]] ||
  fail "the window is not fixed: ${min:-no minimum size}, ${max:-no maximum size}"
if grep -q 'xdg_toplevel@[0-9]*\.set_maximized' "$work/program.log"; then
  fail "the window asked to be maximized"
fi
# Docks find the window's desktop entry by its app id: the entry's file name, case and all.
entry=$(basename "${OMBRELO_DESKTOP_ENTRY:?}" .desktop)
app_id=$(grep -o 'xdg_toplevel@[0-9]*\.set_app_id("[^"]*")' "$work/program.log" | tail -n 1)
[[ "$app_id" == *".set_app_id(\"$entry\")" ]] || fail "the app id is not $entry: ${app_id:-none}"
size=${min#*(}
echo "wayland_window: client area 321 x 481, fixed at ${size%)}; screenshot in $screenshot"
