#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs them side by side
# for SECONDS each (20 by default), every one on a scratch copy of its seed
# corpus (the checked-in corpus stays as it is) and with its dictionary.
# Fails when a target reports a crash, a sanitizer finding or a hang; the
# input that caused it is kept in the build folder's findings/.
# Usage: tools/fuzz.sh [SECONDS [TARGET...]]  (targets: the folders of fuzz/corpus)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
[ $# -gt 0 ] && shift
build="${FUZZ_BUILD_DIR:-build-fuzz}"
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(ls fuzz/corpus)
fi
for t in "${targets[@]}"; do
  [ -d "fuzz/corpus/$t" ] || { echo "no fuzz target '$t' (see fuzz/corpus/)" >&2; exit 2; }
done

# shellcheck source=tools/build-env.sh
. tools/build-env.sh
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTILLERFOLD_FUZZ=ON -DTILLERFOLD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzzers -j"$build_jobs"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
findings="$build/findings"
mkdir -p "$findings"
pids=()
for t in "${targets[@]}"; do
  cp -r "fuzz/corpus/$t" "$scratch/$t"
  dict=fuzz/text.dict
  [ -f "fuzz/$t.dict" ] && dict="fuzz/$t.dict"
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -dict="$dict" \
    -artifact_prefix="$findings/$t-" "$scratch/$t" >"$scratch/$t.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  t="${targets[$i]}"
  if wait "${pids[$i]}"; then
    echo "fuzz_$t: $(grep -m1 '^Done' "$scratch/$t.log" || echo "done")"
  else
    status=1
    echo "fuzz_$t FAILED (input kept in $findings/):"
    tail -n 60 "$scratch/$t.log"
  fi
done
exit "$status"
