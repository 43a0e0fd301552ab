#!/usr/bin/env bash
# Without a display the program prints one line on standard error, nothing on standard output,
# and ends with code 1: with DISPLAY unset, with DISPLAY naming a display with no server, and
# with no runtime folder or one that does not exist, where Wayland's sockets would lie. None has a
# Wayland display: the runtime folder is empty.
#   bash no_display.sh program
set -uo pipefail
source "$(dirname "$0")/../support/private_display.sh"
program=$1
readonly EXPECTED="strelbishte: no display available (is DISPLAY set?)"
work=$(mktemp -d "${TMPDIR:-/tmp}/strelbishte-no-display.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/xdg"

# The first display number from :77 on that neither a server nor its files hold.
free_display() {
  local n
  for ((n = 77; n < 300; n++)); do
    private_display_taken "$n" || { echo ":$n"; return 0; }
  done
  return 1
}

# Runs the program with the display settings given as env arguments and checks what it does.
expect_no_display() {
  local what=$1 code runtime=(XDG_RUNTIME_DIR="$work/xdg")
  shift
  [[ $* == *XDG_RUNTIME_DIR* ]] && runtime=()
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$@" "${runtime[@]}" timeout 30 "$program" \
    >"$work/out" 2>"$work/err" </dev/null
  code=$?
  ((code == 1)) || { echo "FAIL: $what: exit code $code, expected 1"; cat "$work/err"; exit 1; }
  [[ ! -s $work/out ]] || { echo "FAIL: $what: printed on standard output: $(cat "$work/out")"; exit 1; }
  [[ $(cat "$work/err") == "$EXPECTED" && $(wc -l <"$work/err") == 1 ]] ||
    { echo "FAIL: $what: standard error was:"; cat "$work/err"; exit 1; }
}

expect_no_display "DISPLAY unset" -u DISPLAY
dead=$(free_display) || { echo "FAIL: no free display number"; exit 1; }
expect_no_display "DISPLAY=$dead with no server" DISPLAY="$dead"
expect_no_display "no runtime folder" -u DISPLAY -u XDG_RUNTIME_DIR
expect_no_display "a runtime folder that does not exist" -u DISPLAY XDG_RUNTIME_DIR="$work/none"
echo "PASS: no display, one line and code 1"
