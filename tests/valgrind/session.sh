#!/usr/bin/env bash
# The real program under valgrind's memcheck for one scripted session under the display it is
# given: moves, shots, the right button and the target window, both exercises, the target change,
# the target button, a full series, and the window closed. Fails unless the program ends with code
# 0, prints nothing, and memcheck reports no error and no block lost, definitely or indirectly,
# once the libraries' own are suppressed (third_party.supp says which and why). Prints the figures.
#   bash session.sh program
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
source "$here/../e2e/robustness_helpers.sh"

readonly LOG=$E2E_TMP/memcheck.log
# Everything runs some 30 times slower under memcheck: each step is given time to be handled.
readonly STEP=1.5

command -v valgrind >/dev/null || fail "no valgrind here"
own_sound_server_start || fail "no sound server of the test's own"

# A fork that libdbus makes to look for a session bus is the program's image up to the exec, not
# the program: --child-silent-after-fork keeps its report out.
started=$(date +%s)
start_in "$(cd "$(dirname "$E2E_PROGRAM")" && pwd)" valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect --num-callers=40 \
  --child-silent-after-fork=yes --suppressions="$here/third_party.supp" --gen-suppressions=all \
  --log-file="$LOG" "$(cd "$(dirname "$E2E_PROGRAM")" && pwd)/$(basename "$E2E_PROGRAM")" ||
  fail "valgrind did not start"
WIN=$(wait_for_window "$MAIN_CAPTION" 300) || fail "no main window under valgrind"
shown=$(date +%s)
wait_until_settled "$WIN" || fail "the main window did not come to rest"
activate_window "$WIN"

step() { sleep "$STEP"; program_running || fail "the program ended during: $1"; }
aim() { move_to "$WIN" $((VIEW_X + $1)) $((VIEW_Y + $2)) || fail "could not aim at $1,$2"; }
shoot() { aim "$1" "$2"; xdotool click 1; step "a shot at $1,$2"; }
bar_button() {
  press_button "$WIN" "$1" || fail "could not press the button at $1"
  step "the button at $1"
}

aim 450 250
aim 300 300
step "moves"
sleep 1
shoot 400 250
shoot 380 260

click_at "$WIN" $((VIEW_X + 600)) $((VIEW_Y + 500)) 3 || fail "no right click"
target=$(wait_for_window "$TARGET_CAPTION" 60) || fail "the right button brought up no target window"
wait_until_settled "$target" || fail "the target window did not come to rest"
step "the right button"
click_at "$target" 100 450 1 || fail "no click on the target window"
step "a click on the target window"

bar_button $BARZA
aim 300 400
sleep 4
shoot 320 380
bar_button $RESTART
bar_button $BAVNA
click_at "$WIN" $((VIEW_X + 30)) $((VIEW_Y + 364)) 1 || fail "could not press Мишена"
target=$(wait_for_window "$TARGET_CAPTION" 60) || fail "Мишена brought up no target window"
wait_until_settled "$target" || fail "the target window did not come to rest"
step "Мишена"
click_at "$target" 100 450 1 || fail "no click on the fresh target window"
step "a click on the target window"
click_at "$WIN" $((VIEW_X + 30)) $((VIEW_Y + 396)) 1 || fail "could not press Анализ"
wait_for_window "АНАЛИЗ НА СТРЕЛБАТА" 60 >/dev/null || fail "Анализ brought up no analysis window"
step "Анализ"
activate_window "$WIN"
for n in {1..10}; do
  shoot $((350 + 3 * n)) $((140 - 5 * n))
done
screenshot "$E2E_TMP/series.png" "$WIN" || fail "no screenshot"
expect_scored "$E2E_TMP/series.png" 10 "a full series under valgrind"

close_window "$WIN"
session_wait_for 1200 "$$" program_ended
program_running && fail "the program still runs 120 s after its window was closed"
wait "$E2E_PROGRAM_PID"
status=$?
E2E_PROGRAM_PID=
ended=$(date +%s)

errors=$(awk '/ERROR SUMMARY:/ { print $4 }' "$LOG" | tail -n 1)
lost() { awk -v kind="$1" '$2 == kind && $3 == "lost:" { gsub(/,/, "", $4); print $4 }' "$LOG" | tail -n 1; }
definitely=$(lost definitely) indirectly=$(lost indirectly) possibly=$(lost possibly)
suppressed=$(grep -o 'suppressed: [0-9,]* bytes in [0-9,]* blocks' "$LOG" | tail -n 1)
printf 'memcheck: %s errors; lost definitely %s bytes, indirectly %s, possibly %s; the libraries: %s\n' \
  "${errors:-?}" "${definitely:-0}" "${indirectly:-0}" "${possibly:-0}" "${suppressed:-none suppressed}"
printf 'memcheck: %s s to the main window, %s s in all\n' $((shown - started)) $((ended - started))

((status == 0)) || fail "the program ended with code $status under valgrind (log: $(tail -n 20 "$LOG"))"
[[ ! -s $E2E_TMP/program.log ]] || fail "the program printed: $(head -c 300 "$E2E_TMP/program.log")"
[[ $errors == 0 && ${definitely:-0} == 0 && ${indirectly:-0} == 0 ]] ||
  { cp "$LOG" "${TMPDIR:-/tmp}/strelbishte-memcheck.log"; fail "memcheck found faults; the log is in ${TMPDIR:-/tmp}/strelbishte-memcheck.log"; }
pass "no memory error and no leak of the program's own under memcheck"
