#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds Keyvora, then either starts the
# trainer ("run"), runs every test ("test", the Windows build included) or makes and tests the
# Windows build alone ("windows": tools/windows.sh).
set -euo pipefail

mode="${1:-run}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KEYVORA_BUILD_DIR:-$here/build/release}"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libsdl2-mixer-dev qt6-charts-dev libqt6opengl6-dev
  qt6-qpa-plugins espeak-ng sox libsox-fmt-all fonts-arphic-uming python3-fonttools
  libbenchmark-dev
  python3 wamerican-small rime-data-pinyin-simp rime-data-wubi
)
# The test run also fuzzes, with clang's libFuzzer, and builds and checks the Debian package.
[ "$mode" = test ] && packages+=(clang clang-format libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream)
# The Windows build: the mingw-w64 compiler, Wine to run the tools and the suites, a virtual
# display for Wine, NSIS for the installer.
[ "$mode" = test ] || [ "$mode" = windows ] && packages+=(g++-mingw-w64-x86-64-posix
  gcc-mingw-w64-x86-64-posix wine wine64 xvfb xauth x11-utils nsis qt6-base-dev-tools)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = windows ]; then
  exec bash "$here/tools/windows.sh"
fi

# The test run holds the code to its format.
if [ "$mode" = test ] && git -C "$here" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "== the code's format (.clang-format)"
  (cd "$here" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
fi
# One configuration for both: every warning an error (there are none on Debian 12), so that
# starting the trainer after the tests, or testing after starting it, rebuilds nothing.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEYVORA_WERROR=ON
cmake --build "$build" --parallel "$(nproc)"

case "$mode" in
  run)
    exec "$build/program/keyvora"
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    echo "== the test suite"
    (cd "$build" && ctest --output-on-failure --parallel "$(nproc)")

    echo "== the Debian package: contents, lintian, desktop entry, AppStream metadata"
    bash "$here/tools/check_package.sh" "$build"

    echo "== the test suite with AddressSanitizer and UndefinedBehaviorSanitizer"
    (cd "$here" && cmake --preset sanitize >/dev/null &&
      cmake --build --preset sanitize --parallel "$(nproc)" &&
      ctest --preset sanitize --parallel "$(nproc)")

    echo "== fuzzing the settings reader, the leading-number parse, the text import and the backup reader, 60 s each"
    bash "$here/tools/fuzz.sh" 60

    echo "== the Windows build: cross-compiled, every suite under Wine, portable zip, installer"
    bash "$here/tools/windows.sh"

    if [ -x "$build/bench/bench_core" ]; then
      echo "== benchmarks of the key press and the timer ticks (information, not a test)"
      "$build/bench/bench_core" --benchmark_min_time=0.05
    fi
    ;;
  *)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac
