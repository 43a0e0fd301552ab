#!/usr/bin/env bash
# The installed tree: cmake --install into a scratch prefix puts the program and its sounds in a
# folder of their own with a relative link to the program in bin/, the menu entry, the icon in
# four sizes and the software-centre description, and both validators accept them. Started by the
# menu entry's command through the link, the program opens its sounds from its own folder.
#   bash installed_tree.sh build-folder
set -uo pipefail
build=$1
source "$(dirname "$0")/../e2e/lib.sh"

readonly APP_ID=bg.strelbishte.strelbishte
prefix=$E2E_TMP/prefix
cmake --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
  fail "cmake --install: $(tail -n 5 "$E2E_TMP/install.log")"

link=$prefix/bin/strelbishte
[[ -L $link ]] || fail "bin/strelbishte is not a link"
[[ $(readlink "$link") != /* ]] || fail "bin/strelbishte points to an absolute path: $(readlink "$link")"
program=$(readlink -f "$link")
folder=$(dirname "$program")
[[ $folder == "$prefix"/lib*/strelbishte && -x $program ]] || fail "the link leads to $program"
for sound in AK.wav AK2.wav signal_command.wav signal_start.wav signal_stop.wav; do
  [[ -f $folder/$sound ]] || fail "no $sound beside the program in $folder"
done

entry=$prefix/share/applications/$APP_ID.desktop
[[ -f $entry ]] || fail "no menu entry $APP_ID.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the menu entry"
grep -qx 'Exec=strelbishte' "$entry" || fail "the entry's command is not strelbishte"
grep -qx 'Icon=strelbishte' "$entry" || fail "the entry's icon is not strelbishte"
for size in 32 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/strelbishte.png
  [[ $(identify -format '%m %wx%h' "$icon" 2>/dev/null) == "PNG ${size}x$size" ]] ||
    fail "no ${size}x$size PNG icon at $icon"
done
[[ -f $prefix/share/metainfo/$APP_ID.metainfo.xml ]] || fail "no metainfo for $APP_ID"
appstreamcli validate-tree --no-net "$prefix" >"$E2E_TMP/appstream.log" 2>&1 ||
  fail "appstreamcli rejects the tree: $(cat "$E2E_TMP/appstream.log")"

both_sounds_opened() {
  grep -qx AK.wav "$E2E_TMP/opened.log" && grep -qx AK2.wav "$E2E_TMP/opened.log"
}

# Every file opened in the program's folder from here on is named in opened.log.
inotifywait -m -e open --format %f "$folder" >"$E2E_TMP/opened.log" 2>"$E2E_TMP/inotify.log" &
watcher=$!
trap 'kill "$watcher" 2>/dev/null; e2e_cleanup' EXIT
session_wait_for 50 "$watcher" grep -q 'Watches established' "$E2E_TMP/inotify.log"

export PATH=$prefix/bin:$PATH
E2E_PROGRAM=$(command -v "$(sed -n 's/^Exec=//p' "$entry")")
[[ $E2E_PROGRAM == "$link" ]] || fail "the entry's command runs $E2E_PROGRAM, not the installed link"
start_program || fail "could not start $E2E_PROGRAM"
win=$(wait_for_window "$MAIN_CAPTION" 20) || fail "no main window"
click_at "$win" 300 300 1 || fail "could not fire"
session_wait_for 50 "$watcher" both_sounds_opened ||
  fail "the shot did not open both sounds in $folder; opened: $(sort -u "$E2E_TMP/opened.log" | tr '\n' ' ')"
pass "installed tree, and its sounds found through the link"
