#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: the exact file list, the
# dependencies the programs need at run time, and (when the tools are there) the desktop entry
# and the AppStream metainfo as installed.
#   check-package.sh CPACK BUILD_FOLDER
set -euo pipefail
cpack=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && "$cpack" -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  echo "check-package: cpack failed" >&2
  exit 1
}
debs=("$work"/tavrel_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "check-package: no tavrel_*.deb was made" >&2; exit 1; }
echo "check-package: built $(basename "$deb")"

cat >"$work/expected" <<'LIST'
./usr/bin/tavrel
./usr/bin/tavrel-admin
./usr/share/applications/tavrel.desktop
./usr/share/icons/hicolor/64x64/apps/tavrel.png
./usr/share/icons/hicolor/scalable/apps/tavrel.svg
./usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml
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
./usr/share/tavrel/questions.txt
./usr/share/tavrel/sounds/不合格1.wav
./usr/share/tavrel/sounds/合格.wav
./usr/share/tavrel/sounds/新音ファイル.txt
./usr/share/tavrel/sounds/最高1.wav
./usr/share/tavrel/sounds/正解1.wav
./usr/share/tavrel/sounds/正解2.wav
./usr/share/tavrel/sounds/自己最高1.wav
./usr/share/tavrel/sounds/間違い1.wav
./usr/share/tavrel/sounds/間違い2.wav
./usr/share/tavrel/tavrel-help.html
LIST
export LC_ALL=C.UTF-8
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort >"$work/actual"
LC_ALL=C sort -o "$work/expected" "$work/expected"
if ! diff -u "$work/expected" "$work/actual"; then
  echo "check-package: the package does not hold exactly the expected files (- missing, + unexpected)" >&2
  exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-2.0-0 qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n; do
  if ! grep -q "\b$needed\b" <<<"$depends"; then
    echo "check-package: Depends lacks $needed: $depends" >&2
    exit 1
  fi
done

dpkg-deb -x "$deb" "$work/root"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/root/usr/share/applications/tavrel.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml"
fi
echo "check-package: $(wc -l <"$work/actual") files and the dependencies are as expected"
