#!/usr/bin/env bash
# The same game on every system: cross-compiles the game for Windows with
# MinGW-w64, runs its tests under wine, then plays the scripted
# games of tools/cross/games/ on the Linux build and under wine on the Windows
# build, each with its seed, and requires the same exit status, and the
# console output, the error report and Results.csv byte for byte at every
# prompt and at the end (no carriage return on either system).
# BUILD_DIR (default build) and CROSS_BUILD_DIR (default build-mingw) name the
# two builds; tools/install-deps.sh installs mingw-w64, wine and GoogleTest's
# sources when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="${BUILD_DIR:-build}"
xbuild="${CROSS_BUILD_DIR:-build-mingw}"

started=$EPOCHSECONDS
step_started=$started
step() {
  local now=$EPOCHSECONDS
  echo "cross-check: $1 ($((now - step_started)) s)"
  step_started=$now
}
fail() {
  echo "cross-check: $*" >&2
  echo "cross-check: 0 passed, 1 failed"
  exit 1
}

# --- What the check needs ---
tools/install-deps.sh test g++-mingw-w64-x86-64 wine googletest ||
  fail "mingw-w64, wine or GoogleTest's sources missing"
# shellcheck source=tools/build-env.sh
. tools/build-env.sh
step "mingw-w64, wine and GoogleTest's sources present"

# wine in a prefix of its own, without a display, without its add-on installers.
work="$(mktemp -d)"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
wineboot -i >/dev/null 2>&1 || fail "wineboot could not make a wine prefix"
step "wine prefix made"

# --- The two builds ---
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$build_jobs" --target tillerfold seeded_game >/dev/null
step "Linux build"
cmake -S . -B "$xbuild" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DTILLERFOLD_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$xbuild" -j"$build_jobs" >"$work/cross-build.log" 2>&1 || {
  cat "$work/cross-build.log"
  fail "the Windows build failed"
}
if grep -q "warning:" "$work/cross-build.log"; then
  grep -A3 "warning:" "$work/cross-build.log"
  fail "the Windows build has warnings"
fi
step "Windows build (MinGW-w64, no warnings)"

# --- The tests of the Windows build (in-process, and the genome writer's run) ---
ctest --test-dir "$xbuild" --output-on-failure -j"$build_jobs" || fail "the tests under wine failed"
step "tests under wine"

# --- The scripted games ---
# game_folder DIR FROM: DIR made, with the genome files and FROM's Crosses.csv.
game_folder() {
  mkdir -p "$1"
  cp data/zForbidden.csv data/zHandsOff.csv data/zKeepOut.csv "$2/Crosses.csv" "$1/"
}

# play SYSTEM GAME PROGRAM...: one game in $work/SYSTEM/GAME.
play() {
  local system=$1 game=$2
  shift 2
  local dir="$work/$system/$game" from="$root/tools/cross/games/$game"
  game_folder "$dir" "$from"
  mkdir "$dir/snapshots"
  local status=0
  (cd "$dir" && "$@" "$(cat "$from/seed")" snapshots <"$from/input.txt" >out.txt 2>err.txt) ||
    status=$?
  echo "$status" >"$dir/status"
  cp "$dir/Results.csv" "$dir/snapshots/final-Results.csv"
}

