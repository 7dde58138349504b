#!/bin/bash
# soak.sh: a reliability soak of dpmrtool against virtual radios. Runs many
# reads, writes and fleet runs against `dpmrtool sim` radios with random
# faults, and kill -9 at random moments over the commands that write files
# (set, import, read -o), then prints what it found: files mixed or cut,
# failures reported as success, backups of failed writes not marked as such,
# and stale temporaries (*.tmp beside a file) left after a kill and after the
# next save of that file. It never asserts: it prints figures.
#
#   bench/soak.sh                 a short run (20 reads, 20 writes, 3 fleet
#                                 runs, 20 kills)
#   bench/soak.sh --long          300 reads, 300 writes, 30 fleet runs, 300 kills
#   bench/soak.sh --reads N --writes N --fleets N --kills N --random N
#                                 (--random N starts the random choices at N, so
#                                 that a run can be repeated)
#   DPMRTOOL=path/to/dpmrtool bench/soak.sh
#
# Everything happens in a folder of its own (its HOME and XDG folders too,
# so the backups are its own); it is removed at the end unless --keep.
set -u

READS=20 WRITES=20 FLEETS=3 KILLS=20 RANDOM_START=$$ KEEP=0
while [ $# -gt 0 ]; do
    case "$1" in
    --long) READS=300 WRITES=300 FLEETS=30 KILLS=300 ;;
    --reads) READS=$2; shift ;;
    --writes) WRITES=$2; shift ;;
    --fleets) FLEETS=$2; shift ;;
    --kills) KILLS=$2; shift ;;
    --random) RANDOM_START=$2; shift ;;
    --keep) KEEP=1 ;;
    -h | --help) sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "soak.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
    shift
done
RANDOM=$RANDOM_START

HERE=$(cd "$(dirname "$0")/.." && pwd)
TOOL=${DPMRTOOL:-}
for candidate in "$HERE/build/bin/dpmrtool" "$HERE/build-check/bin/dpmrtool"; do
    [ -z "$TOOL" ] && [ -x "$candidate" ] && TOOL=$candidate
done
[ -x "$TOOL" ] || { echo "soak.sh: no dpmrtool built (set DPMRTOOL)" >&2; exit 2; }
DEMO=$HERE/res/pmr446-demo.dat

WORK=$(mktemp -d "${TMPDIR:-/tmp}/dpmr-soak.XXXXXX")
export HOME=$WORK/home XDG_STATE_HOME=$WORK/state XDG_CONFIG_HOME=$WORK/config
# A sanitizer build reports to stderr and exits non-zero: count those too.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
mkdir -p "$HOME" "$XDG_STATE_HOME" "$XDG_CONFIG_HOME"
BACKUPS=$XDG_STATE_HOME/dpmrcps/backups
SIM_PID=
cleanup() {
    [ -n "$SIM_PID" ] && kill -TERM "$SIM_PID" 2>/dev/null && wait "$SIM_PID" 2>/dev/null
    [ "$KEEP" = 1 ] && echo "kept: $WORK" || rm -rf "$WORK"
}
trap cleanup EXIT

