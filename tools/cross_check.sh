#!/usr/bin/env bash
# The same game on every system: cross-compiles the game for Windows with
# MinGW-w64, runs its tests under wine, then plays the scripted
# games of tools/cross/games/ on the Linux build and under wine on the Windows
# build, each with its seed, and requires the same exit status, and the
# console output, the error report and Results.csv byte for byte at every
# prompt and at the end (no carriage return on either system). Last it makes
# the Windows archive a class gets (the target package), unpacks it and plays
# a game with the program in it, compared with the Linux program's.
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

# compare_games EXPECTED ACTUAL: adds to $problems where the two game folders'
# console output, error report or Results.csv differ.
compare_games() {
  cmp -s "$1/out.txt" "$2/out.txt" || problems+=" console output differs;"
  cmp -s "$1/err.txt" "$2/err.txt" || problems+=" error report differs;"
  cmp -s "$1/Results.csv" "$2/Results.csv" || problems+=" Results.csv differs;"
}

# verdict CHECK PASSED EXPECTED ACTUAL: counts the check as passed, or as
# failed with $problems and the first lines of the two folders' differences.
verdict() {
  if [ -z "$problems" ]; then
    passed=$((passed + 1))
    step "$1: $2"
  else
    failed=$((failed + 1))
    step "$1 FAILS:$problems"
    diff "$3/out.txt" "$4/out.txt" | head -20 || true
    diff "$3/err.txt" "$4/err.txt" | head -10 || true
  fi
}

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
compare_games "$unheld" "$held"
verdict "held Results.csv" "asked to be closed twice, then the same game as never held" \
  "$unheld" "$held"

# --- The Windows archive, as a class gets it ---
# The target package makes the archive; unpacked in a fresh folder it holds
# one folder with the program, the genome files, the example Crosses.csv and
# HOW-TO-PLAY.txt, and nothing else. There, as a student would, the release
# game is played with the program itself, its clock frozen: the game's
# Crosses.csv in place of the example, its input without the driver's lines
# (every entry stays kept). It must end as normal, status 0, as the Linux
# program's game under the same clock: the console output, the error report
# and Results.csv byte for byte.
cmake --build "$xbuild" --target package >"$work/package.log" 2>&1 || {
  cat "$work/package.log"
  fail "the Windows archive could not be made"
}
archive_game=release
archive_from="$root/tools/cross/games/$archive_game"
clock="2026-12-10 10:05:07"
# The archive's game and the Linux one on that clock: faketime's library
# preloaded into them (and into wine's processes), as the tests run the game;
# the faketime command would make a semaphore named after its process id,
# which a killed run can leave behind to fail the next one of that id.
# The library is the one the Linux build found for its tests.
faketime_lib="$(sed -n 's/^TF_FAKETIME_LIBRARY:FILEPATH=//p' "$build/CMakeCache.txt")"
[ -e "$faketime_lib" ] || fail "faketime's library (libfaketime) missing"
frozen() { env TZ=UTC FAKETIME="$clock" LD_PRELOAD="$faketime_lib" "$@"; }
problems=""
package="$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$xbuild/CPackConfig.cmake")"
[ -n "$package" ] || fail "no CPACK_PACKAGE_FILE_NAME in $xbuild/CPackConfig.cmake"
unpacked="$work/unpacked/$package"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$root/$xbuild/$package.zip") ||
  fail "$xbuild/$package.zip does not unpack"
listing() { find "$1" -mindepth 1 -maxdepth 1 -printf '%f\n' | LC_ALL=C sort | tr '\n' ' '; }
[ "$(listing "$work/unpacked")" = "$package " ] ||
  problems+=" the archive holds $(listing "$work/unpacked")instead of the folder $package;"
shipped="Crosses.csv HOW-TO-PLAY.txt tillerfold.exe zForbidden.csv zHandsOff.csv zKeepOut.csv "
[ "$(listing "$unpacked")" = "$shipped" ] ||
  problems+=" the archive's folder holds: $(listing "$unpacked");"
for f in data/zForbidden.csv data/zHandsOff.csv data/zKeepOut.csv examples/Crosses.csv; do
  cmp -s "$f" "$unpacked/$(basename "$f")" || problems+=" its $(basename "$f") is not $f;"
done
grep -v '^@' "$archive_from/input.txt" >"$work/archive-input.txt"
cp "$archive_from/Crosses.csv" "$unpacked/"
# Only the game's own process runs on the frozen clock: wine's server and
# services, started here on the real one, would never end a wait on it. File
# times are not faked, or wine would take its prefix for out of date.
wineserver -w
wineserver -p
wineboot >/dev/null 2>&1 || fail "wineboot could not start wine's services"
export NO_FAKE_STAT=1
archive_status=0
(cd "$unpacked" && frozen wine ./tillerfold.exe \
  <"$work/archive-input.txt" >out.txt 2>err.txt) || archive_status=$?
native="$work/linux/archive"
game_folder "$native" "$archive_from"
native_status=0
(cd "$native" && frozen "$root/$build/tillerfold" \
  <"$work/archive-input.txt" >out.txt 2>err.txt) || native_status=$?
grep -qF -- "$(cat "$archive_from/expect")" "$native/out.txt" ||
  problems+=" the Linux game did not reach: $(cat "$archive_from/expect");"
[ "$native_status" = 0 ] || problems+=" exit status $native_status on Linux, not 0;"
[ "$archive_status" = "$native_status" ] ||
  problems+=" exit status $archive_status from the archive, $native_status on Linux;"
compare_games "$native" "$unpacked"
verdict "archive $package.zip" "unpacked, game $archive_game played to its end as on Linux" \
  "$native" "$unpacked"

echo "cross-check: done in $((EPOCHSECONDS - started)) s"
echo "cross-check: $passed passed, $failed failed"
[ "$failed" = 0 ]
