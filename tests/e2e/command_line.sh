#!/usr/bin/env bash
# Qt's own options on the command line change nothing: started with -qwindowtitle,
# -qwindowgeometry, -reverse, -style, -platform and -display, the program shows the windows it
# shows without them, the main window under the same caption, with the same client area in the
# same place, and both it and the target window the same to the pixel (-reverse would mirror the
# target window's sight bar).
#   bash command_line.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

readonly QT_OPTIONS=(-qwindowtitle Заглавие -qwindowgeometry 300x200+10+10 -reverse -style windows
  -platform offscreen -display :199)

# Starts the program with the arguments $2 .., sets WIN_* to its main window's place and size,
# saves the main window's picture in $1.png and, once the right button has brought it up, the
# target window's in $1-target.png, and stops the program.
shown_with() {
  local pictures=$1 win target
  shift
  start_program "$@" || fail "could not start $E2E_PROGRAM"
  win=$(wait_for_window "$MAIN_CAPTION" 20) || fail "no window under the main caption when started with: ${*:-nothing}"
  wait_until_settled "$win" || fail "the main window did not come to rest"
  window_geometry "$win"
  # The first paint may follow the window manager's last move.
  sleep 0.5
  screenshot "$pictures.png" "$win" || fail "no screenshot"
  activate_window "$win"
  click_at "$win" $((VIEW_X + 600)) $((VIEW_Y + 500)) 3 || fail "no right click on the range view"
  target=$(wait_for_window "$TARGET_CAPTION" 5) || fail "the right button brought up no target window"
  sleep 0.5
  screenshot "$pictures-target.png" "$target" || fail "no screenshot of the target window"
  stop_program
}

# Fails unless the pictures $1 and $2 are the same; $3 names the window.
expect_same_picture() {
  local differing
  differing=$(compare -metric AE "$1" "$2" null: 2>&1)
  [[ $differing == 0 ]] || fail "$differing pixels of the $3 differ when started with ${QT_OPTIONS[*]}"
}

xdotool mousemove 0 0
shown_with "$E2E_TMP/plain"
plain="${WIN_WIDTH}x${WIN_HEIGHT}+${WIN_X}+${WIN_Y}"
xdotool mousemove 0 0
shown_with "$E2E_TMP/options" "${QT_OPTIONS[@]}"
with_options="${WIN_WIDTH}x${WIN_HEIGHT}+${WIN_X}+${WIN_Y}"
[[ $with_options == "$plain" ]] ||
  fail "client area $with_options when started with ${QT_OPTIONS[*]}, $plain without"
expect_same_picture "$E2E_TMP/plain.png" "$E2E_TMP/options.png" "main window"
expect_same_picture "$E2E_TMP/plain-target.png" "$E2E_TMP/options-target.png" "target window"
pass "the same windows with Qt's options on the command line as without"
