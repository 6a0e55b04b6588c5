#!/bin/sh
# Peak memory of `scrpack build` embedding a 1 GiB media file, against the same show with a 1 MiB
# file: media are streamed from their files, so the peak stays flat whatever their size.
# usage: build_bench.sh SCRPACK WORK-FOLDER
set -eu
scrpack=$1 work=$2
mkdir -p "$work"
peak() {  # peak resident memory in KiB of building a show whose one video is $1 bytes
  truncate -s "$1" "$work/clip.avi"
  printf '{"items": ["clip.avi"]}\n' >"$work/show.json"
  /usr/bin/time -f '%M' -o "$work/peak" "$scrpack" build "$work/show.json" -o "$work/show.scr" >/dev/null
  cat "$work/peak"
}
small=$(peak 1048576)
large=$(peak 1073741824)
rm -f "$work/clip.avi" "$work/show.scr"
echo "== scrpack build, peak memory: 1 MiB file ${small} KiB, 1 GiB file ${large} KiB"
echo "   ratio $(awk "BEGIN { printf \"%.2f\", $large / $small }") (goal: at most 1.5, flat)"
