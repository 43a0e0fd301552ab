# Sourced after lib.sh by the tests that read the program as a screen reader does, through the
# accessibility bus (AT-SPI): a session bus of the test's own that says an assistive technology is
# in use, and the program's accessible tree read from it.

readonly ACCESSIBILITY_HELPER=$(dirname "${BASH_SOURCE[0]}")/accessibility.py
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

# Fails the test without pyatspi, and skips it where the bus cannot start.
start_accessibility() {
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "/usr/bin/python3 cannot import pyatspi (python3-pyatspi)"
  start_session_bus || skip "the accessibility bus could not start: $(tr '\n' ' ' <"$E2E_TMP/bus.log")"
}

accessible() {
  timeout 20 /usr/bin/python3 "$ACCESSIBILITY_HELPER" "$@"
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
