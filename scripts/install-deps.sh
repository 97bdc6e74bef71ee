#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test every preset:
# the MinGW-w64 i686 cross compilers (win32 threads for what ships, posix threads for
# the GoogleTest programs), Wine with 32-bit support, pefile for reading the Windows
# binaries back, and the header-only libraries of the command-line tool. Skips
# everything already present.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

for pkg in cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev \
  libcli11-dev nlohmann-json3-dev python3 python3-pyte \
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 python3-pefile \
  wine wine32:i386 zip unzip valgrind; do
  have_pkg "$pkg" || need+=("$pkg")
done

if ((${#need[@]})); then
  echo "install-deps: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
else
  echo "install-deps: everything present"
fi
