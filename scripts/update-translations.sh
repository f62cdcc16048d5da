#!/usr/bin/env bash
# Brings the Japanese message catalogue src/foundation/translations/tavrel_ja.ts up to date with
# the texts of the code (lupdate of qt6-l10n-tools): new texts come in unfinished, texts the code
# no longer has go. Translate the unfinished ones (Qt Linguist, or by hand in the file), then
# build: the build compiles the catalogue.
#   --check  change nothing; fail when the catalogue lacks a text of the code, keeps one the
#            code no longer has, or leaves one untranslated (the test suite runs this)
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
catalogue=src/foundation/translations/tavrel_ja.ts
sources=(src app tools)

if [ "${1:-}" = "--check" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  cp "$catalogue" "$work/tavrel_ja.ts"
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h "${sources[@]}" -ts "$work/tavrel_ja.ts"
  status=0
  if ! cmp -s "$catalogue" "$work/tavrel_ja.ts"; then
    echo "update-translations: the catalogue does not match the texts of the code; run scripts/update-translations.sh:" >&2
    diff -u "$catalogue" "$work/tavrel_ja.ts" | head -60 >&2 || true
    status=1
  fi
  if grep -n 'type="unfinished"' "$work/tavrel_ja.ts" >&2; then
    echo "update-translations: texts without a Japanese translation (above)" >&2
    status=1
  fi
  exit $status
fi

"$lupdate" -locations none -no-obsolete -extensions cpp,h "${sources[@]}" -ts "$catalogue"
