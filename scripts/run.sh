#!/usr/bin/env bash
# The demo: builds what is missing, then starts vpcontrol against simulated devices (vpsim) - a
# KS9200 and a GW5 on a private network, a KX4200 on a pseudo-terminal - inside network
# namespaces of their own, so the start-up search finds the simulated devices and nothing else.
# Works as root, or as an ordinary user where the system allows user namespaces.
#
#   scripts/run.sh [--xvfb] [--screenshot FILE] [--no-devices] [vpcontrol arguments...]
#
#   --xvfb             run on a virtual X display (Xvfb) instead of the desktop's
#   --screenshot FILE  save the screen to FILE (PNG) 8 seconds after vpcontrol starts (X11 only;
#                      needs xwd and ImageMagick's convert)
#   --no-devices       vpcontrol alone in an empty private network
#
# Environment: VP_BUILD (build folder, default build/), VP_NO_BUILD=1 (use the binaries there as
# they are), VP_RUN_SECONDS (end the demo after this many seconds; for unattended runs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VP_BUILD:-$root/build}

die() { echo "run.sh: $*" >&2; exit 1; }

xvfb=0 screenshot="" devices=1
args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --xvfb) xvfb=1 ;;
    --screenshot) [ $# -ge 2 ] || die "--screenshot needs a file"; screenshot=$(realpath -m "$2"); shift ;;
    --no-devices) devices=0 ;;
    -h | --help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) args+=("$1") ;;
    esac
    shift
done

if [ "${VP_RUN_INNER:-}" != 1 ]; then
    # --- outside: build, check what the demo needs, enter the private network -------------------
    if [ "${VP_NO_BUILD:-}" = 1 ]; then
        [ -x "$build/vpcontrol" ] && [ -x "$build/sim/vpsim" ] || die "VP_NO_BUILD=1 but $build holds no vpcontrol and sim/vpsim"
    elif [ -x "$build/vpcontrol" ] && [ -x "$build/sim/vpsim" ]; then
        cmake --build "$build" --target vpcontrol vpsim >/dev/null || die "the build failed (cmake --build $build)"
    elif [ "$(id -u)" = 0 ]; then
        "$root/scripts/setup.sh" "$build" >/dev/null || die "scripts/setup.sh failed"
    else
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
            && cmake --build "$build" --target vpcontrol vpsim >/dev/null \
            || die "the build failed; as root, scripts/setup.sh installs what the build needs"
    fi
    for tool in ip unshare nsenter; do
        command -v "$tool" >/dev/null || die "missing the '$tool' command (Debian: apt-get install iproute2 util-linux)"
    done
    if [ $xvfb = 1 ]; then
        command -v Xvfb >/dev/null || die "--xvfb needs Xvfb (Debian: apt-get install xvfb)"
    elif [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        die "no display: neither DISPLAY nor WAYLAND_DISPLAY is set (start it from a desktop session, or add --xvfb for a virtual display)"
    fi
    if [ -n "$screenshot" ]; then
        command -v xwd >/dev/null && command -v convert >/dev/null \
            || die "--screenshot needs xwd and convert (Debian: apt-get install x11-apps imagemagick)"
    fi
    if [ "$(id -u)" = 0 ]; then
        ns=(unshare --net --)
    else
        ns=(unshare --user --map-root-user --net --)
    fi
    if ! "${ns[@]}" true 2>/dev/null; then
        die "cannot create a private network namespace: this system does not allow user namespaces for ordinary users (see sysctl kernel.unprivileged_userns_clone and user.max_user_namespaces); run as root instead"
    fi
    export VP_RUN_INNER=1 VP_BUILD="$build"
    inner=()
    [ $xvfb = 1 ] && inner+=(--xvfb)
    [ -n "$screenshot" ] && inner+=(--screenshot "$screenshot")
    [ $devices = 0 ] && inner+=(--no-devices)
    exec "${ns[@]}" bash "$0" "${inner[@]}" "${args[@]}"
fi

# --- inside: root of a network namespace that has only loopback ----------------------------------
tmp=$(mktemp -d "${TMPDIR:-/tmp}/vpdemo.XXXXXX")
pids=()
cleanup() {
    trap - EXIT INT TERM
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

ip link set lo up
app_args=()
if [ $devices = 1 ]; then
    # The device side: a second namespace, held open by a sleeping process, joined by a veth pair.
    unshare --net sleep infinity &
    holder=$!
    pids+=("$holder")
    for _ in $(seq 100); do
        [ "$(readlink "/proc/$holder/ns/net" 2>/dev/null)" != "$(readlink /proc/self/ns/net)" ] && break
        sleep 0.05
    done
    ip link add va-demo type veth peer name vd-demo
    ip link set vd-demo netns "$holder"
    ip addr add 10.213.9.1/24 dev va-demo
    ip link set va-demo up
    nsenter -t "$holder" -n sh -c 'ip link set lo up && ip addr add 10.213.9.2/24 dev vd-demo &&
        ip addr add 10.213.9.4/24 dev vd-demo && ip link set vd-demo up'
    nsenter -t "$holder" -n "$build/sim/vpsim" --config "$root/sim/examples/demo.json" \
        --device "KX4200:pty,link=$tmp/kx4200,name=Lobby,usb" \
        --state-file "$tmp/state.json" --log "$tmp/frames.jsonl" --image-dir "$tmp/images" \
        >"$tmp/vpsim.out" 2>&1 &
    pids+=("$!")
    for _ in $(seq 100); do
        [ -e "$tmp/state.json" ] && break
        kill -0 "${pids[-1]}" 2>/dev/null || { cat "$tmp/vpsim.out" >&2; die "vpsim did not start"; }
        sleep 0.05
    done
    [ -e "$tmp/state.json" ] || die "vpsim did not start"
    # Wait for the veth to carry traffic before the start-up search picks its interfaces.
    for _ in $(seq 100); do
        ip link show va-demo | grep -q 'state UP' && break
        sleep 0.05
    done
    echo "Simulated devices (private network 10.213.9.0/24, nothing else reachable):"
    grep '^vpsim: [A-Z0-9]' "$tmp/vpsim.out" | grep -v ready | sed 's/^vpsim: /  /'
    echo "Frames are logged to $tmp/frames.jsonl while the demo runs."
    app_args+=(--serial-port "$tmp/kx4200")
fi

if [ $xvfb = 1 ]; then
    n=99
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=("$!")
    export DISPLAY=":$n"
    unset WAYLAND_DISPLAY
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
fi

"$build/vpcontrol" "${app_args[@]}" ${args[@]+"${args[@]}"} &
app=$!
pids+=("$app")
if [ -n "$screenshot" ]; then
    (sleep 8 && xwd -root -silent | convert xwd:- "png:$screenshot" && echo "Screenshot: $screenshot") &
    pids+=("$!")
fi
if [ -n "${VP_RUN_SECONDS:-}" ]; then
    (sleep "$VP_RUN_SECONDS" && touch "$tmp/timeout" && kill "$app" 2>/dev/null) &
    pids+=("$!")
fi
status=0
wait "$app" || status=$?
[ -e "$tmp/timeout" ] && status=0
exit $status
