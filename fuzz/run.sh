#!/bin/sh
# Builds the exports fuzzer with the `fuzz` preset and runs it on the seed corpus for a
# bounded time. Exits non-zero when the build fails or the fuzzer finds a crash, a leak
# or a broken contract (the failing input is left in the build folder).
#
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]   (default 15 seconds)
set -eu

if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [SECONDS]" >&2
  exit 2
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
build_dir=$(cd "$1" && pwd)
seconds=${2:-15}

cd "$source_dir"
cmake --preset fuzz -B "$build_dir" >/dev/null
cmake --build "$build_dir" -j2 --target kelotarhu_exports_fuzzer

# New inputs go to a scratch folder so that the committed seeds stay as they are.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build_dir/fuzz/kelotarhu_exports_fuzzer" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz/" \
  "$scratch" "$source_dir/fuzz/corpus"
