#!/usr/bin/env bash
# Builds the game and its tests and runs every test.
# BUILD_DIR and CMAKE_ARGS may name another build (CI uses them for the sanitizer build).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
# A fresh machine may lack GoogleTest or faketime (the black-box tests freeze the clock with it).
if { [ ! -e /usr/include/gtest/gtest.h ] || ! command -v faketime >/dev/null; } && [ "$(id -u)" = 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq libgtest-dev faketime >/dev/null
fi
# shellcheck disable=SC2086
cmake -S . -B "$build" ${CMAKE_ARGS:--DCMAKE_BUILD_TYPE=Release} >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
