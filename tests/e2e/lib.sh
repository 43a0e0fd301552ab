# Sourced by the end-to-end tests: start the real program under the display that tests/run
# provides, find its windows, drive the pointer, read the screen and record what it plays.
#
#   source "$(dirname "$0")/lib.sh"
#   start_program
#   win=$(wait_for_window "$MAIN_CAPTION") || fail "no main window"
#   click_at "$win" 400 300 1
#   screenshot "$E2E_TMP/after.png" "$win"
#   [[ $(pixel_at "$E2E_TMP/after.png" 10 10) == "0 255 0" ]] || fail "..."
#   pass "..."
#
# Every function returns non-zero on failure instead of exiting, except fail and pass.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$E2E_ROOT/tests/support/session.sh"
E2E_PROGRAM=${STRELBISHTE_PROGRAM:-$E2E_ROOT/build/strelbishte}
E2E_SINK=${STRELBISHTE_SINK:-strelbishte_test}
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/strelbishte-e2e.XXXXXX")
E2E_PROGRAM_PID=
E2E_RECORDER_PID=
E2E_RECORDING=
E2E_RECORDING_T0_NS=

# The caption has runs of 15, 2 and 7 blanks; spelling them out keeps them countable.
MAIN_CAPTION="СИМУЛАТОР НА РЕАЛНА СТРЕЛБА С ЗОКРАВИН$(printf '%15s' '')ЛЯВ БУТОН НА МИШКАТА$(printf '%2s' '')- ИЗСТРЕЛ$(printf '%7s' '')ДЕСЕН БУТОН - МИШЕНА"

readonly E2E_RATE=44100 E2E_CHANNELS=2

readonly TARGET_CAPTION="МИШЕНА - СКРИВАНЕ ЧРЕЗ ЛЯВ ИЛИ ДЕСЕН БУТОН"
# The inner area of the range view begins 3 pixels right of and 58 below the main window's
# client area: 10 twips (drawn at 1 pixel) from the left, 56 pixels down, a 2-pixel border.
readonly VIEW_X=3 VIEW_Y=58

e2e_log() { printf '%s: %s\n' "$(basename "$0")" "$*" >&2; }

# Stops the program and the recorder, then removes the scratch folder unless E2E_KEEP is set.
e2e_cleanup() {
  stop_program
  recorder_stop
  if [[ -n ${E2E_KEEP:-} ]]; then
    e2e_log "kept $E2E_TMP"
  else
    rm -rf "$E2E_TMP"
  fi
}
trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

fail() {
  printf 'FAIL: %s\n' "$*"
  if [[ -s $E2E_TMP/program.log ]]; then
    printf -- '--- program output ---\n'
    tail -n 40 "$E2E_TMP/program.log"
  fi
  exit 1
}

pass() {
  printf 'PASS: %s\n' "${*:-$(basename "$0")}"
  exit 0
}

# For a test declared with SKIP_RETURN_CODE 77: what it needs is not on this machine.
skip() {
  printf 'SKIP: %s\n' "$*"
  exit 77
}

# ---- the program ----------------------------------------------------------------------------

# Starts the program in the background from its own folder, where its sounds lie.
start_program() {
  [[ -x $E2E_PROGRAM ]] || { e2e_log "no program at $E2E_PROGRAM"; return 1; }
  [[ -n ${DISPLAY:-} ]] || { e2e_log "DISPLAY is not set; run through tests/run"; return 1; }
  (cd "$(dirname "$E2E_PROGRAM")" && exec "$E2E_PROGRAM" "$@") </dev/null >"$E2E_TMP/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
}

program_running() {
  [[ -n $E2E_PROGRAM_PID ]] && kill -0 "$E2E_PROGRAM_PID" 2>/dev/null
}

program_ended() {
  ! program_running
}

# Why the program still runs after it was asked to close: whether its main window is still shown
# (the close went to another window) or gone (the program hangs on its way out), and then where
# its threads stand, when gdb is at hand.
why_still_running() {
  if [[ -n $(find_windows "$MAIN_CAPTION") ]]; then
    echo "its main window is still shown"
    return
  fi
  echo "its main window is gone"
  command -v gdb >/dev/null &&
    gdb -batch -p "$E2E_PROGRAM_PID" -ex 'thread apply all bt 12' 2>/dev/null | grep -E '^(Thread|#)'
}

