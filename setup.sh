#!/usr/bin/env bash
# Brimlow's set-up on a fresh Debian 12 machine: installs the packages that are
# missing, builds everything, then either starts Brimlow or runs the tests.
#
#   ./setup.sh run         build and start Brimlow (without a display: a screenshot)
#   ./setup.sh test        build everything and the API documentation, check the
#                          libraries' binary interface (abi/), run the
#                          whole test suite, then the same suite
#                          again under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./setup.sh test quick  the test suite without the sanitizer pass
#   ./setup.sh package     the Debian packages, hardened, checked by lintian
#   ./setup.sh fuzz [secs] build the libFuzzer targets with clang and run each for
#                          60 seconds (or secs) from its seed corpus
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}

packages=(
    build-essential cmake pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev libqt6opengl6-dev libgl-dev
    libsqlcipher-dev libssl-dev libbenchmark-dev
    clang libclang-rt-14-dev
    doxygen
    xvfb xauth imagemagick file
    desktop-file-utils appstream lintian groff-base dpkg-dev fakeroot abigail-tools binutils
    libgif-dev fonts-lobster
    xdotool libxcb1-dev
    dbus dbus-x11
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
configure_and_build() { # <build folder> [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMLOW_WERROR=ON "$@"
    cmake --build "$dir" -j"$jobs"
}

case "$mode" in
run)
    configure_and_build build
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec build/bin/brimlow
    fi
    # No display: start Brimlow on a virtual one, let the start-up conversion run,
    # and keep a screenshot of the ready window.
    shot="$PWD/brimlow.png"
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        build/bin/brimlow & pid=$!
        sleep 2
        import -window root "$0"
        kill $pid' "$shot"
    convert "$shot" -trim +repage "$shot"
    echo "No display here: Brimlow ran on a virtual screen; its ready window is in $shot"
    ;;
test)
    # Every C++ file as .clang-format lays it out: a difference fails the run.
    find app bench conversion examples flask formstate lumivane resources results tests toolkit tools units \
        -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror
    configure_and_build build
    cmake --build build --target docs # fails on any undocumented public member
    # The libraries' binary interface against abi/: an incompatible change fails.
    abi/abi.sh check build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"
    if [ "${2:-}" != quick ]; then
        configure_and_build build-sanitize -DBRIMLOW_SANITIZE=ON -DBRIMLOW_BUILD_BENCH=OFF
        QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
    fi
    ;;
package)
    # The Debian packages, built hardened as Debian builds its own, checked by
    # lintian (an error fails), in build-package/.
    configure_and_build build-package -DBRIMLOW_HARDENING=ON -DBRIMLOW_BUILD_BENCH=OFF
    tests/packaging/debpackages.sh "$PWD/build-package" "$PWD/build-package/debs"
    echo "Packages in build-package/debs: sudo apt install ./build-package/debs/*.deb"
    ;;
fuzz)
    # The libraries are built with coverage and the sanitizers too, so the
    # fuzzers see into the code they test; new inputs and any crashing input
    # stay in build-fuzz/, the seed corpora in tests/ are only read.
    flags="-fsanitize=fuzzer-no-link,address,undefined"
    CC=clang CXX=clang++ CFLAGS="$flags" CXXFLAGS="$flags" LDFLAGS="-fsanitize=address,undefined" \
        cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMLOW_FUZZ=ON -DBRIMLOW_BUILD_BENCH=OFF
    seconds=${2:-60}
    corpora=(tests/*/corpus_*)
    targets=()
    for seeds in "${corpora[@]}"; do
        name=${seeds##*/corpus_}
        targets+=("fuzz_$name")
    done
    cmake --build build-fuzz --target "${targets[@]}" -j"$jobs"
    mkdir -p build-fuzz/artifacts
    failed=0
    for seeds in "${corpora[@]}"; do
        name=${seeds##*/corpus_}
        corpus="build-fuzz/$seeds"
        mkdir -p "$corpus"
        cp -n "$seeds"/* "$corpus"/
        echo "== fuzz_$name: $seconds s from $corpus"
        log="build-fuzz/artifacts/fuzz_$name.log"
        if build-fuzz/bin/"fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="build-fuzz/artifacts/fuzz_$name-" "$corpus" >"$log" 2>&1; then
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
            echo "fuzz_$name: $runs executions in $seconds s, no fault"
        else
            tail -n 40 "$log"
            echo "fuzz_$name: FAULT (input and log in build-fuzz/artifacts/)"
            failed=1
        fi
    done
    exit $failed
    ;;
*)
    echo "usage: $0 run | test [quick] | package | fuzz [seconds]" >&2
    exit 2
    ;;
esac
