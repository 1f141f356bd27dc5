#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building needs, when any is missing: "run" for the two
# programs alone, "test" (the default) for everything the test command runs, "windows" for
# the Windows build and its checks under wine.
# As root it installs them with apt-get; otherwise it prints the line to run.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libxkbcommon-dev nlohmann-json3-dev fonts-liberation tzdata)
case ${1:-test} in
test)
    packages+=(
        libbenchmark-dev python3
        xvfb xauth openbox xdotool x11-utils
        python3-pyatspi at-spi2-core dbus
        clang libclang-rt-14-dev
        desktop-file-utils appstream dpkg-dev man-db jq
        chromium
        gdal-bin gpsbabel libxml2-utils
    )
    # The data checks fetch an npm package; a machine with Node.js from elsewhere keeps it.
    command -v npm >/dev/null || packages+=(nodejs npm)
    ;;
windows)
    packages+=(
        g++-mingw-w64-x86-64-posix ninja-build xz-utils dpkg-dev python3
        wine wine64 fonts-wine xvfb xauth openbox xdotool x11-utils xclip
    )
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The GeoJSON checker that the plan files' test runs, from npm, where that test looks for it.
checks=/opt/icaolookup-checks
if [ "${1:-test}" = test ] && [ ! -d "$checks/node_modules/@placemarkio/check-geojson" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing the GeoJSON checker. Install it with:" >&2
        echo "  sudo npm install --no-save --prefix $checks @placemarkio/check-geojson@0.1.14" >&2
        exit 1
    fi
    npm install --no-save --no-audit --no-fund --prefix "$checks" @placemarkio/check-geojson@0.1.14
fi
