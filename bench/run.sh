#!/usr/bin/env bash
# Runs every benchmark of a build made with -DKELVORA_BENCH=ON.
#   bench/run.sh BUILD_DIR        (BENCH_DISPLAY picks the Xvfb display, default :97)
set -euo pipefail
B=${1:?build directory}
DISP=${BENCH_DISPLAY:-:97}
RUNS=${BENCH_RUNS:-25}

echo "== calculations and number formats"
"$B/bench/bench_calc" --benchmark_repetitions=15 --benchmark_report_aggregates_only=true

echo "== rectifier and filter simulation"
"$B/bench/bench_supply" --benchmark_repetitions=15 --benchmark_report_aggregates_only=true

echo "== keystrokes on the real window (offscreen)"
QT_QPA_PLATFORM=offscreen "$B/bench/bench_keystroke" 400

echo "== start-up to first mapped window and peak RSS (Xvfb $DISP)"
Xvfb "$DISP" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
trap 'kill $XVFB' EXIT
for _ in $(seq 50); do xdpyinfo -display "$DISP" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$DISP QT_QPA_PLATFORM=xcb
"$B/bench/bench_startup" 1 500 "$B/bench/bench_baseline" "$B/app/kelvora" >/dev/null # warm the caches
"$B/bench/bench_startup" "$RUNS" 1000 "$B/bench/bench_baseline" "$B/app/kelvora"
