#!/usr/bin/env bash
# Whatever lies in the program's folder under the names of its two sounds, the program keeps
# running, scores every shot and prints nothing, and each sound that can be played is heard.
#  - AK.wav missing, empty, cut in its header, random bytes, text, a folder, a FIFO with no writer,
#    and a file it may not read: one after another between the shots of one run, each time with a
#    good AK2.wav that must still be heard; at last AK.wav cut in its data, which plays what it
#    holds (a sound that plays is kept, so it comes last);
#  - a 24-bit AK.wav, then a floating-point AK2.wav added while the program runs: both heard at
#    their own lengths;
#  - a large AK.wav ($2 MB, default 20): heard, and the program's memory noted;
#  - the program and its own sounds in a folder whose name has blanks and Cyrillic letters.
# Prints, for each case, the longest stretch the user-interface thread spent between two waits for
# events, traced with strace where it can attach: a figure, not a check.
#   bash sound_files.sh program [large file size in MB]
set -uo pipefail
if [[ -n ${1:-} ]]; then
  export STRELBISHTE_PROGRAM=$1
fi
readonly LARGE_MB=${2:-20}
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/robustness_helpers.sh"

readonly SOUNDS=$(dirname "$E2E_PROGRAM")

# ---- figures: the longest stall of the user-interface thread -------------------------------

E2E_STRACE_PID=
STALL_TRACE=
STALL_MARKS=

# Traces the program's waits for events on its main thread; every case named by stall_mark from
# then on gets the longest time between two waits that began while it was the latest one.
stall_watch_start() {
  STALL_TRACE=$E2E_TMP/polls-$1.txt STALL_MARKS=$E2E_TMP/cases-$1.txt
  : >"$STALL_MARKS"
  command -v strace >/dev/null || { STALL_TRACE=; return 0; }
  strace -qq -p "$E2E_PROGRAM_PID" -e trace=poll,ppoll -ttt -T -o "$STALL_TRACE" 2>/dev/null &
  E2E_STRACE_PID=$!
  # The program waits at least every 500 ms, so the first line comes soon after the attach.
  session_wait_for 20 "$E2E_STRACE_PID" test -s "$STALL_TRACE" && return 0
  e2e_log "strace could not attach; no stall figures"
  stall_watch_stop
  STALL_TRACE=
}

stall_mark() {
  [[ -n $STALL_MARKS ]] && printf '%s %s\n' "$(date +%s.%6N)" "$1" >>"$STALL_MARKS"
  return 0
}

# Prints one line per case marked: its name and its longest stall in ms. xcb's waits to write to
# the display are part of the work, not waits for events.
stall_watch_stop() {
  [[ -n $E2E_STRACE_PID ]] || return 0
  kill -INT "$E2E_STRACE_PID" 2>/dev/null
  wait "$E2E_STRACE_PID" 2>/dev/null
  E2E_STRACE_PID=
  [[ -n $STALL_TRACE ]] || return 0
  awk 'NR == FNR { at[++n] = $1; sub(/^[^ ]+ /, ""); name[n] = $0; next }
    /POLLOUT/ || !/<[0-9.]+>$/ { next }
    {
      t = $1; d = $NF; gsub(/[<>]/, "", d)
      if (started) {
        k = 0
        for (i = 1; i <= n; i++) if (at[i] <= end) k = i
        if (k && t - end > worst[k]) worst[k] = t - end
      }
      started = 1; end = t + d
    }
    END { for (i = 1; i <= n; i++) printf "longest UI-thread stall: %-28s %6.1f ms\n", name[i], worst[i] * 1000 }' \
    "$STALL_MARKS" "$STALL_TRACE"
}

# ---- the cases ------------------------------------------------------------------------------

# Writes the WAV file $1 with sox's output options $4 ...: a tone of $2 seconds, then $3 of silence.
tone() {
  local file=$1 seconds=$2 silence=$3
  shift 3
  sox -n "$@" "$file" synth "$seconds" sine 440 vol 0.5 pad 0 "$silence"
}

# The folder $1, holding a copy of the program.
program_folder() {
  mkdir -p "$1" && cp "$E2E_PROGRAM" "$1/" || fail "could not copy the program to $1"
}

