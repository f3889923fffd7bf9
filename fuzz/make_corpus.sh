#!/bin/sh
# Rebuilds the seed corpora fuzz/corpus/<target>/ from the sample radio, a fully filled image,
# the shipped language files and transfers with the simulated radio.
# Usage: fuzz/make_corpus.sh [BUILD_FOLDER]   (a configured build with tests, default build/dev)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/dev}
cmake --build "$build" --target fuzz_make_seeds
rm -rf fuzz/corpus
"$build/fuzz/fuzz_make_seeds" fuzz/corpus lang
du -sh fuzz/corpus
