#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer, ASan and UBSan; core and simulated radio only)
# and runs each one on a scratch copy of its seed corpus and regressions, so the repository is
# never written. Fails when a target finds a crash and names the input that caused it.
# Usage: scripts/ci/fuzz.sh [SECONDS]   (all targets together; default 60, or $FUZZ_SECONDS)
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/packages.sh
total=${1:-${FUZZ_SECONDS:-60}}

# clang and its runtime libraries (libFuzzer, the sanitizers).
install_packages fuzz cmake ninja-build clang libclang-rt-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# target:longest input. The files and memories need their full size; the wire targets whole
# transfers.
targets=(data_file:40000 book_file:2048 test_data_file:128 ini_files:16384 radio_memory:16385
         wire_replies:128 link_transfer:48000 radio_simulator:24000)
seconds=$(( total / ${#targets[@]} ))
[ "$seconds" -ge 1 ] || seconds=1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=()
for entry in "${targets[@]}"; do
    target=${entry%%:*}
    maxLen=${entry##*:}
    mkdir -p "$scratch/$target/corpus" "$scratch/$target/crashes"
    cp fuzz/corpus/"$target"/* "$scratch/$target/corpus/"
    if [ -d fuzz/regressions/"$target" ]; then
        cp fuzz/regressions/"$target"/* "$scratch/$target/corpus/"
    fi
    echo "fuzz: $target for ${seconds}s"
    if ! build/fuzz/fuzz/fuzz_"$target" "$scratch/$target/corpus" -max_total_time="$seconds" \
        -max_len="$maxLen" -timeout=10 -rss_limit_mb=4096 -print_final_stats=0 \
        -artifact_prefix="$scratch/$target/crashes/" >"$scratch/$target/log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$scratch/$target/log"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    # Keep what found a fault where it survives the scratch folder.
    out=build/fuzz/crashes
    mkdir -p "$out"
    for target in "${failed[@]}"; do
        for input in "$scratch/$target"/crashes/*; do
            [ -e "$input" ] || continue
            cp "$input" "$out/$target-$(basename "$input")"
            echo "fuzz: $target failed on input $out/$target-$(basename "$input")" \
                 "(replay: build/fuzz/fuzz/fuzz_$target FILE)"
        done
    done
    exit 1
fi
echo "fuzz: ${#targets[@]} targets ran ${seconds}s each without a fault"
