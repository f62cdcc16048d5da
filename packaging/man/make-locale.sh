#!/usr/bin/env bash
# Makes the ja_JP.UTF-8 locale in FOLDER (for LOCPATH), from the locale sources of the locales
# package, for the Japanese manual pages on a machine that has not generated it.
#   make-locale.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"
# localedef may warn about the sources and say so in its exit status while making the locale
# all the same: whether it was made is what counts.
localedef --quiet -i ja_JP -f UTF-8 "$folder/ja_JP.UTF-8" || true
if [ ! -s "$folder/ja_JP.UTF-8/LC_CTYPE" ]; then
  echo "make-locale: localedef made no ja_JP.UTF-8 locale in $folder" >&2
  exit 1
fi