# The byte comparisons: "same" or "diff" for two files over a set of ranges.
# written: every byte a Write sends (0x0100-0x3E2F, 0x3E50-0x3FFF);
# compared: what a verify can read back (written less 0x2160-0x2177);
# closing: 0x2160-0x2177 alone; whole: all 16384 bytes (and the size).
compare() {
    python3 - "$1" "$2" "$3" <<'EOF'
import sys
a, b, what = open(sys.argv[1], 'rb').read(), open(sys.argv[2], 'rb').read(), sys.argv[3]
ranges = {'written': [(0x100, 0x3E30), (0x3E50, 0x4000)],
          'compared': [(0x100, 0x2160), (0x2178, 0x3E30), (0x3E50, 0x4000)],
          'closing': [(0x2160, 0x2178)],
          'whole': [(0, 0x4000)]}[what]
same = len(a) == len(b) == 0x4000 and all(a[s:e] == b[s:e] for s, e in ranges)
print('same' if same else 'diff')
EOF
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Says on stderr what was found and in which run (the counts say how often).
found() { echo "soak.sh: $*" >&2; }

# Starts a sim with `count` radios and the given options; PORTS holds their
# devices. A sim that does not come up (tried three times) ends the soak.
start_sim() {
    local count=$1 try
    shift
    for try in 1 2 3; do
        : >"$WORK/sim.out"
        "$TOOL" sim --count "$count" "$@" >>"$WORK/sim.out" 2>"$WORK/sim.err" &
        SIM_PID=$!
        for _ in $(seq 1 1500); do
            [ "$(wc -l <"$WORK/sim.out")" -ge "$count" ] && break
            kill -0 "$SIM_PID" 2>/dev/null || break
            sleep 0.02
        done
        mapfile -t PORTS <"$WORK/sim.out"
        [ "${#PORTS[@]}" -ge "$count" ] && return
        kill -TERM "$SIM_PID" 2>/dev/null
        wait "$SIM_PID"
        found "sim $* did not start (try $try, status $?): $(cat "$WORK/sim.err")"
        SIM_PID=
        SIM_RETRIES=$((SIM_RETRIES + 1))
    done
    exit 2
}
stop_sim() {
    kill -TERM "$SIM_PID" 2>/dev/null
    wait "$SIM_PID" 2>/dev/null
    SIM_PID=
}

# A block address for a fault: the start of one of the blocks moved.
block_address() {
    local a
    while :; do
        a=$((0x100 + 32 * (RANDOM % 504)))
        [ $a -lt $((0x3E30)) ] || [ $a -ge $((0x3E50)) ] && break
    done
    printf '0x%04X' $a
}

# Random faults for a read session (FAULTS array).
read_faults() {
    case $((RANDOM % 12)) in
    0 | 1 | 2) FAULTS=() ;;
    3) FAULTS=(--nak-read "$(block_address)") ;;
    4) FAULTS=(--short-read "$(block_address)") ;;
    5) FAULTS=(--silent-after $((RANDOM % 520))) ;;
    6) FAULTS=(--wrong-wake 1) ;;
    7) FAULTS=(--wrong-wake 1,2,3,4) ;;
    8) FAULTS=(--missing-wake 1) ;;
    9) FAULTS=(--short-identity 1) ;;
    10) FAULTS=(--bad-opening-ack 1) ;;
    11) FAULTS=(--bad-opening-ack 2) ;;
    esac
}
# Random faults for a write session; CORRUPT is set when a byte is kept
# wrongly (in or out of the bytes a verify compares).
write_faults() {
    CORRUPT=
    case $((RANDOM % 10)) in
    0 | 1 | 2) FAULTS=() ;;
    3) FAULTS=(--nak-write "$(block_address)") ;;
    4) CORRUPT=$(block_address); FAULTS=(--corrupt-byte "$CORRUPT") ;;
    5) CORRUPT=0x$(printf '%04X' $((0x2160 + RANDOM % 24))); FAULTS=(--corrupt-byte "$CORRUPT") ;;
    6) FAULTS=(--silent-after $((RANDOM % 1100))) ;;
    7) FAULTS=(--wrong-wake 1) ;;
    8) FAULTS=(--short-identity 1,2,3,4) ;;
    9) FAULTS=(--nak-read "$(block_address)") ;;  # the read-back's
    esac
}

SIM_RETRIES=0 CLOSING_WRONG=0 MIXED=0 FALSE_SUCCESS=0 UNMARKED=0 UNSAID=0 CLAIMED=0 CRASHED=0
TMP_AFTER_KILL=0 KILLS_WITH_TMP=0 TMP_AFTER_SAVE=0
R_OK=0 R_FAILED=0 W_OK=0 W_FAILED=0 W_UNVERIFIED_WRONG=0 F_DONE=0 F_NOT=0
K_SET=0 K_IMPORT=0 K_READ=0 K_OLD=0 K_NEW=0
START=$(now_ms)

# A program that ended by a signal or a sanitizer report (exit 134, 139...)
# crashed: statuses above 2 other than the stops.
crashed() { [ "$1" -gt 2 ] && [ "$1" -ne 130 ] && [ "$1" -ne 143 ] && [ "$1" -ne 129 ]; }

# The files written: three configurations that pass the check.
cp "$DEMO" "$WORK/a.dat"
for v in 1 2 3; do
    cp "$DEMO" "$WORK/w$v.dat"
    "$TOOL" set "$WORK/w$v.dat" option.tot=$((v * 30 + 30)) >/dev/null 2>&1
done
"$TOOL" export "$WORK/w2.dat" -o "$WORK/w2.yaml" >/dev/null

