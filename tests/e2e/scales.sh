#!/usr/bin/env bash
# The program at screen scales 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR): both windows open at their
# size times the scale, and with the pointer at the same spot of the range view every scale shows
# the same frame. The arm and the sights stand where the aiming rules put them, and every device
# pixel outside the child widgets shows exactly the colour of the unscaled screen at its place: no
# smoothing, no pixel lost and no seam between the range view's picture, its border, the sights,
# the score boxes and the target button, nor in the target window's face and arrows.
#
# A scaled window needs a larger screen than the shared display has, so the test runs on a display
# of its own, without a window manager: the outer window is then the client area.
#   bash scales.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"
source "$E2E_ROOT/tests/support/private_display.sh"

readonly SCALES=(1 1.25 1.5 2)
readonly SCREEN=2560x1700x24
# The window is enlarged to show the whole range view with its border: 1040 x 840 pixels, whole
# device pixels at every scale tested.
readonly WIDE=1040 TALL=840
# Where the pointer aims, in range-view pixels: the arm reaches down over the view's bottom border.
readonly AIM_X=700 AIM_Y=500
readonly SIGHT="49 24 52"
readonly ARM=$E2E_ROOT/assets/arm_on_black.png
trap 'stop_program; private_display_stop; e2e_cleanup' EXIT

# $1 times $2, rounded half up as Qt rounds a scaled edge.
scaled() {
  awk -v v="$1" -v s="$2" 'BEGIN { printf "%d\n", int(v * s + 0.5) }'
}

# The device pixel the pointer must stand on for the range view to report the pixel ($2, $3) at
# scale $1: the first one whose logical position falls in that pixel.
pointer_for() {
  awk -v s="$1" -v x=$((VIEW_X + $2)) -v y=$((VIEW_Y + $3)) 'BEGIN {
    dx = x * s; dy = y * s
    printf "%d %d\n", (dx == int(dx) ? dx : int(dx) + 1), (dy == int(dy) ? dy : int(dy) + 1)
  }'
}

# The range-view pixels looked at in a frame, as offsets from the pointer: around the front-sight
# blade, which stands in columns X + 51 and X + 52 of an aim frame and one further right in a sway
# frame; inside and just outside the corners of the rear sight's posts, from X + 29 and X + 59,
# 15 wide, from Y - 9 and 20 high, and of the base under them from Y - 1, 44 wide; and three
# pixels of the arm sprite, whose top-left corner stands at (X + 1, Y + 1).
readonly BLADE=("50 -5" "51 -5" "52 -5" "53 -5")
readonly IN_SIGHT=("29 -9" "43 -9" "59 -9" "73 -9" "29 10" "72 10")
readonly BESIDE_SIGHT=("28 -9" "29 -10" "44 -5" "58 -5" "74 -9" "29 11")
readonly ARM_PIXELS=("60 150" "45 250" "70 200")

