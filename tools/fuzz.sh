#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build/fuzz and runs each for the given
# number of seconds (default 60), starting from a scratch copy of its committed corpus so the
# corpus in the repository does not grow. Exits non-zero if any target finds a crash, a broken
# property, a leak or a hang; the input that did it is kept in build/fuzz/artifacts.
# Needs clang and libclang-rt-14-dev (libFuzzer and the sanitizer runtimes) besides the packages
# of tools/setup.sh; llvm gives symbolized stack traces.
set -euo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KEYVORA_FUZZ_BUILD_DIR:-$here/build/fuzz}"
targets=(fuzz_SettingsFile fuzz_LeadingNumber fuzz_TextImport fuzz_Backup)

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYVORA_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target "${targets[@]}" --parallel "$(nproc)"

artifacts="$build/artifacts"
mkdir -p "$artifacts"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
if command -v llvm-symbolizer >/dev/null; then
  export ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer)"
fi

failed=()
for target in "${targets[@]}"; do
  corpus="$scratch/$target"
  cp -r "$here/fuzz/corpus/$target" "$corpus"
  echo "== $target: $seconds s"
  # -timeout catches an input that hangs; it measures nothing else.
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" "$corpus" >"$scratch/$target.log" 2>&1; then
    grep -E "^(Done|stat::number_of_executed_units)" "$scratch/$target.log" || true
  else
    failed+=("$target")
    tail -n 60 "$scratch/$target.log"
  fi
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in $artifacts)" >&2
  exit 1
fi
echo "No faults found."
