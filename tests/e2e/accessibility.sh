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

readonly HELPER=$(dirname "$0")/accessibility.py
BUS_PID=
TREE=

# The session bus runs in a session of its own, with the accessibility bus and its registry that
# it starts on demand, so that stopping the session stops all three.
trap 'stop_program; session_stop "$BUS_PID"; e2e_cleanup' EXIT

# A private runtime folder keeps the accessibility bus's socket apart from any other run's.
start_session_bus() {
  export XDG_RUNTIME_DIR=$E2E_TMP/xdg
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  setsid dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$E2E_TMP/bus.address" \
    </dev/null >"$E2E_TMP/bus.log" 2>&1 &
  BUS_PID=$!
  session_wait_for 50 "$BUS_PID" test -s "$E2E_TMP/bus.address" || return 1
  export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_TMP/bus.address")
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>>"$E2E_TMP/bus.log" &&
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
      >/dev/null 2>>"$E2E_TMP/bus.log"
}

accessible() {
  timeout 20 /usr/bin/python3 "$HELPER" "$@"
}

read_tree() {
  TREE=$(accessible tree "$E2E_PROGRAM_PID")
}

# Succeeds when TREE holds an object at depth $1 below the application (any depth if empty), with
# role $2 (any role if empty), named $3.
has_object() {
  awk -F'\t' -v depth="$1" -v role="$2" -v name="$3" '
    (depth == "" || $1 == depth) && (role == "" || $2 == role) && $3 == name { found = 1 }
    END { exit !found }' <<<"$TREE"
}

# The text of the text box named $1 in TREE; fails when there is none.
text_of() {
  awk -F'\t' -v name="$1" '$2 == "text" && $3 == name { print $4; found = 1; exit } END { exit !found }' <<<"$TREE"
}

# Fails unless the text box named $1 reads $2; $3 says when.
expect_text() {
  local shown
  shown=$(text_of "$1") || fail "no text box read as \"$1\""
  [[ $shown == "$2" ]] || fail "the text box \"$1\" reads \"$shown\", not \"$2\", $3"
}

# Waits up to 5 s until the text box named $1 reads $2, then checks it as expect_text does.
wait_for_text() {
  for _ in {1..25}; do
    read_tree && [[ $(text_of "$1") == "$2" ]] && return 0
    sleep 0.2
  done
  expect_text "$@"
}

# Aims as the first shot of fire.sh, at the bull of the middle plate, and fires before the pistol
# begins to sway 500 ms after the aim. In precision fire the shot lands 2.1 mm from the centre, a
# 10; before an exercise is chosen the bull marker stands away from every plate and it scores 0.
aim_and_fire() {
  move_to "$win" $((VIEW_X + 337)) $((VIEW_Y + 140)) || fail "could not move the pointer over the range view"
  move_to "$win" $((VIEW_X + 357)) $((VIEW_Y + 140)) || fail "could not aim"
  xdotool click 1
}

/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "/usr/bin/python3 cannot import pyatspi (python3-pyatspi)"
start_session_bus || skip "the accessibility bus could not start: $(tr '\n' ' ' <"$E2E_TMP/bus.log")"

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
