#!/usr/bin/env bash
# Builds the application and starts it. It searches for devices when it starts, so by default it
# runs inside a private network namespace (only loopback); pass --host-network to skip that.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" >/dev/null
if [ "${1:-}" = "--host-network" ]; then
    shift
    exec "$root/build/vpcontrol" "$@"
fi
exec unshare --net -- bash -c 'ip link set lo up; exec "$0" "$@"' "$root/build/vpcontrol" "$@"
