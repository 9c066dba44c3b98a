#!/bin/sh
# Runs a Windows program under Wine in the given private prefix:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
prefix=$1
shift
WINEPREFIX=$prefix WINEDEBUG=-all exec "${WINE:-/usr/lib/wine/wine64}" "$@"
