# Sourced by the scripts that need an X display of their own: a private Xvfb and, on request, an
# openbox as its window manager, each in a session of its own. Safe under set -euo pipefail.
#   private_display_start FOLDER [SCREEN]   starts Xvfb with one screen of SCREEN (default
#                                           1280x1024x24), exports DISPLAY and a session bus
#                                           address where there is none; logs to FOLDER/xvfb.log
#   private_display_start_window_manager FOLDER
#                                           starts openbox on $DISPLAY; logs to FOLDER/openbox.log
#   private_display_has_window_manager      whether a window manager runs on $DISPLAY
#   private_display_taken N                 whether display :N has a server or its files
#   private_display_stop                    stops what was started, the window manager first
# What cannot start is stopped again, with one line on standard error, and the function returns 1.
#
# Display numbers are tried from STRELBISHTE_DISPLAY_FIRST (default 99) to STRELBISHTE_DISPLAY_LAST
# (default 100 above the first), the first one free taken. Xvfb's own choice (-displayfd) would
# take the lowest free number from 0 up, whatever range the caller wants. A system in a chroot
# shares the machine's abstract X sockets but not its /tmp: given a range of its own, nothing it
# starts or reaches is a display of the machine's, and a number the machine's servers hold is
# skipped through /proc/net/unix, where their abstract sockets show. Two callers may pick the same
# number at once: the lock file names the server that won it, the other one exits and its caller
# tries the next number.

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

PRIVATE_DISPLAY_PIDS=()

private_display_taken() {
  [[ -e /tmp/.X$1-lock || -e /tmp/.X11-unix/X$1 ]] || grep -q "@/tmp/.X11-unix/X$1\$" /proc/net/unix 2>/dev/null
}

private_display_ours() {
  [[ $(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock") == "$2" ]] && xdpyinfo -display ":$1" >/dev/null 2>&1
}

private_display_start() {
  local folder=$1 screen=${2:-1280x1024x24}
  local first=${STRELBISHTE_DISPLAY_FIRST:-99}
  local last=${STRELBISHTE_DISPLAY_LAST:-$((first + 100))} n
  for ((n = first; n <= last; n++)); do
    private_display_taken "$n" && continue
    session_start "$folder/xvfb.log" Xvfb ":$n" -screen 0 "$screen" -nolisten tcp -noreset
    if session_wait_for 100 "$SESSION_PID" private_display_ours "$n" "$SESSION_PID"; then
      PRIVATE_DISPLAY_PIDS+=("$SESSION_PID")
      export DISPLAY=:$n
      no_session_bus "$folder"
      return 0
    fi
    session_stop "$SESSION_PID"
  done
  echo "private_display: could not start Xvfb on a free display from :$first to :$last$(session_last_words "$folder/xvfb.log")" >&2
  return 1
}

# A running window manager announces itself on the root window.
private_display_has_window_manager() {
  [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]
}

private_display_start_window_manager() {
  local folder=$1
  session_start "$folder/openbox.log" openbox --sm-disable
  if session_wait_for 100 "$SESSION_PID" private_display_has_window_manager; then
    PRIVATE_DISPLAY_PIDS+=("$SESSION_PID")
    return 0
  fi
  session_stop "$SESSION_PID"
  echo "private_display: openbox did not come up on $DISPLAY$(session_last_words "$folder/openbox.log")" >&2
  return 1
}

private_display_stop() {
  local i
  for ((i = ${#PRIVATE_DISPLAY_PIDS[@]} - 1; i >= 0; i--)); do
    session_stop "${PRIVATE_DISPLAY_PIDS[i]}"
  done
  PRIVATE_DISPLAY_PIDS=()
}
