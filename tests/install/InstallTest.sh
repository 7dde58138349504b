#!/bin/sh
# The install, staged into a temporary DESTDIR as a package build does it:
# the expected files, the menu entry and metainfo validators, the program
# naming its menu entry, the metainfo's screenshot, the manual pages (rendered
# without warnings, and naming every command and option --help names), the
# udev rule's syntax, and the staged dpmrtool finding its shipped files and the
# user's settings.
#   InstallTest.sh BUILD_DIR SOURCE_DIR
set -u
PYTHON3=${PYTHON3:-python3}
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
app_id=$(sed -n 's/^DPMR_APP_ID:STRING=//p' "$build/CMakeCache.txt")

# Every file where it belongs, and nothing else.
{
    echo usr/bin/dpmrcps
    echo usr/bin/dpmrtool
    echo usr/lib/udev/rules.d/60-dpmrcps.rules
    echo "usr/share/applications/$app_id.desktop"
    echo "usr/share/metainfo/$app_id.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do
        echo "usr/share/icons/hicolor/${size}x$size/apps/dpmrcps.png"
    done
    echo usr/share/icons/hicolor/scalable/apps/dpmrcps.svg
    echo usr/share/dpmrcps/Program.ini
    echo usr/share/dpmrcps/pmr446-demo.dat
    for optional in Default.dat Factory.dat; do
        [ -f "$source/res/$optional" ] && echo "usr/share/dpmrcps/$optional"
    done
    echo usr/share/doc/dpmrcps/user-guide.html
    for lang in de es fr it nl pl; do echo "usr/share/doc/dpmrcps/user-guide.$lang.html"; done
    echo usr/share/doc/dpmrcps/settings-reference.html
    echo usr/share/doc/dpmrcps/copyright
    echo usr/share/doc/dpmrcps/changelog.Debian.gz
    echo usr/share/lintian/overrides/dpmrcps
    echo usr/share/man/man1/dpmrcps.1.gz
    echo usr/share/man/man1/dpmrtool.1.gz
} | sort >"$work/expected"
(cd "$stage" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$work/installed"
diff -u "$work/expected" "$work/installed" >"$work/list.diff" || {
    cat "$work/list.diff"
    fail "installed files differ from the expected list"
}
for size in 16 24 32 48 64 128 256; do
    file "$stage/usr/share/icons/hicolor/${size}x$size/apps/dpmrcps.png" |
        grep -q "PNG image data, $size x $size," || fail "icon ${size}x$size has another size"
done

# The validators: hints are allowed (desktop-file-validate suggests a second
# main category beside HamRadio; Utility is the one that fits a programming
# tool), warnings and errors are not.
out=$(desktop-file-validate "$stage/usr/share/applications/$app_id.desktop" 2>&1) ||
    fail "desktop-file-validate: $out"
echo "$out" | grep -Eiq 'error|warning' && fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$stage/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $out"
grep -q "^Exec=dpmrcps" "$stage/usr/share/applications/$app_id.desktop" ||
    fail "the menu entry does not start dpmrcps"
# The window names its menu entry (Wayland's application ID), so that the
# desktop shows it with the entry's icon.
grep -qF "$app_id" "$stage/usr/bin/dpmrcps" || fail "dpmrcps does not name its menu entry $app_id"
# Each screenshot of the metainfo is a picture in res/screenshots/ of the size
# the metainfo gives, so that the home page can serve it at that address.
sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/]*\)</image>.*|\1 \2 \3|p' \
    "$stage/usr/share/metainfo/$app_id.metainfo.xml" >"$work/screenshots"
[ -s "$work/screenshots" ] || fail "the metainfo has no screenshot with its size"
while read -r width height name; do
    file "$source/res/screenshots/$name" | grep -q "PNG image data, $width x $height," ||
        fail "screenshot $name is not a $width x $height PNG in res/screenshots"
done <"$work/screenshots"

# The manual pages render at the usual width without a warning, and say every
# command and option that --help says.
bin=$stage/usr/bin
for page in dpmrcps dpmrtool; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$stage/usr/share/man/man1/$page.1.gz" >/dev/null 2>"$work/$page.warnings"
    [ -s "$work/$page.warnings" ] && fail "man $page: $(cat "$work/$page.warnings")"
    LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$stage/usr/share/man/man1/$page.1.gz" 2>/dev/null |
        col -b >"$work/$page.txt"
