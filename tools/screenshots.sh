#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a screenshot of each window for the README: runs icaolookup and icaofinder on the
# shipped data under Xvfb, drives them with xdotool and writes docs/*.png, then renders maps
# of icao dist, near and info. Needs xvfb, xdotool, imagemagick and librsvg2-bin.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--inside-x" ]; then
    exec xvfb-run -a -s "-screen 0 1700x1100x24" "$0" --inside-x
fi

mkdir -p docs
build/bin/icaolookup &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

# shellcheck source=x_windows.sh
. tools/x_windows.sh

# Clicks at a point given in the window's twips, as the layouts are tabled.
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1
    sleep 0.3
}

shot() {
    sleep 0.5
    import -window "$1" "docs/$2.png"
}

chooser=$(window "GET ICAO/AIRPORT NAME - BY TOVRAMEK")
shot "$chooser" chooser
click "$chooser" 1600 780

form1=$(window "CODE2NAME - BY TOVRAMEK")
xdotool type --window "$form1" --delay 50 egll
click "$form1" 780 1920
shot "$form1" code2name
click "$form1" 3540 1920

chooser=$(window "GET ICAO/AIRPORT NAME - BY TOVRAMEK")
click "$chooser" 1600 1500
form2=$(window "NAME2CODE - BY TOVRAMEK")
xdotool type --window "$form2" --delay 20 "frankfurt main airport"
click "$form2" 780 1920
shot "$form2" name2code
kill $program

# The finder, fresh, as a user types into it, at a laptop's size, at a small window's and at a
# small window's on a screen of twice the density: first as it starts, then a search, then a
# route read from names at a ground speed; settings of a run of its own. Under a window
# manager, so that the keys reach the window as a user's do.
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
sleep 1
for shown in 1280x800:1 800x500:1 1600x1000:2; do
    size=${shown%:*}
    scale=${shown#*:}
    name=finder-$size
    [ "$scale" = 1 ] || name=finder-scale$scale
    XDG_CONFIG_HOME=$(mktemp -d) QT_SCALE_FACTOR=$scale build/bin/icaofinder &
    program=$!
    finder=$(window "$finder_caption")
    xdotool windowsize "$finder" "${size%x*}" "${size#*x}"
    sleep 1
    [ "$size" != 1280x800 ] || shot "$finder" finder-start
    xdotool type --window "$finder" --delay 60 heathrow
    sleep 0.5
    xdotool key --window "$finder" ctrl+r
    xdotool type --window "$finder" --delay 30 "heathrow to paris via zurich"
    xdotool key --window "$finder" Tab
    xdotool type --window "$finder" --delay 30 450kt
    sleep 1
    shot "$finder" "$name"
    kill $program
    # Gone, window and all, before the next looks for its caption.
    wait $program 2>/dev/null || true
done
kill $manager

# The maps of icao, rendered as a browser would show them (rsvg-convert, of librsvg).
build/bin/icao dist EGLL KJFK RJTT --format svg | rsvg-convert -o docs/route.png
build/bin/icao dist RJTT KLAX --format svg | rsvg-convert -o docs/pacific.png
build/bin/icao near EGLL --limit 30 --format svg | rsvg-convert -o docs/near.png
build/bin/icao info EHAM --format svg | rsvg-convert -o docs/runways.png
