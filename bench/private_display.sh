# Sourced by the benchmarks that run the real program: an Xvfb and an openbox of their own.
#   private_display_start folder    sets DISPLAY and no session bus; the servers' pids go to
#                                   PRIVATE_DISPLAY_PIDS
#   private_display_stop            stops them, the window manager first

PRIVATE_DISPLAY_PIDS=()

private_display_start() {
  local work=$1
  # Xvfb picks a free display number and writes it to the file.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  PRIVATE_DISPLAY_PIDS+=($!)
  for _ in {1..100}; do
    [[ -s $work/display ]] && break
    sleep 0.1
  done
  [[ -s $work/display ]] || { echo "$(basename "$0"): Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$(cat "$work/display")
  # No session bus, as in the tests: none that D-Bus would start for this display on demand.
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
  openbox --sm-disable >/dev/null 2>&1 &
  PRIVATE_DISPLAY_PIDS+=($!)
  # The window manager announces itself once it manages new windows.
  for _ in {1..100}; do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "$(basename "$0"): openbox did not come up" >&2
  return 1
}

private_display_stop() {
  local i
  for ((i = ${#PRIVATE_DISPLAY_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${PRIVATE_DISPLAY_PIDS[i]}" 2>/dev/null
    wait "${PRIVATE_DISPLAY_PIDS[i]}" 2>/dev/null || true
  done
  PRIVATE_DISPLAY_PIDS=()
}