# The reference read: what a good read of the demo radio gives.
start_sim 1 --image "$DEMO"
"$TOOL" read --port "${PORTS[0]}" -o "$WORK/ref-read.dat" >/dev/null 2>&1 ||
    { echo "soak.sh: the reference read failed" >&2; exit 2; }
stop_sim

# ---- reads ------------------------------------------------------------------
for i in $(seq 1 "$READS"); do
    [ $((i % 50)) = 0 ] && echo "soak.sh: read $i of $READS" >&2
    read_faults
    start_sim 1 --image "$DEMO" "${FAULTS[@]}"
    out=$WORK/read.dat
    rm -f "$out"
    # Half the reads go over an existing file, which a failure must leave.
    [ $((RANDOM % 2)) = 0 ] && cp "$WORK/w1.dat" "$out"
    before=$( [ -e "$out" ] && md5sum <"$out" || echo none)
    "$TOOL" read --port "${PORTS[0]}" -o "$out" >"$WORK/r.out" 2>"$WORK/r.err"
    status=$?
    stop_sim
    crashed $status && { CRASHED=$((CRASHED + 1)); found "status $status"; }
    if [ $status = 0 ]; then
        R_OK=$((R_OK + 1))
        [ "$(compare "$out" "$WORK/ref-read.dat" whole)" = same ] ||
            { FALSE_SUCCESS=$((FALSE_SUCCESS + 1)); found "read $i (${FAULTS[*]}): exit 0, other data"; }
    else
        R_FAILED=$((R_FAILED + 1))
        after=$( [ -e "$out" ] && md5sum <"$out" || echo none)
        [ "$before" = "$after" ] || { MIXED=$((MIXED + 1)); found "read $i (${FAULTS[*]}): exit $status, output changed"; }
        [ -s "$WORK/r.err" ] || { UNSAID=$((UNSAID + 1)); found "read $i (${FAULTS[*]}): exit $status, nothing said"; }
    fi
done

# ---- writes -----------------------------------------------------------------
newest_backup() { ls -t "$BACKUPS" 2>/dev/null | head -1; }
for i in $(seq 1 "$WRITES"); do
    [ $((i % 50)) = 0 ] && echo "soak.sh: write $i of $WRITES" >&2
    write_faults
    file=$WORK/w$((RANDOM % 3 + 1)).dat
    verify=()
    [ $((RANDOM % 2)) = 0 ] && verify=(--verify)
    start_sim 1 --image "$DEMO" --save "$WORK/mem.dat" "${FAULTS[@]}"
    had=$(newest_backup)
    "$TOOL" write --port "${PORTS[0]}" "${verify[@]}" "$file" >"$WORK/w.out" 2>"$WORK/w.err"
    status=$?
    stop_sim
    crashed $status && { CRASHED=$((CRASHED + 1)); found "status $status"; }
    backup=$(newest_backup)
    [ "$backup" = "$had" ] && backup=
    if [ $status = 0 ]; then
        W_OK=$((W_OK + 1))
        case "$backup" in *write-failed*) UNMARKED=$((UNMARKED + 1)); found "write $i: exit 0, backup $backup" ;; esac
        if [ ${#verify[@]} -gt 0 ]; then
            [ "$(compare "$WORK/mem.dat" "$file" compared)" = same ] ||
                { FALSE_SUCCESS=$((FALSE_SUCCESS + 1)); found "write $i (${FAULTS[*]}): verified, radio differs"; }
            # A verify that passed over a wrong closing byte must say what it compared.
            if [ "$(compare "$WORK/mem.dat" "$file" closing)" = diff ]; then
                CLOSING_WRONG=$((CLOSING_WRONG + 1))
                grep -q "except the 24-byte closing block" "$WORK/w.out" || {
                    CLAIMED=$((CLAIMED + 1))
                    found "write $i (${FAULTS[*]}): verified without naming the closing block"
                }
            fi
        elif [ "$(compare "$WORK/mem.dat" "$file" written)" = diff ]; then
            # Without a verify only a byte the radio kept wrongly may differ.
            if [ -n "$CORRUPT" ]; then
                W_UNVERIFIED_WRONG=$((W_UNVERIFIED_WRONG + 1))
            else
                FALSE_SUCCESS=$((FALSE_SUCCESS + 1)); found "write $i (${FAULTS[*]}): exit 0, radio differs"
            fi
        fi
    else
        W_FAILED=$((W_FAILED + 1))
        [ -s "$WORK/w.err" ] || { UNSAID=$((UNSAID + 1)); found "write $i (${FAULTS[*]}): exit $status, nothing said"; }
        case "$backup" in '' | *write-failed*) ;; *) UNMARKED=$((UNMARKED + 1)); found "write $i (${FAULTS[*]}): exit $status, backup $backup" ;; esac
        # A radio left holding neither its old nor the new configuration is said.
        if [ "$(compare "$WORK/mem.dat" "$DEMO" written)" = diff ] &&
            [ "$(compare "$WORK/mem.dat" "$file" compared)" = diff ] &&
            ! grep -q "partly written\|Verify failed" "$WORK/w.err"; then
            UNSAID=$((UNSAID + 1)); found "write $i (${FAULTS[*]}): exit $status, partly written not said"
        fi
    fi
