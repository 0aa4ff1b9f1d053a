#!/usr/bin/env bash
# Starts the real program on a private X server and converts 1000 bytes to kilobytes with real
# mouse and keyboard input, then reads the result through the accessibility bus.
#   first_conversion.sh PROGRAM
# Exits 77 (skipped) only when there is no X server to run it on.
set -euo pipefail

program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "first_conversion: Xvfb is not installed; skipped" >&2
  exit 77
fi
for tool in xdotool dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || { echo "first_conversion: $tool is missing" >&2; exit 1; }
done

# Inside a private session bus, so the accessibility bus is ours alone.
if [[ -z "${OMBRELO_E2E_SESSION:-}" ]]; then
  export OMBRELO_E2E_SESSION=1
  exec dbus-run-session -- "$(realpath "$0")" "$program"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display number the server picks itself, so parallel runs do not collide.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.2; done
[[ -s "$work/display" ]] || { echo "first_conversion: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="${HOME:-$work}"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export LC_ALL=C.UTF-8  # "." decimal point, "," groups: a result independent of the machine

# The program takes no command line: not even the toolkit's own options may change the window.
"$program" -qwindowtitle Renamed -reverse --anything else >"$work/program.log" 2>&1 &
pids+=($!)

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ombrelo v1\.1 ~by Vesk$' | head -n 1)
[[ -n "$window" ]] || { echo "first_conversion: the window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window" || true
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y: the client area's corner

# Positions in twips within the client area, as the form is laid out (15 twips to a pixel).
click() {  # click TWIPS_X TWIPS_Y
  xdotool mousemove --sync $((X + $1 / 15)) $((Y + $2 / 15)) click 1
  sleep 0.3
}

# Step 1: type the area into the list's field, then Select.
click $((120 + 240 + 1500)) $((840 + 360 + 150))
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 'Bytes'
click $((120 + 3360 + 540)) $((840 + 360 + 180))
# Step 2: the first formula button, at its circle.
click $((120 + 120 + 100)) $((1800 + 360 + 125))
# Step 3: the forward direction, at its circle; the amount box then has the focus.
click $((120 + 120 + 100)) $((3360 + 240 + 125))
xdotool type --delay 50 '1000'
# Step 4: Convert.
click $((120 + 240 + 600)) $((6120 + 240 + 125))

# The system's Python: it has the accessibility bindings, whatever python3 is first on PATH.
if ! /usr/bin/python3 "$here/read_labels.py" --window 'Ombrelo v1.1 ~by Vesk' \
    --expect '0.98' --expect '(bytes) / 1024'; then
  echo "first_conversion: program output:" >&2
  cat "$work/program.log" >&2
  exit 1
fi
