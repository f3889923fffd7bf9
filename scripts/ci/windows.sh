#!/usr/bin/env bash
# Cross-builds the core library and its tests for 64-bit Windows with MinGW-w64 and runs the
# tests under Wine. Installs both (Debian 12) when they are missing.
# Usage: scripts/ci/windows.sh        (build folder build/windows)
set -euo pipefail
cd "$(dirname "$0")/../.."

. scripts/packages.sh
install_packages windows cmake ninja-build libgtest-dev g++-mingw-w64-x86-64-posix wine64

build=build/windows
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Debug -DRP70_WITH_QT=OFF -DRP70_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j2

# A Wine prefix of its own, set up once without dialogs, so nothing waits for a person.
export WINEPREFIX="$PWD/$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1
    timeout 60 /usr/lib/wine/wineserver -w || true
fi
ctest --test-dir "$build" --output-on-failure