done

# ---- fleet runs -------------------------------------------------------------
for i in $(seq 1 "$FLEETS"); do
    args=()
    for k in 1 2 3; do
        write_faults
        [ ${#FAULTS[@]} -gt 0 ] && args+=(--radio "$k" "${FAULTS[@]}")
    done
    file=$WORK/w$((RANDOM % 3 + 1)).dat
    verify=()
    [ $((RANDOM % 2)) = 0 ] && verify=(--verify)
    start_sim 3 --image "$DEMO" --save "$WORK/mem.dat" "${args[@]}"
    rm -f "$WORK/fleet.csv"
    "$TOOL" fleet "$file" --port "${PORTS[0]}" --port "${PORTS[1]}" --port "${PORTS[2]}" \
        --id-from 1000001 --name "Unit {n}" "${verify[@]}" --log "$WORK/fleet.csv" \
        >"$WORK/f.out" 2>"$WORK/f.err"
    status=$?
    stop_sim
    crashed $status && { CRASHED=$((CRASHED + 1)); found "status $status"; }
    # Each radio's line of the log against what the radio holds: a radio
    # "done" holds its backup (what was sent), one not done has its backup
    # marked; the exit status is 0 only when every radio is done.
    counts=$(python3 - "$WORK" "$status" "${#verify[@]}" <<'EOF'
import csv, sys
work, status, verify = sys.argv[1], int(sys.argv[2]), sys.argv[3] != '0'
rows = list(csv.reader(open(work + '/fleet.csv')))[1:]
done = notdone = false_success = unmarked = 0
ranges = [(0x100, 0x2160), (0x2178, 0x3E30), (0x3E50, 0x4000)]
for k, row in enumerate(rows, 1):
    result, backup = row[4], row[5]
    mem = open('%s/mem-%d.dat' % (work, k), 'rb').read()
    if result.startswith('done'):
        done += 1
        if 'write-failed' in backup or not backup:
            unmarked += 1
            continue
        sent = open(backup, 'rb').read()
        if verify and any(mem[s:e] != sent[s:e] for s, e in ranges):
            false_success += 1
    else:
        notdone += 1
        if backup and 'write-failed' not in backup:
            unmarked += 1
if (status == 0) != (notdone == 0) or len(rows) != 3:
    false_success += 1
print(done, notdone, false_success, unmarked)
EOF
)
    read -r d n fs um <<<"$counts"
    F_DONE=$((F_DONE + ${d:-0})) F_NOT=$((F_NOT + ${n:-0}))
    [ "${fs:-1}" = 0 ] && [ "${um:-0}" = 0 ] || found "fleet $i (${args[*]}): exit $status, $(cat "$WORK/f.out")"
    FALSE_SUCCESS=$((FALSE_SUCCESS + ${fs:-1})) UNMARKED=$((UNMARKED + ${um:-0}))
done

# ---- kill -9 at random moments ----------------------------------------------
# Each command writes `target` from `old` to `new`; after the kill the file
# is one or the other, whole. The command's usual time, measured once, sets
# the range of the moments.
start_sim 1 --image "$DEMO"
cp "$DEMO" "$WORK/set-new.dat"
"$TOOL" set "$WORK/set-new.dat" option.tot=300 >/dev/null 2>&1
declare -A DURATION
measure() {
    local t0
    t0=$(now_ms)
    "$@" >/dev/null 2>&1
    DURATION[$KIND]=$(($(now_ms) - t0 + 5))
}
# The command of KIND in CMD (run directly, so that $! is dpmrtool itself
# and the kill reaches it, not a shell around it).
kind_command() {
    case $KIND in
    set) CMD=("$TOOL" set "$TARGET" option.tot=300) ;;
    import) CMD=("$TOOL" import "$WORK/w2.yaml" -o "$TARGET") ;;
    read) CMD=("$TOOL" read --port "${PORTS[0]}" -o "$TARGET") ;;
    esac
}
run_kind() {
    kind_command
    "${CMD[@]}"
}
mkdir -p "$WORK/kill"
TARGET=$WORK/kill/f.dat
for KIND in set import read; do
    cp "$DEMO" "$TARGET"
    measure run_kind
