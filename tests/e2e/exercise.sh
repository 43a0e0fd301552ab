#!/usr/bin/env bash
# The two exercises in the real program: a rapid-fire sequence walks the target across plates 1,
# 3 and 5 and then takes it away; a precision series of ten shots ends with the target window in
# front and the total in the total box.
#   bash exercise.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

# Top-left corners of the bull's black disc on each plate, in range-view pixels.
declare -A DISC=([1]="301 111" [3]="401 112" [5]="508 112")

# Whether the middle of the disc on plate $2 is black in the window screenshot $1.
disc_shown() {
  local x y
  read -r x y <<<"${DISC[$2]}"
  colour_near "$(mean_colour "$1" $((VIEW_X + x + 5)) $((VIEW_Y + y + 5)) 8 8)" "0 0 0" 60
}

# Fails unless the screenshot $1 shows the target on plate $2 and on no other ("none": nowhere).
expect_target_on() {
  local plate
  for plate in 1 3 5; do
    if [[ $plate == "$2" ]]; then
      disc_shown "$1" "$plate" || fail "$3: no target on plate $plate"
    else
      ! disc_shown "$1" "$plate" || fail "$3: a target on plate $plate, expected on $2"
    fi
  done
}


ms_since() {
  echo $((($(date +%s%N) - $1) / 1000000))
}

sleep_until_ms() {
  local left=$(($2 - $(ms_since "$1")))
  ((left > 0)) && sleep "$(awk -v ms="$left" 'BEGIN { print ms / 1000 }')"
  return 0
}

# Width in pixels of the text drawn in a box of the score column, inside its frame: w x h at (x, y)
# of the range view; 0 for an empty box.
ink_width() {
  local ink=$E2E_TMP/ink.png
  convert "$1" -crop "$4x$5+$((VIEW_X + $2 + 3))+$((VIEW_Y + $3 + 3))" +repage -threshold 50% -negate "$ink" ||
    return 1
  if [[ $(convert "$ink" -format '%[fx:maxima]' info:) == 0 ]]; then
    echo 0
  else
    convert "$ink" -trim -format '%w' info:
  fi
}

start_program || fail "the program did not start"
win=$(wait_for_window "$MAIN_CAPTION") || fail "no main window"
wait_until_settled "$win" || fail "the main window did not come to rest"
activate_window "$win"

screenshot "$E2E_TMP/start.png" "$win" || fail "no screenshot"
expect_target_on "$E2E_TMP/start.png" 3 "at start-up"

# Rapid fire, with the pointer resting below the plates so that the sway redraws every 500 ms.
press_button "$win" $BARZA || fail "could not press БЪРЗА СТРЕЛБА"
t0=$(date +%s%N)
move_to "$win" $((VIEW_X + 300)) $((VIEW_Y + 450)) || fail "could not rest the pointer on the range"
for step in "7000 1" "10000 3" "13000 5" "16000 none"; do
  read -r at plate <<<"$step"
  sleep_until_ms "$t0" "$at"
  screenshot "$E2E_TMP/rapid-$at.png" "$win" || fail "no screenshot"
  expect_target_on "$E2E_TMP/rapid-$at.png" "$plate" "$(ms_since "$t0") ms into rapid fire"
done

# Precision fire: each shot aimed from a fresh aim redraw at the same point of the bull, the pointer
# raised by the 5 pixels that each scored shot lowers the sights.
press_button "$win" $BAVNA || fail "could not press ПРЕЦИЗНА СТРЕЛБА"
screenshot "$E2E_TMP/precision.png" "$win" || fail "no screenshot"
[[ $(ink_width "$E2E_TMP/precision.png" 0 320 43 18) == 0 ]] ||
  fail "the total box is not empty at the start of the series"
for shot in {1..10}; do
  click_at "$win" $((VIEW_X + 358)) $((VIEW_Y + 139 - 5 * (shot - 1))) 1 || fail "shot $shot not fired"
  # The recoil frame comes 10 ms after the shot; the next aim starts from it.
  sleep 0.2
done

target=$(wait_for_window "$TARGET_CAPTION" 5) || fail "the target window did not come up after ten shots"
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | while read -r id; do echo $((id)); done)
[[ $(grep -nx "$target" <<<"$stacking" | cut -d: -f1) -gt $(grep -nx "$win" <<<"$stacking" | cut -d: -f1) ]] ||
  fail "the target window is not in front of the main window"

screenshot "$E2E_TMP/series.png" "$win" || fail "no screenshot"
shot_width=$(ink_width "$E2E_TMP/series.png" 0 288 19 13)
total_width=$(ink_width "$E2E_TMP/series.png" 0 320 43 18)
((shot_width > 0)) || fail "the tenth shot's points are not shown"
((total_width * 2 > shot_width * 3)) || fail "no two-digit total in the total box"

# Every shot landed 3 mm right of and 4 mm above the face centre, where the marks stand together.
screenshot "$E2E_TMP/target.png" "$target" || fail "no screenshot of the target window"
colour_near "$(mean_colour "$E2E_TMP/target.png" 308 245 4 4)" "0 0 0" 60 ||
  fail "no shot mark 3 mm right of and 4 mm above the face centre"

pass "rapid fire steps across plates 1, 3 and 5; a precision series ends with the target in front"
