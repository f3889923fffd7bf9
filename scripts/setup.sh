#!/usr/bin/env bash
# Installs what the build needs (Debian 12), then configures and builds.
# Usage: scripts/setup.sh            (preset "dev")
#        RP70_PRESET=ci scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
preset=${RP70_PRESET:-dev}

# fonts-noto-cjk: the Chinese texts of the desktop program need a CJK font. poppler-utils: the
# tests read the printed report's PDF pages back. help2man: the man pages.
install_packages setup cmake ninja-build g++ clang-format libgtest-dev qt6-base-dev qt6-serialport-dev \
    locales xvfb xauth fonts-noto-cjk poppler-utils help2man

# The tests prove that numbers ignore the user's locale by running under a "," locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
