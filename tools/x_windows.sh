# SPDX-License-Identifier: MIT
# Sourced by the scripts that drive the programs' windows on an X display with xdotool.

# Waits up to fifteen seconds for a visible window with exactly this caption (an extended
# regular expression) and prints its id; without one, says so on standard error and fails.
window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window '$1'" >&2
    return 1
}

# The finder's caption once it has read the shipped file: its name and record count, then the
# program's name after a dash the platform chooses, which xdotool's matching of the end of a
# name beyond ASCII does not reliably meet.
finder_caption='airports\.txt \([0-9,.]+ airfields\).*'

