import QtQuick 2.15
import Kelvaro 1.0

// A pill with a dot and a short text in the colour of its level.
Rectangle {
    id: root
    property string text
    property string level: "muted"
    readonly property color baseColor: Theme.levelColor(level)

    implicitHeight: 24
    implicitWidth: content.implicitWidth + Theme.spacingMd
    radius: height / 2
    color: Theme.alpha(baseColor, 0.14)
    border.width: 1
    border.color: Theme.alpha(baseColor, 0.35)

    Row {
        id: content
        anchors.centerIn: parent
        spacing: 6
        Rectangle {
            width: 7
            height: 7
            radius: 3.5
            color: root.baseColor
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            text: root.text
            color: root.baseColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontXs
            font.weight: Font.DemiBold
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
