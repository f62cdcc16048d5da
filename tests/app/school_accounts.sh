#!/usr/bin/env bash
# A school as one sets it up: as root, new-school for a group; two pupils' accounts (numeric
# ids, no passwd entries needed) each record a test run on a display of their own (Xvfb), both
# in the run log and the home run log, whole and once; with the run log made unwritable a run
# ends on the result screen with the "kept" message, the pupil's pending file holds it, and the
# next start, with the log writable again, appends it once; tavrel without a folder shows the
# chooser. Prints the mode, owner and group of every file after each step.
#
#   school_accounts.sh TAVREL_ADMIN PUPIL_RUN TAVREL OUT_FOLDER
#
# OUT_FOLDER receives the screenshots. Exit 77 (skipped) unless run as root with setpriv, Xvfb,
# xdotool and ImageMagick's import.
set -euo pipefail

admin="$(realpath "$1")"
pupil_run="$(realpath "$2")"
tavrel="$(realpath "$3")"
out="$4"

if [ "$(id -u)" -ne 0 ]; then
  echo "school_accounts: needs root (to make a school for a group and act as two other accounts)"
  exit 77
fi
for tool in setpriv Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "school_accounts: $tool is missing (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

group=4242
pupil_a=4101
pupil_b=4102
work="$(mktemp -d)"
chmod 755 "$work"
mkdir -p "$out"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The machine's list of schools and root's own folders are the test's.
export XDG_CONFIG_DIRS="$work/etc-xdg"
export HOME="$work/root-home" XDG_CONFIG_HOME="$work/root-home/.config" XDG_DATA_HOME="$work/root-home/.local/share"
export XDG_RUNTIME_DIR="$work/run-root"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
umask 022

# A display of its own, 1024 × 768.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

school="$work/school"
program="$school/tavrel"
run_log="$program/成績累積データ.dat"
home_log="$school/files/成績累積データ家庭用.dat"
answer_log="$program/解答累積データ.dat"

outsider=4103
for uid in $pupil_a $pupil_b $outsider; do
  mkdir -p "$work/home-$uid/.local/share" "$work/home-$uid/.config" "$work/run-$uid"
  chown -R "$uid:$uid" "$work/home-$uid" "$work/run-$uid"
  chmod 700 "$work/home-$uid" "$work/run-$uid"
done

# Runs a command as a pupil's account: its own id and primary group, the school's group beside,
# its own home, the shared display. Leak checking is off for these runs: the X libraries keep
# what they allocate until the process ends.
as_pupil() {
  local uid="$1"
  shift
  setpriv --reuid "$uid" --regid "$uid" --groups "$group" \
    env -i PATH="$PATH" HOME="$work/home-$uid" XDG_DATA_HOME="$work/home-$uid/.local/share" \
    XDG_CONFIG_HOME="$work/home-$uid/.config" XDG_CONFIG_DIRS="$XDG_CONFIG_DIRS" XDG_RUNTIME_DIR="$work/run-$uid" \
    DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy LANG=C.UTF-8 \
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$@"
}

show_files() {
  echo "== $1"
  (cd "$work" && find school home-$pupil_a/.local/share/tavrel home-$pupil_b/.local/share/tavrel \
     -printf '%M %4m %u:%g %6s %p\n' 2>/dev/null | sort -k6) || true
}

fail() {
  echo "school_accounts: $*" >&2
  exit 1
}

size_of() { stat -c %s "$1"; }

# The pupil numbers of a log's records, one a line; record size $2, the number at byte $3.
pupils_in() {
  local file="$1" size="$2" at="$3" n i
  n=$(( $(size_of "$file") / size ))
  for ((i = 0; i < n; i++)); do
    od -An -t d2 -j $((i * size + at)) -N 2 "$file" | tr -d ' '
  done
}

# A run by a pupil's account; prints what it printed and checks it reached the result screen.
pupil_plays() {
  local uid="$1" name="$2" shot="$3"
  as_pupil "$uid" "$pupil_run" "$program" "$name" 1500 >"$work/run.out" 2>"$work/run.err" &
  local pid=$!
  for _ in $(seq 200); do grep -q "result screen up" "$work/run.out" && break; sleep 0.1; done
  if grep -q "result screen up" "$work/run.out"; then
    sleep 0.3
    import -window root "$out/$shot" || true
  fi
  wait "$pid" || { cat "$work/run.out" "$work/run.err"; fail "the run of account $uid did not end on the result screen"; }
  sed "s/^/   account $uid: /" "$work/run.out"
}

"$admin" new-school "$school" --name テスト小学校 --code 01234 --group "$group"
show_files "after new-school --group $group (as root)"
[ "$(size_of "$run_log")" -eq 0 ] && [ "$(size_of "$home_log")" -eq 0 ] || fail "the run logs are not made empty"
[ "$(size_of "$answer_log")" -eq 0 ] || fail "the answer log is not made empty"
[ "$(stat -c '%a %g' "$answer_log")" = "664 $group" ] || fail "the answer log: $(stat -c '%a %g' "$answer_log")"