stop_program() {
  [[ -n $E2E_PROGRAM_PID ]] || return 0
  kill -TERM "$E2E_PROGRAM_PID" 2>/dev/null
  session_wait_for 30 "$$" program_ended
  kill -KILL "$E2E_PROGRAM_PID" 2>/dev/null
  wait "$E2E_PROGRAM_PID" 2>/dev/null
  E2E_PROGRAM_PID=
}

# ---- windows --------------------------------------------------------------------------------

# Prints the ids of the visible windows whose caption is exactly $1. xdotool's own --name is a
# case-blind regular expression, so it only narrows the list and the comparison is done here.
find_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && echo "$id"
  done
}

window_shown() {
  [[ -n $(find_windows "$1") ]]
}

window_not_shown() {
  ! window_shown "$1"
}

# Waits up to $2 seconds (default 10), and no longer than a program started here runs, for a
# visible window captioned exactly $1 and prints its id.
wait_for_window() {
  local caption=$1 ids
  session_wait_for $((${2:-10} * 10)) "${E2E_PROGRAM_PID:-$$}" window_shown "$caption"
  ids=$(find_windows "$caption")
  if [[ -n $ids ]]; then
    head -n 1 <<<"$ids"
    return 0
  fi
  if [[ -n $E2E_PROGRAM_PID ]] && ! program_running; then
    e2e_log "the program exited before showing \"$caption\""
  else
    e2e_log "no window \"$caption\" within ${2:-10} s"
  fi
  return 1
}

# Waits up to $2 seconds (default 10) until no visible window is captioned exactly $1.
wait_for_window_gone() {
  session_wait_for $((${2:-10} * 10)) "$$" window_not_shown "$1"
}

# Sets WIN_X, WIN_Y (the client area's top left on the screen), WIN_WIDTH and WIN_HEIGHT.
# xwininfo is asked for the position because xdotool reports the frame's under a window manager.
window_geometry() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  WIN_X=$(awk -F: '/Absolute upper-left X/ { print $2 + 0 }' <<<"$info")
  WIN_Y=$(awk -F: '/Absolute upper-left Y/ { print $2 + 0 }' <<<"$info")
  WIN_WIDTH=$(awk -F: '/^ *Width:/ { print $2 + 0 }' <<<"$info")
  WIN_HEIGHT=$(awk -F: '/^ *Height:/ { print $2 + 0 }' <<<"$info")
  [[ -n $WIN_X && -n $WIN_Y && -n $WIN_WIDTH && -n $WIN_HEIGHT ]]
}

# Sets OUTER_X, OUTER_Y, OUTER_WIDTH and OUTER_HEIGHT to window $1 with the frame the window
# manager gave it, and WIN_* as window_geometry does.
outer_geometry() {
  local left right top bottom
  window_geometry "$1" || return 1
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')"
  OUTER_X=$((WIN_X - ${left:-0})) OUTER_Y=$((WIN_Y - ${top:-0}))
  OUTER_WIDTH=$((WIN_WIDTH + ${left:-0} + ${right:-0})) OUTER_HEIGHT=$((WIN_HEIGHT + ${top:-0} + ${bottom:-0}))
}

# Succeeds when window $1, frame included, stands in the middle of the screen to within a pixel;
# sets OUTER_* as outer_geometry does and SCREEN_WIDTH and SCREEN_HEIGHT.
centred_on_screen() {
  outer_geometry "$1" || return 1
  read -r SCREEN_WIDTH SCREEN_HEIGHT < <(xdotool getdisplaygeometry)
  local dx=$((2 * OUTER_X + OUTER_WIDTH - SCREEN_WIDTH)) dy=$((2 * OUTER_Y + OUTER_HEIGHT - SCREEN_HEIGHT))
  ((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2))
}

activate_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1" >/dev/null 2>&1
}

