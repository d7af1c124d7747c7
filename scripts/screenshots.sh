#!/usr/bin/env bash
# Screenshots of every window in the three languages against simulated devices: builds ui_shots
# and vpsim when needed, then runs ui_shots once per language inside a private network namespace
# (only loopback and the veth pair ui_shots creates to the simulator's namespace), on a virtual X
# display when Xvfb is installed, otherwise with Qt's offscreen platform.
#
#   scripts/screenshots.sh [OUT_DIR] [BUILD_DIR]
#
# OUT_DIR defaults to /tmp/vp-shots, BUILD_DIR to build/. Needs root (the private networks).
# Environment: VP_SHOTS_LANGS (default "en zh_cn zh_tw"), VP_SHOTS_SETTLE (ms a dialog is given
# to fill, default 1500), VP_NO_BUILD=1 (use the binaries as they are).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-/tmp/vp-shots}")
build=$(realpath -m "${2:-$root/build}")
langs=${VP_SHOTS_LANGS:-en zh_cn zh_tw}
settle=${VP_SHOTS_SETTLE:-1500}

die() { echo "screenshots.sh: $*" >&2; exit 1; }

[ "$(id -u)" = 0 ] || die "needs root: ui_shots creates network namespaces for the simulator"
for tool in ip unshare; do
    command -v "$tool" >/dev/null || die "missing the '$tool' command (Debian: apt-get install iproute2 util-linux)"
done

shots=$build/shots/ui_shots
vpsim=$build/sim/vpsim
if [ "${VP_NO_BUILD:-}" != 1 ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
            || die "cmake could not configure $build"
    fi
    cmake --build "$build" --target ui_shots vpsim || die "the build failed (cmake --build $build --target ui_shots vpsim)"
fi
[ -x "$shots" ] && [ -x "$vpsim" ] || die "$build holds no shots/ui_shots and sim/vpsim"
mkdir -p "$out"

status=0
for lang in $langs; do
    echo "== $lang"
    ns=vpshot$$
    ns=${ns:0:10}
    VP_NS=$ns VP_SHOTS=$shots VP_SIM=$vpsim VP_OUT=$out VP_LANG=$lang VP_SETTLE=$settle \
        timeout --kill-after=10 600 unshare --net bash -c '
        set -u
        ip link set lo up
        xpid=""
        if command -v Xvfb >/dev/null; then
            n=120
            while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
            Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
            xpid=$!
            for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
            else
                kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; xpid=""
            fi
        fi
        [ -n "$xpid" ] || export QT_QPA_PLATFORM=offscreen
        unset WAYLAND_DISPLAY
        echo "platform: $QT_QPA_PLATFORM ${DISPLAY:-}"
        rc=0
        "$VP_SHOTS" "$VP_OUT" "$VP_LANG" --vpsim "$VP_SIM" --settle "$VP_SETTLE" --netns "$VP_NS" || rc=$?
        if [ -n "$xpid" ]; then kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; fi
        exit $rc
    ' || { rc=$?; echo "screenshots.sh: ui_shots $lang ended with status $rc" >&2; status=1; }
    # Left behind only when ui_shots was killed.
    "$build/sim/netns.sh" down "$ns" 2>/dev/null || true
done
echo "Pictures in $out:"
ls "$out" | sed 's/^/  /'
exit $status
