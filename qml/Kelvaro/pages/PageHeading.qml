import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0

// A bold heading between the cards of an inventory page.
Text {
    Layout.fillWidth: true
    Layout.leftMargin: Theme.spacingXl
    Layout.rightMargin: Theme.spacingXl
    Layout.topMargin: Theme.spacingXs
    elide: Text.ElideRight
    color: Theme.textPrimary
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontMd
    font.bold: true
}