window_unmapped() {
  ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

# Closes window $1 as a user does, with Alt+F4 to the window manager, and presses again, twice at
# most, while the window stays shown: a key sent before the window manager made the window active
# goes to another. Fails when the window is still shown after the third.
press_alt_f4() {
  for _ in 1 2 3; do
    activate_window "$1"
    xdotool key --clearmodifiers alt+F4
    session_wait_for 15 "$$" window_unmapped "$1" && return 0
  done
}

# The window manager may still move a new window to the middle of the screen; waits until window
# $1 is framed and stays put, so that clicks land where they are aimed.
wait_until_settled() {
  local before= now
  for _ in {1..50}; do
    window_geometry "$1" || return 1
    now="$WIN_X $WIN_Y"
    [[ $now == "$before" ]] && xprop -id "$1" _NET_FRAME_EXTENTS | grep -q = && return 0
    before=$now
    sleep 0.2
  done
  return 1
}

# ---- the pointer ----------------------------------------------------------------------------

# Moves the pointer to ($2, $3) inside window $1 and waits until the server reports it there.
move_to() {
  local win=$1 x=$2 y=$3 ax ay loc
  window_geometry "$win" || return 1
  ax=$((WIN_X + x)) ay=$((WIN_Y + y))
  for _ in {1..20}; do
    xdotool mousemove --window "$win" "$x" "$y" >/dev/null 2>&1
    loc=$(xdotool getmouselocation --shell 2>/dev/null)
    if grep -qx "X=$ax" <<<"$loc" && grep -qx "Y=$ay" <<<"$loc"; then
      return 0
    fi
    sleep 0.05
  done
  e2e_log "pointer did not reach $x,$y in window $win"
  return 1
}

# Clicks button $4 (1 left, 3 right; default 1) at ($2, $3) inside window $1.
click_at() {
  move_to "$1" "$2" "$3" || return 1
  xdotool click "${4:-1}"
}

# The bar of exercise buttons is centred on the outer width of the window, frame included.
button_bar_left() {
  local extents left=0 right=0
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$')
  [[ -n $extents ]] && IFS=', ' read -r left right _ <<<"$extents"
  window_geometry "$1" || return 1
  echo $(((WIN_WIDTH + left + right - 697) / 2))
}

# Presses the button of the bar of window $1 whose left edge is $2 pixels into the bar.
press_button() {
  local bar
  bar=$(button_bar_left "$1") || return 1
  click_at "$1" $((bar + $2 + 60)) 24
}
readonly BAVNA=0 RESTART=272 BARZA=560

# Fires shot $2 of the series aimed at ($3, $4) in range-view pixels, the pointer raised by the 5
# pixels that each scored shot before it lowers the sights: an aim redraw at its point (the pointer
# first away, then back), then the click, before the pistol begins to sway 500 ms later.
fire_aimed() {
  local win=$1 n=$2 x=$3 y=$(($4 - 5 * ($2 - 1))) moved late
  move_to "$win" $((VIEW_X + x - 20)) $((VIEW_Y + y)) || return 1
  moved=$(date +%s%N)
  move_to "$win" $((VIEW_X + x)) $((VIEW_Y + y)) || return 1
  xdotool click 1
  late=$((($(date +%s%N) - moved) / 1000000))
  ((late < 500)) || { e2e_log "shot $n was fired $late ms after its aim, when the pistol may already sway"; return 1; }
}

# ---- the screen -----------------------------------------------------------------------------

# Saves the screen, or with $2 the part of it that window $2 covers, to the PNG file $1. Taking
# the window from the whole screen shows exactly what a person sees there, overlaps included.
screenshot() {
  local out=$1 win=${2:-}
  if [[ -z $win ]]; then
    import -silent -window root "$out"
  else
    window_geometry "$win" || return 1
    import -silent -window root -crop "${WIN_WIDTH}x${WIN_HEIGHT}+${WIN_X}+${WIN_Y}" +repage "$out"
  fi
}

# Prints the mean colour of the $4 x $5 rectangle at ($2, $3) of the image $1 as three decimal
# numbers 0..255: "R G B".
mean_colour() {
  local hex
  hex=$(convert "$1" -crop "$4x$5+$2+$3" +repage -resize '1x1!' -depth 8 txt:- 2>/dev/null |
    grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1) || return 1
  [[ -n $hex ]] || return 1
  printf '%d %d %d\n' "0x${hex:1:2}" "0x${hex:3:2}" "0x${hex:5:2}"
}

# Prints the colour at ($2, $3) of the image $1: "R G B".
pixel_at() {
  mean_colour "$1" "$2" "$3" 1 1
}

# Succeeds when colour "$1" ("R G B") is within $3 (default 0) of "$2" in every channel.
colour_near() {
  local -a a b
  read -ra a <<<"$1"
  read -ra b <<<"$2"
  local tol=${3:-0} i d
  for i in 0 1 2; do
    d=$((a[i] - b[i]))
    ((d < 0)) && d=$((-d))
    ((d <= tol)) || return 1
  done
}

# ---- sound ----------------------------------------------------------------------------------

# Starts the one recorder of a test: everything played into the test sink from now until
# recorder_stop lands in the raw file $1 (default $E2E_TMP/recording.raw, signed 16-bit, 44100 Hz,
# stereo), named in E2E_RECORDING. It returns once samples flow, so nothing played after it is
# missed. Call it directly, not in $(...), which would lose the recorder's pid.
recorder_start() {
  E2E_RECORDING=${1:-$E2E_TMP/recording.raw}
  : >"$E2E_RECORDING"
  parec -d "$E2E_SINK.monitor" --format=s16le --rate=$E2E_RATE --channels=$E2E_CHANNELS \
    --latency-msec=20 --raw >"$E2E_RECORDING" 2>"$E2E_TMP/parec.log" </dev/null &
  E2E_RECORDER_PID=$!
  local now bytes
  if session_wait_for 50 "$E2E_RECORDER_PID" test -s "$E2E_RECORDING"; then
    now=$(date +%s%N) bytes=$(stat -c %s "$E2E_RECORDING")
    E2E_RECORDING_T0_NS=$((now - bytes * 1000000000 / (2 * E2E_RATE * E2E_CHANNELS)))
    return 0
  fi
  e2e_log "the recorder gave no samples: $(cat "$E2E_TMP/parec.log")"
  return 1
}

# Stops the recorder; its file stays in E2E_RECORDING.
recorder_stop() {
  [[ -n $E2E_RECORDER_PID ]] || return 0
  kill -TERM "$E2E_RECORDER_PID" 2>/dev/null
  wait "$E2E_RECORDER_PID" 2>/dev/null
  E2E_RECORDER_PID=
}

# Seconds from the recording's first sample to now, to within a few milliseconds: the position in
# the recording of whatever is played next.
recording_now() {
  local now
  now=$(date +%s%N)
  awk -v n="$now" -v t0="$E2E_RECORDING_T0_NS" 'BEGIN { printf "%.3f\n", (n - t0) / 1e9 }'
}

# Seconds of sound in a recording, from the file's size.
recording_seconds() {
  local bytes
  bytes=$(stat -c %s "$1") || return 1
  awk -v b="$bytes" -v r=$E2E_RATE -v c=$E2E_CHANNELS 'BEGIN { printf "%.3f\n", b / (2 * r * c) }'
}

# Prints sox's statistics of a raw recording (peak and RMS level in dBFS, length, ...).
sound_stats() {
  sox -t raw -r $E2E_RATE -e signed -b 16 -c $E2E_CHANNELS "$1" -n stats 2>&1
}

# Peak amplitude of a raw recording as a fraction of full scale, 0 to 1.
sound_peak() {
  sox -t raw -r $E2E_RATE -e signed -b 16 -c $E2E_CHANNELS "$1" -n stat 2>&1 |
    awk '/^Maximum amplitude/ { mx = $3 } /^Minimum amplitude/ { mn = -$3 }
         END { printf "%.6f\n", (mx > mn ? mx : mn) }'
}

# RMS amplitude of a raw recording as a fraction of full scale.
sound_rms() {
  sox -t raw -r $E2E_RATE -e signed -b 16 -c $E2E_CHANNELS "$1" -n stat 2>&1 |
    awk '/^RMS +amplitude/ { printf "%.6f\n", $3 }'
}

# Prints one line "start end" (seconds from the file's start) for each stretch of a raw recording
# whose amplitude exceeds $2 (a fraction of full scale, default 0.01). Stretches less than $3 ms
# apart (default 50) count as one, so that the zero crossings of a tone do not split it.
sound_segments() {
  local threshold=${2:-0.01} gap_ms=${3:-50}
  od -An -v -t d2 -w4 "$1" | awk -v rate=$E2E_RATE -v th="$threshold" -v gap="$gap_ms" '
    BEGIN { limit = th * 32768; maxgap = gap / 1000 * rate; start = -1 }
    {
      a = $1 < 0 ? -$1 : $1; b = $2 < 0 ? -$2 : $2
      if (a > limit || b > limit) {
        if (start < 0) start = NR - 1
        else if (NR - 1 - last > maxgap) { printf "%.3f %.3f\n", start / rate, (last + 1) / rate; start = NR - 1 }
        last = NR - 1
      }
    }
    END { if (start >= 0) printf "%.3f %.3f\n", start / rate, (last + 1) / rate }'
}

# Total seconds of a raw recording above the threshold $2 (as for sound_segments).
sound_audible_seconds() {
  sound_segments "$@" | awk '{ s += $2 - $1 } END { printf "%.3f\n", s }'
}
