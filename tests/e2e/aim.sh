#!/usr/bin/env bash
# The real program follows the pointer: after a move the arm hangs 1 pixel right of and below
# the pointer, the left rear-sight post stands 29 right of and 9 above it, the notch stays open,
# and the background is the range without a target; a second move takes the arm along and
# leaves no trace of it at the old place.
#   bash aim.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

readonly SIGHT="49 24 52"
readonly NO_TARGET=$E2E_ROOT/assets/range_no_target.jpg
readonly ARM=$E2E_ROOT/assets/arm_on_black.png

# Moves the pointer to ($2, $3) of the range view's inner area in window $1.
aim_at() {
  move_to "$1" $((VIEW_X + $2)) $((VIEW_Y + $3))
}

# The colour shown at ($2, $3) of the range view in screenshot $1.
view_pixel() {
  pixel_at "$1" $((VIEW_X + $2)) $((VIEW_Y + $3))
}

# The sway moves the arm and the rear sight by a pixel every half second, so the pixels checked
# lie where a pixel either way shows the same colour.
expect_frame_at() {
  local shot=$1 x=$2 y=$3 shown
  shown=$(view_pixel "$shot" $((x + 36)) $((y - 1)))
  colour_near "$shown" "$SIGHT" || fail "no rear-sight post at pointer $x,$y: $shown"
  shown=$(view_pixel "$shot" $((x + 47)) $((y - 5)))
  colour_near "$shown" "$SIGHT" && fail "the notch is closed at pointer $x,$y"
  shown=$(view_pixel "$shot" $((x + 1 + 60)) $((y + 1 + 150)))
  colour_near "$shown" "$(pixel_at "$ARM" 60 150)" 12 || fail "no hand under pointer $x,$y: $shown"
}

xdotool mousemove 0 0
start_program || fail "could not start $E2E_PROGRAM"
win=$(wait_for_window "$MAIN_CAPTION" 20) || fail "no main window"
sleep 0.5
activate_window "$win"

aim_at "$win" 450 250 && aim_at "$win" 500 300 || fail "the pointer did not reach the range view"
sleep 0.2
screenshot "$E2E_TMP/first.png" "$win" || fail "no screenshot"
expect_frame_at "$E2E_TMP/first.png" 500 300
# The first frame replaces the view's own picture with the range that has no target yet.
colour_near "$(view_pixel "$E2E_TMP/first.png" 409 120)" "$(pixel_at "$NO_TARGET" 409 120)" 12 ||
  fail "the middle plate still shows a target"

aim_at "$win" 300 200 || fail "the pointer did not reach the second aim point"
sleep 0.2
screenshot "$E2E_TMP/second.png" "$win" || fail "no screenshot"
expect_frame_at "$E2E_TMP/second.png" 300 200
colour_near "$(view_pixel "$E2E_TMP/second.png" 561 451)" "$(pixel_at "$NO_TARGET" 561 451)" 12 ||
  fail "the arm left a trace where it hung before"

stop_program
pass "the arm and the sights follow the pointer"
