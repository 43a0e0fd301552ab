# Sourced after lib.sh by the tests of sound files and of the program's life: a sound server of
# the test's own, starting the program from any folder, and closing it as a user does.

source "$E2E_ROOT/tests/support/private_sound_server.sh"

# A sound server for this test alone, with a null sink, so that the test hears nothing of the tests
# that run beside it and they hear nothing of it. Points PULSE_SERVER and E2E_SINK at it; it is
# stopped when the test ends, after the program.
own_sound_server_start() {
  export E2E_SINK=strelbishte_own
  private_sound_server_start "$E2E_TMP" "$E2E_SINK"
}

trap 'stop_program; recorder_stop; private_sound_server_stop; e2e_cleanup' EXIT

# Starts the command $2 .. (the program, or a wrapper that executes it) in the background from the
# folder $1, as lib.sh's start_program does from the program's own folder.
start_in() {
  local folder=$1
  shift
  [[ -n ${DISPLAY:-} ]] || { e2e_log "DISPLAY is not set; run through tests/run"; return 1; }
  (cd "$folder" && exec "$@") </dev/null >"$E2E_TMP/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
}

# Starts the program of folder $1 (under the wrapper $2 ..., if any) and sets WIN to its window.
open_program() {
  local folder
  folder=$(cd "$1" && pwd) || fail "no folder $1"
  shift
  start_in "$folder" "$@" "$folder/strelbishte" || fail "the program did not start in $folder"
  WIN=$(wait_for_window "$MAIN_CAPTION" 20) || fail "no main window from $folder"
  wait_until_settled "$WIN" || fail "the main window did not come to rest"
  activate_window "$WIN"
}

# Fails unless score box $2 of the main-window screenshot $1 holds a number, for case $3.
expect_scored() {
  local ink
  ink=$(convert "$1" -crop "19x13+$((VIEW_X + 3))+$((VIEW_Y + 32 * ($2 - 1) + 3))" +repage \
    -colorspace gray -threshold 50% -format '%[fx:minima]' info:) || fail "cannot read score box $2"
  [[ $ink == 0 ]] || fail "$3: score box $2 is empty after shot $2"
}

# Closes the main window $1 as a user does, with Alt+F4 to the window manager.
close_window() {
  E2E_CLOSE_ASKED=$(date +%s%N)
  press_alt_f4 "$1"
}

# Fails unless the program, asked to close at E2E_CLOSE_ASKED, ends within 5 s with code 0 and
# has printed nothing; $1 names the moment in the messages. Sets E2E_CLOSING_MS to how long it
# took to end.
expect_clean_exit() {
  local status
  for _ in {1..100}; do
    program_running || break
    sleep 0.05
  done
  program_running && fail "$1: the program still runs 5 s after its window was closed: $(why_still_running)"
  wait "$E2E_PROGRAM_PID"
  status=$?
  E2E_CLOSING_MS=$((($(date +%s%N) - E2E_CLOSE_ASKED) / 1000000))
  E2E_PROGRAM_PID=
  ((status == 0)) || fail "$1: the program ended with code $status"
  [[ ! -s $E2E_TMP/program.log ]] || fail "$1: the program printed: $(head -c 300 "$E2E_TMP/program.log")"
}

close_and_expect_clean_exit() {
  close_window "$1"
  expect_clean_exit "$2"
}
