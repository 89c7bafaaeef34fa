#!/bin/sh
# Validates the desktop entry and the AppStream metadata with the desktop's
# own validators; skipped (77) when neither is installed.
# Usage: desktop_files_test.sh DESKTOP_ENTRY METAINFO
set -u
entry=$1 metainfo=$2
ran=0 failed=0
if command -v desktop-file-validate >/dev/null 2>&1; then
  ran=1
  out=$(desktop-file-validate "$entry" 2>&1) || failed=1
  # It fails only on errors; hints and warnings are faults here too.
  [ -z "$out" ] || { echo "$out"; failed=1; }
fi
if command -v appstreamcli >/dev/null 2>&1; then
  ran=1
  appstreamcli validate --no-net "$metainfo" || failed=1
fi
[ "$ran" = 1 ] || { echo "neither desktop-file-validate nor appstreamcli is installed"; exit 77; }
exit "$failed"
