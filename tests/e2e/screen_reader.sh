#!/usr/bin/env bash
# A blind user's conversion under the real screen reader, Orca, by keys alone: Orca must speak
# the result after Convert and show it on a braille display, there too when the result has the
# focus, never leave the braille line empty, and keys typed with a panel open must not reach
# the box beneath it. Orca's speech and braille are read from its debug log, where it writes
# every utterance and every braille line, with or without a display attached.
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

# Orca with its own settings: braille on, and a log written line by line.
mkdir "$work/orca"
cat >"$work/orca/orca-customizations.py" <<'PY'
import orca.debug
import orca.settings

orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.enableBraille = True
PY
orca_log="$work/orca/debug.log"
NO_AT_BRIDGE=1 orca --user-prefs "$work/orca" --debug-file "$orca_log" >"$work/orca/out.log" 2>&1 &
pids+=($!)

# Everything Orca said after line FROM of its log.
speech_since() {  # speech_since FROM
  tail -n +"$(($1 + 1))" "$orca_log" 2>/dev/null |
    sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *\[*{.*/\1/p" || true
}
# Every braille line Orca showed after line FROM of its log.
braille_since() {  # braille_since FROM
  tail -n +"$(($1 + 1))" "$orca_log" 2>/dev/null | sed -n "s/.*BRAILLE LINE:  '\(.*\)'\$/\1/p" || true
}
mark() { wc -l <"$orca_log" 2>/dev/null || echo 0; }
# Waits until Orca has said TEXT since line FROM of its log; fails with all it said since.
expect_said() {  # expect_said FROM TEXT WHEN
  for _ in $(seq 50); do
    speech_since "$1" | grep -qF -- "$2" && return 0
    sleep 0.2
  done
  fail "Orca did not say \"$2\" $3; it said: $(speech_since "$1" | tr '\n' '|')"
}

# Presses KEY and waits until Orca has said TEXT. Orca hears every key before the program gets
# it, and a key it is slow to answer reaches the program late: so one key at a time, each
# waiting for what it did.
press() {  # press KEY TEXT
  local before
  before=$(mark)
  xdotool key --clearmodifiers "$1"
  expect_said "$before" "$2" "after $1"
}

expect_said 0 "Screen reader on" "on starting"
start_program
expect_said 0 "Choose and click Select" "when the area list got the focus"

# The first area and Select; the first formula (Tab passes Select and the buttons of step 4);
# the forward direction, whose amount box takes the focus; 1000; Convert.
press Down "Bytes"
press alt+s "3 formulas"
for stop in "Select" "Clear All" "Exit" "Calculator" "What's New" "About" "Bytes <=> KiloBytes"; do
  press Tab "$stop"
done
press space "3. Calculations."
press shift+Tab "KiloBytes -> Bytes"
press shift+Tab "Bytes -> KiloBytes"
press space "Enter Byte Amount"
for digit in 1 0 0 0; do press "$digit" "$digit "; done
before_convert=$(mark)
press alt+v "KiloBytes: 0.98"
for _ in $(seq 50); do
  braille_since "$before_convert" | grep -qF "KiloBytes: 0.98" && break
  sleep 0.2
done
braille_since "$before_convert" | grep -qF "KiloBytes: 0.98" ||
  fail "no braille line showed the result; they were: $(braille_since "$before_convert" | tr '\n' '|')"

# Back through step 4 to the result, which then shows its caption and number in braille.
for stop in "About" "What's New" "Calculator" "Exit" "Clear All"; do
  press shift+Tab "$stop"
done
before_result=$(mark)
press shift+Tab "0.98"
braille_since "$before_result" | grep -q "KiloBytes:.*0\.98" ||
  fail "the focused result's braille line lacks its caption or number: $(braille_since "$before_result" | tr '\n' '|')"
for stop in "Clear All" "Exit" "Calculator" "What's New" "About" "Enter Byte Amount"; do
  press Tab "$stop"
done

# About opens over the amount box that has the focus: what is typed then must not reach it.
press alt+a "About panel"
press 9 "9 "
expect_names 'Enter Byte Amount=1000' --absent 'Enter Byte Amount=10009'

# Every announcement reached the braille display too: none left its line empty.
if braille_since 0 | grep -qx ''; then
  fail "a braille line was empty after: $(grep -B40 "BRAILLE LINE:  ''\$" "$orca_log" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *\[*{.*/\1/p" | tail -n 1)"
fi
