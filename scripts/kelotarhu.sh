#!/usr/bin/env bash
# Installs what the kelotarhu tool needs (skipping what is present), builds the tool
# alone with the `tool` preset and runs it: today without arguments, otherwise what the
# arguments ask (bash scripts/kelotarhu.sh --month 2026-12). Only the tool writes to
# standard output; installing and building report on standard error.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)

bash "$source_dir/scripts/install-deps.sh" --tool >&2
(
  cd "$source_dir"
  cmake --preset tool >/dev/null
  cmake --build --preset tool
) >&2
exec "$source_dir/build/tool/cli/kelotarhu" "$@"
