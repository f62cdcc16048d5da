#!/usr/bin/env bash
# Checks what the Debian packages hold, in two steps:
#
#   check-package.sh install BUILD_FOLDER
#       what the build folder installs (cmake --install into a scratch folder, under /usr): the
#       exact file list, the desktop entry, the AppStream metainfo, the manual pages and the
#       systemd units. The test suite runs this on its own build.
#   check-package.sh debs CHANGES_FILE
#       the packages dpkg-buildpackage made (the .changes file names them): each package's exact
#       file list, the dependencies the programs need at run time, the same checks on the files
#       as installed, and lintian --pedantic, which may report no error and no warning beyond
#       the overrides in debian/*.lintian-overrides.
#
# Every problem is named; the exit status is 1 when there is one, 2 for a wrong call.
set -euo pipefail
export LC_ALL=C.UTF-8

usage() {
  echo "usage: check-package.sh install BUILD_FOLDER | debs CHANGES_FILE" >&2
  exit 2
}
[ $# -eq 2 ] || usage
mode=$1
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "check-package: $*" >&2
  exit 1
}

# What the install rules lay out, below the installation prefix /usr (the units below the
# folder given as the second argument).
program_files() {
  local units=$1
  cat <<LIST
./usr/bin/tavrel
./usr/bin/tavrel-admin
./usr/share/applications/tavrel.desktop
./usr/share/icons/hicolor/128x128/apps/tavrel.png
./usr/share/icons/hicolor/16x16/apps/tavrel.png
./usr/share/icons/hicolor/22x22/apps/tavrel.png
./usr/share/icons/hicolor/24x24/apps/tavrel.png
./usr/share/icons/hicolor/256x256/apps/tavrel.png
./usr/share/icons/hicolor/32x32/apps/tavrel.png
./usr/share/icons/hicolor/48x48/apps/tavrel.png
./usr/share/icons/hicolor/64x64/apps/tavrel.png
./usr/share/icons/hicolor/scalable/apps/tavrel.svg
./usr/share/man/ja/man6/tavrel.6$man_suffix
./usr/share/man/ja/man8/tavrel-admin.8$man_suffix
./usr/share/man/man6/tavrel.6$man_suffix
./usr/share/man/man8/tavrel-admin.8$man_suffix
./usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml
.$units/tavrel-backup@.service
.$units/tavrel-backup@.timer
LIST
}
data_files() {
  cat <<'LIST'
./usr/share/tavrel/demo/files/不合格1.wav
./usr/share/tavrel/demo/files/共通データ.txt
./usr/share/tavrel/demo/files/合格.wav
./usr/share/tavrel/demo/files/新音ファイル.txt
./usr/share/tavrel/demo/files/最高1.wav
./usr/share/tavrel/demo/files/正解1.wav
./usr/share/tavrel/demo/files/正解2.wav
./usr/share/tavrel/demo/files/生徒用名簿.txt
./usr/share/tavrel/demo/files/自己最高1.wav
./usr/share/tavrel/demo/files/間違い1.wav
./usr/share/tavrel/demo/files/間違い2.wav
./usr/share/tavrel/demo/tavrel/Morvidかな0vv.ccc
./usr/share/tavrel/demo/tavrel/tavrel-help.html
./usr/share/tavrel/demo/tavrel/タイム回数データ.txt
./usr/share/tavrel/demo/tavrel/設定.txt
./usr/share/tavrel/fonts/tavrel-print.ttc
LIST
}

# The files below ROOT (its folders left out), sorted, against the expected list on stdin.
same_files() {
  local root=$1 what=$2
  LC_ALL=C sort >"$work/expected"
  (cd "$root" && find . ! -type d | LC_ALL=C sort) >"$work/actual"
  if ! diff -u "$work/expected" "$work/actual"; then
    fail "$what does not hold exactly the expected files (- missing, + unexpected)"
  fi
}

