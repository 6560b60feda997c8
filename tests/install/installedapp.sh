#!/bin/bash
# The program as a user gets it from `cmake --install`:
#
#   installedapp.sh <build folder> <scratch folder>
#   installedapp.sh --installed <prefix> <scratch folder>
#
# installs the build into <scratch>/prefix (or takes a prefix installed
# already), checks the installed desktop entry
# and metainfo with the tools desktops use, then starts <prefix>/bin/brimlow on a
# virtual screen (xvfb-run) with an empty home of its own and nothing pointing
# into the build: no library path, no control registry named. It works the
# window from outside, as a user does, with xdotool: types a volume into the
# volume box, clicks "Save" and "Make File" at their places in the window, and
# checks that the results file lands in that home's documents folder with the
# saved conversion, whose units come from the installed unit file. The program
# runs as a desktop session runs it, inside a session bus of its own
# (dbus-run-session), so nothing may appear in the home outside its places. The
# logo control is made by name through the prefix's registration: the running
# program has the prefix's liblumivane mapped. Before that run, the user's own
# registry holds what a stale or foreign set-up leaves there (a library that is
# no control, whose code leaves a file when it runs, one that is gone, a
# registry writable by all, a FIFO, /dev/zero, an oversized file): each time the
# window appears with the installed control, and the foreign code never runs.
set -euo pipefail
if [ "$1" = --installed ]; then
    prefix=$2
    work=$3
else
    build=$1
    work=$2
    prefix=$work/prefix
fi
home=$work/home

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls a condition for up to 30 s; the program starts in well under a second,
# but a loaded machine may take longer.
waitfor() {
    local what=$1; shift
    for _ in $(seq 300); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

rm -rf "$work"
mkdir -p "$home"
if [ -n "${build:-}" ]; then
    cmake --install "$build" --prefix "$prefix" >/dev/null
fi

for file in bin/brimlow share/brimlow/brimlowDB.mdb share/applications/org.brimlow.Brimlow.desktop \
        share/metainfo/org.brimlow.Brimlow.metainfo.xml share/man/man1/brimlow.1.gz \
        share/doc/brimlow/copyright share/doc/brimlow/changelog.gz; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/org.brimlow.Brimlow.png
    [ -f "$icon" ] || fail "not installed: $icon"
    file "$icon" | grep -q "$size x $size" || fail "$icon is not $size px: $(file "$icon")"
done
# A hint or a warning fails the check as an error does.
out=$(desktop-file-validate "$prefix/share/applications/org.brimlow.Brimlow.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$prefix/share/metainfo/org.brimlow.Brimlow.metainfo.xml" \
    || fail "appstreamcli validate"
readelf -d "$prefix/bin/brimlow" | grep -q 'RUNPATH.*\$ORIGIN/\.\./lib' || fail "brimlow has no \$ORIGIN RUNPATH"

# A library that is no control: its code leaves "<library>.ran" when it runs.
foreign=$work/foreign/libnotacontrol.so
mkdir -p "$work/foreign"
cat >"$work/foreign/notacontrol.c" <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>
__attribute__((constructor)) static void leave_mark(void)
{
    Dl_info info;
    char mark[4096];
    if (!dladdr((void *)&leave_mark, &info) || !info.dli_fname)
        return;
    snprintf(mark, sizeof mark, "%s.ran", info.dli_fname);
    FILE *file = fopen(mark, "w");
    if (file)
        fclose(file);
}
int DllGetClassObject(const char *c, const char *i, void **object) { (void)c; (void)i; *object = 0; return 0; }
C
cc -shared -fPIC -o "$foreign" "$work/foreign/notacontrol.c" -ldl || fail "cannot build the foreign library"

# The run, on a screen of its own. Everything the program may read or write
# for this user is inside $home.
cat >"$work/run.sh" <<'RUN'
#!/bin/bash
set -euo pipefail
prefix=$1
home=$2
foreign=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
waitfor() {
    local what=$1; shift
    for _ in $(seq 300); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}
# Starts the installed program as a desktop session does; $app is its process.
start() {
    env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="$home" \
        XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb \
        dbus-run-session -- "$prefix/bin/brimlow" >"$home/brimlow.log" 2>&1 &
    session=$!
    app=
    findapp() { app=$(pgrep -P "$session" -x brimlow); [ -n "$app" ]; }
    waitfor "the program" findapp
}
stop() {
    kill "$app" 2>/dev/null || true
    wait "$session" 2>/dev/null || true
}
session=
app=
trap stop EXIT
window=
findwindow() { window=$(xdotool search --onlyvisible --name '^Brimlow$' | head -1); [ -n "$window" ]; }
mkdir -p "$home/run"
chmod 700 "$home/run"

# What a stale or foreign set-up leaves in the user's registry: the installed
# control serves the window each time, and no foreign code runs.
registry=$home/.local/share/formkit/controls.json
classid='{6AFEA333-57C6-4DD9-88C0-E3A240370351}'
entry() { # <library>
    printf '{"CLSID":{"%s":{"Control":true,"InprocServer":"%s","name":"Lumivane"}},"ProgID":{"LumivaneBox.Lumivane":"%s"}}\n' \
        "$classid" "$1" "$classid"
}
mkdir -p "$(dirname "$registry")"
for case in foreign gone everybody fifo zero oversized; do
    rm -f "$registry" "$foreign.ran"
    case $case in
    foreign) entry "$foreign" >"$registry" ;;
    gone) entry "$home/gone/liblumivane.so.2" >"$registry" ;;
    everybody) entry "$foreign" >"$registry"; chmod 666 "$registry" ;;
    fifo) mkfifo "$registry" ;;
    zero) ln -s /dev/zero "$registry" ;;
    oversized) head -c 5000000 /dev/zero | tr '\0' ' ' >"$registry"; echo '{}' >>"$registry" ;;
    esac
    start
    waitfor "the Brimlow window with the user's registry: $case" findwindow
    waitfor "the installed logo control with the user's registry: $case" \
        grep -q "$prefix/lib/liblumivane.so" /proc/$app/maps
    [ ! -e "$foreign.ran" ] || fail "the foreign library's code ran (user's registry: $case)"
    stop
    rm -f "$registry"
    echo "user's registry $case: skipped, installed control used"
