#!/bin/bash
# The binary interface of the shared libraries, against the descriptions
# checked in beside this script (abidw's XML, from Debian's abigail-tools).
#
#   abi/abi.sh check  <build folder>   compares each library of the build with its
#                                      description and its Debian symbols file;
#                                      fails on an incompatible change
#   abi/abi.sh update <build folder>   writes the descriptions and the symbols
#                                      files anew from the build
#
# The Debian symbols file of each library package (packaging/<package>.symbols,
# as dpkg-gensymbols writes it) lists the library's exported names with the
# version that brought each; check fails when a listed name is gone.
#
# Only what the installed headers declare counts: types private to a library
# are left out on both sides. abidiff's exit status is a bit set: 8 is a change
# that breaks programs built against the description (a removed or changed
# function, a type whose size or layout changed), 4 a change that breaks none
# (additions). The first fails the check; for the second the check says how to
# bring the description up to date, which belongs in the same commit.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(dirname "$here")
mode=${1:?usage: abi.sh check|update <build folder>}
build=$(cd "${2:?usage: abi.sh check|update <build folder>}" && pwd)

# The version new names in a symbols file get.
version=2.0.0
# library, its package, its development package, then the folders of its
# installed headers
libraries=(
    "libformkitcore.so.2:libformkitcore2:formkit-dev:$source/toolkit/core/include/Formkit:$build/toolkit/generated/Formkit"
    "libformkitwidgets.so.2:libformkitwidgets2:formkit-dev:$source/toolkit/include/Formkit"
    "liblumivane.so.2:liblumivane2:lumivane-dev:$source/lumivane/include/Lumivane:$source/lumivane/dispatchids/include/Lumivane:$build/lumivane/generated/Lumivane"
)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
for entry in "${libraries[@]}"; do
    IFS=: read -r library package devpackage headers <<<"$entry"
    symbols=$source/packaging/$package.symbols
    file=$build/bin/$library
    description=$here/${library%%.so*}.abi
    [ -f "$file" ] || { echo "abi: $file is not built" >&2; exit 1; }
    headerArgs=()
    for folder in ${headers//:/ }; do
        headerArgs+=(--headers-dir "$folder")
    done
    case "$mode" in
    update)
        abidw --no-corpus-path --no-comp-dir-path --no-show-locs --drop-private-types "${headerArgs[@]}" --out-file "$description" "$file"
        echo "abi: wrote ${description#"$source"/}"
        # dpkg-gensymbols keeps the versions of the names already listed.
        basis=()
        [ -f "$symbols" ] && basis=(-I"$symbols")
        (cd "$scratch" && dpkg-gensymbols -q -p"$package" -v"$version" -e"$file" "${basis[@]}" \
            -O"$scratch/symbols" -c0)
        { head -n 1 "$scratch/symbols"
          echo "* Build-Depends-Package: $devpackage"
          tail -n +2 "$scratch/symbols" | grep -v '^\* Build-Depends-Package'; } >"$symbols"
        echo "abi: wrote ${symbols#"$source"/}"
        ;;
    check)
        [ -f "$description" ] || { echo "abi: no description ${description#"$source"/}" >&2; exit 1; }
        headerArgs2=()
        for folder in ${headers//:/ }; do
            headerArgs2+=(--headers-dir2 "$folder")
        done
        result=0
        report=$(abidiff --drop-private-types "${headerArgs2[@]}" "$description" "$file") || result=$?
        if (( result & 8 )); then
            echo "abi: $library breaks its binary interface (abidiff exit $result):"
            echo "$report"
            status=1
        elif (( result & 4 )); then
            echo "abi: $library adds to its binary interface (abidiff exit $result):"
            echo "$report"
            echo "abi: compatible; update the description in the same commit:"
            echo "     abi/abi.sh update <build folder>   (or cmake --build <build> --target abi-update)"
        elif (( result != 0 )); then
            echo "abi: abidiff could not compare $library (exit $result):" >&2
            echo "$report" >&2
            status=1
        else
            echo "abi: $library as described"
        fi
        # The symbols file: a listed name that is gone fails (check level 1).
        [ -f "$symbols" ] || { echo "abi: no symbols file ${symbols#"$source"/}" >&2; exit 1; }
        if ! out=$(cd "$scratch" && dpkg-gensymbols -p"$package" -v"$version" -e"$file" -I"$symbols" \
                -O"$scratch/symbols" -c1 2>&1); then
            echo "abi: $library no longer exports every name of ${symbols#"$source"/}:"
            echo "$out"
            status=1
        elif grep -q '^+ ' <<<"$out"; then
            echo "abi: $library exports names ${symbols#"$source"/} does not list; update it:"
            grep '^+ ' <<<"$out"
        fi
        ;;
    *)
        echo "usage: abi.sh check|update <build folder>" >&2
        exit 2
        ;;
    esac
done
exit $status
