#!/usr/bin/env bash
# The real program at start-up: its window opens centred with the 792 x 598 client area, the
# button bar centred on the outer width and the range picture in the range view; closing the
# window ends the program with code 0 and no output. Prints the start-up time and memory.
#   bash startup.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

readonly GREY="128 128 128"
readonly RANGE_PICTURE=$E2E_ROOT/assets/range_target_plate3.jpg

milliseconds() { date +%s%3N; }

# Where the first button of the bar begins on row 24 of the screenshot: the first pixel that is
# not the window's grey.
bar_left() {
  convert "$1" -crop "${2}x1+0+24" +repage -depth 8 txt:- 2>/dev/null |
    awk -F'[ ,:]' 'NR > 1 && $0 !~ /#808080/ { print $1; exit }'
}

# Nothing that reacts to the pointer may lie under it while the window opens.
xdotool mousemove 0 0

started=$(milliseconds)
start_program || fail "could not start $E2E_PROGRAM"
win=$(wait_for_window "$MAIN_CAPTION" 20) || fail "no window captioned exactly as the main window"
mapped=$(milliseconds)
sleep 0.5

window_geometry "$win" || fail "no geometry for window $win"
[[ $WIN_WIDTH == 792 && $WIN_HEIGHT == 598 ]] || fail "client area ${WIN_WIDTH}x${WIN_HEIGHT}, expected 792x598"

centred_on_screen "$win" ||
  fail "window not centred: outer ${OUTER_WIDTH}x${OUTER_HEIGHT}+${OUTER_X}+${OUTER_Y} on ${SCREEN_WIDTH}x${SCREEN_HEIGHT}"

screenshot "$E2E_TMP/start.png" "$win" || fail "no screenshot"

# The range picture, compared with the decoded file at points away from the score column and
# the sight pieces; both decodings of the JPEG differ by a few levels at most.
for point in "100 100" "401 120" "700 60" "250 300" "760 500" "90 530" "520 410"; do
  read -r x y <<<"$point"
  shown=$(pixel_at "$E2E_TMP/start.png" $((VIEW_X + x)) $((VIEW_Y + y))) || fail "no pixel at $x,$y"
  expected=$(pixel_at "$RANGE_PICTURE" "$x" "$y") || fail "cannot read $RANGE_PICTURE"
  colour_near "$shown" "$expected" 12 || fail "range view at $x,$y shows $shown, the picture has $expected"
done

colour_near "$(pixel_at "$E2E_TMP/start.png" 400 48)" "$GREY" || fail "the window's background is not grey"

# Frame1.Left = (outer width in twips - 697 * 15) / 2, shown at the nearest pixel.
expected_bar=$(awk -v w="$OUTER_WIDTH" 'BEGIN { v = (w * 15 - 10455) / 2 / 15; r = int(v + 0.5);
  if (r - v == 0.5 && r % 2 != 0) r -= 1; print r }')
found_bar=$(bar_left "$E2E_TMP/start.png" "$WIN_WIDTH")
[[ -n $found_bar ]] && ((found_bar >= expected_bar - 1 && found_bar <= expected_bar + 1)) ||
  fail "button bar begins at ${found_bar:-nowhere}, expected $expected_bar for an outer width of $OUTER_WIDTH"

rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$E2E_PROGRAM_PID/status")
echo "start-up: window mapped after $((mapped - started)) ms; VmRSS ${rss} kB"

press_alt_f4 "$win"
session_wait_for 50 "$$" program_ended
program_running && fail "the program still runs 5 s after Alt+F4: $(why_still_running)"
wait "$E2E_PROGRAM_PID"
status=$?
E2E_PROGRAM_PID=
((status == 0)) || fail "the program ended with code $status after its window was closed"
[[ ! -s $E2E_TMP/program.log ]] || fail "the program printed: $(head -c 300 "$E2E_TMP/program.log")"
pass "start-up and closing"
