#!/usr/bin/env bash
# Installs what is missing, builds the program, lays out the demo installation and starts the
# program on it. The demo lives in build/demo: tavrel/ is the program folder, files/ the shared
# files folder. Run logs written while playing stay there across rebuilds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target tavrel demo_installation

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run-demo: the program is built in $build/demo/tavrel, but there is no display to show it on." >&2
  echo "run-demo: start it from a desktop session (or set DISPLAY) and run this command again." >&2
  exit 1
fi

exec "$build/demo/tavrel/tavrel"