done
rm -rf "$home/.local/share/formkit"

start
waitfor "the Brimlow window" findwindow
# The logo control came from the prefix, by name.
waitfor "the logo control's module" grep -q "$prefix/lib/liblumivane.so" /proc/$app/maps
# Places in the window's client area (407 x 299 px, 6105 x 4485 twips at 96 dpi),
# in pixels from its top left corner: the volume box, and "Save" and "Make
# File" in the Report frame. The window's own frame lies around the client area,
# its title bar above it.
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$(((WIDTH - 407) / 2))
top=$((HEIGHT - 299 - left))
click() { xdotool mousemove --window "$window" $((left + $1)) $((top + $2)) click 1; }
click 80 282                           # the volume box
# Keys and clicks go through the X server's test extension in order, so each
# one reaches the window after the one before it has been handled.
xdotool key End BackSpace BackSpace BackSpace
xdotool type 350
click 198 181                          # Save
click 267 181                          # Make File
waitfor "BrimlowCSV.txt in the documents folder" test -s "$home/Documents/BrimlowCSV.txt"
import -window root "$home/installed-window.png" 2>/dev/null || true
RUN
chmod +x "$work/run.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/run.sh" "$prefix" "$home" "$foreign" || { cat "$home/brimlow.log" >&2 || true; exit 1; }

csv=$(cat "$home/Documents/BrimlowCSV.txt")
echo "$csv"
grep -q '350' <<<"$csv" || fail "the results file has no row for 350: $csv"
# ~/.dbus belongs to the session bus that dbus-x11 starts for a program that
# finds none (a desktop without a bus address), not to the program.
[ -z "$(find "$home" -newer "$work/run.sh" -type f ! -path "$home/Documents/*" ! -name brimlow.log \
    ! -name installed-window.png ! -path "$home/.config/*" ! -path "$home/.cache/*" ! -path "$home/run/*" \
    -print -quit)" ] || fail "the program wrote outside its places"
echo "installed brimlow: window, logo by name, results file in the documents folder"
