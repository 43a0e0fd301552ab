#!/usr/bin/env bash
# The shell test that closes the sound player at every moment of its start, a sound asked for, under
# valgrind's memcheck, five times over, with a sound server of its own: at full speed the moments
# between connecting, uploading and playing are too narrow to be hit reliably, under memcheck they
# are wide. Fails if the test fails, the process aborts or memcheck reports an error or a lost
# block of the program's own.
#   bash sound_player_closing.sh test-program
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
source "$here/../e2e/robustness_helpers.sh"

readonly TEST_PROGRAM=$1
readonly CASE=closingAtAnyMomentOfTheStartFinishesInTime
[[ -x $TEST_PROGRAM ]] || fail "no test program at $TEST_PROGRAM"
own_sound_server_start || fail "no sound server of the test's own"

valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect --num-callers=40 --child-silent-after-fork=yes \
  --suppressions="$here/third_party.supp" --error-exitcode=99 --log-file="$E2E_TMP/memcheck.log" \
  "$TEST_PROGRAM" "$CASE" "$CASE" "$CASE" "$CASE" "$CASE" >"$E2E_TMP/test.log" 2>&1
status=$?
grep -q 'Totals: 7 passed, 0 failed' "$E2E_TMP/test.log" ||
  fail "the closing test did not pass under memcheck (code $status): $(tail -n 5 "$E2E_TMP/test.log") $(grep -m 3 -A 12 'Assertion\|SIGABRT' "$E2E_TMP/memcheck.log")"
((status == 0)) || fail "memcheck found faults: $(grep -v '^==[0-9]*== *$' "$E2E_TMP/memcheck.log" | tail -n 40)"
pass "the sound player closed 305 times under memcheck, cleanly"
