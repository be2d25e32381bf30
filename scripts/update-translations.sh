#!/usr/bin/env bash
# Extracts the user texts of the program into its Linguist catalogues in
# src/Resource/translations, one per line of src/Resource/translations/locales,
# keeping what is already translated and dropping texts that no longer exist.
# Translate the .ts files with Linguist afterwards; the build turns them into
# .qm files.
#
#   scripts/update-translations.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

lupdate="$(command -v lupdate || true)"
[[ -n "$lupdate" ]] || lupdate=/usr/lib/qt5/bin/lupdate
[[ -x "$lupdate" ]] || {
    echo "lupdate not found (apt-get install qttools5-dev-tools)" >&2
    exit 1
}

# The folders whose classes show texts; those not written yet are skipped.
sources=()
for dir in src/app src/alertstore src/logpage src/widgets src/reportdata src/report src/settings; do
    [[ -d "$dir" ]] && sources+=("$dir")
done
if ((${#sources[@]} == 0)); then
    echo "no source folders to scan" >&2
    exit 1
fi

ts_dir=src/Resource/translations
catalogues=()
while read -r locale catalogue _ || [[ -n "${locale:-}" ]]; do
    [[ -z "$locale" || "$locale" == \#* ]] && continue
    catalogues+=("$ts_dir/$catalogue.ts")
done <"$ts_dir/locales"

# No locations: line numbers would change with every edit and make every
# catalogue a merge conflict.
# Includes are rooted at src/ ("app/tarvixmainpage.h"); without -I src lupdate
# cannot open the headers, does not see the class declarations and warns
# "Qualifying with unknown namespace/class" for every Class::method that calls
# tr(), guessing the context from the qualifier alone.
"$lupdate" -recursive -no-obsolete -locations none -I src \
    -extensions cpp,h "${sources[@]}" -ts "${catalogues[@]}"
