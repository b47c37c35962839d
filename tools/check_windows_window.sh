#!/usr/bin/env bash
# Starts the portable program under Wine on the current display, from a scratch copy of the
# folder and without the build's DLL path, and waits for its main window (windows platform
# plugin). Run by tools/windows.sh under xvfb-run.
#   check_windows_window.sh <Windows build folder>
set -euo pipefail

build="${1:?usage: $0 <Windows build folder>}"
copy="$(mktemp -d)"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_QPA_PLATFORM
cp -r "$build/Keyvora" "$copy/"
(cd "$copy/Keyvora" && exec wine keyvora.exe) &
pid=$!
trap 'kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$copy"' EXIT

# The caption names the version as "major.minor" followed by the revision: 6.2.0 is "6.20".
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
title="Keyvora ${version%.*}${version##*.}"
for _ in $(seq 120); do
  if xwininfo -root -tree | grep -q "\"$title\""; then
    echo "window \"$title\" shown"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || { echo "keyvora.exe ended without a window" >&2; exit 1; }
  sleep 0.5
done
echo "no window \"$title\" within 60 s" >&2
exit 1
