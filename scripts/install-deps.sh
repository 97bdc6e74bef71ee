#!/usr/bin/env bash
# Installs what a Debian 12 machine lacks, through apt, skipping everything present.
#
#   install-deps.sh          everything to build and test every preset: the tool's needs,
#                            clang, GoogleTest, Google Benchmark, the MinGW-w64 i686 cross
#                            compilers (win32 threads for what ships, posix threads for the
#                            GoogleTest programs), Wine with 32-bit support, pefile for
#                            reading the Windows binaries back, the checkers of the man
#                            page, the shell completions and the Debian package, and the
#                            iCalendar parser that reads the calendar files back
#   install-deps.sh --tool   only what building the kelotarhu tool needs
#
# Runs apt as root, or through sudo for another user; asks for nothing when nothing lacks.
set -euo pipefail

tool_packages=(cmake ninja-build g++ python3 libcli11-dev nlohmann-json3-dev)
test_packages=(clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 python3-pefile
  wine wine32:i386 zip unzip valgrind
  man-db groff-base bash-completion zsh dpkg-dev file lintian python3-icalendar
  python3-pyte)

case "${1:-}" in
  --tool) wanted=("${tool_packages[@]}") ;;
  "") wanted=("${tool_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [--tool]" >&2
    exit 2
    ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "install-deps: installing needs root: run this as root, or install sudo" >&2
    exit 1
  fi
}

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

need=()
for pkg in "${wanted[@]}"; do
  have_pkg "$pkg" || need+=("$pkg")
done
if ((${#need[@]} == 0)); then
  echo "install-deps: everything present"
  exit 0
fi

echo "install-deps: installing ${need[*]}"
if [[ " ${need[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi
as_root apt-get update -qq
as_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq -o Dpkg::Use-Pty=0 --no-install-recommends "${need[@]}" >/dev/null
