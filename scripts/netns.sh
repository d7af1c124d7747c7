#!/usr/bin/env bash
# A private network for discovery tests and the demo: a device-side network namespace joined to
# the application side by a veth pair. Nothing is routed anywhere else, so search broadcasts and
# device traffic stay between the two ends.
#
#   netns.sh up NAME [--here] APP_CIDR DEV_CIDR...   create NAME-dev (and NAME-app unless --here,
#                                                     which keeps the application end in the
#                                                     caller's own namespace)
#   netns.sh down NAME                                remove both namespaces and the veth pair
#   netns.sh exec NAME app|dev COMMAND...             run a command in one of the namespaces
#
# NAME: at most 10 letters or digits. Needs root (or CAP_NET_ADMIN and a writable /run/netns).
set -euo pipefail

die() { echo "netns.sh: $*" >&2; exit 1; }
command -v ip >/dev/null || die "the ip command (iproute2) is missing"

cmd=${1:-}; shift || true
name=${1:-}; shift || true
[[ "$name" =~ ^[A-Za-z0-9]{1,10}$ ]] || die "NAME must be 1 to 10 letters or digits"
app_ns="$name-app" dev_ns="$name-dev" va="va-$name" vd="vd-$name"

case "$cmd" in
up)
    here=0
    if [ "${1:-}" = "--here" ]; then here=1; shift; fi
    [ $# -ge 2 ] || die "up needs APP_CIDR and at least one DEV_CIDR"
    app_cidr=$1; shift
    ip netns add "$dev_ns"
    trap 'ip netns del "$dev_ns" 2>/dev/null || true; [ $here = 1 ] || ip netns del "$app_ns" 2>/dev/null || true' ERR
    ip -n "$dev_ns" link set lo up
    if [ $here = 1 ]; then
        ip link add "$va" type veth peer name "$vd" netns "$dev_ns"
        ip addr add "$app_cidr" dev "$va"
        ip link set "$va" up
        ip link set lo up
    else
        ip netns add "$app_ns"
        ip -n "$app_ns" link set lo up
        ip -n "$app_ns" link add "$va" type veth peer name "$vd" netns "$dev_ns"
        ip -n "$app_ns" addr add "$app_cidr" dev "$va"
        ip -n "$app_ns" link set "$va" up
    fi
    for cidr in "$@"; do
        ip -n "$dev_ns" addr add "$cidr" dev "$vd"
    done
    ip -n "$dev_ns" link set "$vd" up
    # A broadcast to 255.255.255.255 leaves by the default route's interface: point both
    # namespaces' default route at the veth so it stays on this pair.
    ip -n "$dev_ns" route add default dev "$vd" 2>/dev/null || true
    if [ $here = 1 ]; then
        ip route add default dev "$va" 2>/dev/null || true
    else
        ip -n "$app_ns" route add default dev "$va" 2>/dev/null || true
    fi
    ;;
down)
    ip netns del "$dev_ns" 2>/dev/null || true
    ip netns del "$app_ns" 2>/dev/null || true
    ip link del "$va" 2>/dev/null || true
    ;;
exec)
    side=${1:-}; shift || true
    case "$side" in
    app) exec ip netns exec "$app_ns" "$@" ;;
    dev) exec ip netns exec "$dev_ns" "$@" ;;
    *) die "exec needs app or dev" ;;
    esac
    ;;
*)
    die "usage: netns.sh up|down|exec NAME ..."
    ;;
esac
