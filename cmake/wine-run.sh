#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, creating the prefix first.
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
# No Mono or Gecko installers and no windows: tests are console programs.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot --init >/dev/null 2>&1 || true
      wineserver -w || true
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
