#!/usr/bin/env bash
# Sets everything up, builds and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
RP70_PRESET=dev scripts/setup.sh
export RP70_HOME=${RP70_HOME:-$PWD/build/dev/home}
exec build/dev/apps/rp70/rp70 status
