# shellcheck shell=bash
# Sourced by play.sh and test.sh after the install step.
# build_jobs: as set by the caller, else the number of processors (getconf,
# or sysctl on macOS), else 2.
if [ -z "${build_jobs:-}" ]; then
  # shellcheck disable=SC2034
  build_jobs="$(getconf _NPROCESSORS_ONLN 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)"
fi
# A new build folder gets ninja where make is missing.
if ! command -v make >/dev/null 2>&1 && [ -z "${CMAKE_GENERATOR:-}" ]; then
  export CMAKE_GENERATOR=Ninja
fi
