#!/usr/bin/env bash
# Brimlow's set-up on a fresh Debian 12 machine: installs the packages that are
# missing, builds everything, then either starts Brimlow or runs the tests.
#
#   ./setup.sh run         build and start Brimlow (without a display: a screenshot)
#   ./setup.sh test        build and run the whole test suite, then the same suite
#                          again under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./setup.sh test quick  the test suite without the sanitizer pass
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev libgl-dev
    libsqlcipher-dev libssl-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth imagemagick
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
    configure_and_build build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"
    if [ "${2:-}" != quick ]; then
        configure_and_build build-sanitize -DBRIMLOW_SANITIZE=ON -DBRIMLOW_BUILD_BENCH=OFF
        QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
    fi
    ;;
*)
    echo "usage: $0 run | test [quick]" >&2
    exit 2
    ;;
esac
