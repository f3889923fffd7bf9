#!/usr/bin/env bash
# Sets everything up, builds and runs the main job against a simulated KT-RP70 holding a sample
# radio on a pseudo-terminal:
# - with a display, the desktop program rp70cps opens set to the simulated radio's port: press
#   Read (the tool bar's read button, or Program > Read from Radio) and the channels appear;
# - without one, rp70 reads the radio over that serial line at the cable's 9600 baud and shows
#   the channel table it read, as the desktop program shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
RP70_PRESET=dev scripts/setup.sh
export RP70_HOME=${RP70_HOME:-$PWD/build/dev/home}
mkdir -p "$RP70_HOME"
rp70=build/dev/apps/rp70/rp70
rp70cps=build/dev/apps/rp70cps/rp70cps
sim=build/dev/apps/rp70-sim/rp70-sim

coproc SIM { exec "$sim"; }
trap 'kill "$SIM_PID" 2>/dev/null || true' EXIT
read -r device <&"${SIM[0]}"
echo "Simulated KT-RP70 on $device"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Opening rp70cps on $device: press Read to read the simulated radio."
    "$rp70cps" --port "$device"
    exit
fi

"$rp70" read --port "$device" -o "$RP70_HOME/radio.dat"
echo "Read into $RP70_HOME/radio.dat"
echo
"$rp70" info --port "$device"
echo
"$rp70" show --used "$RP70_HOME/radio.dat"