passed=0
failed=0
for game_dir in tools/cross/games/*/; do
  game="$(basename "$game_dir")"
  play linux "$game" "$root/$build/tools/cross/seeded_game"
  play windows "$game" wine "$root/$xbuild/tools/cross/seeded_game.exe"
  linux="$work/linux/$game"
  windows="$work/windows/$game"
  problems=""
  # The game must have reached its point, so that equal outputs mean something.
  grep -qF -- "$(cat "$game_dir/expect")" "$linux/out.txt" ||
    problems+=" the Linux game did not reach: $(cat "$game_dir/expect");"
  cmp -s "$linux/status" "$windows/status" ||
    problems+=" exit status $(cat "$linux/status") on Linux, $(cat "$windows/status") on Windows;"
  cmp -s "$linux/out.txt" "$windows/out.txt" || problems+=" console output differs;"
  cmp -s "$linux/err.txt" "$windows/err.txt" || problems+=" error report differs;"
  diff -r "$linux/snapshots" "$windows/snapshots" >"$work/$game.snapshots.diff" ||
    problems+=" Results.csv differs;"
  snapshots=$(find "$linux/snapshots" -name '*.csv' | wc -l)
  if [ -z "$problems" ]; then
    passed=$((passed + 1))
    step "game $game identical: status $(cat "$linux/status"), $(wc -l <"$linux/out.txt") console lines, $snapshots Results.csv copies"
  else
    failed=$((failed + 1))
    step "game $game DIFFERS:$problems"
    diff "$linux/out.txt" "$windows/out.txt" | head -20 || true
    diff "$linux/err.txt" "$windows/err.txt" | head -10 || true
    head -20 "$work/$game.snapshots.diff"
  fi
done

# --- Results.csv held by another program on Windows ---
# hold_file holds it (read sharing only) before the game starts and again
# before the first trial; each time the game must ask for it to be closed,
# wait, and go on once it is. Apart from those requests the console output,
# the error report, the status and Results.csv are those of the same game
# played on Linux with the file never held.
held_from="$root/tools/cross/held"
held="$work/windows/held"
game_folder "$held" "$held_from"
echo "left by an earlier game" >"$held/Results.csv"
(cd "$held" && exec wine "$root/$xbuild/tools/cross/hold_file.exe" Results.csv 2) &
holder=$!
touch "$held/Results.csv.hold"
for _ in $(seq 600); do
  [ -e "$held/Results.csv.hold" ] || break
  sleep 0.1
done
held_status=0
(cd "$held" && wine "$root/$xbuild/tools/cross/seeded_game.exe" "$(cat "$held_from/seed")" \
  <"$held_from/input.txt" >out.txt 2>err.txt) || held_status=$?
holder_status=0
wait "$holder" || holder_status=$?
unheld="$work/linux/held"
game_folder "$unheld" "$held_from"
unheld_status=0
(cd "$unheld" && "$root/$build/tools/cross/seeded_game" "$(cat "$held_from/seed")" \
  <"$held_from/unheld.txt" >out.txt 2>err.txt) || unheld_status=$?
close_request="  Make sure the RESULTS.CSV file is closed"
requests=$(grep -cx -- "$close_request" "$held/out.txt" || true)
sed -i "/^$close_request\$/{N;/\n  Press <Enter> to continue\$/d}" "$held/out.txt"
problems=""
[ "$holder_status" = 0 ] || problems+=" hold_file ended with status $holder_status;"
[ "$requests" = 2 ] || problems+=" $requests requests to close Results.csv, not 2;"
grep -q "Phenotyping done for Year 1" "$unheld/out.txt" || problems+=" the game did not reach its trial;"
[ "$held_status" = "$unheld_status" ] ||
  problems+=" exit status $held_status held, $unheld_status never held;"
cmp -s "$held/out.txt" "$unheld/out.txt" || problems+=" console output differs;"
cmp -s "$held/err.txt" "$unheld/err.txt" || problems+=" error report differs;"
cmp -s "$held/Results.csv" "$unheld/Results.csv" || problems+=" Results.csv differs;"
if [ -z "$problems" ]; then
  passed=$((passed + 1))
  step "held Results.csv: asked to be closed twice, then the same game as never held"
else
  failed=$((failed + 1))
  step "held Results.csv FAILS:$problems"
  diff "$unheld/out.txt" "$held/out.txt" | head -20 || true
  diff "$unheld/err.txt" "$held/err.txt" | head -10 || true
fi

echo "cross-check: done in $((EPOCHSECONDS - started)) s"
echo "cross-check: $passed passed, $failed failed"
[ "$failed" = 0 ]
