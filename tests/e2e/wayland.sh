#!/usr/bin/env bash
# The program in a Wayland session. Where an X display is at hand as well, as XWayland gives one,
# it runs there on Qt's X11 platform, which lets it place and raise its windows: its main window
# opens centred on the X display. Where there is none it runs on Wayland, and a platform the user
# names in QT_QPA_PLATFORM is the one it takes. The compositor is a headless weston of the test's
# own. Skipped (77) where weston or Qt's Wayland platform is not installed.
#   bash wayland.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

readonly SOCKET=strelbishte-wayland
WESTON_PID=

trap 'stop_program; session_stop "$WESTON_PID"; e2e_cleanup' EXIT

# The compositor, with the clients it starts, in a session of its own and with a runtime folder
# of its own, where its socket lies and where the program looks for it.
start_weston() {
  export XDG_RUNTIME_DIR=$E2E_TMP/xdg
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  setsid weston --backend=headless-backend.so --use-pixman --idle-time=0 --socket="$SOCKET" \
    </dev/null >"$E2E_TMP/weston.log" 2>&1 &
  WESTON_PID=$!
  session_wait_for 100 "$WESTON_PID" test -S "$XDG_RUNTIME_DIR/$SOCKET" && return 0
  e2e_log "weston did not come up: $(tail -n 5 "$E2E_TMP/weston.log")"
  return 1
}

# The platform plugins the program has loaded, from its memory map, e.g. "xcb" or "wayland-generic".
platforms() {
  grep -o 'platforms/libq[a-z-]*\.so' "/proc/$E2E_PROGRAM_PID/maps" 2>/dev/null |
    sed 's|platforms/libq||; s|\.so$||' | sort -u | tr '\n' ' '
}

on_wayland() {
  [[ $(platforms) == *wayland* ]]
}

# Fails unless the program, started with the settings $2 .., runs on the Wayland compositor: it
# loads Qt's Wayland platform, which it does only once X11 is ruled out or passed over, and runs on
# for two seconds without a word. $1 names the case.
expect_on_wayland() {
  local what=$1 loaded=
  shift
  (cd "$(dirname "$E2E_PROGRAM")" && exec env "$@" "$E2E_PROGRAM") </dev/null >"$E2E_TMP/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
  session_wait_for 100 "$E2E_PROGRAM_PID" on_wayland || program_running || fail "$what: the program ended"
  loaded=$(platforms)
  sleep 2
  program_running || fail "$what: the program ended on Wayland"
  [[ $loaded == *wayland* ]] || fail "$what: platforms loaded: ${loaded:-none}"
  [[ ! -s $E2E_TMP/program.log ]] || fail "$what: the program printed: $(head -c 300 "$E2E_TMP/program.log")"
  stop_program
}

command -v weston >/dev/null || skip "no weston"
[[ -f $(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)/platforms/libqwayland-generic.so ]] ||
  skip "no Wayland platform for Qt (qt6-wayland)"
start_weston || fail "no weston of the test's own"
export WAYLAND_DISPLAY=$SOCKET XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

xdotool mousemove 0 0
start_program || fail "could not start $E2E_PROGRAM"
win=$(wait_for_window "$MAIN_CAPTION" 20) || fail "no main window on the X display $DISPLAY (platforms loaded: $(platforms))"
[[ $(platforms) == "xcb " ]] || fail "with an X display at hand the program loaded the platforms: $(platforms)"
wait_until_settled "$win" || fail "the main window did not come to rest"
centred_on_screen "$win" ||
  fail "main window not centred: outer ${OUTER_WIDTH}x${OUTER_HEIGHT}+${OUTER_X}+${OUTER_Y} on ${SCREEN_WIDTH}x${SCREEN_HEIGHT}"
echo "in a Wayland session with an X display: platform xcb, main window at ${WIN_X},${WIN_Y} (client area)"
stop_program

expect_on_wayland "without an X display" -u DISPLAY
expect_on_wayland "with QT_QPA_PLATFORM=wayland" QT_QPA_PLATFORM=wayland
pass "on X where there is an X display, else on Wayland, or where QT_QPA_PLATFORM says"
