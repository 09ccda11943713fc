#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's throwaway prefix.
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -u
VELMORA_PREFIX="$1"; shift
. "$(dirname "$0")/wine-env.sh"
velmora_display || exit 1
velmora_prefix
exec wine "$@"
