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
# Indexes that apt-get update cannot fetch are passed over in one line; only an install
# that fails stops it, with one line naming the packages missing and apt's first error.
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
# Apt's own output is long; it is kept for the one line that says what went wrong.
apt_log=$(mktemp)
trap 'rm -f "$apt_log"' EXIT
# A mirror in the middle of a sync fails some indexes; the others still serve.
if ! as_root apt-get update -qq >"$apt_log" 2>&1; then
  echo "install-deps: some package indexes could not be updated; installing from what is there" >&2
fi
if ! as_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq -o Dpkg::Use-Pty=0 --no-install-recommends "${need[@]}" \
  >"$apt_log" 2>&1; then
  missing=()
  for pkg in "${need[@]}"; do
    have_pkg "$pkg" || missing+=("$pkg")
  done
  first_error=$(grep -m 1 '^E: ' "$apt_log" || true)
  echo "install-deps: could not install ${missing[*]:-${need[*]}}:" \
    "${first_error:-apt-get install failed}" >&2
  exit 1
fi
