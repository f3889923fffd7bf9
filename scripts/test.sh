#!/usr/bin/env bash
# Sets everything up, builds and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${RP70_PRESET:-dev}
RP70_PRESET=$preset scripts/setup.sh
ctest --preset "$preset" -j2