done
for i in $(seq 1 "$KILLS"); do
    case $((i % 3)) in
    0) KIND=set; OLD=$DEMO; NEW=$WORK/set-new.dat; K_SET=$((K_SET + 1)) ;;
    1) KIND=import; OLD=$DEMO; NEW=$WORK/w2.dat; K_IMPORT=$((K_IMPORT + 1)) ;;
    2) KIND=read; OLD=$WORK/w1.dat; NEW=$WORK/ref-read.dat; K_READ=$((K_READ + 1)) ;;
    esac
    rm -f "$WORK"/kill/*
    cp "$OLD" "$TARGET"
    kind_command
    "${CMD[@]}" >/dev/null 2>&1 &
    pid=$!
    wait_ms=$((RANDOM % ${DURATION[$KIND]}))
    sleep "$(printf '%d.%03d' $((wait_ms / 1000)) $((wait_ms % 1000)))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if [ "$(compare "$TARGET" "$OLD" whole)" = same ]; then
        K_OLD=$((K_OLD + 1))
    elif [ "$(compare "$TARGET" "$NEW" whole)" = same ]; then
        K_NEW=$((K_NEW + 1))
    else
        MIXED=$((MIXED + 1))
        found "kill $i ($KIND after $wait_ms ms): the file is neither the old nor the new one ($(stat -c %s "$TARGET" 2>/dev/null || echo no) bytes)"
    fi
    left=$(find "$WORK/kill" -maxdepth 1 -name '*.tmp' | wc -l)
    TMP_AFTER_KILL=$((TMP_AFTER_KILL + left))
    [ "$left" -gt 0 ] && KILLS_WITH_TMP=$((KILLS_WITH_TMP + 1))
    # The next save of the same file, run to its end.
    if [ "$left" -gt 0 ]; then
        # A temporary older than the program that made it: as after a reboot.
        sleep 0.01
        run_kind >/dev/null 2>&1
        TMP_AFTER_SAVE=$((TMP_AFTER_SAVE + $(find "$WORK/kill" -maxdepth 1 -name '*.tmp' | wc -l)))
    fi
done
stop_sim

SECONDS_TAKEN=$((($(now_ms) - START) / 1000))
echo "dpmrtool soak (random start $RANDOM_START, $TOOL), ${SECONDS_TAKEN} s"
echo "reads:       $READS (succeeded $R_OK, failed $R_FAILED)"
echo "writes:      $WRITES (succeeded $W_OK, failed $W_FAILED; unverified with a byte kept wrongly: $W_UNVERIFIED_WRONG)"
echo "fleet runs:  $FLEETS ($((F_DONE + F_NOT)) radios: done $F_DONE, not done $F_NOT)"
echo "kills:       $KILLS (set $K_SET, import $K_IMPORT, read -o $K_READ; file old $K_OLD, new $K_NEW)"
echo "files mixed or cut:                        $MIXED"
echo "failures reported as success:              $FALSE_SUCCESS"
echo "verifies that claimed more than compared:  $CLAIMED (of $CLOSING_WRONG passed over a wrong closing byte)"
echo "failures not said (or partly written not said): $UNSAID"
echo "backups of failed writes not marked:       $UNMARKED"
echo "crashes (signals, sanitizer reports):      $CRASHED"
echo "sims started again after a failed start:   $SIM_RETRIES"
echo "stale temporaries after a kill:            $TMP_AFTER_KILL (after $KILLS_WITH_TMP of $KILLS kills)"
echo "stale temporaries after the next save:     $TMP_AFTER_SAVE"
