#!/usr/bin/env bash
# Times one record's whole evaluation as a process, side by side: kurvadex-batch
# (read, graph, skeleton, exponential fit, elasto-plastic models, PNG) against
# bench/peer/evaluate.py doing the same with numpy and matplotlib. The two run
# alternately, so a machine that gets busier slows both; the medians give the
# ratio. Then the batch's peak resident memory, from /usr/bin/time -v.
#
# Usage: bench/peer/compare.sh [RECORD.csv]
#   RECORD   a standard CSV data file (load in channel 1, deformation in 2);
#            default: the largest the program reads, 30,000 rows x 16 channels,
#            written by bench/peer/make_record.py
#   RUNS     runs of each command (default 10), after one unmeasured run each
#   KVX_BUILD_DIR   build with src/batch/kurvadex-batch (default build), or
#   KVX_BATCH       the kurvadex-batch to time
# Needs Debian's python3-numpy, python3-matplotlib and time.
set -euo pipefail
cd "$(dirname "$0")/../.."
batch=${KVX_BATCH:-${KVX_BUILD_DIR:-build}/src/batch/kurvadex-batch}
runs=${RUNS:-10}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
record=${1:-}
if [ -z "$record" ]; then
  record=$out/record-30000x16.csv
  /usr/bin/python3 bench/peer/make_record.py "$record"
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
kvx=("$batch" --skeleton --elasto --approx 99 --image "$out/kvx.png" "$record")
peer=(/usr/bin/python3 bench/peer/evaluate.py "$record" "$out/peer.png")

# Wall time of one run in milliseconds; a failed run stops the comparison.
milliseconds() {
  local start=$EPOCHREALTIME
  "$@" > /dev/null 2> "$out/stderr" || { cat "$out/stderr" >&2; echo "compare.sh: $1 failed" >&2; exit 1; }
  local end=$EPOCHREALTIME
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { printf "%.1f\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

milliseconds "${kvx[@]}" > /dev/null
milliseconds "${peer[@]}" > /dev/null
: > "$out/kvx.ms"
: > "$out/peer.ms"
for _ in $(seq "$runs"); do
  milliseconds "${kvx[@]}" >> "$out/kvx.ms"
  milliseconds "${peer[@]}" >> "$out/peer.ms"
done
kvx_ms=$(median < "$out/kvx.ms")
peer_ms=$(median < "$out/peer.ms")

# Peak resident set size of the batch with --image, in MB (the median of three runs).
for _ in 1 2 3; do
  /usr/bin/time -v "${kvx[@]}" 2>&1 > /dev/null | awk -F: '/Maximum resident set size/ { print $2 / 1024 }'
done > "$out/rss.mb"
rss_mb=$(median < "$out/rss.mb")

echo "record: $record ($(($(wc -l < "$record") - 4)) rows), $runs alternating runs each"
printf '| command | median wall time | range |\n|---|---|---|\n'
printf '| kurvadex-batch --skeleton --elasto --approx 99 --image | %s ms | %s–%s ms |\n' "$kvx_ms" \
  "$(sort -g "$out/kvx.ms" | head -1)" "$(sort -g "$out/kvx.ms" | tail -1)"
printf '| numpy + matplotlib (bench/peer/evaluate.py) | %s ms | %s–%s ms |\n' "$peer_ms" \
  "$(sort -g "$out/peer.ms" | head -1)" "$(sort -g "$out/peer.ms" | tail -1)"
awk -v k="$kvx_ms" -v p="$peer_ms" 'BEGIN { printf "ratio kurvadex-batch / peer: %.3f (goal: at most 0.08)\n", k / p }'
printf 'peak resident memory of kurvadex-batch with --image: %.1f MB (goal: at most 40 MB)\n' "$rss_mb"
