#!/usr/bin/env bash
# By keys alone: opens About with its access key, closes it with its "Back" button, and ends
# the program with Exit's access key, which must leave with status 0.
#   about_and_exit.sh PROGRAM
source "$(dirname "$(realpath "$0")")/session.sh"

start_program
xdotool key --clearmodifiers alt+a
expect_names 'Back' 'About Ombrelo'
# The focus went into the panel's text; Tab passes over what the panel hides
# and over the locked-out buttons: Clear All, Exit, then Back.
xdotool key --clearmodifiers Tab Tab Tab space
expect_names 'About' --absent 'Back' 'About Ombrelo'
xdotool key --clearmodifiers alt+e
expect_exit_zero
