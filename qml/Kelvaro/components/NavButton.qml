import QtQuick 2.15
import Kelvaro 1.0

Item {
    id: root
    property string label
    property string iconName
    property bool active: false
    signal clicked()

    implicitHeight: 44
    implicitWidth: 200

    Rectangle {
        anchors.fill: parent
        anchors.leftMargin: Theme.spacingSm
        anchors.rightMargin: Theme.spacingSm
        radius: Theme.radiusSm
        color: root.active ? Theme.bgElevated : (mouse.containsMouse ? Theme.bgSurfaceAlt : "transparent")
        Behavior on color { ColorAnimation { duration: 120 } }

        Rectangle {
            visible: root.active
            width: 3
            height: parent.height / 2
            radius: 2
            color: Theme.accent
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
        }

        Row {
            anchors.fill: parent
            anchors.leftMargin: Theme.spacingMd
            anchors.rightMargin: Theme.spacingSm
            spacing: Theme.spacingSm
            IconGlyph {
                width: 20
                height: 20
                name: root.iconName
                color: root.active ? Theme.accentGlow : Theme.textSecondary
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                width: parent.width - 20 - parent.spacing
                text: root.label
                elide: Text.ElideRight
                color: root.active ? Theme.textPrimary : Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
                font.weight: root.active ? Font.DemiBold : Font.Medium
                anchors.verticalCenter: parent.verticalCenter
            }
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
