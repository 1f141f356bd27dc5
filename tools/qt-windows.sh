#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes Qt 6.4.2 for Windows x86-64 (static qtbase: Core, Gui, Widgets, Test, the windows,
# offscreen and minimal platforms) in ${XDG_CACHE_HOME:-~/.cache}/icaolookup/ and prints its
# prefix. It does nothing when that prefix is there already. With ICAO_QT_WINDOWS_ARCHIVE
# naming a prebuilt archive (one folder prefix/), it unpacks that after checking its SHA-256;
# otherwise it builds Qt from Debian's own source with Debian's MinGW-w64 compilers (about
# 20 minutes on two cores). It installs what it needs from Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
cache=${XDG_CACHE_HOME:-$HOME/.cache}/icaolookup
prefix=$cache/qt-6.4.2-mingw-w64-x86_64-static
archive_sha256=cc46aa0fb18329d680137de270b3d14411c0eb38a9f521a7725e7c1741cbf7af

if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "$prefix"
    exit 0
fi
tools/install-deps.sh windows >&2
mkdir -p "$cache"
work=$(mktemp -d "$cache/work.XXXXXX")
trap 'rm -rf "$work"' EXIT

if [ -n "${ICAO_QT_WINDOWS_ARCHIVE:-}" ]; then
    echo "$archive_sha256  $ICAO_QT_WINDOWS_ARCHIVE" | sha256sum -c --quiet - >&2
    tar -xJf "$ICAO_QT_WINDOWS_ARCHIVE" -C "$work"
    mv "$work/prefix" "$prefix"
    echo "$prefix"
    exit 0
fi

# Debian's source of qtbase, beside the binary packages' own entry.
if ! grep -rqs '^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/ &&
    ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/deb-src.list
    fi
    apt-get update -qq >&2
fi
cd "$work"
apt-get source --download-only qt6-base=6.4.2+dfsg-10 >&2
tar -xJf qt6-base_6.4.2+dfsg.orig.tar.xz
qt=$work/qtbase-everywhere-src-6.4.2

# Debian's tarball lacks the Wintab headers that the windows platform includes: wine's stand
# in, behind a header that gives them what the Windows SDK would.
apt-get download libwine-dev >&2
dpkg-deb -x libwine-dev_*.deb wine-dev
mkdir -p "$qt/src/3rdparty/wintab"
cp wine-dev/usr/include/wine/wine/windows/wintab.h "$qt/src/3rdparty/wintab/wine-wintab.h"
cp wine-dev/usr/include/wine/wine/windows/pktdef.h "$qt/src/3rdparty/wintab/pktdef.h"
cat >"$qt/src/3rdparty/wintab/wintab.h" <<'EOF'
#pragma once
#include <windows.h>
#include <_mingw_dxhelper.h>
#ifndef API
#define API WINAPI
#endif
#include "wine-wintab.h"
EOF

cmake -S "$qt" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR= \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_direct2d1_1=OFF \
    -DFEATURE_testlib=ON -DFEATURE_system_pcre2=OFF -DFEATURE_system_zlib=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF >&2
cmake --build build --parallel "$(nproc)" >&2
cmake --install build >&2
mkdir -p "$prefix/share"
cp "$source/cmake/mingw-w64-x86_64.cmake" "$prefix/share/mingw-w64-x86_64-posix.cmake"
echo "$prefix"
