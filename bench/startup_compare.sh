#!/bin/sh
# Whole-process start-up and memory, in runs paired so that a busy machine weighs on both sides
# alike. Run from a release build: bench/startup_compare.sh build-rel [runs]
#   - the demo installation against a maximised window with one Japanese label: wall time to the
#     first paint and peak resident memory;
#   - the large school (2,000 pupils, 1,000,000 run-log records): the same start-up, and the peak
#     memory after a whole test run.
# Prints each run and the medians.
set -eu
build=${1:-build-rel}
runs=${2:-7}
probe=${TAVREL_PROBE:-$build/bench/school_probe}
demo="$build/demo/tavrel/"
school_root=${TAVREL_SCHOOL_ROOT:-/tmp/tavrel-large-school}
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

school=$("$probe" make "$school_root")

# One measured run: "<wall seconds> <peak KiB>".
measure() {
    /usr/bin/time -f '%e %M' -o /tmp/tavrel-probe-time.$$ "$probe" "$@" >/dev/null
    cat /tmp/tavrel-probe-time.$$
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

: > /tmp/tavrel-probe-demo.$$
: > /tmp/tavrel-probe-label.$$
: > /tmp/tavrel-probe-school.$$
i=0
while [ "$i" -lt "$runs" ]; do
    d=$(measure start "$demo")
    l=$(measure label)
    s=$(measure start "$school")
    echo "run $i: demo $d  label $l  school $s"
    echo "$d" >> /tmp/tavrel-probe-demo.$$
    echo "$l" >> /tmp/tavrel-probe-label.$$
    echo "$s" >> /tmp/tavrel-probe-school.$$
    i=$((i + 1))
done
for kind in demo label school; do
    f=/tmp/tavrel-probe-$kind.$$
    echo "$kind: median wall $(cut -d' ' -f1 "$f" | median) s, median peak $(cut -d' ' -f2 "$f" | median) KiB"
done
echo "after a run at the school: peak $("$probe" run "$school") KiB"
rm -f /tmp/tavrel-probe-*.$$
