#!/bin/sh
# The large school's screens on a real X display against the offscreen platform: starts its own
# Xvfb (1024x768, 24 bits), runs school_bench of a release build on the xcb platform there and on
# the offscreen platform, each benchmark repeated, and prints per row the median and the range of
# the repeats (milliseconds from the input to the last paint, the X server's drawing included on
# xcb). Run from a release build:
#   bench/xcb_school.sh build-rel [repeats] [display number]
# TAVREL_SCHOOL_ROOT names where the large school is kept (written once, then used again).
set -eu
build=${1:-build-rel}
repeats=${2:-3}
display=${3:-}
bench="$build/bench/school_bench"
export SDL_AUDIODRIVER=dummy
export TAVREL_SCHOOL_ROOT=${TAVREL_SCHOOL_ROOT:-/tmp/tavrel-large-school}
mkdir -p "$TAVREL_SCHOOL_ROOT"

if [ ! -x "$bench" ]; then
    echo "no $bench: build the benchmarks first" >&2
    exit 1
fi

# A display nobody else uses.
if [ -z "$display" ]; then
    display=91
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
        display=$((display + 1))
    done
fi
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
out=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$out"' EXIT INT TERM
tries=0
until [ -e "/tmp/.X11-unix/X$display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb :$display did not start" >&2
        exit 1
    fi
    sleep 0.1
done

filter='BM_OkToLevelScreenPainted|BM_BackToStartPainted|BM_StartScreenModeSwitch|BM_LevelScreenTimeDisplay|BM_LevelScreenAllRuns|BM_StartupToListPainted'
for platform in offscreen xcb; do
    DISPLAY=":$display" QT_QPA_PLATFORM=$platform "$bench" --benchmark_filter="$filter" \
        --benchmark_repetitions="$repeats" --benchmark_format=csv >"$out/$platform.csv" 2>"$out/$platform.err" || {
        echo "school_bench failed on $platform:" >&2
        cat "$out/$platform.err" >&2
        exit 1
    }
done

# Per benchmark and platform: median and range of the repeats' mean times (the third column).
summary() {
    awk -F, '
        /^"BM_/ && !/_(mean|median|stddev|cv)"/ {
            name = $1; gsub(/"/, "", name); sub(/\/.*/, "", name)
            n[name]++; v[name, n[name]] = $3 + 0
        }
        END {
            for (k in n) {
                m = n[k]
                for (i = 2; i <= m; i++)
                    for (j = i; j > 1 && v[k, j - 1] > v[k, j]; j--) { t = v[k, j]; v[k, j] = v[k, j - 1]; v[k, j - 1] = t }
                mid = (m % 2) ? v[k, (m + 1) / 2] : (v[k, m / 2] + v[k, m / 2 + 1]) / 2
                printf "%s %.1f %.1f %.1f\n", k, mid, v[k, 1], v[k, m]
            }
        }' "$1" | sort
}
summary "$out/offscreen.csv" >"$out/offscreen.txt"
summary "$out/xcb.csv" >"$out/xcb.txt"

printf '%-28s | %-26s | %-26s | %s\n' "benchmark ($repeats repeats)" "offscreen median (range)" "xcb median (range)" "xcb / offscreen"
join "$out/offscreen.txt" "$out/xcb.txt" | while read -r name om olo ohi xm xlo xhi; do
    printf '%-28s | %7.1f ms (%.1f-%.1f) | %7.1f ms (%.1f-%.1f) | %.2f\n' "$name" "$om" "$olo" "$ohi" "$xm" "$xlo" "$xhi" \
        "$(echo "$xm $om" | awk '{ print ($2 > 0) ? $1 / $2 : 0 }')"
done
