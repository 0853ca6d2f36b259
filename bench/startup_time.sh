#!/usr/bin/env bash
# Start-up time of the calculator: from starting the program to its main
# window mapped and viewable on a fresh Xvfb screen (Qt paints the first frame
# on that expose), and the program's peak memory at that moment. Runs it
# RUNS times (default 5) and prints each run and the median.
#   bench/startup_time.sh [build/bin/vantorel] [RUNS]
set -euo pipefail
program=$(realpath "${1:-build/bin/vantorel}")
runs=${2:-5}
work=$(mktemp -d)

# Xvfb picks a free display and writes its number once it accepts clients;
# it must not reset when a run's program leaves
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 400); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=:$(head -n 1 "$work/display")

times=()
for run in $(seq "$runs"); do
  # a copy beside its data, so that settings.ini starts the same each time
  rm -rf "$work/app" && mkdir "$work/app"
  cp "$program" "$work/app/"
  for data in tablegost3900.txt Help; do
    [ -e "$(dirname "$program")/$data" ] && cp -r "$(dirname "$program")/$data" "$work/app/"
  done
  start=$(date +%s%N)
  DISPLAY=$display "$work/app/$(basename "$program")" >/dev/null 2>"$work/stderr" &
  pid=$!
  until xwininfo -display "$display" -name Vantorel 2>/dev/null | grep -q IsViewable; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window:" >&2; cat "$work/stderr" >&2; exit 1; }
    sleep 0.002
  done
  end=$(date +%s%N)
  rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  ms=$(((end - start) / 1000000))
  times+=("$ms")
  echo "run $run: ${ms} ms to the first frame, peak memory $((rss / 1024)) MiB"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "median: ${median} ms"
