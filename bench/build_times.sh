#!/usr/bin/env bash
# Prints the build-and-test times that every change pays, so that they can be
# followed from change to change:
#   cold   a clean clone with an empty compiler cache: `make test`
#   warm   a second clean clone in another folder, cache as the first left it
#   touch  one core .cpp file changed in that clone: `make test` again
# Beside each: the compiler cache's hits out of its calls, and the load
# average when it ended (the machine may be shared).
# Usage: bench/build_times.sh [REV]   (default HEAD of this checkout)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
rev=${1:-HEAD}
work=$(mktemp -d /tmp/dpmr-buildtimes.XXXXXX)
trap 'rm -rf "$work"' EXIT
export CCACHE_DIR="$work/ccache"

run() {  # run FOLDER: wall and CPU seconds of `make test` there, its cache hits, the load
    local t stats="$1.ccache-stats"
    rm -f "$stats"
    if ! CCACHE_STATSLOG="$stats" /usr/bin/time -o "$1.time" -f '%e %U %S' \
        make -C "$1" test >"$1.log" 2>&1; then
        echo "make test failed in $1 (log: $1.log)" >&2
        tail -20 "$1.log" >&2
        trap - EXIT
        exit 1
    fi
    read -r t < <(tail -1 "$1.time")
    awk -v hits="$(grep -c '^local_storage_hit' "$stats" || true)" \
        -v calls="$(grep -c '^#' "$stats" || true)" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" \
        '{ printf "%6.1f s wall, %6.1f s CPU, cache hits %s/%s, load %s", $1, $2 + $3, hits, calls, load }' <<<"$t"
}

git clone -q "$here" "$work/cold" && git -C "$work/cold" checkout -q "$rev"
cold=$(run "$work/cold")
git clone -q "$here" "$work/warm" && git -C "$work/warm" checkout -q "$rev"
warm=$(run "$work/warm")
echo "// touched by bench/build_times.sh" >>"$work/warm/core/util/PlainText.cpp"
touch=$(run "$work/warm")

echo "make test, clean clone, cold cache:  $cold"
echo "make test, clean clone, warm cache:  $warm"
echo "make test, one core file touched:    $touch"
