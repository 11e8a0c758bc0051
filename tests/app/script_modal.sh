#!/usr/bin/env bash
# A script keeps running while a modal window is open and acts on that window.
set -euo pipefail
kvarnel=$1
course=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/script.txt" <<SCRIPT
# open the dialog, type into it, press Enter, close it
click struct_main.txt open
text dialog.txt name 12ab
key dialog.txt Enter
dump $work/open.json
click dialog.txt ok
run struct_main.txt test*after*close
dump $work/closed.json
SCRIPT
QT_QPA_PLATFORM=offscreen timeout 30 "$kvarnel" "$course" --script "$work/script.txt" 2>"$work/err"
grep -q '"description": "dialog.txt"' "$work/open.json" || { echo "the dialog was not open"; exit 1; }
grep -q '"text": "12ab"' "$work/open.json" || { echo "typing did not reach the dialog"; exit 1; }
grep -q 'entered\*x' "$work/open.json" || { echo "Enter did not run the edit box's action"; exit 1; }
if grep -q '"dialog.txt"' "$work/closed.json"; then echo "the dialog outlived its window"; exit 1; fi
grep -q 'after\*close' "$work/closed.json" || { echo "the script stopped after the dialog closed"; exit 1; }
grep -q '^message: after\*close$' "$work/err" || { echo "messages are not printed"; cat "$work/err"; exit 1; }
echo "modal script: ok"
