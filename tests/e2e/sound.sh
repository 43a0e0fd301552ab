#!/usr/bin/env bash
# One shot in the real program is heard: both shot sounds reach the sound server whole, played over
# each other. Once more with no sound server at all: the program goes on, silent, and the shot is
# still drawn and scored. One recorder listens to the test sink for the whole run.
#   bash sound.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

readonly SOUNDS=$(dirname "$E2E_PROGRAM")
readonly SIGHT_COLOUR="49 24 52"

# Whether the w x h rectangle at ($2, $3) of the range view in screenshot $1 holds dark ink.
has_ink() {
  [[ $(convert "$1" -crop "$4x$5+$((VIEW_X + $2))+$((VIEW_Y + $3))" +repage -threshold 50% -negate \
    -format '%[fx:maxima]' info:) != 0 ]]
}

# Mean difference, 0 to 1, between the same w x h rectangle at ($3, $4) of the range view in two
# screenshots.
difference() {
  local crop="$5x$6+$((VIEW_X + $3))+$((VIEW_Y + $4))"
  convert \( "$1" -crop "$crop" +repage \) \( "$2" -crop "$crop" +repage \) -compose difference -composite \
    -colorspace gray -format '%[fx:mean]' info:
}

# Energy (sum of squared samples, in full-scale units and seconds) of a raw recording.
energy() {
  sox -t raw -r $E2E_RATE -e signed -b 16 -c $E2E_CHANNELS "$1" -n stat 2>&1 |
    awk '/^Length/ { len = $3 } /^RMS +amplitude/ { rms = $3 } END { printf "%.6f\n", rms * rms * len }'
}

# Starts the program, aims at the range and fires one shot; checks the recoil frame and the score.
# $1 names the run in messages.
fire_one_shot() {
  local run=$1 win
  start_program || fail "$run: the program did not start"
  win=$(wait_for_window "$MAIN_CAPTION") || fail "$run: no main window"
  wait_until_settled "$win" || fail "$run: the main window did not come to rest"
  activate_window "$win"

  # The pointer at (300, 450) puts the arm at (301, 451) and the left rear post at (329, 441).
  move_to "$win" $((VIEW_X + 300)) $((VIEW_Y + 450)) || fail "$run: could not aim"
  sleep 0.2
  screenshot "$E2E_TMP/$run-aimed.png" "$win" || fail "$run: no screenshot"
  click_at "$win" $((VIEW_X + 300)) $((VIEW_Y + 450)) 1 || fail "$run: the shot was not fired"
  sleep 0.3
  screenshot "$E2E_TMP/$run-shot.png" "$win" || fail "$run: no screenshot"

  # The recoil raised the arm to y = 9 and the rear sight to the top edge, and the sway since
  # moves it by a pixel at most.
  colour_near "$(pixel_at "$E2E_TMP/$run-shot.png" $((VIEW_X + 337)) $((VIEW_Y + 8)))" "$SIGHT_COLOUR" 40 ||
    fail "$run: no rear sight at the top edge after the shot"
  ! colour_near "$(pixel_at "$E2E_TMP/$run-aimed.png" $((VIEW_X + 337)) $((VIEW_Y + 8)))" "$SIGHT_COLOUR" 40 ||
    fail "$run: the rear sight stood at the top edge before the shot"
  awk -v d="$(difference "$E2E_TMP/$run-aimed.png" "$E2E_TMP/$run-shot.png" 302 30 120 300)" \
    'BEGIN { exit !(d > 0.05) }' || fail "$run: the arm was not raised"
  ! has_ink "$E2E_TMP/$run-aimed.png" 3 3 19 13 || fail "$run: the first score box held text before the shot"
  has_ink "$E2E_TMP/$run-shot.png" 3 3 19 13 || fail "$run: the shot's points are not in the first score box"
}

for name in AK.wav AK2.wav; do
  [[ -s $SOUNDS/$name ]] || fail "no $name beside the program"
done
# What the two sounds of a shot give when they play over each other from the same moment.
for name in AK AK2; do
  sox "$SOUNDS/$name.wav" -r $E2E_RATE -c $E2E_CHANNELS -b 16 -e signed -t raw "$E2E_TMP/$name.raw" ||
    fail "could not read $name.wav"
done
sox -m -v 1 "$SOUNDS/AK.wav" -v 1 "$SOUNDS/AK2.wav" -r $E2E_RATE -c $E2E_CHANNELS -b 16 -e signed -t raw \
  "$E2E_TMP/both.raw" || fail "could not mix the two sounds"

recorder_start || fail "no recorder on the test sink"

fire_one_shot heard
# The null sink holds a sound back by up to 0.7 s; the longer sound lasts 0.75 s.
sleep 2.5
program_running || fail "heard: the program ended after the shot"
[[ ! -s $E2E_TMP/program.log ]] || fail "heard: the program printed something"
stop_program

PULSE_SERVER=unix:/nonexistent/strelbishte-no-server fire_one_shot silent
sleep 1.5
program_running || fail "silent: the program ended without a sound server"
[[ ! -s $E2E_TMP/program.log ]] || fail "silent: the program printed something"
stop_program

sleep 1
recorder_stop

# One stretch of sound in the whole recording: the first run's shot. The threshold lies far down
# the tail of the longer sound, so that a sound cut short shows.
mapfile -t heard < <(sound_segments "$E2E_RECORDING" 0.001 50)
mapfile -t expected < <(sound_segments "$E2E_TMP/both.raw" 0.001 50)
((${#heard[@]} == 1)) || fail "expected one shot to be heard, heard ${#heard[@]} stretches: ${heard[*]:-none}"
read -r start end <<<"${heard[0]}"
read -r expected_start expected_end <<<"${expected[0]}"
heard_length=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }')
expected_length=$(awk -v s="$expected_start" -v e="$expected_end" 'BEGIN { printf "%.3f", e - s }')
# The second sound may start up to one period of the sound server's output after the first.
awk -v h="$heard_length" -v x="$expected_length" 'BEGIN { exit !(h > x - 0.01 && h < x + 0.03) }' ||
  fail "the shot sounded for $heard_length s; the two sounds together last $expected_length s"

# Both sounds whole: the energy heard is that of the two files, within what a few milliseconds of
# offset between them changes, and far from either sound alone.
heard_energy=$(energy "$E2E_RECORDING")
first_energy=$(energy "$E2E_TMP/AK.raw")
second_energy=$(energy "$E2E_TMP/AK2.raw")
awk -v h="$heard_energy" -v a="$first_energy" -v b="$second_energy" \
  'BEGIN { s = a + b; exit !(h > 0.95 * s && h < 1.05 * s) }' ||
  fail "heard energy $heard_energy; AK.wav has $first_energy and AK2.wav $second_energy"
heard_peak=$(sound_peak "$E2E_RECORDING")
both_peak=$(sound_peak "$E2E_TMP/both.raw")
awk -v h="$heard_peak" -v x="$both_peak" 'BEGIN { exit !(h > 0.95 * x && h < 1.05 * x) }' ||
  fail "heard peak $heard_peak, the two sounds together peak at $both_peak"

pass "a shot is heard whole, both sounds over each other; without a sound server it is still fired and scored"
