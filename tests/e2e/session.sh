# The start every end-to-end flow shares: a private session bus and X server, with the real
# program on them. A flow script begins with
#   source "$(dirname "$(realpath "$0")")/session.sh"   # its one argument: PROGRAM
# then calls start_program [ARGS...] and drives the window with click, xdotool key and
# expect_names. Exits 77 (skipped) only when there is no X server to run on.
set -euo pipefail

flow=$(basename "$0" .sh)
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
title='Ombrelo v1.1 ~by Vesk'

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "$flow: Xvfb is not installed; skipped" >&2
  exit 77
fi
for tool in xdotool xprop dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$flow: $tool is missing" >&2; exit 1; }
done

# Inside a private session bus, so the accessibility bus is ours alone.
if [[ -z "${OMBRELO_E2E_SESSION:-}" ]]; then
  export OMBRELO_E2E_SESSION=1
  exec dbus-run-session -- "$(realpath "$0")" "$program"
fi

source "$here/scratch.sh"

fail() {
  echo "$flow: $*" >&2
  if [[ -s "$work/program.log" ]]; then
    echo "$flow: program output:" >&2
    cat "$work/program.log" >&2
  fi
  exit 1
}

# A display number the server picks itself, so parallel runs do not collide.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.2; done
[[ -s "$work/display" ]] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n 1 "$work/display")"

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="${HOME:-$work}"
# The accessibility bus puts its socket in the cache folder: a private one, so no other session
# of the same user can take it away mid-flow.
export XDG_CACHE_HOME="$work/cache"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export LC_ALL=C.UTF-8  # "." decimal point, "," groups: a result independent of the machine

# Starts the program with ARGS and waits for its window to have the focus. Sets program_pid
# and X, Y: the corner of the window's client area.
start_program() {
  "$program" "$@" >"$work/program.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${title//./\\.}\$" | head -n 1)
  [[ -n "$window" ]] || fail "the window did not appear"
  # Docks match the window to its desktop entry by the class the entry names.
  local class
  class=$(sed -n 's/^StartupWMClass=//p' "$OMBRELO_DESKTOP_ENTRY")
  [[ $(xprop -id "$window" WM_CLASS) == *", \"$class\"" ]] ||
    fail "the window's class is not the desktop entry's \"$class\""
  xdotool windowfocus --sync "$window" || true
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Positions in twips within the client area, as the form is laid out (15 twips to a pixel).
click() {  # click TWIPS_X TWIPS_Y
  xdotool mousemove --sync $((X + $1 / 15)) $((Y + $2 / 15)) click 1
  sleep 0.3
}

# Waits until the window shows these names and not those after --absent, read over the
# accessibility bus with the system's Python, which has the bindings whatever python3 is
# first on PATH.
expect_names() {  # expect_names NAME... [--absent NAME...]
  local args=() option=--expect
  for name in "$@"; do
    if [[ "$name" == --absent ]]; then option=--absent; else args+=("$option" "$name"); fi
  done
  /usr/bin/python3 "$here/read_names.py" --window "$title" "${args[@]}" ||
    fail "the window does not show what was expected"
}

# Waits for the program to end by itself, and fails unless its exit status is 0.
expect_exit_zero() {
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
  kill -0 "$program_pid" 2>/dev/null && fail "the program did not end"
  local status=0
  wait "$program_pid" || status=$?
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
}
