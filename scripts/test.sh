#!/usr/bin/env bash
# Installs what this machine lacks, then builds every preset and runs all its tests:
# the tool alone as the quick start builds it, native, native with AddressSanitizer and
# UndefinedBehaviorSanitizer, the 32-bit Windows DLL under Wine, and a bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
run_preset() {
  echo "== $1"
  cmake --preset "$1"
  cmake --build --preset "$1" -j "$jobs"
  ctest --preset "$1"
}

echo "== tool"
bash scripts/kelotarhu.sh --version
run_preset native
run_preset native-asan
echo "== fuzz"
bash fuzz/run.sh build/fuzz "${KELOTARHU_FUZZ_SECONDS:-15}"
run_preset win32
