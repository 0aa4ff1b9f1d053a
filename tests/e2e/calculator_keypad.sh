#!/usr/bin/env bash
# By keys alone: opens the calculator with its access key, types 12 + 3 on the numeric keypad
# with Num Lock on, presses the keypad's Enter and reads 15 in the display. Each keypad key
# must act once, though it both types a character and is released as a keypad key.
#   calculator_keypad.sh PROGRAM
source "$(dirname "$(realpath "$0")")/session.sh"

start_program
xdotool key --clearmodifiers alt+u
expect_names 'Back' 'Calculator display='
# The server starts with Num Lock off.
xdotool key Num_Lock
xdotool key KP_1 KP_2 KP_Add KP_3 KP_Enter
expect_names 'Calculator display=15'
