# Sourced by the scripts that start services: each service runs in a session of its own, so that
# stopping the session stops whatever the service spawned in turn. Safe under set -euo pipefail.
#   session_start LOG COMMAND...     starts COMMAND in the background, output to LOG; its pid,
#                                    which is also the session's id, in SESSION_PID
#   session_wait_for TENTHS PID COMMAND...
#                                    waits up to TENTHS tenths of a second for COMMAND to succeed
#                                    while PID lives
#   session_stop PID                 stops the session PID and reaps its leader; no PID, nothing
#   session_last_words LOG           prints ": " and the last error LOG reports, or else its last
#                                    line that says something, or nothing: an error line's end
#   no_session_bus_address FOLDER    prints a session bus address in FOLDER where no bus will be
#   no_session_bus FOLDER            exports it as the session bus's address

session_start() {
  local log=$1
  shift
  # Without job control a background job is not a group leader, so setsid does not fork and the
  # pid is the new session's id.
  setsid "$@" </dev/null >"$log" 2>&1 &
  SESSION_PID=$!
}

session_wait_for() {
  local tenths=$1 pid=$2 t
  shift 2
  for ((t = 0; t < tenths; t++)); do
    "$@" >/dev/null 2>&1 && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# A zombie still answers kill -0, so ask for a member that has not exited.
session_lives() {
  [[ -n $(ps -o stat= -s "$1" | grep -v '^Z') ]]
}

session_stop() {
  local pid=$1
  [[ -n $pid ]] || return 0
  if kill -TERM -- "-$pid" 2>/dev/null; then
    for _ in {1..50}; do
      session_lives "$pid" || break
      sleep 0.1
    done
    kill -KILL -- "-$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}

session_last_words() {
  awk '{ sub(/[[:space:]]*(\(EE\)[[:space:]]*)*$/, "") }
    /[[:alnum:]]/ { last = $0 }
    /^W: / { next }
    /^E: |\(EE\) |[Ff]ailed|[Ff]atal/ { error = $0 }
    END { if (error != "") last = error; if (last != "") printf ": %s", last }' "$1" 2>/dev/null || true
}

# Neither a desktop's session bus nor one that D-Bus starts for an X display on demand (with
# dbus-x11 installed): a sound server takes its names there, and the next one could not; the
# program would reach the desktop's services. A test that wants a bus starts one of its own.
no_session_bus_address() {
  echo "unix:path=$1/no-session-bus"
}

no_session_bus() {
  DBUS_SESSION_BUS_ADDRESS=$(no_session_bus_address "$1")
  export DBUS_SESSION_BUS_ADDRESS
}
