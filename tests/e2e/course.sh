#!/usr/bin/env bash
# A series of rapid-fire pistol in the real program, read as a screen reader reads it: the course
# chosen from the menu Дисциплина with the arrow keys and Enter loads, Готов calls attention and
# the start follows; five shots, one at each of the five targets within the series' 8 s, score in
# the score column, and the stop command shows their sum as the series' points. Ending the course
# from the same menu takes its panel off the range.
#   bash course.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/accessibility_helpers.sh"

# The items "Скорострелен пистолет 25 м" and "Край на дисциплината", as the menu lists them.
readonly RAPID_FIRE=4 END_OF_COURSE=5
# The button Дисциплина under Анализ, and Готов at the foot of the course panel, in range-view pixels.
readonly DISCIPLINE_X=32 DISCIPLINE_Y=428 READY_X=688 READY_Y=359

# The five shots, one a target: where each is aimed, as a pointer position in range-view pixels
# without the drop of the sights (shot N is fired with the pointer 5 (N - 1) pixels higher), and its
# points. With fire.sh's sight geometry a shot aimed at (X, Y) lands 5 (X + 44.0833 - L) mm right of
# and 5 (Y - 27.75 - T) mm, to the whole millimetre, below the face centre of the bull whose corner
# stands at (L, T): plate 1's at (301, 111), aimed at (257, 139): 0.42 right, 1 below, 1.1 mm from
# the centre, a 10 (inside 2.5 mm); plate 2's (349, 112) from (305, 139): 0.42 right, 4 above, 4.0 mm,
# a 9 (6); plate 3's (401.467, 112) from (357, 142): 1.92 left, 11 below, 11.2 mm, an 8 (13.3);
# plate 4's (454, 112) from (410, 136): 0.42 right, 19 above, 19.0 mm, a 7 (22.7); plate 5's (508,
# 112) from (464, 145): 0.42 right, 26 below, 26.0 mm, a 6 (29). Each lands a whole plate nearer its
# own bull than any other, where the course scores it.
readonly SHOTS=("257 139 10" "305 139 9" "357 142 8" "410 136 7" "464 145 6")

# Waits up to $2 seconds, reading the tree, until it holds an object named $1.
wait_for_object() {
  local until=$((SECONDS + $2))
  while ((SECONDS <= until)); do
    read_tree && has_object "" "" "$1" && return 0
    sleep 0.1
  done
  return 1
}

# What the panel's line "Команда" says in TREE, or nothing when no panel shows.
command_shown() {
  awk -F'\t' '$3 ~ /^Команда: / { sub(/^Команда: /, "", $3); print $3 }' <<<"$TREE"
}

# Waits up to $2 seconds for the panel to say the command $1.
wait_for_command() {
  wait_for_object "Команда: $1" "$2" || fail "the panel says \"$(command_shown)\", not $1, after $2 s"
}

# Chooses the $1th item of the menu Дисциплина with the arrow keys and Enter. The button opens the
# menu as it is pressed, and the keys that follow go to the open menu.
choose_from_discipline() {
  click_at "$win" $((VIEW_X + DISCIPLINE_X)) $((VIEW_Y + DISCIPLINE_Y)) 1 || fail "could not press Дисциплина"
  xdotool key $(printf 'Down %.0s' $(seq "$1")) Return
}

start_accessibility
start_program || fail "the program did not start"
win=$(wait_for_window "$MAIN_CAPTION") || fail "no main window"
wait_until_settled "$win" || fail "the main window did not come to rest"
activate_window "$win"

choose_from_discipline $RAPID_FIRE
wait_for_command ЗАРЕДИ 5
click_at "$win" $((VIEW_X + READY_X)) $((VIEW_Y + READY_Y)) 1 || fail "could not press Готов"
wait_for_command ВНИМАНИЕ 3
wait_for_command СТАРТ 9

total=0
for n in {1..5}; do
  read -r x y points <<<"${SHOTS[n - 1]}"
  fire_aimed "$win" "$n" "$x" "$y" || fail "shot $n was not fired as aimed"
  total=$((total + points))
  sleep 0.15
done
read_tree || fail "the program left the accessibility bus"
[[ $(command_shown) == СТАРТ ]] || fail "the series' 8 s were over before the fifth shot was fired"

wait_for_command СТОП 9
for n in {1..5}; do
  read -r _ _ points <<<"${SHOTS[n - 1]}"
  expect_text "Точки $n" "$points" "after the shot at target $n"
done
expect_text "Точки 6" "" "after five shots"
has_object "" label "Точки от серията: $total" ||
  fail "the panel does not show the series' $total points: $(awk -F'\t' '$3 ~ /^Точки от/ { print $3 }' <<<"$TREE")"

choose_from_discipline $END_OF_COURSE
for _ in {1..25}; do
  read_tree || fail "the program left the accessibility bus"
  [[ -z $(command_shown) ]] && break
  sleep 0.2
done
has_object "" filler "Стрелбище" || fail "the range view is not read after the course's end"
[[ -z $(command_shown) ]] || fail "the panel still says \"$(command_shown)\" after the course's end"

pass "a rapid-fire series from the menu: load, attention, start, five targets scored and their sum at the stop"
