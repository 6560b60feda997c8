#!/bin/bash
# The Debian packages: cpack -G DEB in a copy of the build's package settings,
# then lintian on every package; an error from lintian fails, warnings are
# printed (the report lists the ones left and why). The library packages ship
# a symbols file: any lintian tag about symbols (informational ones included)
# fails for them.
#
#   debpackages.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >cpack.log 2>&1 || { cat cpack.log; exit 1; }
shopt -s nullglob
debs=("$work"/*.deb)
[ ${#debs[@]} -gt 0 ] || { cat cpack.log; echo "FAIL: cpack made no package"; exit 1; }
status=0
for deb in "${debs[@]}"; do
    echo "== $(basename "$deb")"
    dpkg-deb --field "$deb" Package Depends
    # lintian exits non-zero on errors (and on nothing else with --fail-on error).
    report=$(lintian --fail-on error --display-info --tag-display-limit 0 "$deb") || status=1
    [ -z "$report" ] || echo "$report"
    case "$(basename "$deb")" in
    lib*)
        dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx './symbols' \
            || { echo "FAIL: $(basename "$deb") ships no symbols file"; status=1; }
        if grep -i 'symbols' <<<"$report"; then
            echo "FAIL: lintian has something to say of $(basename "$deb")'s symbols"
            status=1
        fi
        ;;
    esac
done
exit $status
