#!/usr/bin/env bash
# Builds the game and its tests and runs every test.
# BUILD_DIR and CMAKE_ARGS may name another build, CXX another compiler
# (CI uses them for its compiler and sanitizer builds).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
tools/install-deps.sh test
# shellcheck source=tools/build-env.sh
. tools/build-env.sh
# shellcheck disable=SC2086
cmake -S . -B "$build" -DTILLERFOLD_TESTS=ON ${CMAKE_ARGS:--DCMAKE_BUILD_TYPE=Release} >/dev/null
cmake --build "$build" -j"$build_jobs"
ctest --test-dir "$build" --output-on-failure -j"$build_jobs"
