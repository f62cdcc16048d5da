#!/usr/bin/env bash
# Installs what is missing, builds a release of the program and the teachers' tool and makes the
# Debian package from it, checked by packaging/check-package.sh; the package is left in this
# folder as tavrel_<version>_<arch>.deb, ready for "apt install ./tavrel_*.deb".
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build-package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF -DTAVREL_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
bash packaging/check-package.sh "$(command -v cpack)" "$build"
(cd "$build" && cpack -G DEB -B "$PWD/package" >/dev/null)
cp "$build"/package/tavrel_*.deb .
ls tavrel_*.deb
