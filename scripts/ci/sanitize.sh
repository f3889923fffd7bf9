#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (the "sanitize" preset,
# in build/sanitize) and runs the whole test suite on it; any sanitizer report fails its test.
# Installs what it needs first, as setup.sh does. Usage: scripts/ci/sanitize.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
RP70_PRESET=sanitize scripts/setup.sh
ctest --preset sanitize
