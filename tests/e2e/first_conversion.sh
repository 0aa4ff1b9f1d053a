#!/usr/bin/env bash
# Converts 1000 bytes to kilobytes in the real program with real mouse and keyboard input, and
# reads the result through the accessibility bus.
#   first_conversion.sh PROGRAM
source "$(dirname "$(realpath "$0")")/session.sh"

# The program takes no command line: not even the toolkit's own options may change the window.
start_program -qwindowtitle Renamed -reverse --anything else

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

expect_names '0.98' '(bytes) / 1024'
