#!/bin/sh
# Installs every Debian package that building, testing and running Kelvaro need.
# Idempotent: prints nothing and touches nothing when all packages are present.
set -eu

PACKAGES="
cmake ninja-build g++ pkg-config ccache clang-14 libclang-rt-14-dev llvm-14
qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev qtquickcontrols2-5-dev
libqt5svg5-dev qtmultimedia5-dev
qml-module-qtquick2 qml-module-qtquick-controls2 qml-module-qtquick-controls
qml-module-qtquick-dialogs qml-module-qtquick-privatewidgets qml-module-qtquick-layouts
qml-module-qtquick-window2 qml-module-qtmultimedia qml-module-qtgraphicaleffects
qml-module-qt-labs-platform qml-module-qttest
libdrm-dev libdbus-1-dev libnl-genl-3-dev pci.ids dbus-daemon
xvfb xauth libgl1-mesa-dri fonts-noto-core fonts-dejavu-core poppler-utils
librsvg2-bin appstream desktop-file-utils dpkg-dev file
libqt5multimedia5-plugins gstreamer1.0-plugins-good pulseaudio
g++-mingw-w64-x86-64-posix wine wine64
"

missing=""
for p in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $p" ;;
    esac
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "setup: need root or sudo to install:$missing" >&2
    exit 1
fi

echo "setup: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
