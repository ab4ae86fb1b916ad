#!/usr/bin/env bash
# Times one record's evaluation side by side: kurvadex-batch (skeleton,
# exponential fit, elasto-plastic model, PNG) against the numpy/matplotlib
# peer doing the same (needs python3-numpy, python3-matplotlib, hyperfine).
set -euo pipefail
cd "$(dirname "$0")/../.."
batch=${KVX_BUILD_DIR:-build}/src/batch/kurvadex-batch
record=${1:-samples/racking-test.csv}
out=$(mktemp -d)
hyperfine --warmup 2 --runs 10 --export-markdown "$out/compare.md" \
  -n kurvadex-batch "$batch --skeleton --approx 99 --elasto --image $out/kvx.png $record" \
  -n numpy+matplotlib "/usr/bin/python3 bench/peer/evaluate.py $record $out/peer.png"
cat "$out/compare.md"
