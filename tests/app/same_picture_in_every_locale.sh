#!/bin/sh
# The graph picture must not change with the locale: fontconfig names and
# substitutes faces by the session's language, so a face left to it is another
# face under ja_JP than under C. Renders the bundled sample, and a record whose
# long point names push the legend against the right edge, in two processes
# with different locales and requires the same PNG bytes.
# Usage: same_picture_in_every_locale.sh KURVADEX-BATCH SAMPLE.CSV
set -eu
batch=$1
sample=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
LC_ALL=C sed '2s/.*/LOAD-CELL-CHANNEL-01,LONG-CHANNEL-NAME-02,LONG-CHANNEL-NAME-03,LONG-CHANNEL-NAME-04/' \
  "$sample" > "$dir/long.csv"
cp "$sample" "$dir/sample.csv"

render() {  # name locale options...
  name=$1 locale=$2
  shift 2
  env LANG="$locale" LC_ALL="$locale" QT_QPA_PLATFORM=offscreen "$batch" --image "$dir/$name-$locale.png" "$@" \
    > /dev/null 2> "$dir/err.txt" || { cat "$dir/err.txt" >&2; exit 1; }
}
for locale in C.UTF-8 ja_JP.UTF-8; do
  render sample "$locale" "$dir/sample.csv"
  render minmax2 "$locale" --minmax 2 --marks "$dir/sample.csv"
  render long "$locale" --channel 3 --channel 4 --minmax 4 "$dir/long.csv"
done
status=0
for name in sample minmax2 long; do
  if ! cmp -s "$dir/$name-C.UTF-8.png" "$dir/$name-ja_JP.UTF-8.png"; then
    echo "$name: the picture under ja_JP.UTF-8 differs from the one under C.UTF-8" >&2
    status=1
  fi
done
exit $status
