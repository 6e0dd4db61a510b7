#!/usr/bin/env bash
# Runs every fuzzer for FUZZ_SECONDS (default 60) from its seed corpus.
# New inputs go to $FUZZ_BUILD/work/<target> (FUZZ_BUILD defaults to build/fuzz)
# and crashes to $FUZZ_BUILD/artifacts/; the seed corpus in the tree is only read.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${FUZZ_SECONDS:-60}
out=${FUZZ_BUILD:-build/fuzz}
bin=$out/tests/fuzz
status=0
for target in fuzz_read fuzz_format fuzz_design fuzz_construction fuzz_design_file; do
  work=$out/work/$target
  mkdir -p "$work" $out/artifacts
  echo "== $target: ${seconds} s"
  if ! "$bin/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
       -rss_limit_mb=2048 -artifact_prefix=$out/artifacts/"$target"- \
       "$work" tests/fuzz/corpus/"$target" 2> "$out/$target".log; then
    status=1
    tail -n 60 "$out/$target".log
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+[[:space:]]+DONE)' \
       "$out/$target".log || true
done
exit $status
