#!/usr/bin/env bash
# Runs COMMAND on a private X server and session bus with Qt's accessibility bridge on, as a
# screen reader would find the program. Exits 77 (skipped) when there is no X server to run on.
#   with_bridge.sh COMMAND [ARGS...]
set -euo pipefail

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "with_bridge: Xvfb is not installed; skipped" >&2
  exit 77
fi
if [[ -z "${OMBRELO_BRIDGE_SESSION:-}" ]]; then
  export OMBRELO_BRIDGE_SESSION=1
  exec dbus-run-session -- "$(realpath "$0")" "$@"
fi

source "$(dirname "$(realpath "$0")")/scratch.sh"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.2; done
[[ -s "$work/display" ]] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# Qt turns its bridge on when it finds the accessibility bus running, as a screen reader leaves
# it; here nothing else starts it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null

# Under LeakSanitizer: what libdbus still holds for messages in flight as the program ends is
# libdbus's own, not the program's.
printf 'leak:libdbus-1.so\n' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

status=0
"$@" || status=$?
exit "$status"
