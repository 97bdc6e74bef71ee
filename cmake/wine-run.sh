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
# How long the Wine session outlives the last program run in it.
SESSION_SECONDS=30

(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # The programs of a test run share one session: a wineserver that stays up a while,
  # with Wine's own services (services.exe, winedevice.exe, explorer.exe...) started
  # here, with /dev/null as their standard streams. Started by a program under test,
  # they would inherit its standard output and error: whoever reads those pipes would
  # wait until the services shut down, over a second a run, and anything a service
  # printed, a crash report of Wine's own, would land in the output under test.
  # wineserver -p exits with 2 when a server is up already. Neither keeps the lock.
  if wineserver -p"$SESSION_SECONDS" </dev/null >/dev/null 2>&1 9>&-; then
    wine wineboot.exe </dev/null >/dev/null 2>&1 9>&- || true
  fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
