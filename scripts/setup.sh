#!/usr/bin/env bash
# Installs what the build needs (Debian 12), then configures and builds.
# Usage: scripts/setup.sh            (preset "dev")
#        RP70_PRESET=ci scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${RP70_PRESET:-dev}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
        echo "setup: need root to run: $*" >&2; return 1; fi
}

# fonts-noto-cjk: the Chinese texts of the desktop program need a CJK font. poppler-utils: the
# tests read the printed report's PDF pages back. help2man: the man pages.
packages=(cmake ninja-build g++ clang-format libgtest-dev qt6-base-dev qt6-serialport-dev locales xvfb xauth
          fonts-noto-cjk poppler-utils help2man)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# The tests prove that numbers ignore the user's locale by running under a "," locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
