#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole test suite: builds the
# coverage preset (Debug with --coverage), runs every test, and prints the
# two figures with gcovr (a report per file with --details).
#
#   scripts/coverage.sh [--details]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
command -v gcovr >/dev/null || {
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends gcovr
}

cmake --preset coverage >/dev/null
cmake --build --preset coverage -j "$(nproc)"
find build/coverage -name '*.gcda' -delete
ctest --preset coverage -j "$(nproc)" || true # a failing test still counts what it ran

# Generated moc and resource code is not ours to cover; exception edges are
# not branches a test can choose.
gcovr_args=(--root . --object-directory build/coverage --filter 'src/' --exclude '.*_autogen/.*'
    --exclude-directories 'build/coverage/CMakeFiles'
    --exclude-throw-branches --exclude-unreachable-branches --print-summary)
if [ "${1:-}" = "--details" ]; then
    gcovr "${gcovr_args[@]}" --csv build/coverage/coverage.csv
    echo "per file (lines and branches): build/coverage/coverage.csv"
else
    gcovr "${gcovr_args[@]}" --txt /dev/null
fi