# Puts the bad kind $2 of sound file at $1/AK.wav, in place of whatever lay there.
bad_sound() {
  local file=$1/AK.wav
  rm -rf "$file"
  case $2 in
  missing) ;;
  empty) : >"$file" ;;
  "cut in its header") head -c 30 "$SOUNDS/AK.wav" >"$file" ;;
  "random bytes") head -c 65536 /dev/urandom >"$file" ;;
  text) for _ in {1..200}; do echo "Това не е звук, а текст."; done >"$file" ;;
  folder) mkdir "$file" ;;
  "FIFO without a writer") mkfifo "$file" ;;
  # A second long, so that the last case would hear it if it had been read.
  unreadable) tone "$file" 1 0 -b 16 -r 44100 && chmod 000 "$file" ;;
  esac
}

# Fires shot $1 at a point of the range view that moves along with the shot number, and notes
# in SHOT_AT[$1] where the recording stands at that moment.
declare -a SHOT_AT
fire() {
  move_to "$WIN" $((VIEW_X + 330 + 10 * $1)) $((VIEW_Y + 260 - 5 * $1)) || fail "could not aim shot $1"
  SHOT_AT[$1]=$(recording_now)
  xdotool click 1
  program_running || fail "the program ended at shot $1"
}

# Stops the recorder and notes the stretches of sound it heard, for the checks below.
stop_hearing() {
  recorder_stop
  HEARD=$(sound_segments "$E2E_RECORDING" 0.01)
}

# Prints the length in seconds of the sound heard starting within 0.5 s of shot $1 (allowing
# 0.1 s for the guess of where the recording stood), or nothing.
heard_after() {
  awk -v s="${SHOT_AT[$1]}" '$1 >= s - 0.1 && $1 < s + 0.5 { printf "%.3f\n", $2 - $1; exit }' <<<"$HEARD"
}

expect_heard() {
  [[ -n $(heard_after "$1") ]] || fail "$2: nothing heard after shot $1"
}

# Fails unless the sound heard after shot $1 lasts from $2 to $3 s. A sound that has to be read
# first starts up to some tens of ms after one that was read before.
expect_heard_for() {
  local heard
  heard=$(heard_after "$1")
  [[ -n $heard ]] || fail "$4: nothing heard after shot $1"
  awk -v h="$heard" -v lo="$2" -v hi="$3" 'BEGIN { exit !(h >= lo && h <= hi) }' ||
    fail "$4: heard $heard s after shot $1, expected $2 to $3 s"
}

own_sound_server_start || fail "no sound server of the test's own"

# ---- bad files, one after another -----------------------------------------------------------

folder=$E2E_TMP/bad
program_folder "$folder"
tone "$folder/AK2.wav" 0.1 0 -b 16 -r 44100
kinds=(missing empty "cut in its header" "random bytes" text folder "FIFO without a writer")
wrapper=()
# Root reads a file whatever its mode; without the two capabilities that let it, it may not.
if ((EUID != 0)); then
  kinds+=(unreadable)
elif setpriv --bounding-set=-dac_override,-dac_read_search true 2>/dev/null; then
  kinds+=(unreadable)
  wrapper=(setpriv --bounding-set=-dac_override,-dac_read_search)
else
  e2e_log "left out the unreadable file: root cannot give up reading every file here"
fi

