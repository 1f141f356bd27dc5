#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives icaolookup.exe under wine on the current X display, under openbox, as a user would:
# the chooser comes up centred and topmost, CODE2NAME answers EGLL, NAME2CODE answers back;
# with airports.txt missing, and again with it hidden, only the "FILE NON FOUND" warning comes
# and the program ends after OK. Then icao.exe reads a Windows-1252 file with CRLF line ends
# from a folder of non-ASCII letters, and icaofinder.exe finds and copies EGLL as typed.
# Usage: user_checks.sh SCRATCH, with $bin the
# folder of the built programs and WINEPREFIX set.
set -euo pipefail
scratch=$1
openbox --sm-disable >/dev/null 2>&1 &
trap 'kill %1 2>/dev/null || true' EXIT
sleep 1

fail() {
    echo "wine check failed: $*" >&2
    exit 1
}

# shellcheck source=../../tools/x_windows.sh
. "$(dirname "$0")/../../tools/x_windows.sh"

# Clicks at a point of a window's client area, in pixels.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4
}

# What a box shows, as the user would copy it: click into it, select all, copy.
box_text() {
    click "$1" "$2" "$3"
    xdotool key --window "$1" ctrl+a ctrl+c
    sleep 0.4
    xclip -o -selection clipboard 2>/dev/null || true
}

program=$scratch/program
mkdir -p "$program"
cp "$bin/icaolookup.exe" "$bin/airports.txt" "$program/"

start() {
    (cd "$program" && exec wine icaolookup.exe) &
    pid=$!
}

# The chooser: centred by its outer rectangle (openbox's frame), within a few pixels of the
# frame wine reckons with, and kept above other windows.
start
chooser=$(window "GET ICAO/AIRPORT NAME - BY TOVRAMEK")
sleep 1
frame=$(xwininfo -id "$chooser" -tree | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
read -r left top width height < <(xwininfo -id "$frame" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width/ {w=$2} /Height/ {h=$2} END {print x, y, w, h}')
off_x=$((left - (1024 - width) / 2))
off_y=$((top - (768 - height) / 2))
echo "chooser: outer rectangle $left,$top ${width}x$height, ${off_x},${off_y} px from the centre"
[ "${off_x#-}" -le 8 ] && [ "${off_y#-}" -le 8 ] || fail "the chooser is not centred"
xprop -id "$chooser" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the chooser is not topmost"

click "$chooser" 180 52
form1=$(window "CODE2NAME - BY TOVRAMEK")
xdotool type --window "$form1" --delay 50 egll
click "$form1" 52 128
answer=$(box_text "$form1" 192 85)
echo "CODE2NAME, egll: $answer"
[ "$answer" = "London Heathrow Airport" ] || fail "CODE2NAME answered '$answer'"

click "$form1" 236 128
chooser=$(window "GET ICAO/AIRPORT NAME - BY TOVRAMEK")
click "$chooser" 180 100
form2=$(window "NAME2CODE - BY TOVRAMEK")
xdotool type --window "$form2" --delay 30 "london heathrow airport"
click "$form2" 52 128
answer=$(box_text "$form2" 292 93)
echo "NAME2CODE, london heathrow airport: $answer"
[ "$answer" = "EGLL" ] || fail "NAME2CODE answered '$answer'"
click "$form2" 340 128
wait "$pid" || fail "EXIT did not end the program cleanly"

# Without a usable data file only the warning comes, and OK ends the program.
warns_and_ends() {
    # The last program's windows go first; a key still on its way would answer this warning.
    sleep 2
    start
    warning=$(window "FILE NON FOUND")
    if xdotool search --onlyvisible --name "^GET ICAO/AIRPORT NAME - BY TOVRAMEK\$" >/dev/null 2>&1; then
        fail "$1: the chooser came up beside the warning"
    fi
    xdotool windowactivate --sync "$warning" key Return
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || { echo "$1: FILE NON FOUND, and the program ended"; return; }
        sleep 0.1
    done
    fail "$1: the program did not end after OK"
}
mv "$program/airports.txt" "$scratch/airports.txt"
warns_and_ends "airports.txt missing"
mv "$scratch/airports.txt" "$program/airports.txt"
(cd "$program" && wine attrib +h airports.txt)
warns_and_ends "airports.txt hidden"

# icao.exe from a folder of non-ASCII letters, over a Windows-1252 file with CRLF line ends.
folder="$scratch/Zoë Flüge"
mkdir -p "$folder"
cp "$bin/icao.exe" "$folder/"
printf 'L|LSZH|Z\xfcrich Airport|Zurich|CH|ZRH|\r\nM|EDDM|M\xfcnchen Flughafen|Munich|DE|MUC|\r\n' \
    >"$folder/airports.txt"
answer=$(cd "$folder" && wine icao.exe code LSZH)
echo "icao.exe code LSZH: $answer"
[ "$answer" = "Zürich Airport" ] || fail "icao.exe answered '$answer'"
answer=$(cd "$folder" && wine icao.exe find münchen --format tsv | tail -1 | cut -f1,2)
[ "$answer" = "EDDM	München Flughafen" ] || fail "icao.exe find answered '$answer'"
echo "icao.exe find münchen: $answer"

# icaofinder.exe as a new user meets it: typing into the field it opens with selects the best
# hit at once, and Ctrl+C puts its code on the clipboard.
cp "$bin/icaofinder.exe" "$program/"
(cd "$program" && exec wine icaofinder.exe) &
finder_pid=$!
finder=$(window "$finder_caption")
xdotool windowactivate --sync "$finder" 2>/dev/null || true
xdotool type --window "$finder" --delay 80 heathrow
sleep 1.5
xdotool key --window "$finder" ctrl+c
sleep 0.5
answer=$(xclip -o -selection clipboard 2>/dev/null || true)
kill "$finder_pid" 2>/dev/null || true
wait "$finder_pid" 2>/dev/null || true
echo "icaofinder.exe heathrow, Ctrl+C: $answer"
[ "$answer" = "EGLL" ] || fail "icaofinder.exe copied '$answer'"
