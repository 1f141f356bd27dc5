#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows programs from the same sources and proves them under wine: cross-builds
# with MinGW-w64 against the static Qt of tools/qt-windows.sh (build-windows/), runs the CTest
# suite as Windows executables, then drives icaolookup.exe on Xvfb as a user would and runs
# icao.exe from a folder of non-ASCII letters. Ends by writing
# dist/icaolookup-VERSION-windows-x64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh windows
export ICAO_QT_WINDOWS
ICAO_QT_WINDOWS=$(tools/qt-windows.sh)

# A wine prefix of this run's own, with a sans-serif font for the windows.
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
# One wine server for the whole run, started once the first-run set-up's has ended: left to
# itself it ends a few seconds after its last program and starts again with the next, and no
# test should meet one starting or ending. Its services start here too: the program that
# starts them hands them its output, and a test's output that stays open keeps CTest waiting.
wineserver --wait
wineserver --persistent
wineboot </dev/null >/dev/null 2>&1

cmake --preset windows
cmake --build --preset windows
xvfb-run -a ctest --preset windows

echo "== icaolookup.exe and icao.exe as a user runs them"
bin=build-windows/bin
export bin
# wine's programs say that the X server went away when xvfb-run ends it; that is no news.
xvfb-run -a -s "-screen 0 1024x768x24" tests/wine/user_checks.sh "$scratch" \
    2> >(grep -v '^X connection to .* broken' >&2)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
package=icaolookup-$version-windows-x64
mkdir -p "$scratch/$package" dist
for program in icaolookup icaofinder icao; do
    x86_64-w64-mingw32-strip -o "$scratch/$package/$program.exe" "$bin/$program.exe"
done
cp data/airports.txt data/navaids.txt "$scratch/$package/"
cp LICENSE "$scratch/$package/LICENSE.txt"
cp data/LICENSE "$scratch/$package/DATA-LICENSE.txt"
cat >"$scratch/$package/README.txt" <<EOF
icaolookup $version for Windows x64

icaolookup.exe  the desktop program: type a four-letter ICAO code to see the airport's
                name, or an airport's whole name to see its code.
icaofinder.exe  the finder: airports found by code, name or place as you type, with their
                details and nearest neighbours.
icao.exe        the command-line companion; run "icao --help" in a console.
airports.txt    the airport data both read. It must stay beside the programs.
navaids.txt     the radio navigation aids icao reads; the programs work without it.

Unzip the folder anywhere and run icaolookup.exe; no installation is needed.
The programs are under the MIT licence (LICENSE.txt); the data is OurAirports data, in the
public domain, with time zones under the Open Database License 1.0 (DATA-LICENSE.txt).
EOF
sed -i 's/$/\r/' "$scratch/$package/README.txt"
rm -f "dist/$package.zip"
(cd "$scratch" && python3 -m zipfile -c "$OLDPWD/dist/$package.zip" "$package")
echo "dist/$package.zip: $(stat -c %s "dist/$package.zip") bytes"
