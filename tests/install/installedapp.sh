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
# saved conversion, whose units come from the installed unit file. Where
# dbus-x11 is installed, as on most desktops, the session bus's own autolaunch
# keeps its address under ~/.dbus: that is not the program's writing. The logo
# control is made by name through the prefix's registration: the running
# program has the prefix's liblumivane mapped.
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

# The run, on a screen of its own. Everything the program may read or write
# for this user is inside $home.
cat >"$work/run.sh" <<'RUN'
#!/bin/bash
set -euo pipefail
prefix=$1
home=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
waitfor() {
    local what=$1; shift
    for _ in $(seq 300); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}
env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/run" \
    QT_QPA_PLATFORM=xcb "$prefix/bin/brimlow" >"$home/brimlow.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=
findwindow() { window=$(xdotool search --onlyvisible --name '^Brimlow$' | head -1); [ -n "$window" ]; }
waitfor "the Brimlow window" findwindow
# The logo control came from the prefix, by name.
waitfor "the logo control's module" grep -q "$prefix/lib/liblumivane.so" /proc/$pid/maps
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
xvfb-run -a -s "-screen 0 1024x768x24" "$work/run.sh" "$prefix" "$home" || { cat "$home/brimlow.log" >&2 || true; exit 1; }

csv=$(cat "$home/Documents/BrimlowCSV.txt")
echo "$csv"
grep -q '350' <<<"$csv" || fail "the results file has no row for 350: $csv"
# ~/.dbus belongs to the session bus that dbus-x11 starts for a program that
# finds none (a desktop without a bus address), not to the program.
[ -z "$(find "$home" -newer "$work/run.sh" -type f ! -path "$home/Documents/*" ! -name brimlow.log \
    ! -name installed-window.png ! -path "$home/.config/*" ! -path "$home/.cache/*" ! -path "$home/run/*" \
    ! -path "$home/.dbus/*" \
    -print -quit)" ] || fail "the program wrote outside its places"
echo "installed brimlow: window, logo by name, results file in the documents folder"
