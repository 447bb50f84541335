# shellcheck shell=bash
# Sourced by play.sh and test.sh after the install step.
# build_jobs: the number of processors; getconf and sysctl stand in where
# nproc is missing (macOS), else 2.
# shellcheck disable=SC2034
build_jobs="$(getconf _NPROCESSORS_ONLN 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)"
# A new build folder gets ninja where make is missing.
if ! command -v make >/dev/null 2>&1 && [ -z "${CMAKE_GENERATOR:-}" ]; then
  export CMAKE_GENERATOR=Ninja
fi
