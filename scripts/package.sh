#!/usr/bin/env bash
# Builds the Debian package from a build tree (cpack -G DEB), checks its contents and declared
# run-time dependencies with dpkg-deb, installs it with apt-get, runs the installed programs'
# --help and removes it again. Needs root for the install step; `--no-install` skips it.
set -euo pipefail
build=${1:?usage: package.sh BUILD_DIR [--no-install]}
install=1
[ "${2:-}" = "--no-install" ] && install=0

build=$(cd "$build" && pwd)
log=$(cd "$build" && rm -f vpcontrol_*.deb && cpack -G DEB 2>&1) || { echo "$log" >&2; exit 1; }
deb=$(ls "$build"/vpcontrol_*_*.deb)
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in usr/bin/vpcontrol usr/bin/vpctl usr/bin/vpsim usr/share/applications/vpcontrol.desktop \
         usr/share/icons/hicolor/scalable/apps/vpcontrol.svg usr/share/icons/hicolor/256x256/apps/vpcontrol.png \
         usr/share/vpcontrol/translations/zh_cn.qm usr/share/vpcontrol/translations/zh_tw.qm \
         usr/share/doc/vpcontrol/README.md; do
    grep -qx "./$f" <<<"$contents" || { echo "package: $f is missing" >&2; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
# Qt 5, liblo (OSC) and cpp-httplib (HTTP), which the remote-control servers of vpcontrol and vpctl use.
for lib in libqt5core5a libqt5gui5 libqt5widgets5 libqt5network5 libqt5serialport5 liblo7 libcpp-httplib0.11; do
    grep -q "\b$lib\b" <<<"$depends" || { echo "package: Depends lacks $lib: $depends" >&2; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || { echo "package: wrong architecture" >&2; exit 1; }

if [ "$install" -eq 1 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
    /usr/bin/vpsim --help >/dev/null
    /usr/bin/vpctl --help >/dev/null
    dpkg -L vpcontrol | grep -qx /usr/bin/vpcontrol
    apt-get remove -y -qq vpcontrol >/dev/null
fi
echo "package: contents, dependencies and installation checked"
