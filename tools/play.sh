#!/usr/bin/env bash
# Builds the game and starts it in the folder play/, which holds the shipped
# genome files and an example Crosses.csv (an existing Crosses.csv is kept).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh play
# shellcheck source=tools/build-env.sh
. tools/build-env.sh
# Without the tests, which need GoogleTest; tools/test.sh turns them on again.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTILLERFOLD_TESTS=OFF >/dev/null
cmake --build build -j"$build_jobs" --target tillerfold >/dev/null
mkdir -p play
cp data/zForbidden.csv data/zHandsOff.csv data/zKeepOut.csv play/ 2>/dev/null || true
[ -f play/Crosses.csv ] || cp examples/Crosses.csv play/
cd play
exec ../build/tillerfold
