#!/bin/sh
# Whole-process start-up and memory, in runs paired so that a busy machine weighs on both sides
# alike. Run from a release build: bench/startup_compare.sh build-rel [runs]
#   - the demo installation against a maximised window with one Japanese label: wall time to the
#     first paint and peak resident memory;
#   - the large school (2,000 pupils, 1,000,000 run-log records): the same start-up, and the peak
#     memory after a whole test run.
# Prints each run and the medians. TAVREL_PROBE names another probe binary to measure (an older
# build, for a before-and-after); TAVREL_SCHOOL_ROOT where the large school is kept.
set -eu
build=${1:-build-rel}
runs=${2:-7}
probe=${TAVREL_PROBE:-$build/bench/school_probe}
demo="$build/demo/tavrel/"
school_root=${TAVREL_SCHOOL_ROOT:-/tmp/tavrel-large-school}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} SDL_AUDIODRIVER=dummy

school=$("$probe" make "$school_root")

# One measured run: "<wall milliseconds> <peak KiB>".
measure() {
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o /tmp/tavrel-probe-time.$$ "$probe" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $(cat /tmp/tavrel-probe-time.$$)"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

: > /tmp/tavrel-probe-demo.$$
: > /tmp/tavrel-probe-label.$$
: > /tmp/tavrel-probe-school.$$
: > /tmp/tavrel-probe-ratio.$$
i=0
while [ "$i" -lt "$runs" ]; do
    d=$(measure start "$demo")
    l=$(measure label)
    s=$(measure start "$school")
    echo "run $i: demo $d  label $l  school $s (ms KiB)"
    echo "$d" >> /tmp/tavrel-probe-demo.$$
    echo "$l" >> /tmp/tavrel-probe-label.$$
    echo "$s" >> /tmp/tavrel-probe-school.$$
    echo "$d $l" | awk '{ printf "%.3f\n", $1 / $3 }' >> /tmp/tavrel-probe-ratio.$$
    i=$((i + 1))
done
for kind in demo label school; do
    f=/tmp/tavrel-probe-$kind.$$
    echo "$kind: median wall $(cut -d' ' -f1 "$f" | median) ms, median peak $(cut -d' ' -f2 "$f" | median) KiB"
done
echo "demo / label wall, median of the paired runs: $(median < /tmp/tavrel-probe-ratio.$$)"
echo "after a run at the school: peak $("$probe" run "$school" 2>/dev/null) KiB"
rm -f /tmp/tavrel-probe-*.$$
