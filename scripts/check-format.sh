#!/usr/bin/env bash
# Fails when a C or C++ file of the project differs from .clang-format, and
# prints the command that formats those files.
#
#   scripts/check-format.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
else
    mapfile -t files < <(find src tests tools bench fuzz -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) 2>/dev/null | sort)
fi

unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done

if [ ${#unformatted[@]} -gt 0 ]; then
    echo "${#unformatted[@]} of ${#files[@]} files differ from .clang-format ($(clang-format --version)). To format them, run:" >&2
    echo "  clang-format -i ${unformatted[*]}" >&2
    exit 1
fi
echo "All ${#files[@]} C/C++ files follow .clang-format."