# Reads into SHOWN, keyed by offset, the colours that screenshot $1 at scale $2 shows in the first
# device pixel of each range-view pixel looked at, with one reading of the image.
read_frame() {
  local shot=$1 s=$2 format="" at dx dy x y n
  local -a offsets=("${BLADE[@]}" "${IN_SIGHT[@]}" "${BESIDE_SIGHT[@]}")
  for at in "${ARM_PIXELS[@]}"; do
    read -r dx dy <<<"$at"
    offsets+=("$((dx + 1)) $((dy + 1))")
  done
  for at in "${offsets[@]}"; do
    read -r dx dy <<<"$at"
    x=$(scaled $((VIEW_X + AIM_X + dx)) "$s") y=$(scaled $((VIEW_Y + AIM_Y + dy)) "$s")
    format+="%[fx:int(255*p{$x,$y}.r+0.5)] %[fx:int(255*p{$x,$y}.g+0.5)] %[fx:int(255*p{$x,$y}.b+0.5)]\n"
  done
  local -a colours
  mapfile -t colours < <(convert "$shot" -format "$format" info:)
  ((${#colours[@]} == ${#offsets[@]})) || return 1
  declare -gA SHOWN=()
  for ((n = 0; n < ${#offsets[@]}; n++)); do
    SHOWN[${offsets[n]}]=${colours[n]}
  done
}

# Prints what the frame read shows out of place, or nothing when it is the aim frame with the
# sight pieces and the arm where the rules put them.
aim_frame_problem() {
  local at dx dy
  [[ ${SHOWN[50 -5]} != "$SIGHT" && ${SHOWN[51 -5]} == "$SIGHT" && ${SHOWN[52 -5]} == "$SIGHT" &&
     ${SHOWN[53 -5]} != "$SIGHT" ]] || { echo "the front-sight blade is not in columns X + 51 and X + 52"; return; }
  for at in "${IN_SIGHT[@]}"; do
    [[ ${SHOWN[$at]} == "$SIGHT" ]] || { echo "no sight piece at pointer + ($at)"; return; }
  done
  for at in "${BESIDE_SIGHT[@]}"; do
    [[ ${SHOWN[$at]} != "$SIGHT" ]] || { echo "a sight piece reaches pointer + ($at)"; return; }
  done
  for at in "${ARM_PIXELS[@]}"; do
    read -r dx dy <<<"$at"
    [[ ${SHOWN[$((dx + 1)) $((dy + 1))]} == "$(pixel_at "$ARM" "$dx" "$dy")" ]] ||
      { echo "the arm sprite's pixel ($at) is not at pointer + (1, 1) + ($at)"; return; }
  done
}

# Aims at (AIM_X, AIM_Y) in window $1 at scale $2, takes the frame into screenshot $3 and reads it.
# A frame taken before it was wholly drawn, or once the pistol had begun to sway 500 ms after the
# aim, is taken again; what the last one shows out of place is left in PROBLEM.
shoot_aim_frame() {
  local win=$1 s=$2 out=$3 px py
  for _ in {1..5}; do
    read -r px py <<<"$(pointer_for "$s" $((AIM_X - 30)) "$AIM_Y")"
    move_to "$win" "$px" "$py" || return 1
    read -r px py <<<"$(pointer_for "$s" "$AIM_X" "$AIM_Y")"
    move_to "$win" "$px" "$py" || return 1
    sleep 0.15
    screenshot "$out" "$win" && read_frame "$out" "$s" || return 1
    PROBLEM=$(aim_frame_problem)
    [[ -z $PROBLEM ]] && return 0
    e2e_log "scale $s: taken again, $PROBLEM"
  done
}

# Moves window $1 to the screen's corner and resizes it to $2 x $3 device pixels, asking again
# until it has that size: a request that comes while the program is still placing its new window
# can be overtaken by the program's own.
resize_window() {
  for _ in {1..30}; do
    xdotool windowmove "$1" 0 0 windowsize "$1" "$2" "$3" >/dev/null 2>&1
    sleep 0.1
    window_geometry "$1" && [[ $WIN_X == 0 && $WIN_Y == 0 && $WIN_WIDTH == "$2" && $WIN_HEIGHT == "$3" ]] && return 0
  done
  return 1
}

# Child widgets draw themselves anew at each scale, so they are blanked out of the comparison, in
# window pixels. In the main window: the button bar's rows, the score boxes, the total box and
# Command1, Analysis and Discipline, and the two corners where the sunken border's light and dark sides meet on a diagonal,
# which the style draws for each scale. In the target window: its text boxes and scroll bars.
MAIN_CHILDREN="rectangle 0,8 $((WIDE - 1)),40 "
for k in {1..10}; do
  MAIN_CHILDREN+="rectangle 3,$((VIEW_Y + 32 * (k - 1))) 27,$((VIEW_Y + 32 * (k - 1) + 18)) "
done
MAIN_CHILDREN+="rectangle 3,378 51,401 rectangle 3,410 67,434 rectangle 3,442 67,466 rectangle 3,474 67,498 rectangle 1026,56 1028,58 rectangle 1,825 3,827"
readonly MAIN_CHILDREN
readonly TARGET_CHILDREN="rectangle 48,80 88,112 rectangle 64,488 144,496 rectangle 80,504 120,522
  rectangle 528,56 536,120 rectangle 544,80 584,98"
# The part of the target window compared: whole device pixels at every scale tested.
readonly TARGET_PART=596x528

# Fails unless the top-left part $4 (WxH, window pixels) of screenshot $1 at scale $2 equals that
# of the unscaled screenshot $3 outside the rectangles $5. At these scales a logical pixel covers
# one or two device pixels in each direction: its first and its last, taken by sampling at the
# right offsets, are compared with the unscaled one.
expect_same_as_unscaled() {
  local shot=$1 s=$2 part=$4 blank=$5 which offset differ
  local reference=$E2E_TMP/reference.ppm sampled=$E2E_TMP/sampled.ppm
  local device="$(scaled "${part%x*}" "$s")x$(scaled "${part#*x}" "$s")"
  convert "$3" -crop "$part+0+0" +repage -fill black -draw "$blank" "$reference" || return 1
  for which in first last; do
    offset=$(awk -v s="$s" -v w="$which" 'BEGIN {
      o = w == "first" ? 0.5 / s : 1 - 0.5 / s
      printf "%.4f", (o + 0.01) * 100
    }')
    convert "$shot" -crop "$device+0+0" +repage -define "sample:offset=${offset}x${offset}" -sample "$part!" \
      -fill black -draw "$blank" "$sampled" || return 1
    differ=$(compare -metric AE "$reference" "$sampled" null: 2>&1)
    [[ $differ == 0 ]] || {
      compare "$reference" "$sampled" "$E2E_TMP/differ-$s-$which.png" 2>/dev/null
      fail "scale $s: in $(basename "$shot"), $differ pixels differ from the unscaled screen" \
        "in their $which device pixel"
    }
  done
}

private_display_start "$E2E_TMP" "$SCREEN" || fail "no display of the test's own"

# Screenshots are kept as uncompressed PPM: they are large, and read at once.
for s in "${SCALES[@]}"; do
  xdotool mousemove 0 0
  export QT_SCALE_FACTOR=$s
  start_program || fail "could not start $E2E_PROGRAM"
  win=$(wait_for_window "$MAIN_CAPTION" 20) || fail "scale $s: no main window"
  window_geometry "$win" || fail "scale $s: no window geometry"
  want="$(scaled 792 "$s")x$(scaled 598 "$s")"
  [[ ${WIN_WIDTH}x$WIN_HEIGHT == "$want" ]] ||
    fail "scale $s: the main window opened at ${WIN_WIDTH}x$WIN_HEIGHT, not $want"
  e2e_log "scale $s: main window ${WIN_WIDTH}x$WIN_HEIGHT device pixels"

  resize_window "$win" "$(scaled $WIDE "$s")" "$(scaled $TALL "$s")" || fail "scale $s: could not enlarge the window"
  shoot_aim_frame "$win" "$s" "$E2E_TMP/main-$s.ppm" || fail "scale $s: could not take the frame aimed at"
  [[ -z $PROBLEM ]] || fail "scale $s: $PROBLEM"

  xdotool click 3
  target=$(wait_for_window "$TARGET_CAPTION" 5) || fail "scale $s: the right button did not bring up the target window"
  sleep 0.3
  window_geometry "$target" || fail "scale $s: no target window geometry"
  want="$(scaled 599 "$s")x$(scaled 531 "$s")"
  [[ ${WIN_WIDTH}x$WIN_HEIGHT == "$want" ]] || fail "scale $s: the target window is ${WIN_WIDTH}x$WIN_HEIGHT, not $want"
  e2e_log "scale $s: target window ${WIN_WIDTH}x$WIN_HEIGHT device pixels"
  screenshot "$E2E_TMP/target-$s.ppm" "$target" || fail "scale $s: no screenshot of the target window"

  if [[ $s != 1 ]]; then
    expect_same_as_unscaled "$E2E_TMP/main-$s.ppm" "$s" "$E2E_TMP/main-1.ppm" "${WIDE}x$TALL" "$MAIN_CHILDREN"
    expect_same_as_unscaled "$E2E_TMP/target-$s.ppm" "$s" "$E2E_TMP/target-1.ppm" "$TARGET_PART" "$TARGET_CHILDREN"
  fi
  stop_program
done

pass "the same crisp frames at every scale"
