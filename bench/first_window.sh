#!/usr/bin/env bash
# First window time: how long dpmrcps takes from its start to its main window
# being shown (viewable on an Xvfb display), for this checkout's build and for
# a build of an earlier revision, started in turn in one run so that the
# machine's load weighs on both alike. Each start uses the virtual radio
# (--demo) and fresh user settings; English and German are measured apart,
# since the German start loads its translations. Prints, per build and
# language, the median and the quickest of RUNS starts, in milliseconds.
#
# Usage: bench/first_window.sh [BEFORE_REV=HEAD~1] [RUNS=15]
# Needs `make build` (the build it measures is $BUILD, default build/). The
# earlier revision is built once, release, into /tmp/dpmr-first-window-REV
# (kept for the next run).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
before_rev=$(git -C "$here" rev-parse --short "${1:-HEAD~1}")
runs=${2:-15}
after_bin="$here/${BUILD:-build}/bin/dpmrcps"
[ -x "$after_bin" ] || { echo "no $after_bin: run make build first" >&2; exit 1; }

before_dir=/tmp/dpmr-first-window-$before_rev
if [ ! -x "$before_dir/build/bin/dpmrcps" ]; then
    echo "Building dpmrcps at $before_rev in $before_dir ..." >&2
    rm -rf "$before_dir"
    git -C "$here" worktree add --detach "$before_dir/src" "$before_rev" >/dev/null
    cmake -S "$before_dir/src" -B "$before_dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        >"$before_dir/configure.log"
    cmake --build "$before_dir/build" --target dpmrcps >"$before_dir/build.log"
    git -C "$here" worktree remove --force "$before_dir/src"
fi
before_bin="$before_dir/build/bin/dpmrcps"

work=$(mktemp -d /tmp/dpmr-first-window.XXXXXX)
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do xwininfo -display "$display" -root >/dev/null 2>&1 && break; sleep 0.1; done

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The main window of `pid` is viewable: a top-level window of class dpmrcps.
shown() {
    local id
    for id in $(xwininfo -display "$display" -root -children 2>/dev/null |
        awk '/"dpmrcps"\)/ { print $1 }'); do
        xwininfo -display "$display" -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' &&
            return 0
    done
    return 1
}

# One start: milliseconds from exec to the window, on stdout.
start_once() {  # BIN LANG
    local home="$work/home" t0 pid
    rm -rf "$home"
    mkdir -p "$home"
    t0=$(now_ms)
    HOME="$home" XDG_CONFIG_HOME="$home/.config" DISPLAY="$display" LANG="$2" LC_ALL="$2" \
        "$1" --demo >/dev/null 2>&1 &
    pid=$!
    until shown; do
        kill -0 "$pid" 2>/dev/null || { echo "dpmrcps ($1) ended before its window" >&2; exit 1; }
        sleep 0.005
    done
    echo $(($(now_ms) - t0))
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
}

declare -A times
for _ in $(seq "$runs"); do
    for lang in C.UTF-8 de_DE.UTF-8; do
        for build in before after; do
            bin=$before_bin
            [ "$build" = after ] && bin=$after_bin
            times[$build.$lang]+="$(start_once "$bin" "$lang") "
        done
    done
done

echo "First window time over $runs starts each (ms), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
for lang in C.UTF-8 de_DE.UTF-8; do
    for build in before after; do
        label="this build"
        [ "$build" = before ] && label="$before_rev"
        printf '%-12s %-11s ' "$lang" "$label"
        tr ' ' '\n' <<<"${times[$build.$lang]}" | grep . | sort -n |
            awk '{ v[NR] = $1 } END { printf "median %5d  quickest %5d\n", v[int((NR + 1) / 2)], v[1] }'
    done
done
