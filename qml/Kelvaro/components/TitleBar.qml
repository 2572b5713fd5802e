import QtQuick 2.15
import Kelvaro 1.0

Rectangle {
    id: root
    property string title
    property string subtitle
    property string statusText
    property bool busy: false
    signal scanRequested()
    signal scanOptionsRequested()

    implicitHeight: 76
    color: Theme.bgBase

    Rectangle {
        width: parent.width
        height: 1
        anchors.bottom: parent.bottom
        color: Theme.strokeSoft
    }

    Column {
        anchors.left: parent.left
        anchors.leftMargin: Theme.spacingXl
        anchors.right: buttons.left
        anchors.rightMargin: Theme.spacingMd
        anchors.verticalCenter: parent.verticalCenter
        Text {
            width: parent.width
            text: root.title
            elide: Text.ElideRight
            color: Theme.textPrimary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLg
            font.bold: true
        }
        Text {
            width: parent.width
            text: root.subtitle
            elide: Text.ElideRight
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
        }
    }

    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: Theme.spacingXl
        anchors.verticalCenter: parent.verticalCenter
        spacing: Theme.spacingMd
        opacity: root.busy ? 0.55 : 1
        enabled: !root.busy
        Behavior on opacity { NumberAnimation { duration: 120 } }

        Rectangle {
            width: 44
            height: 40
            radius: Theme.radiusSm
            color: Theme.alpha("white", optionsMouse.containsMouse ? 0.10 : 0.05)
            border.width: 1
            border.color: Theme.strokeSoft
            IconGlyph {
                anchors.centerIn: parent
                width: 20
                height: 20
                name: "tune"
                color: Theme.textPrimary
            }
            MouseArea {
                id: optionsMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.scanOptionsRequested()
            }
        }

        Rectangle {
            // Wider than 160 only when a stage text needs it, so that it is never cut.
            width: Math.max(160, scanRow.implicitWidth + 32)
            height: 40
            radius: Theme.radiusSm
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.accentGlow }
                GradientStop { position: 1; color: Theme.accent }
            }
            Row {
                id: scanRow
                anchors.centerIn: parent
                spacing: 8
                IconGlyph {
                    width: 18
                    height: 18
                    name: "speed"
                    color: "white"
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    text: root.busy ? (root.statusText !== "" ? root.statusText : "Đang kiểm tra…") : "Quét toàn bộ"
                    color: "white"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                    font.weight: Font.DemiBold
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: root.scanRequested()
            }
        }
    }
}
