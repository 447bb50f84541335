#!/usr/bin/env bash
# Installs what building the game needs when it is missing:
#   tools/install-deps.sh play|test [DEBIAN_PACKAGE...]
# play: cmake, a C++ compiler, make or ninja; test: also GoogleTest, and
# faketime's library where it can be installed. Further Debian packages
# named after the mode (CI's extra compilers) are installed along with them.
# It installs with apt-get, as root or through sudo. Without apt-get, or
# without root and sudo, it stops and names what to install; faketime's
# library alone it only names, as the tests that need it are then skipped.
# Written for bash 3.2 as well (macOS): no associative arrays, no empty arrays.
set -euo pipefail

mode="${1:-}"
case "$mode" in
  play | test) shift ;;
  *)
    echo "usage: $0 play|test [debian-package...]" >&2
    exit 2
    ;;
esac
extra="$*"

# The lowest cmake the build accepts; CMakeLists.txt states the same.
cmake_major=3
cmake_minor=20

has() { command -v "$1" >/dev/null 2>&1; }

cmake_recent() {
  has cmake || return 1
  local version major minor
  version="$(cmake --version | sed -n '1s/[^0-9]*\([0-9][0-9]*\.[0-9][0-9]*\).*/\1/p')"
  major="${version%%.*}"
  minor="${version#*.}"
  [ -n "$major" ] && [ -n "$minor" ] || return 1
  [ "$major" -gt "$cmake_major" ] || { [ "$major" -eq "$cmake_major" ] && [ "$minor" -ge "$cmake_minor" ]; }
}

# GoogleTest's header in the usual prefixes and in those CMake is told of.
gtest_found() {
  local told="${CMAKE_PREFIX_PATH:-}" prefix
  for prefix in ${told//[:;]/ } ${GTEST_ROOT:-} ${HOMEBREW_PREFIX:-} ${MINGW_PREFIX:-} \
    /usr /usr/local /opt/homebrew /opt/local; do
    [ -e "$prefix/include/gtest/gtest.h" ] && return 0
  done
  return 1
}

# faketime's preload library where Debian (multiarch), Fedora and Homebrew
# put it.
faketime_found() {
  local lib
  for lib in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib64/faketime/libfaketime.so.1 \
    /usr/lib/faketime/libfaketime.so.1 /usr/local/lib/faketime/libfaketime.1.dylib \
    "${HOMEBREW_PREFIX:-/opt/homebrew}"/lib/faketime/libfaketime.1.dylib; do
    [ -e "$lib" ] && return 0
  done
  return 1
}

deb_installed() {
  has dpkg-query && dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'
}

# missing: what is missing, as a person names it; packages: the Debian
# packages that bring it. wanted: what is missing but not needed.
add() {
  missing="${missing:+$missing, }$1"
  packages="$packages $2"
}

want() {
  wanted="${wanted:+$wanted, }$1"
  packages="$packages $2"
}

check() {
  missing=""
  wanted=""
  packages=""
  cmake_recent || add "cmake $cmake_major.$cmake_minor or newer" cmake
  local cxx="${CXX:-}"
  cxx="${cxx%% *}"
  if [ -n "$cxx" ]; then
    if ! has "$cxx"; then
      case "$(basename "$cxx")" in
        clang*) add "$cxx" clang ;;
        *) add "$cxx" g++ ;;
      esac
    fi
  elif ! has c++ && ! has g++ && ! has clang++; then
    add "a C++17 compiler" g++
  fi
  has make || has ninja || add "make (or ninja)" make
  if [ "$mode" = test ]; then
    gtest_found || add GoogleTest libgtest-dev
    faketime_found || want "faketime's library (libfaketime)" libfaketime
    # Run as root, one test drops its privileges with setpriv.
    if [ "$(id -u)" = 0 ] && [ "$(uname -s)" = Linux ] && ! has setpriv; then
      add setpriv util-linux
    fi
  fi
  local p
  for p in $extra; do
    deb_installed "$p" || add "$p" "$p"
  done
}

stop() {
  {
    if [ "$mode" = test ]; then
      echo "Building and testing Tillerfold needs: $missing."
    else
      echo "Building Tillerfold needs: $missing."
    fi
    echo "$1"
    echo "Install them with your system's package manager (README.md, \"Set-up on a fresh machine\"),"
    echo "then run the command again."
  } >&2
  exit 1
}

# Names what is wanted but missing, and goes on without it.
without_wanted() {
  [ -z "$wanted" ] ||
    echo "Not found: $wanted. The tests that run the built game under a frozen clock are skipped." >&2
}

# Where nothing can be installed, only what is needed stops the script.
cannot_install() {
  without_wanted
  [ -z "$missing" ] || stop "$1"
  exit 0
}

check
if [ -z "$missing$wanted" ]; then exit 0; fi

has apt-get || cannot_install "This script installs packages only with apt-get."
if [ "$(id -u)" = 0 ]; then
  sudo=""
elif has sudo; then
  sudo="sudo"
else
  cannot_install "Installing them needs root or sudo."
fi

echo "Installing with apt-get:$packages" >&2
# shellcheck disable=SC2086
{
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $packages >/dev/null
}

check
[ -z "$missing" ] || stop "They are still missing after apt-get install."
without_wanted
