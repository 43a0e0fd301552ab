#!/usr/bin/env bash
# The shot analysis in the real program: the button under Мишена opens its window centred, a
# precision series marks its ten shots there, and a series reset starts an empty series in it and
# lists the ended one.
#   bash analysis.sh [program]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
source "$(dirname "$0")/lib.sh"

readonly ANALYSIS_CAPTION="АНАЛИЗ НА СТРЕЛБАТА"
readonly MARK_COLOUR="rgb(240,140,20)"

# How many pixels of the screenshot $1, in the left third of it where the target is drawn, have
# the colour of the marks.
mark_pixels() {
  local width
  width=$(identify -format '%w' "$1") || return 1
  convert "$1" -crop "$((width / 3))x10000+0+0" +repage -fuzz 12% -fill black +opaque "$MARK_COLOUR" \
    -fill white -opaque "$MARK_COLOUR" -format '%[fx:round(mean*w*h)]' info:
}

# How many dark (text) pixels the screenshot $1 has where the list of earlier series lies: the
# bottom of the window, below its column captions, between the sight picture and the chart.
earlier_series_ink() {
  local width height
  read -r width height < <(identify -format '%w %h\n' "$1") || return 1
  convert "$1" -crop "$((width / 5))x$((height * 19 / 100))+$((width * 2 / 5))+$((height * 78 / 100))" +repage \
    -colorspace Gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:
}

# Brings window $1 to the front and takes its screenshot into $2.
front_screenshot() {
  activate_window "$1"
  sleep 0.3
  screenshot "$2" "$1"
}

start_program || fail "the program did not start"
win=$(wait_for_window "$MAIN_CAPTION") || fail "no main window"
wait_until_settled "$win" || fail "the main window did not come to rest"
activate_window "$win"
press_button "$win" $BAVNA || fail "could not press ПРЕЦИЗНА СТРЕЛБА"

click_at "$win" $((VIEW_X + 32)) $((VIEW_Y + 396)) 1 || fail "could not press Анализ"
analysis=$(wait_for_window "$ANALYSIS_CAPTION" 5) || fail "the button Анализ brought up no window"
wait_until_settled "$analysis" || fail "the analysis window did not come to rest"
centred_on_screen "$analysis" || fail "the analysis window is not centred on the screen"
front_screenshot "$analysis" "$E2E_TMP/empty.png" || fail "no screenshot"
(($(mark_pixels "$E2E_TMP/empty.png") == 0)) || fail "marks on the target before the first shot"

activate_window "$win"
for shot in {1..10}; do
  click_at "$win" $((VIEW_X + 358)) $((VIEW_Y + 139 - 5 * (shot - 1))) 1 || fail "shot $shot not fired"
  sleep 0.2
done
front_screenshot "$analysis" "$E2E_TMP/series.png" || fail "no screenshot"
marked=$(mark_pixels "$E2E_TMP/series.png")
((marked > 20)) || fail "the analysis shows no marks after ten shots ($marked pixels)"

activate_window "$win"
press_button "$win" $RESTART || fail "could not press СМЯНА НА МИШЕНА"
front_screenshot "$analysis" "$E2E_TMP/reset.png" || fail "no screenshot"
(($(mark_pixels "$E2E_TMP/reset.png") == 0)) || fail "the marks of the ended series are still on the target"
(($(earlier_series_ink "$E2E_TMP/reset.png") > $(earlier_series_ink "$E2E_TMP/series.png") + 20)) ||
  fail "the ended series did not come into the list of earlier series"
[[ -n $(find_windows "$ANALYSIS_CAPTION") ]] || fail "the series reset closed the analysis window"

pass "the analysis window opens centred, marks the series and starts empty after a reset"
