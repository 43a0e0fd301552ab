# Sourced by the scripts that need a sound server of their own: a private one with a null sink,
# reached through an anonymous socket in the caller's folder, so that neither a user's own server
# nor the cookie in HOME gets in the way. It runs in a session of its own and without a session
# bus. Safe under set -euo pipefail.
#   private_sound_server_start FOLDER SINK   starts the server with the null sink SINK, exports
#                                            PULSE_SERVER, makes SINK the default sink; logs to
#                                            FOLDER/<kind>.log
#   private_sound_server_has_sink SINK       whether the server that PULSE_SERVER names (or the
#                                            user's) has the sink SINK
#   private_sound_server_stop                stops what was started
# What cannot start is stopped again, with one line on standard error, and the function returns 1.
# STRELBISHTE_SOUND_SERVER names the kind of server, pulseaudio (the default) so far the only one.
# A kind is a function private_sound_server_start_KIND FOLDER SINK SOCKET that starts its
# processes with session_start, adding their pids to PRIVATE_SOUND_SERVER_PIDS, the one that
# serves PulseAudio's protocol on SOCKET last; the program and the tests speak only that protocol.

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

PRIVATE_SOUND_SERVER_PIDS=()

private_sound_server_has_sink() {
  pactl list short sinks 2>/dev/null | awk -v s="$1" '$2 == s { found = 1 } END { exit !found }'
}

private_sound_server_start_pulseaudio() {
  local folder=$1 sink=$2 socket=$3
  # Without norewinds the sink rewrites what it already mixed when a sound starts, and its monitor,
  # which never sees the rewrite, loses the first 10 to 20 ms of every sound.
  session_start "$folder/pulseaudio.log" env DBUS_SESSION_BUS_ADDRESS="$(no_session_bus_address "$folder")" \
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --realtime=no --high-priority=no \
    --use-pid-file=no --log-target=stderr \
    --load="module-null-sink sink_name=$sink norewinds=1" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1"
  PRIVATE_SOUND_SERVER_PIDS+=("$SESSION_PID")
}

private_sound_server_start() {
  local folder=$1 sink=$2 kind=${STRELBISHTE_SOUND_SERVER:-pulseaudio}
  local socket=$folder/pulse-native
  if ! declare -F "private_sound_server_start_$kind" >/dev/null; then
    echo "private_sound_server: no sound server of the kind \"$kind\"" >&2
    return 1
  fi
  "private_sound_server_start_$kind" "$folder" "$sink" "$socket"
  export PULSE_SERVER=unix:$socket
  if session_wait_for 100 "${PRIVATE_SOUND_SERVER_PIDS[-1]}" private_sound_server_has_sink "$sink"; then
    pactl set-default-sink "$sink" >/dev/null 2>&1 || true
    return 0
  fi
  private_sound_server_stop
  echo "private_sound_server: $kind did not come up with the sink $sink$(session_last_words "$folder/$kind.log")" >&2
  return 1
}

private_sound_server_stop() {
  local i
  for ((i = ${#PRIVATE_SOUND_SERVER_PIDS[@]} - 1; i >= 0; i--)); do
    session_stop "${PRIVATE_SOUND_SERVER_PIDS[i]}"
  done
  PRIVATE_SOUND_SERVER_PIDS=()
}
