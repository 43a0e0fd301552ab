#!/usr/bin/env bash
# A private sound server (private_sound_server.sh) for a test program that cannot source it:
#   bash serve_private_sound.sh FOLDER SINK
# Starts the server of STRELBISHTE_SOUND_SERVER's kind with the null sink SINK on FOLDER's socket,
# prints "ready" once the sink is there and serves until TERM. SIGUSR1 ends every process of the
# server as a crash does (killed, the socket left behind, the sample cache lost) and prints
# "crashed"; SIGUSR2 starts it again and prints "ready" once more. Prints "failed" and exits 1 when it does not come up.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/private_sound_server.sh"
readonly FOLDER=$1 SINK=$2

# Prints "crashed" once no process of the server is left, so that a start asked for after that
# line finds the socket free of them.
crash() {
  local pid
  for pid in "${PRIVATE_SOUND_SERVER_PIDS[@]}"; do
    kill -KILL -- "-$pid" 2>/dev/null
  done
  for pid in "${PRIVATE_SOUND_SERVER_PIDS[@]}"; do
    while session_lives "$pid"; do
      sleep 0.05
    done
    wait "$pid" 2>/dev/null
  done
  PRIVATE_SOUND_SERVER_PIDS=()
  echo crashed
}
come_up() {
  if private_sound_server_start "$FOLDER" "$SINK"; then echo ready; else echo failed; exit 1; fi
}
trap crash USR1
trap come_up USR2
trap 'private_sound_server_stop; exit 0' TERM

come_up
while :; do
  sleep 1 &
  wait $!
done
