#!/bin/sh
# The built Debian package on this machine, as a user gets it: apt-get
# installs it; the programs run from /usr; `man dpmrtool` names every command;
# the menu entry validates, its Exec line starts dpmrcps under Xvfb, and so
# does `dpmrcps --demo`; the icon is in the hicolor theme; then apt-get purge
# leaves none of the package's files behind. Needs root, and refuses to run
# while dpmrcps is installed (it would remove the user's copy).
#   DebTest.sh PACKAGE.deb        (make deb-test)
set -u
deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

[ "$(id -u)" = 0 ] || { echo "DebTest.sh installs a package: run it as root"; exit 2; }
if dpkg-query -W -f='${Status}' dpmrcps 2>/dev/null | grep -q 'install ok installed'; then
    echo "dpmrcps is installed already; remove it first (this test would remove it)"
    exit 2
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; echo "FAIL: apt-get install $deb"; exit 1; }
dpkg -L dpmrcps >"$work/files"

# The programs and the manual page, from /usr.
export HOME="$work/home"
mkdir -p "$HOME"
dpmrcps --version | grep -q "^dpmrcps " || fail "dpmrcps --version"
commands=$(dpmrtool --help | sed -n '/^Commands:/,/^$/p' | awk 'NF > 1 { print $1 }')
[ -n "$commands" ] || fail "dpmrtool --help lists no commands"
LC_ALL=C.UTF-8 MANWIDTH=200 man dpmrtool 2>"$work/man.err" | col -b >"$work/dpmrtool.txt"
[ -s "$work/man.err" ] && fail "man dpmrtool: $(cat "$work/man.err")"
for command in $commands; do
    grep -Eq "^ +$command\$" "$work/dpmrtool.txt" || fail "man dpmrtool lacks the command $command"
done

# The menu entry, its icon and the metainfo.
desktop=$(grep '^/usr/share/applications/.*\.desktop$' "$work/files")
[ -n "$desktop" ] || fail "no menu entry in /usr/share/applications"
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || fail "$(cat "$work/desktop.log")"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16x16 32x32 48x48 256x256; do
    [ -f "/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon $icon in hicolor"
done
[ -f /usr/share/icons/hicolor/icon-theme.cache ] &&
    { grep -qF "$icon" /usr/share/icons/hicolor/icon-theme.cache || fail "hicolor's icon cache lacks $icon"; }
for metainfo in $(grep '^/usr/share/metainfo/' "$work/files"); do
    appstreamcli validate --no-net "$metainfo" >"$work/metainfo.log" 2>&1 ||
        fail "$(cat "$work/metainfo.log")"
done

# The Exec line without its field codes (%f: no file), and --demo, each under
# Xvfb: the main window ("<model> Software") comes up and the program runs on.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUick]//g')
cat >"$work/starts.sh" <<'EOF'
#!/bin/sh
# Runs "$@", waits up to 20 s for the main window, says whether it came up.
"$@" >"$HOME/program.log" 2>&1 &
pid=$!
for second in $(seq 20); do
    sleep 1
    if xwininfo -root -tree | grep -q ' Software' && kill -0 "$pid" 2>/dev/null; then
        { kill "$pid" && wait "$pid"; } 2>/dev/null
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || break
done
kill "$pid" 2>/dev/null
cat "$HOME/program.log"
exit 1
EOF
# shellcheck disable=SC2086
xvfb-run -a -s "-screen 0 1280x800x24" sh "$work/starts.sh" $exec_line ||
    fail "the menu entry's Exec line ($exec_line) shows no main window"
xvfb-run -a -s "-screen 0 1280x800x24" sh "$work/starts.sh" dpmrcps --demo ||
    fail "dpmrcps --demo shows no main window"

# Purged, the package leaves none of its files.
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq dpmrcps >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get purge dpmrcps"; }
while read -r path; do
    [ -d "$path" ] || [ ! -e "$path" ] || echo "$path"
done <"$work/files" >"$work/left"
for folder in /usr/share/dpmrcps /usr/share/doc/dpmrcps; do
    [ -e "$folder" ] && echo "$folder"
done >>"$work/left"
[ -s "$work/left" ] && fail "left after purge: $(cat "$work/left")"

[ "$failures" -eq 0 ] && echo "package test passed" || exit 1
