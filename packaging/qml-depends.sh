#!/bin/sh
# qml-depends.sh QML_DIR "DEPENDS": every QML module the documents import must be a declared
# dependency of the package; no linker sees them, so a missing one only shows when a page loads.
set -eu
modules=$(grep -rhoE '^import +[A-Za-z][A-Za-z0-9.]* +[0-9]+' "$1" | awk '{print $2 " " $3}' | sort -u)
echo "$modules" | while read -r module major; do
    case "$module" in
        Kelvaro) continue ;;
        QtQuick) package=qml-module-qtquick2 ;;
        QtQuick.Window) package=qml-module-qtquick-window2 ;;
        QtQuick.Controls) [ "$major" -ge 2 ] && package=qml-module-qtquick-controls2 || package=qml-module-qtquick-controls ;;
        QtQuick.Dialogs) package=qml-module-qtquick-dialogs ;;
        QtQuick.Layouts) package=qml-module-qtquick-layouts ;;
        QtQuick.Shapes) package=qml-module-qtquick-shapes ;;
        QtQuick.Particles) package=qml-module-qtquick-particles2 ;;
        QtMultimedia) package=qml-module-qtmultimedia ;;
        QtGraphicalEffects) package=qml-module-qtgraphicaleffects ;;
        Qt.labs.platform) package=qml-module-qt-labs-platform ;;
        Qt.labs.settings) package=qml-module-qt-labs-settings ;;
        QtTest) continue ;;
        *) echo "no Debian package known for the QML module $module: add it to $0"; exit 1 ;;
    esac
    case ", $2," in
        *", $package,"*) ;;
        *) echo "the QML module $module $major is imported but $package is not a dependency"; exit 1 ;;
    esac
done
