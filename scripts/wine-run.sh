#!/usr/bin/env bash
# Runs a Windows program under wine, headless and quiet, in the given wine
# prefix, which is made on first use. CMake's cross-compiling emulator for
# the Windows build: ctest and test discovery run every program through it.
# Usage: wine-run.sh PREFIX [PROGRAM.exe [ARGUMENT...]]   (without a program:
# only make the prefix)
set -euo pipefail

prefix=$1
shift
export WINEPREFIX=$prefix WINEARCH=win64
# No debug channels, and no offer to install .NET or Internet Explorer's
# engine into a new prefix (both would wait for a person).
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
# Headless: no window may open, whatever display the caller has.
unset DISPLAY WAYLAND_DISPLAY
# wine keeps its per-user files under HOME; a bare CI shell may have none.
export HOME=${HOME:-$prefix-home}

# Two programs started at once (ctest -j2) would both make the prefix.
if [[ ! -f $prefix/system.reg ]]; then
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [[ ! -f $prefix/system.reg ]]; then
      wineboot --init >/dev/null 2>&1
      wineserver --wait
    fi
  ) 9>"$prefix.lock"
fi
if (($# > 0)); then exec wine "$@"; fi
