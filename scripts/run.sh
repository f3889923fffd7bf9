#!/usr/bin/env bash
# Sets everything up, builds and runs the main job: a simulated KT-RP70 holding a sample radio
# starts on a pseudo-terminal, rp70 reads it over that serial line at the cable's 9600 baud and
# shows the channel table it read, as the desktop program shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
RP70_PRESET=dev scripts/setup.sh
export RP70_HOME=${RP70_HOME:-$PWD/build/dev/home}
mkdir -p "$RP70_HOME"
rp70=build/dev/apps/rp70/rp70
sim=build/dev/apps/rp70-sim/rp70-sim

coproc SIM { exec "$sim"; }
trap 'kill "$SIM_PID" 2>/dev/null || true' EXIT
read -r device <&"${SIM[0]}"
echo "Simulated KT-RP70 on $device"

"$rp70" read --port "$device" -o "$RP70_HOME/radio.dat"
echo "Read into $RP70_HOME/radio.dat"
echo
"$rp70" info --port "$device"
echo
"$rp70" show --used "$RP70_HOME/radio.dat"
