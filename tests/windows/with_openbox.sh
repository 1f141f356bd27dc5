#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a command on the current X display under openbox, a window manager that frames its
# windows, once openbox has taken the display.
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null' EXIT
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
"$@"
