#!/usr/bin/env bash
# Starts the trainer and an empty Qt window N times each (default 20) on the current display
# and prints the median time from process start to the first paint of each.
set -euo pipefail
bench="${1:?usage: run_startup.sh <build dir> [runs]}/bench/bench_startup"
runs="${2:-20}"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for mode in empty trainer; do
  arg=""; [ "$mode" = empty ] && arg=empty
  times=$(for _ in $(seq "$runs"); do
    SDL_AUDIODRIVER=dummy "$bench" $arg 2>/dev/null | awk '/painted/ {print $3}'
  done)
  echo "$mode: median $(echo "$times" | median) ms over $runs runs (min $(echo "$times" | sort -n | head -1))"
done
