#!/usr/bin/env bash
# Takes the AppStream screenshot packaging/screenshots/start-screen.png: the start screen of a
# copy of the demo installation, on a private X server of 1024 × 768 (the screen size the
# program is laid out for), captured with ImageMagick's import. Commit what it made.
#   make-screenshot.sh [BUILD_FOLDER]     (default build: built by scripts/run-demo.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
demo="$build/demo"
if [ ! -x "$demo/tavrel/tavrel" ]; then
  echo "make-screenshot: no demo installation in $demo (scripts/run-demo.sh builds it)" >&2
  exit 1
fi
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "make-screenshot: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
server=""
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A copy of the demo, so that the run logs of the build's demo stay as they are.
cp -r "$demo/tavrel" "$demo/files" "$work/"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "make-screenshot: Xvfb did not start" >&2; exit 1; }

mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
env DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy LANG=C.UTF-8 \
  HOME="$work/home" XDG_RUNTIME_DIR="$work/run" ASAN_OPTIONS=detect_leaks=0 \
  "$work/tavrel/tavrel" "$work/tavrel" >"$work/program.log" 2>&1 &
program=$!
window=""
for _ in $(seq 150); do
  window=$(DISPLAY=":$(cat "$work/display")" xdotool search --onlyvisible --class tavrel 2>/dev/null | head -1) && [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done
[ -n "$window" ] || { cat "$work/program.log" >&2; echo "make-screenshot: the start screen did not show" >&2; exit 1; }
# Let the screen finish drawing.
sleep 2
mkdir -p packaging/screenshots
DISPLAY=":$(cat "$work/display")" import -window root packaging/screenshots/start-screen.png
echo "make-screenshot: packaging/screenshots/start-screen.png"
