#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the ci build (build-ci/), checks the desktop entry, the
# AppStream metadata and the man pages, then installs the package into this machine as root
# and removes it again after the checks (without root, or when the user has a copy installed,
# it unpacks the package into a temporary folder instead), runs icao and starts icaolookup
# under Xvfb from its /usr/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-ci

desktop-file-validate app/io.github.icaolookup.IcaoLookup.desktop
appstream=$(appstreamcli validate --no-net "$build/app/io.github.icaolookup.IcaoLookup.metainfo.xml")
echo "$appstream"
if grep -qE '^(W|E):' <<<"$appstream"; then
    echo "AppStream metadata has warnings or errors" >&2
    exit 1
fi
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

# The desktop program comes up with its chooser, found through the link in /usr/bin.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    '$root/usr/bin/icaolookup' & program=\$!
    for _ in \$(seq 50); do
        if xdotool search --onlyvisible --name '^GET ICAO/AIRPORT NAME - BY TOVRAMEK\$' >/dev/null; then
            kill \$program; exit 0
        fi
        sleep 0.1
    done
    kill \$program; echo 'the chooser did not come up' >&2; exit 1"

if [ -z "$root" ]; then
    dpkg -r icaolookup
    trap - EXIT
    for gone in /usr/bin/icao /usr/bin/icaolookup /usr/lib/icaolookup; do
        if [ -e "$gone" ]; then
            echo "$gone is left after removing the package" >&2
            exit 1
        fi
    done
fi
echo "package test passed"
