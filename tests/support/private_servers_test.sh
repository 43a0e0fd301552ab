#!/usr/bin/env bash
# The private display and sound server, under set -euo pipefail as the strictest callers have it:
# a display comes up at the size asked for, with a window manager on request and no session bus;
# two started at once in a range take two numbers of it; a range whose one number is held fails
# with one line; a sound server comes up with its null sink as the default;
# an unknown kind of server fails with one line; and stopping leaves no process of any session.
#   bash private_servers_test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/private_display.sh"
source "$here/private_sound_server.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/strelbishte-support.XXXXXX")
starters=()
trap 'touch "$work/stop"; for p in "${starters[@]}"; do wait "$p" 2>/dev/null || true; done; private_sound_server_stop; private_display_stop; rm -rf "$work"' EXIT
mkdir "$work/a" "$work/b" "$work/c" "$work/none" "$work/sound"

fail() {
  echo "FAIL: $*"
  exit 1
}

# Fails unless no process is left running in the sessions given.
expect_sessions_gone() {
  local id
  for id; do
    session_lives "$id" && fail "session $id still has: $(ps -o pid=,stat=,args= -s "$id")"
  done
  return 0
}

unset DISPLAY
private_display_start "$work/a" 800x600x24 || fail "no display"
held=${DISPLAY#:}
[[ $(xdpyinfo | awk '/dimensions:/ { print $2 }') == 800x600 ]] || fail "the screen is not 800x600"
[[ $DBUS_SESSION_BUS_ADDRESS == "unix:path=$work/a/no-session-bus" ]] ||
  fail "the session bus address is $DBUS_SESSION_BUS_ADDRESS"
private_display_has_window_manager && fail "a window manager before one was started"
private_display_start_window_manager "$work/a" || fail "no window manager"
private_display_has_window_manager || fail "the window manager does not announce itself"
private_display_taken "$held" || fail "display :$held does not count as taken"
sessions=("${PRIVATE_DISPLAY_PIDS[@]}")
((${#sessions[@]} == 2)) || fail "${#sessions[@]} sessions for a display and its window manager"

both_reported() {
  [[ -s $work/b/sessions && -s $work/c/sessions ]]
}

# Each starts a display in a range above the held number, reports its number and sessions,
# and stops it, and it alone, once the file "stop" is there.
export STRELBISHTE_DISPLAY_FIRST=$((held + 3)) STRELBISHTE_DISPLAY_LAST=$((held + 23))
for side in b c; do
  (
    PRIVATE_DISPLAY_PIDS=()
    private_display_start "$work/$side" || exit 1
    echo "${DISPLAY#:}" >"$work/$side/number"
    echo "${PRIVATE_DISPLAY_PIDS[*]}" >"$work/$side/sessions"
    while [[ ! -e $work/stop ]]; do sleep 0.1; done
    private_display_stop
  ) &
  starters+=($!)
done
session_wait_for 200 "$$" both_reported || fail "two displays started at once did not both come up"
b=$(cat "$work/b/number") c=$(cat "$work/c/number")
((b != c)) || fail "two displays started at once both took :$b"
for n in "$b" "$c"; do
  ((n >= held + 3 && n <= held + 23)) || fail ":$n is outside :$((held + 3)) to :$((held + 23))"
  xdpyinfo -display ":$n" >/dev/null 2>&1 || fail "nothing answers on :$n"
done
touch "$work/stop"
for p in "${starters[@]}"; do
  wait "$p" || fail "a display started at once did not stop cleanly"
done
starters=()
read -ra more <"$work/b/sessions"
sessions+=("${more[@]}")
read -ra more <"$work/c/sessions"
sessions+=("${more[@]}")

export STRELBISHTE_DISPLAY_FIRST=$held STRELBISHTE_DISPLAY_LAST=$held
if private_display_start "$work/none" 2>"$work/none/error"; then
  fail "a display started in a range holding only :$held"
fi
[[ $(wc -l <"$work/none/error") == 1 && -s $work/none/error ]] ||
  fail "a range with no free number said: $(cat "$work/none/error")"
((${#PRIVATE_DISPLAY_PIDS[@]} == 2)) || fail "a failed start left sessions behind"
[[ $DISPLAY == ":$held" ]] || fail "a failed start changed DISPLAY to $DISPLAY"

private_sound_server_start "$work/sound" support_sink || fail "no sound server"
[[ $PULSE_SERVER == "unix:$work/sound/pulse-native" ]] || fail "PULSE_SERVER is $PULSE_SERVER"
private_sound_server_has_sink support_sink || fail "no sink support_sink"
private_sound_server_has_sink another_sink && fail "a sink that was never made"
[[ $(pactl info | sed -n 's/^Default Sink: //p') == support_sink ]] || fail "support_sink is not the default sink"
sessions+=("${PRIVATE_SOUND_SERVER_PIDS[@]}")

if STRELBISHTE_SOUND_SERVER=no_such_server private_sound_server_start "$work/sound" other 2>"$work/sound/error"; then
  fail "a sound server of an unknown kind started"
fi
[[ $(wc -l <"$work/sound/error") == 1 && -s $work/sound/error ]] ||
  fail "an unknown kind of sound server said: $(cat "$work/sound/error")"

private_sound_server_stop
private_sound_server_has_sink support_sink && fail "the sound server answers after it was stopped"
private_display_stop
expect_sessions_gone "${sessions[@]}"
echo "PASS: private displays and sound server start in their range, answer and stop"
