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
# STRELBISHTE_SOUND_SERVER names the kind of server: pulseaudio (the default) or pipewire. With
# PRIVATE_SOUND_SERVER_SUSPEND_AFTER set to a number of seconds the sink is suspended once idle for
# that long, as a desktop's is; without it, never.
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
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
    ${PRIVATE_SOUND_SERVER_SUSPEND_AFTER:+--load="module-suspend-on-idle timeout=$PRIVATE_SOUND_SERVER_SUSPEND_AFTER"}
  PRIVATE_SOUND_SERVER_PIDS+=("$SESSION_PID")
}

# PipeWire with its session manager and its PulseAudio server, in a runtime, configuration and
# state folder of their own and on a session bus of their own, which WirePlumber cannot do without;
# the null sink is loaded through the PulseAudio server once it answers. The graph runs at the
# shot sounds' rate, as PulseAudio's null sink does, so that what is recorded is what was played,
# not what two resamplings make of it; and in periods no shorter than the 256 frames that its
# PulseAudio server gives a client at its usual 48 kHz: at 44.1 kHz it would allow 128, too short
# for its sample playback, which then drops a period now and then.
private_sound_server_start_pipewire() {
  local folder=$1 sink=$2 socket=$3
  local home=$folder/pipewire
  mkdir -p -m 700 "$home" "$home/runtime" "$home/state" "$home/config/pipewire/pipewire.conf.d" \
    "$home/config/pipewire/pipewire-pulse.conf.d"
  echo 'context.properties = { default.clock.rate = 44100 default.clock.allowed-rates = [ 44100 ] default.clock.min-quantum = 256 }' \
    >"$home/config/pipewire/pipewire.conf.d/rate.conf"
  printf 'pulse.properties = { server.address = [ "unix:%s" ] }\n' "$socket" \
    >"$home/config/pipewire/pipewire-pulse.conf.d/socket.conf"
  local environment=(env XDG_RUNTIME_DIR="$home/runtime" PIPEWIRE_RUNTIME_DIR="$home/runtime"
    XDG_CONFIG_HOME="$home/config" XDG_STATE_HOME="$home/state" DBUS_SESSION_BUS_ADDRESS="unix:path=$home/bus")
  session_start "$folder/dbus.log" dbus-daemon --session --nofork --nopidfile --address="unix:path=$home/bus"
  PRIVATE_SOUND_SERVER_PIDS+=("$SESSION_PID")
  session_wait_for 50 "$SESSION_PID" test -S "$home/bus" || return 0
  session_start "$folder/pipewire-core.log" "${environment[@]}" pipewire
  PRIVATE_SOUND_SERVER_PIDS+=("$SESSION_PID")
  session_wait_for 50 "$SESSION_PID" test -S "$home/runtime/pipewire-0" || return 0
  session_start "$folder/wireplumber.log" "${environment[@]}" wireplumber
  PRIVATE_SOUND_SERVER_PIDS+=("$SESSION_PID")
  session_start "$folder/pipewire.log" "${environment[@]}" pipewire-pulse
  PRIVATE_SOUND_SERVER_PIDS+=("$SESSION_PID")
  session_wait_for 50 "$SESSION_PID" env PULSE_SERVER="unix:$socket" pactl info || return 0
  PULSE_SERVER="unix:$socket" pactl load-module module-null-sink sink_name="$sink" rate=44100 \
    sink_properties="session.suspend-timeout-seconds=${PRIVATE_SOUND_SERVER_SUSPEND_AFTER:-0}" >/dev/null 2>&1 || true
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