printf '番号,氏名,生年\r\n1,山田太郎,2014\r\n2,佐藤花子,2013\r\n' >"$work/class.csv"
"$admin" roster import "$program" "$work/class.csv"
show_files "after roster import (as root)"
"$admin" check-school "$program" || "$admin" check-school "$program" --fix
"$admin" check-school "$program"
show_files "after check-school"
echo "== check-school as account $pupil_a (in the group) and as account $outsider (not in it)"
as_pupil $pupil_a "$admin" check-school "$program" || fail "check-school finds problems for a member"
if setpriv --reuid $outsider --regid $outsider --clear-groups env -i PATH="$PATH" HOME="$work/home-$outsider" \
   XDG_RUNTIME_DIR="$work/run-$outsider" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
   "$admin" check-school "$program" 2>&1; then
  fail "check-school passes an account outside the group"
fi

pupil_plays $pupil_a 山田太郎 run-account-a.png
show_files "after a run by account $pupil_a"
pupil_plays $pupil_b 佐藤花子 run-account-b.png
show_files "after a run by account $pupil_b"

[ "$(pupils_in "$run_log" 44 16 | tr '\n' ' ')" = "1 2 " ] || fail "run log: pupils $(pupils_in "$run_log" 44 16)"
[ "$(pupils_in "$home_log" 66 38 | tr '\n' ' ')" = "1 2 " ] || fail "home run log: pupils $(pupils_in "$home_log" 66 38)"
[ "$(size_of "$run_log")" -eq 88 ] && [ "$(size_of "$home_log")" -eq 132 ] || fail "the logs are not two whole records each"
answers=$(size_of "$answer_log")
[ "$answers" -gt 0 ] && [ $((answers % 48)) -eq 0 ] || fail "the answer log holds $answers bytes, not whole records"
[ "$(pupils_in "$answer_log" 48 16 | sort -un | tr '\n' ' ')" = "1 2 " ] || fail "answer log: pupils $(pupils_in "$answer_log" 48 16 | sort -un)"
echo "== the two runs (tavrel-admin stats)"
"$admin" stats "$program"

chmod a-w "$run_log"
show_files "after chmod a-w on the run log"
pupil_plays $pupil_a 山田太郎 kept-account-a.png
grep -q "なくなってはいません" "$work/run.out" || fail "no kept message"
grep -q "^result: " "$work/run.out" || fail "the kept run did not go on to the result screen"
[ "$(size_of "$run_log")" -eq 88 ] || fail "the unwritable run log changed"
[ "$(size_of "$home_log")" -eq 198 ] || fail "the home run log did not take the third run"
pending=$(ls "$work/home-$pupil_a/.local/share/tavrel/pending/"*.pending) || fail "no pending file"
show_files "after the run the log could not take"
echo "== tavrel-admin pending, as account $pupil_a"
listed=$(as_pupil $pupil_a "$admin" pending "$program")
echo "$listed"
grep -q "1 records waiting" <<<"$listed" || fail "pending does not list the run"

"$admin" check-school "$program" --fix || fail "check-school --fix did not mend the run log"
show_files "after check-school --fix"
for start in 1 2; do
  as_pupil $pupil_a "$pupil_run" "$program" --start-only | sed "s/^/   account $pupil_a start $start: /"
  [ "$(pupils_in "$run_log" 44 16 | tr '\n' ' ')" = "1 2 1 " ] || fail "after start $start: pupils $(pupils_in "$run_log" 44 16)"
  [ ! -e "$pending" ] || fail "the pending file is still there after start $start"
done
show_files "after two starts of account $pupil_a"
echo "== the three runs (tavrel-admin stats)"
"$admin" stats "$program"

# tavrel without a folder, installed away from any installation, as account A.
mkdir -p "$work/bin"
cp "$tavrel" "$work/bin/tavrel"
chmod 755 "$work/bin" "$work/bin/tavrel"
as_pupil $pupil_a "$work/bin/tavrel" >"$work/chooser.out" 2>&1 &
chooser=$!
found=""
for _ in $(seq 100); do
  found=$(xdotool search --name "学校を選ぶ" 2>/dev/null | head -1) && [ -n "$found" ] && break
  sleep 0.2
done
title=""
if [ -n "$found" ]; then
  sleep 0.5
  import -window root "$out/chooser.png" || true
  title=$(xdotool getwindowname "$found" 2>/dev/null || true)
fi
kill "$chooser" 2>/dev/null || true
wait "$chooser" 2>/dev/null || true
[ -n "$found" ] || { cat "$work/chooser.out"; fail "tavrel without a folder showed no chooser"; }
echo "== tavrel without a folder shows the chooser window \"$title\""
echo "school_accounts: all steps passed; screenshots in $out"
