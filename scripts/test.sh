#!/usr/bin/env bash
# The project's test command: installs what is missing, checks the
# formatting, builds the release tree, runs every test, then runs the
# low-level subsystems again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh

jobs=$(nproc)

cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

# Sanitizer pass: only the tests of these folders (and what they link) are built.
asan_labels='alertengine|alertstore|usage|system|translation|widgets|logpage|settings|report'
cmake --preset asan
mapfile -t asan_targets < <(ctest --test-dir build/asan -N -L "$asan_labels" | awk '/Test +#[0-9]+:/ {print $3}')
if [ ${#asan_targets[@]} -gt 0 ]; then
    cmake --build --preset asan -j "$jobs" --target "${asan_targets[@]}"
    ctest --preset asan -j "$jobs" -L "$asan_labels"
fi
