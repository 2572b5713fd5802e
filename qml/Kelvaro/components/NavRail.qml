import QtQuick 2.15
import QtQuick.Controls 2.15
import Kelvaro 1.0
import "../js/sections.js" as Sections

Rectangle {
    id: root
    property var sections: []
    property int currentIndex: 0
    signal selected(int index)

    implicitWidth: 248
    color: Theme.bgSidebar

    // The list scrolls on short windows; the current tab stays in view.
    onCurrentIndexChanged: list.positionViewAtIndex(currentIndex, ListView.Contain)

    Rectangle {
        width: 1
        height: parent.height
        anchors.right: parent.right
        color: Theme.stroke
    }

    Item {
        id: brand
        width: parent.width
        height: 76
        Rectangle {
            id: tile
            width: 38
            height: 38
            radius: 10
            anchors.left: parent.left
            anchors.leftMargin: Theme.spacingLg
            anchors.verticalCenter: parent.verticalCenter
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.accentGlow }
                GradientStop { position: 1; color: Theme.accentSoft }
            }
            Text {
                anchors.centerIn: parent
                text: "K"
                color: "white"
                font.family: Theme.fontFamily
                font.pixelSize: 15
                font.weight: Font.Black
            }
        }
        Column {
            anchors.left: tile.right
            anchors.leftMargin: Theme.spacingSm
            anchors.right: parent.right
            anchors.rightMargin: Theme.spacingMd
            anchors.verticalCenter: parent.verticalCenter
            Text {
                text: "Kelvaro"
                color: Theme.textPrimary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMd
                font.bold: true
            }
            Text {
                text: "Kiểm định máy tính"
                color: Theme.textMuted
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontXs
            }
        }
    }

    ListView {
        id: list
        anchors.top: brand.bottom
        anchors.bottom: footer.top
        width: parent.width - 1
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: root.sections
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: Column {
            width: list.width
            Item {
                width: parent.width
                height: 30
                visible: Sections.showsGroupHeader(root.sections, index)
                Text {
                    anchors.left: parent.left
                    anchors.leftMargin: Theme.spacingLg
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 4
                    text: modelData.group.toUpperCase()
                    color: Theme.textMuted
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontXs
                    font.weight: Font.DemiBold
                    font.letterSpacing: 1.2
                }
            }
            NavButton {
                width: parent.width
                label: modelData.label
                iconName: modelData.icon
                active: index === root.currentIndex
                onClicked: root.selected(index)
            }
        }
    }

    Item {
        id: footer
        width: parent.width
        height: 40
        anchors.bottom: parent.bottom
        Text {
            anchors.centerIn: parent
            text: "v" + App.appVersion + "  ·  M0"
            color: Theme.textMuted
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontXs
        }
    }
}
