#!/usr/bin/env bash
# Closing the main window at awkward moments ends the program with code 0 and no output:
# while a shot is on its way (as it is fired, between its recoil and its sound, while its sound
# plays), while the pistol sways with the target window open behind, and while rapid fire steps the
# target. With no sound server at all, and with one that goes away while the program runs, shots
# are scored in silence and nothing is printed (sound.sh has a server named but absent). Prints how
# long each closing took.
#   bash lifecycle.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/robustness_helpers.sh"

readonly FOLDER=$(dirname "$E2E_PROGRAM")

closings=()
note_closing() {
  closings+=("$(printf 'closing %-45s %5d ms' "$1:" "$E2E_CLOSING_MS")")
}

aim() {
  move_to "$WIN" $((VIEW_X + $1)) $((VIEW_Y + $2)) || fail "could not aim at $1,$2"
}

own_sound_server_start || fail "no sound server of the test's own"

# ---- a shot on its way ----------------------------------------------------------------------

# The recoil frame comes 10 ms after the click and the sound request 10 ms after that; the two
# shot sounds last 0.35 and 0.75 s.
for delay in 0 0.015 0.1; do
  open_program "$FOLDER"
  aim 400 250
  # The shot is fired as the button comes up; xdotool's click would wait 100 ms after it.
  E2E_CLOSE_ASKED=$(date +%s%N)
  xdotool mousedown 1 mouseup 1 sleep "$delay" key --clearmodifiers alt+F4
  expect_clean_exit "closed $delay s after a shot"
  note_closing "$delay s after a shot, from the shot"
done

# ---- the sway, with the target window behind ------------------------------------------------

open_program "$FOLDER"
click_at "$WIN" $((VIEW_X + 600)) $((VIEW_Y + 500)) 3 || fail "no right click on the range view"
target=$(wait_for_window "$TARGET_CAPTION" 5) || fail "the right button did not bring up the target window"
click_at "$target" 100 450 1 || fail "no click on the target window"
aim 300 300
# The pistol sways every 500 ms once the pointer rests.
sleep 1.2
close_window "$WIN"
expect_clean_exit "closed while the pistol swayed"
note_closing "while the pistol swayed"

# ---- rapid fire -----------------------------------------------------------------------------

open_program "$FOLDER"
outer_width=$(xwininfo -id "$WIN" -frame | awk -F: '/^ *Width:/ { print $2 + 0 }')
click_at "$WIN" $(((outer_width - 697) / 2 + 620)) 24 || fail "could not press БЪРЗА СТРЕЛБА"
aim 300 400
# The target steps every 3 s; the first step has been taken.
sleep 3.3
close_window "$WIN"
expect_clean_exit "closed during rapid fire"
note_closing "during rapid fire"

# ---- no sound server, or one that goes away -------------------------------------------------

# Fires shots $2 and $2 + 1 of the series and fails unless both are scored; $1 names the case.
two_scored_shots() {
  aim 400 250 && xdotool click 1 && sleep 0.3 && aim 380 240 && xdotool click 1 || fail "$1: shots not fired"
  sleep 0.5
  screenshot "$E2E_TMP/shots.png" "$WIN" || fail "no screenshot"
  expect_scored "$E2E_TMP/shots.png" "$2" "$1"
  expect_scored "$E2E_TMP/shots.png" $(($2 + 1)) "$1"
}

# No server is named and none can be found: no runtime folder or home with one, and no daemon
# started on demand (for a user other than root, libpulse would start one).
mkdir -m 700 "$E2E_TMP/runtime" "$E2E_TMP/home"
echo "autospawn = no" >"$E2E_TMP/client.conf"
open_program "$FOLDER" env -u PULSE_SERVER XDG_RUNTIME_DIR="$E2E_TMP/runtime" HOME="$E2E_TMP/home" \
  PULSE_CLIENTCONFIG="$E2E_TMP/client.conf"
two_scored_shots "no sound server at all" 1
close_and_expect_clean_exit "$WIN" "no sound server at all"
note_closing "with no sound server at all"

open_program "$FOLDER"
aim 400 250 && xdotool click 1 || fail "the first shot was not fired"
sleep 0.5
private_sound_server_stop
two_scored_shots "after the sound server went away" 2
close_and_expect_clean_exit "$WIN" "after the sound server went away"
note_closing "after the sound server went away"

printf '%s\n' "${closings[@]}"
pass "closing at awkward moments, and no sound server"