done
for option in $("$bin/dpmrcps" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option" "$work/dpmrcps.txt" || fail "man dpmrcps lacks $option"
done
commands=$("$bin/dpmrtool" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF > 1 { print $1 }')
[ -n "$commands" ] || fail "dpmrtool --help lists no commands"
for command in $commands; do
    grep -Eq "^ +$command\$" "$work/dpmrtool.txt" || fail "man dpmrtool lacks the command $command"
    for option in $("$bin/dpmrtool" "$command" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
        grep -q -- "$option" "$work/dpmrtool.txt" || fail "man dpmrtool lacks $command $option"
    done
done
for section in "EXIT STATUS" ENVIRONMENT FILES; do
    grep -q "^$section" "$work/dpmrtool.txt" || fail "man dpmrtool lacks $section"
done

# The udev rule: udevadm verify where this system's udev has it, else our
# own syntax check, which must also catch a broken rule.
rule=$stage/usr/lib/udev/rules.d/60-dpmrcps.rules
if command -v udevadm >/dev/null && udevadm verify --help >/dev/null 2>&1; then
    udevadm verify "$rule" >"$work/udev.log" 2>&1 || fail "udevadm verify: $(cat "$work/udev.log")"
fi
"$PYTHON3" "$source/tests/install/check_udev_rules.py" "$rule" || fail "the udev rule does not parse"
sed 's/ATTRS{idVendor}=="1a86"/ATTRS{idVendor}="1a86/' "$rule" >"$work/broken.rules"
"$PYTHON3" "$source/tests/install/check_udev_rules.py" "$work/broken.rules" >/dev/null &&
    fail "the udev syntax check passes a broken rule"
grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$rule" || fail "the udev rule does not set ID_MM_DEVICE_IGNORE"
# Each chip of the rule is a modalias of the metainfo, so software centres
# offer the program for the cable.
grep -o 'idVendor}=="[0-9a-f]*", ATTRS{idProduct}=="[0-9a-f]*"' "$rule" |
    sed 's/idVendor}=="\(....\)", ATTRS{idProduct}=="\(....\)"/\1 \2/' |
    while read -r vendor product; do
        modalias=usb:v$(echo "$vendor" | tr a-f A-F)p$(echo "$product" | tr a-f A-F)d*
        grep -qF "<modalias>$modalias</modalias>" "$stage/usr/share/metainfo/$app_id.metainfo.xml" ||
            echo "$modalias"
    done >"$work/modalias.missing"
[ -s "$work/modalias.missing" ] && fail "metainfo lacks the modaliases $(cat "$work/modalias.missing")"

# The staged programs run and find their shipped files in share/dpmrcps and
# the user's settings in XDG_CONFIG_HOME.
"$bin/dpmrcps" --version | grep -q "^dpmrcps " || fail "staged dpmrcps --version"
"$bin/dpmrtool" --version | grep -q "^dpmrtool " || fail "staged dpmrtool --version"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
data=$stage/usr/share/dpmrcps
cp "$data/pmr446-demo.dat" "$data/Default.dat"
"$bin/dpmrtool" new -o "$work/new.dat" && cmp -s "$work/new.dat" "$data/Default.dat" ||
    fail "staged dpmrtool new does not start from share/dpmrcps/Default.dat"
sed -i 's|^COM=.*|COM=/dev/dpmr-template-port|' "$data/Program.ini"
"$bin/dpmrtool" read -o "$work/read.dat" 2>"$work/read.err"
grep -q "/dev/dpmr-template-port" "$work/read.err" ||
    fail "staged dpmrtool read does not take the port of the installed Program.ini: $(cat "$work/read.err")"
mkdir -p "$XDG_CONFIG_HOME/dpmrcps"
printf '[Setup]\nCOM=/dev/dpmr-user-port\n' >"$XDG_CONFIG_HOME/dpmrcps/Program.ini"
"$bin/dpmrtool" read -o "$work/read.dat" 2>"$work/read.err"
grep -q "/dev/dpmr-user-port" "$work/read.err" ||
    fail "staged dpmrtool read does not take the user's port: $(cat "$work/read.err")"

[ "$failures" -eq 0 ] && echo "install test passed" || exit 1
