#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the ci build (build-ci/), checks the desktop entry, the
# AppStream metadata and the man pages, then installs the package into this machine as root
# and removes it again after the checks (without root, or when the user has a copy installed,
# it unpacks the package into a temporary folder instead), runs icao and starts icaolookup
# and icaofinder under Xvfb from its /usr/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-ci

for id in io.github.icaolookup.IcaoLookup io.github.icaolookup.IcaoFinder; do
    desktop-file-validate "app/$id.desktop"
    appstream=$(appstreamcli validate --no-net "$build/app/$id.metainfo.xml")
    echo "$appstream"
    if grep -qE '^(W|E):' <<<"$appstream"; then
        echo "AppStream metadata of $id has warnings or errors" >&2
        exit 1
    fi
done
for page in "$build/cli/icao.1" "$build/app/icaolookup.1"; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings" >&2
        exit 1
    fi
done

(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/icaolookup_*_*.deb)
echo "package: $package ($(stat -c %s "$package") bytes)"

# A copy the user installed stays as it is: the package is then tested unpacked.
installed=$(dpkg-query -W -f='${Status}' icaolookup 2>/dev/null || true)
if [ "$(id -u)" -eq 0 ] && [ "$installed" != "install ok installed" ]; then
    root=
    dpkg -i "$package"
    trap 'dpkg -r icaolookup >/dev/null 2>&1 || true' EXIT
else
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg-deb -x "$package" "$root"
fi

answer=$("$root/usr/bin/icao" code EGLL)
[ "$answer" = "London Heathrow Airport" ] || { echo "icao answered: $answer" >&2; exit 1; }

# Starts a desktop program through its link in /usr/bin under Xvfb and waits for a window of
# this title to come up.
comes_up() {
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
        '$root/usr/bin/$1' & program=\$!
        for _ in \$(seq 50); do
            if xdotool search --onlyvisible --name '^$2\$' >/dev/null; then
                kill \$program; exit 0
            fi
            sleep 0.1
        done
        kill \$program; echo '$1: no window \"$2\" came up' >&2; exit 1"
}
# The desktop program with its chooser, the finder with its window and its own icon.
comes_up icaolookup "GET ICAO/AIRPORT NAME - BY TOVRAMEK"
comes_up icaofinder 'airports\.txt \([0-9,.]+ airfields\).*'
[ -f "$root/usr/share/icons/hicolor/256x256/apps/io.github.icaolookup.IcaoFinder.png" ] ||
    { echo "the finder's icon is not installed" >&2; exit 1; }

if [ -z "$root" ]; then
    dpkg -r icaolookup
    trap - EXIT
    for gone in /usr/bin/icao /usr/bin/icaolookup /usr/bin/icaofinder /usr/lib/icaolookup; do
        if [ -e "$gone" ]; then
            echo "$gone is left after removing the package" >&2
            exit 1
        fi
    done
fi
echo "package test passed"
