#!/usr/bin/env bash
# Prepares a Debian 12 machine and builds the project into build/ (or the folder given).
# Installs the Debian packages the build and the tests need when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true

packages=(cmake ninja-build g++ qtbase5-dev libqt5serialport5-dev qttools5-dev-tools qttools5-dev
          qttranslations5-l10n iproute2 util-linux xvfb xauth clang libclang-rt-14-dev
          fonts-noto-cjk librsvg2-bin desktop-file-utils python3
          dpkg-dev pkg-config liblo-dev liblo-tools libcpp-httplib-dev curl)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" --parallel "$(nproc)"
