#!/usr/bin/env bash
# Runs a test program on a private X server (Xvfb, 1024 × 768) with Qt's xcb platform, for the
# tests that need what the offscreen platform hides: real key events from XTest, the X server's
# key repeats, window focus. The server picks a free display, so several runs can go at once.
#   run-under-xvfb.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "run-under-xvfb: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done

work="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$work"' EXIT

for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
display="$(tr -d '[:space:]' <"$work/display")"
if [ -z "$display" ]; then
  echo "run-under-xvfb: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
"$@"
