#!/usr/bin/env bash
# The program folder holds everything the game needs, and the game finds its
# settings beside itself wherever that folder is copied to.
set -euo pipefail
app="${GRIZZET_APP_DIR:?}"
for item in vindro-grizzet grizzet-check mouse1.dat mouse2.dat hamworst.dat; do
  [ -f "$app/$item" ] || { echo "missing from the program folder: $item"; exit 1; }
done
[ -d "$app/Puzzles" ] || { echo "missing from the program folder: Puzzles/"; exit 1; }

copy="$(mktemp -d)"
trap 'rm -rf "$copy"' EXIT
cp -r "$app/." "$copy/"
rm -f "$copy/lang.ini" "$copy/recent.ini"
# Started from another working folder, it runs until stopped.
status=0
(cd / && QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" timeout 10 "$copy/vindro-grizzet") || status=$?
[ "$status" -eq 124 ] || { echo "the game ended by itself with status $status"; exit 1; }
# Start-up wrote the empty recent list beside the program.
[ "$(od -An -tx1 "$copy/recent.ini" | tr -d ' \n')" = "0000000000" ] || { echo "no empty recent.ini beside the program"; exit 1; }
echo "program folder complete"
