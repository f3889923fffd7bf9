#!/usr/bin/env bash
# Sets everything up, builds and runs the main job: a new radio image saved as a data file and
# its channel table shown as the desktop program shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
RP70_PRESET=dev scripts/setup.sh
export RP70_HOME=${RP70_HOME:-$PWD/build/dev/home}
rp70=build/dev/apps/rp70/rp70
"$rp70" status
echo
"$rp70" new -o "$RP70_HOME/new.dat"
exec "$rp70" show "$RP70_HOME/new.dat"