open_program "$folder" "${wrapper[@]}"
stall_watch_start bad
recorder_start || fail "no recording"
for ((k = 1; k <= ${#kinds[@]}; k++)); do
  stall_mark "${kinds[k - 1]}"
  bad_sound "$folder" "${kinds[k - 1]}"
  fire "$k"
  sleep 0.55
done
# Last an AK.wav that plays, and is kept from then on: the first half of a 0.6 s tone, read at
# its first request after all the others, so the file-reading thread is free.
good=$((${#kinds[@]} + 1))
stall_mark "cut in its data"
rm -rf "$folder/AK.wav"
tone "$E2E_TMP/whole.wav" 0.6 0 -b 16 -r 44100
head -c $(($(stat -c %s "$E2E_TMP/whole.wav") / 2)) "$E2E_TMP/whole.wav" >"$folder/AK.wav"
fire "$good"
sleep 0.7
stop_hearing
stall_watch_stop
screenshot "$E2E_TMP/bad.png" "$WIN" || fail "no screenshot"
for ((k = 1; k <= ${#kinds[@]}; k++)); do
  expect_scored "$E2E_TMP/bad.png" "$k" "AK.wav ${kinds[k - 1]}"
  expect_heard "$k" "AK.wav ${kinds[k - 1]}: AK2.wav"
done
expect_scored "$E2E_TMP/bad.png" "$good" "AK.wav cut in its data"
expect_heard_for "$good" 0.27 0.45 "AK.wav cut in its data, after the others"
close_and_expect_clean_exit "$WIN" "after the bad files"
rm -rf "$folder"

# ---- other sample formats -------------------------------------------------------------------

folder=$E2E_TMP/formats
program_folder "$folder"
tone "$folder/AK.wav" 0.25 0 -b 24 -r 48000
open_program "$folder"
stall_watch_start formats
recorder_start || fail "no recording"
stall_mark "24-bit"
fire 1
sleep 0.55
stall_mark "floating point"
tone "$folder/AK2.wav" 0.6 0 -e floating-point -b 32 -r 22050
fire 2
sleep 0.9
stop_hearing
stall_watch_stop
screenshot "$E2E_TMP/formats.png" "$WIN" || fail "no screenshot"
expect_scored "$E2E_TMP/formats.png" 1 "a 24-bit AK.wav"
expect_scored "$E2E_TMP/formats.png" 2 "a floating-point AK2.wav"
expect_heard_for 1 0.22 0.28 "a 24-bit AK.wav"
expect_heard_for 2 0.57 0.75 "a floating-point AK2.wav added while the program ran"
close_and_expect_clean_exit "$WIN" "after the other formats"
rm -rf "$folder"

# ---- a large file ---------------------------------------------------------------------------

folder=$E2E_TMP/large
program_folder "$folder"
# A short tone, then silence up to the size: stereo 16-bit at 44100 Hz.
tone "$folder/AK.wav" 0.3 "$(awk -v mb="$LARGE_MB" 'BEGIN { print mb * 1048576 / 176400 }')" -b 16 -c 2 -r 44100
tone "$folder/AK2.wav" 0.1 0 -b 16 -r 44100
size=$(($(stat -c %s "$folder/AK.wav") / 1048576))
open_program "$folder"
stall_watch_start large
recorder_start || fail "no recording"
stall_mark "a $size MB file"
fire 1
sleep 0.6
fire 2
sleep 0.6
stop_hearing
stall_watch_stop
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$E2E_PROGRAM_PID/status")
screenshot "$E2E_TMP/large.png" "$WIN" || fail "no screenshot"
expect_scored "$E2E_TMP/large.png" 1 "a $size MB AK.wav"
expect_scored "$E2E_TMP/large.png" 2 "a $size MB AK.wav, played again"
expect_heard 1 "a $size MB AK.wav"
expect_heard 2 "a $size MB AK.wav, played again"
echo "VmRSS with a $size MB AK.wav played: $rss kB"
close_and_expect_clean_exit "$WIN" "after a $size MB AK.wav"
rm -rf "$folder"

# ---- a folder name with blanks and Cyrillic letters -----------------------------------------

folder="$E2E_TMP/Стрелбище с интервали"
program_folder "$folder"
cp "$SOUNDS/AK.wav" "$SOUNDS/AK2.wav" "$folder/"
open_program "$folder"
stall_watch_start named
recorder_start || fail "no recording"
stall_mark "blanks and Cyrillic letters"
fire 1
sleep 0.6
stop_hearing
stall_watch_stop
screenshot "$E2E_TMP/named.png" "$WIN" || fail "no screenshot"
expect_scored "$E2E_TMP/named.png" 1 "in \"$folder\""
expect_heard 1 "in \"$folder\""
close_and_expect_clean_exit "$WIN" "in \"$folder\""

pass "bad, other and large sound files, and a folder named in Cyrillic with blanks"