# The checks of the installed files below ROOT: metadata, manual pages, units.
check_installed() {
  local root=$1 units=$2
  desktop-file-validate "$root/usr/share/applications/tavrel.desktop" ||
    fail "desktop-file-validate rejects tavrel.desktop"
  appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml" ||
    fail "appstreamcli rejects the metainfo"
  local date
  date=$(sed -n 's/.*<release version="[^"]*" date="\([^"]*\)".*/\1/p' "$root/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml")
  [ -n "$date" ] || fail "the metainfo names no release date"
  local expected_date
  expected_date=$(date -u -d "$(sed -n '0,/^ -- .*>  \(.*\)$/s//\1/p' "$here/../debian/changelog")" +%Y-%m-%d)
  [ "$date" = "$expected_date" ] ||
    fail "the metainfo's release date $date is not the date of debian/changelog's newest entry, $expected_date"

  local page name
  for page in man6/tavrel.6 man8/tavrel-admin.8 ja/man6/tavrel.6 ja/man8/tavrel-admin.8; do
    name=$(basename "${page%.*}")
    # The page as man renders it (bold as overstrikes, which col takes out).
    if ! man -l "$root/usr/share/man/$page$man_suffix" 2>"$work/page.err" | col -b >"$work/page.txt"; then
      cat "$work/page.err" >&2
      fail "man -l cannot render $page"
    fi
    grep -q "^       $name - " "$work/page.txt" || fail "$page has no NAME line for $name"
    grep -q "$name \[" "$work/page.txt" || fail "$page has no synopsis"
  done
  grep -q "backup" <(man -l "$root/usr/share/man/man8/tavrel-admin.8$man_suffix" 2>/dev/null) ||
    fail "tavrel-admin(8) does not describe the backup command"

  # The units as systemd reads them, for an installation a school named "school": ExecStart's
  # program must exist, so it is the tool of the tree being checked.
  mkdir -p "$work/units"
  sed "s|/usr/bin/tavrel-admin|$root/usr/bin/tavrel-admin|" "$root$units/tavrel-backup@.service" \
    >"$work/units/tavrel-backup@.service"
  cp "$root$units/tavrel-backup@.timer" "$work/units/"
  ln -s tavrel-backup@.service "$work/units/tavrel-backup@school.service"
  ln -s tavrel-backup@.timer "$work/units/tavrel-backup@school.timer"
  MANPATH="$root/usr/share/man" systemd-analyze verify \
    "$work/units/tavrel-backup@school.timer" "$work/units/tavrel-backup@school.service" ||
    fail "systemd-analyze verify rejects the backup units"
  grep -q '^ExecStart=/usr/bin/tavrel-admin backup "${TAVREL_INSTALL}" "${TAVREL_BACKUPS}" --keep "${TAVREL_KEEP}"$' \
    "$root$units/tavrel-backup@.service" || fail "the backup service does not run the backup command"
}

case "$mode" in
  install)
    build=$2
    [ -f "$build/CMakeCache.txt" ] || fail "$build is no build folder"
    man_suffix=""
    DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 || {
      cat "$work/install.log" >&2
      fail "cmake --install failed"
    }
    units=$(sed -n 's/^TAVREL_SYSTEMD_UNIT_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
    [[ $units == /* ]] || units="/usr/$units"
    { program_files "$units"; data_files; } | same_files "$work/root" "the installation"
    check_installed "$work/root" "$units"
    echo "check-package: $(wc -l <"$work/actual") files installed, metadata, manual pages and units as expected"
    ;;
  debs)
    changes=$(realpath "$2")
    [ -f "$changes" ] || fail "no such .changes file: $2"
    folder=$(dirname "$changes")
    man_suffix=".gz"
    version=$(sed -n 's/^Version: //p' "$changes")
    arch=$(dpkg --print-architecture)
    program_deb="$folder/tavrel_${version}_${arch}.deb"
    data_deb="$folder/tavrel-data_${version}_all.deb"
    symbols_deb="$folder/tavrel-dbgsym_${version}_${arch}.deb"
    for deb in "$program_deb" "$data_deb" "$symbols_deb"; do
      [ -f "$deb" ] || fail "dpkg-buildpackage made no $(basename "$deb")"
    done

    dpkg-deb -x "$program_deb" "$work/program"
    { program_files /lib/systemd/system
      printf '%s\n' ./usr/share/doc/tavrel/changelog.gz ./usr/share/doc/tavrel/copyright; } |
      same_files "$work/program" "$(basename "$program_deb")"
    dpkg-deb -x "$data_deb" "$work/data"
    { data_files
      printf '%s\n' ./usr/share/doc/tavrel-data/changelog.gz ./usr/share/doc/tavrel-data/copyright \
        ./usr/share/doc/tavrel-data/questions.txt.gz ./usr/share/lintian/overrides/tavrel-data; } |
      same_files "$work/data" "$(basename "$data_deb")"

    depends=$(dpkg-deb -f "$program_deb" Depends)
    for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libsdl2-2.0-0 tavrel-data \
                  qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n; do
      grep -q "\b$needed\b" <<<"$depends" || fail "$(basename "$program_deb"): Depends lacks $needed: $depends"
    done
    if dpkg-deb -f "$program_deb" Recommends | grep -q .; then
      fail "$(basename "$program_deb") recommends what it does not need: $(dpkg-deb -f "$program_deb" Recommends)"
    fi

    # Both parts as they are installed together.
    mkdir -p "$work/both"
    dpkg-deb -x "$program_deb" "$work/both"
    dpkg-deb -x "$data_deb" "$work/both"
    check_installed "$work/both" /lib/systemd/system

    lintian --pedantic --display-info --show-overrides "$changes" | tee "$work/lintian.txt"
    if grep -E '^[EW]: ' "$work/lintian.txt" >&2; then
      fail "lintian reports the errors or warnings above"
    fi
    echo "check-package: $(basename "$program_deb"), $(basename "$data_deb") and $(basename "$symbols_deb") as expected; lintian clean"
    ;;
  *) usage ;;
esac
