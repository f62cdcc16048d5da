#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang in their own build folder and runs each one
# briefly from its seed corpus. Any crash, leak or sanitizer report fails the script.
#   FUZZ_SECONDS  seconds per target (default 20)
#   FUZZ_BUILD    build folder (default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-20}"
build="${FUZZ_BUILD:-build-fuzz}"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTAVREL_FUZZ=ON -DTAVREL_TESTS=OFF -DTAVREL_BENCH=OFF -DTAVREL_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_targets

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
for target in fuzz/*_fuzz.cpp; do
  name="$(basename "$target" .cpp)"
  seeds="fuzz/corpus/${name%_fuzz}"
  # New inputs go to a scratch corpus; the seeds in the repository are only read.
  mkdir -p "$work/$name"
  echo "== $name: ${seconds}s"
  "$build/fuzz/$name" -max_total_time="$seconds" -dict=fuzz/tavrel.dict -print_final_stats=1 \
    -artifact_prefix="$artifacts/$name-" "$work/$name" "$seeds" 2>"$work/$name.log" || {
    cat "$work/$name.log" >&2
    echo "run-fuzz-smoke: $name failed; the input that failed is in $artifacts" >&2
    exit 1
  }
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$work/$name.log" | sed "s/^/   /"
done
