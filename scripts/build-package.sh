#!/usr/bin/env bash
# Installs what is missing, builds the Debian packages with Debian's own tooling
# (dpkg-buildpackage: debian/, a hardened release build) and checks them with
# packaging/check-package.sh, lintian --pedantic included. The packages are left in this folder:
#   tavrel_<version>_<arch>.deb       the program and the teachers' tool
#   tavrel-data_<version>_all.deb     the demo, the print faces, the sounds
#   tavrel-dbgsym_<version>_<arch>.deb  debugging symbols
# ready for "apt install ./tavrel_*.deb ./tavrel-data_*.deb".
#
# DEB_BUILD_OPTIONS passes on: "nocheck" skips the test suite inside the package build (CI runs
# it apart); the build uses both cores unless it says otherwise with parallel=N.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

options=${DEB_BUILD_OPTIONS:-}
if [[ $options != *parallel=* ]]; then
  options="$options parallel=$(nproc)"
fi
# dpkg-buildpackage builds in the source folder and writes the packages into the folder above
# it: a copy of the sources in build-package/source keeps both out of the working tree.
out=build-package
rm -rf "$out/source" "$out"/tavrel*_*
mkdir -p "$out/source"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$out/source"
(cd "$out/source" && DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1 || {
  tail -n 60 "$out/build.log" >&2
  echo "build-package: dpkg-buildpackage failed (the end of its output is above; all of it in $out/build.log)" >&2
  exit 1
}
changes=("$out"/tavrel_*.changes)
bash packaging/check-package.sh debs "${changes[0]}"
rm -f tavrel_*.deb tavrel-data_*.deb tavrel-dbgsym_*.deb
cp "$out"/*.deb .
ls tavrel*.deb
