#!/bin/sh
# A codeplug exported by dpmrtool, loaded and dumped again by another YAML
# tool (Python's PyYAML, a YAML 1.1 reader), imports to the same bytes: no
# text of the file ("Off", "0x0000", "05", "446.006250", a contact number
# "0000100") may come back as a truth value or a number. Run on the demo
# codeplug, on one whose names, numbers and codes look like other types, and
# on images of repeated and random bytes.
#   PyYamlRoundTripTest.sh BUILD_DIR SOURCE_DIR
set -u
PYTHON3=${PYTHON3:-python3}
tool=$1/bin/dpmrtool
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"$PYTHON3" -c 'import yaml' || { echo "FAIL: python3-yaml is not installed (make deps)"; exit 1; }

# Exports $1, runs it through PyYAML, imports the result and compares.
# Each codeplug is exported, then PyYAML loads and dumps every export in one
# run (with libyaml's parser where PyYAML has it), then each dump is imported
# and compared with the codeplug it came from.
export_codeplug() {
    "$tool" export "$1" -o "$work/$(basename "$1" .dat).yaml" || fail "$(basename "$1"): export"
}
check_dump() {
    name=$(basename "$1" .dat)
    "$tool" import "$work/$name.pyyaml" -o "$work/$name.back.dat" 2>"$work/$name.err" ||
        { fail "$name: import of PyYAML's dump: $(cat "$work/$name.err")"; return; }
    [ -s "$work/$name.err" ] && fail "$name: values stored other than written: $(cat "$work/$name.err")"
    cmp "$1" "$work/$name.back.dat" || fail "$name: PyYAML's dump imports to other bytes"
}

cp "$source/res/pmr446-demo.dat" "$work/demo.dat"

# Names and numbers a YAML 1.1 reader takes for truth values, null, numbers
# and dates; group lists name them; digit fields hold leading-0 octals.
nasty=$work/nasty.dat
cp "$source/res/pmr446-demo.dat" "$nasty"
cat >"$work/contacts.csv" <<'CSV'
Name,Number,Type
Off,0000100,Group call
yes,0000010,Group call
0x10,0000008,Group call
1e3,1000000,Single call
~,0000011,Group call
NULL,0000012,Group call
y,0000777,Group call
1:20,0000013,Group call
.inf,0000014,Single call
1_000,0000015,Group call
12-14,0001214,Group call
CSV
printf 'List,Member1,Member2,Member3,Member4,Member5,Member6,Member7,Member8\n%s\n%s\n' \
    '1,Off,yes,NULL,,,,,' '2,~,0x10,1:20,12-14,,,,' >"$work/lists.csv"
"$tool" contacts "$nasty" --import "$work/contacts.csv" || fail "contacts --import"
"$tool" grouplists "$nasty" --import "$work/lists.csv" || fail "grouplists --import"
"$tool" set "$nasty" dpmr.radio_id=0000100 dpmr.radio_name=On dtmfcontact.code1=0123 \
    alarm.digit_id=0000077 || fail "set"
got=$("$tool" get "$nasty" dpmr.radio_id dpmr.radio_name dtmfcontact.code1)
[ "$got" = "$(printf 'dpmr.radio_id=0000100\ndpmr.radio_name=On\ndtmfcontact.code1=0123')" ] ||
    fail "the nasty codeplug holds other values: $got"

# Images of one repeated byte (every hex text all digits: "0000", "1111") and
# random images (hex texts such as "0E00" or "1E05" that read as floats), the
# same every run.
"$PYTHON3" -c 'import random, sys
for b in (0x00, 0x11):
    open("%s/byte%02X.dat" % (sys.argv[1], b), "wb").write(bytes([b]) * 16384)
draw = random.Random(20261207)
for n in range(3):
    open("%s/random%d.dat" % (sys.argv[1], n), "wb").write(bytes(draw.getrandbits(8) for _ in range(16384)))' \
    "$work" || fail "writing the images"
for image in "$work"/*.dat; do
    export_codeplug "$image"
done
"$PYTHON3" -c 'import sys, yaml
Loader = getattr(yaml, "CSafeLoader", yaml.SafeLoader)
for name in sys.argv[1:]:
    data = yaml.load(open(name + ".yaml", encoding="utf-8"), Loader=Loader)
    yaml.safe_dump(data, open(name + ".pyyaml", "w", encoding="utf-8"), allow_unicode=True,
                   sort_keys=False)' $(for image in "$work"/*.dat; do echo "${image%.dat}"; done) ||
    fail "PyYAML"
for image in "$work"/*.dat; do
    [ -f "${image%.dat}.pyyaml" ] && check_dump "$image"
done

[ "$failures" -eq 0 ] || exit 1
echo "PyYAML round trips: every codeplug gives its bytes back"
