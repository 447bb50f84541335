#!/usr/bin/env bash
# Builds the game and starts it in the folder play/, which holds the shipped
# genome files and an example Crosses.csv (an existing Crosses.csv is kept).
set -euo pipefail
cd "$(dirname "$0")/.."
# The game stops at its first read without its genome files: a missing one
# is named before anything is built or started.
genome_files=(zForbidden.csv zHandsOff.csv zKeepOut.csv)
for name in "${genome_files[@]}"; do
  if [ ! -f "data/$name" ]; then
    echo "play.sh: the genome file data/$name is missing; the game cannot start without it" \
      "(data/README.md tells how to write the genome files again)" >&2
    exit 1
  fi
done
tools/install-deps.sh play
# shellcheck source=tools/build-env.sh
. tools/build-env.sh
# Without the tests, which need GoogleTest; tools/test.sh turns them on again.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTILLERFOLD_TESTS=OFF >/dev/null
cmake --build build -j"$build_jobs" --target tillerfold >/dev/null
mkdir -p play
for name in "${genome_files[@]}"; do cp "data/$name" play/; done
[ -f play/Crosses.csv ] || cp examples/Crosses.csv play/
cd play
exec ../build/tillerfold
