#!/usr/bin/env bash
# A blind user's conversion under the real screen reader, Orca, by keys alone: Orca must speak
# the result after Convert, and keys typed with a panel open must not reach the box beneath it.
# Orca's speech is read from its debug log, where it writes every utterance.
#   screen_reader.sh PROGRAM
source "$(dirname "$(realpath "$0")")/session.sh"

for tool in orca speech-dispatcher; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
# Orca will not start beside another Orca of the same user, such as a developer's own.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "$flow: another Orca of this user is running; skipped" >&2
  exit 77
fi

# Speech goes nowhere: the dummy voice on ALSA's null device, as without either the server ends
# at start.
mkdir "$work/speech"
cat >"$work/speech/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
speech-dispatcher --run-single --timeout 0 --config-dir "$work/speech" --log-dir "$work/speech" \
  >"$work/speech/server.log" 2>&1 &
pids+=($!)

# Orca with its own settings: no braille, and a log written line by line.
mkdir "$work/orca"
cat >"$work/orca/orca-customizations.py" <<'PY'
import orca.debug
import orca.settings

orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.enableBraille = False
PY
orca_log="$work/orca/debug.log"
NO_AT_BRIDGE=1 orca --user-prefs "$work/orca" --debug-file "$orca_log" >"$work/orca/out.log" 2>&1 &
pids+=($!)

# Everything Orca said after line FROM of its log.
speech_since() {  # speech_since FROM
  tail -n +"$(($1 + 1))" "$orca_log" 2>/dev/null | grep -o "SPEECH OUTPUT: '[^']*'" |
    sed "s/^SPEECH OUTPUT: //" || true
}
mark() { wc -l <"$orca_log" 2>/dev/null || echo 0; }
# Waits until Orca has said TEXT since line FROM of its log; fails with all it said since.
expect_said() {  # expect_said FROM TEXT WHEN
  for _ in $(seq 50); do
    speech_since "$1" | grep -qF -- "$2" && return 0
    sleep 0.2
  done
  fail "Orca did not say \"$2\" $3; it said: $(speech_since "$1" | tr '\n' ' ')"
}

expect_said 0 "Screen reader on" "on starting"
start_program
expect_said 0 "$title" "when the window opened"

# Orca hears every key before the program gets it: each step waits until Orca has spoken it.
# The first area and Select; the first formula (Tab passes Select and the buttons of step 4);
# the forward direction, whose amount box takes the focus; 1000; Convert.
before=$(mark)
xdotool key --clearmodifiers Down alt+s
expect_said "$before" "3 formulas" "after Select"
before=$(mark)
xdotool key --delay 150 Tab Tab Tab Tab Tab Tab Tab space
expect_said "$before" "3. Calculations." "after the first formula"
before=$(mark)
xdotool key --delay 150 shift+Tab shift+Tab space
expect_said "$before" "Enter Byte Amount" "after the forward direction"
before=$(mark)
xdotool type --delay 100 '1000'
for digit in 1 0 0 0; do expect_said "$before" "$digit " "while 1000 was typed"; done
sleep 0.5
before=$(mark)
xdotool key --clearmodifiers alt+v
expect_said "$before" "KiloBytes: 0.98" "after Convert"

# About opens over the amount box that has the focus: what is typed then must not reach it.
before=$(mark)
xdotool key --clearmodifiers alt+a
xdotool type --delay 50 '9'
expect_said "$before" "About panel" "when About opened over the focused amount box"
expect_names 'Enter Byte Amount=1000' --absent 'Enter Byte Amount=10009'
