#!/usr/bin/env bash
# Proves the Windows deliverables under Wine on the current display (tools/windows.sh runs it
# under xvfb-run), without the build's DLL path, so that only the program's own folder counts:
#  - the portable folder, copied elsewhere, opens the main window (windows platform plugin);
#  - the installer installs silently ("/S") under Program Files with a Start-menu shortcut and
#    an uninstaller, the installed program opens its window, and "/S" uninstalls it again.
#   check_windows_program.sh <Windows build folder>
set -euo pipefail

build="$(cd "${1:?usage: $0 <Windows build folder>}" && pwd)"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_QPA_PLATFORM
scratch="$(mktemp -d)"
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "check_windows_program: $*" >&2; exit 1; }

# The caption names the version as "major.minor" followed by the revision: 6.2.0 is "6.20".
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
title="Keyvora ${version%.*}${version##*.}"

# Starts the program (a path Wine understands) and waits up to a minute for its window.
shows_window() {
  wine "$1" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 120); do
    if xwininfo -root -tree | grep -q "\"$title\""; then
      echo "$1: window \"$title\" shown"
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null || true
      pid=""
      # Gone before the next program is looked for.
      for _ in $(seq 20); do xwininfo -root -tree | grep -q "\"$title\"" || return 0; sleep 0.5; done
      fail "the window of $1 stayed after the program ended"
    fi
    kill -0 "$pid" 2>/dev/null || fail "$1 ended without a window"
    sleep 0.5
  done
  fail "$1 showed no window \"$title\" within 60 s"
}

cp -r "$build/Keyvora" "$scratch/"
shows_window "$scratch/Keyvora/keyvora.exe"

installed="$WINEPREFIX/drive_c/Program Files/Keyvora"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Keyvora.lnk"
rm -rf "$installed"
wine "$build/keyvora-setup.exe" /S
[ -f "$installed/keyvora.exe" ] && [ -f "$installed/uninstall.exe" ] ||
  fail "the silent installation put no program or uninstaller under Program Files"
[ -f "$shortcut" ] || fail "the installation made no Start-menu shortcut"
echo "installed silently under Program Files, with a Start-menu shortcut"
shows_window 'C:\Program Files\Keyvora\keyvora.exe'
wine "$installed/uninstall.exe" /S
# The uninstaller hands over to a copy of itself and returns at once.
for _ in $(seq 60); do [ ! -e "$installed/keyvora.exe" ] && break; sleep 0.5; done
[ ! -e "$installed/keyvora.exe" ] && [ ! -e "$shortcut" ] || fail "the silent uninstallation left the program"
echo "uninstalled silently"
rm -rf "$installed" # what the program itself wrote there
