#!/usr/bin/env bash
# Sets up the machine, builds the project twice (plain, and with address and undefined-behaviour
# sanitizers), and runs every test of both builds inside a private network namespace, offscreen.
# Discovery tests make further namespaces of their own inside it and remove them again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh" "$root/build"
"$root/scripts/setup.sh" "$root/build-asan" -DVP_SANITIZE=ON -DVP_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug

if [ "$(id -u)" -ne 0 ]; then
    echo "The tests create network namespaces and need root." >&2
    exit 1
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_suite() {
    # A fresh network namespace holds only a loopback interface: nothing we send leaves it.
    # Arguments after the build directory go to ctest.
    unshare --net -- bash -c '
        set -e
        ip link set lo up
        cd "$1"
        shift
        ctest --output-on-failure --timeout 300 -j "$(nproc)" "$@"
    ' run_suite "$@"
}

echo "== translations =="
python3 "$root/scripts/translations.py" check

echo "== sanitizer build (the one-minute soak runs once, in the plain build) =="
run_suite "$root/build-asan" -LE soak
echo "== plain build =="
run_suite "$root/build"

echo "== install and package =="
# The installed tree holds the programs, translations, desktop entry, icon and documentation; the
# Debian package carries the same files and declares what they need at run time.
stage=$(mktemp -d)
DESTDIR="$stage" cmake --install "$root/build" --prefix /usr/local >/dev/null
for f in bin/vpcontrol bin/vpsim share/applications/vpcontrol.desktop \
         share/icons/hicolor/scalable/apps/vpcontrol.svg share/icons/hicolor/256x256/apps/vpcontrol.png \
         share/vpcontrol/translations/zh_cn.qm share/vpcontrol/translations/zh_tw.qm \
         share/doc/vpcontrol/README.md; do
    [ -e "$stage/usr/local/$f" ] || { echo "install: $f is missing" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$stage/usr/local/share/applications/vpcontrol.desktop"
fi
rm -rf "$stage"
"$root/scripts/package.sh" "$root/build"
echo "== fuzzing (bounded) =="
# Each libFuzzer target runs on its seed corpus for a bounded time (VP_FUZZ_SECONDS, default 30).
unshare --net -- "$root/scripts/fuzz.sh" --seconds "${VP_FUZZ_SECONDS:-30}" --build-dir "$root/build-fuzz"
echo "== all tests passed =="
