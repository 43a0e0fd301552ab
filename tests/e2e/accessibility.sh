#!/usr/bin/env bash
# What a screen reader finds of the program through the accessibility bus (AT-SPI): the buttons
# under their captions, the windows under theirs, the range view under its name, and the score
# boxes and the target window's text boxes reading what they hold. A button pressed through the
# bus acts as a click does. The program gets no switch of its own: it joins the bus because the
# bus says that an assistive technology is in use, as a running screen reader has it.
#   bash accessibility.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

source "$(dirname "$0")/accessibility_helpers.sh"

# Aims as the first shot of fire.sh, at the bull of the middle plate, and fires before the pistol
# begins to sway 500 ms after the aim. In precision fire the shot lands 2.1 mm from the centre, a
# 10; before an exercise is chosen the bull marker stands away from every plate and it scores 0.
aim_and_fire() {
  move_to "$win" $((VIEW_X + 337)) $((VIEW_Y + 140)) || fail "could not move the pointer over the range view"
  move_to "$win" $((VIEW_X + 357)) $((VIEW_Y + 140)) || fail "could not aim"
  xdotool click 1
}

start_accessibility

start_program || fail "could not start $E2E_PROGRAM"
win=$(wait_for_window "$MAIN_CAPTION" 20) || fail "no main window"
read_tree || fail "the program is not on the accessibility bus"

for caption in "ПРЕЦИЗНА СТРЕЛБА" "СМЯНА НА МИШЕНА" "БЪРЗА СТРЕЛБА" "Мишена"; do
  has_object "" push_button "$caption" || fail "no push button read as \"$caption\""
done
has_object 1 "" "$MAIN_CAPTION" || fail "the main window is not read under its caption"
has_object "" "" "Стрелбище" || fail "the range view is not read under its name"
for k in {1..10}; do
  expect_text "Точки $k" "" "at start-up"
done
expect_text "Общо" "" "at start-up"

aim_and_fire
wait_for_text "Точки 1" 0 "after a shot with no exercise chosen"

accessible press "$E2E_PROGRAM_PID" "ПРЕЦИЗНА СТРЕЛБА" || fail "could not press ПРЕЦИЗНА СТРЕЛБА through the bus"
wait_for_text "Точки 1" "" "once ПРЕЦИЗНА СТРЕЛБА, pressed through the bus, has begun a new series"
aim_and_fire
wait_for_text "Точки 1" 10 "after the shot in precision fire"
expect_text "Точки 2" "" "after one shot"

accessible press "$E2E_PROGRAM_PID" "Мишена" || fail "could not press Мишена through the bus"
wait_for_window "$TARGET_CAPTION" 5 >/dev/null || fail "pressing Мишена through the bus did not show the target window"
wait_for_text "Точки" 10 "in the target window"
has_object 1 "" "$TARGET_CAPTION" || fail "the target window is not read under its caption"
expect_text "Странична поправка" Text1 "in a fresh target window"
expect_text "Поправка по височина" Text1 "in a fresh target window"

stop_program
pass "buttons, text boxes and windows read through the accessibility bus"
