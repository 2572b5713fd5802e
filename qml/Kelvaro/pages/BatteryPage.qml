import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/inventory.js" as Inventory

InventoryPage {
    id: page
    emptyIcon: "battery"

    readonly property var battery: Hardware.battery
    readonly property bool present: battery.present === true
    readonly property var grade: Inventory.wearGrade(battery.wearValue)

    // A desktop, or a laptop without its battery.
    ColumnLayout {
        visible: !page.present
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: Theme.spacingXl * 2
        Layout.preferredWidth: 360
        spacing: Theme.spacingMd
        Rectangle {
            Layout.alignment: Qt.AlignHCenter
            width: 84
            height: 84
            radius: 21
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke
            IconGlyph {
                anchors.centerIn: parent
                width: 38
                height: 38
                name: "battery"
                color: Theme.textMuted
            }
        }
        Text {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: "Không phát hiện pin"
            color: Theme.textPrimary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLg
            font.bold: true
        }
        Text {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: "Thiết bị này là máy bàn hoặc không có pin gắn trong."
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
        }
    }

    RowLayout {
        visible: page.present
        Layout.fillWidth: true
        Layout.leftMargin: Theme.spacingXl
        Layout.rightMargin: Theme.spacingXl
        spacing: Theme.spacingMd

        Rectangle {
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 300
            Layout.preferredHeight: 250
            radius: Theme.radiusLg
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke
            ColumnLayout {
                anchors.centerIn: parent
                spacing: Theme.spacingSm
                Text {
                    Layout.alignment: Qt.AlignHCenter
                    text: "ĐỘ CHAI PIN"
                    color: Theme.textMuted
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontXs
                    font.weight: Font.DemiBold
                    font.letterSpacing: 1.5
                }
                ScoreGauge {
                    Layout.alignment: Qt.AlignHCenter
                    size: 150
                    value: page.battery.wearValue !== undefined ? page.battery.wearValue : 0
                    // Low wear is good: the arc takes the grade's colour, not the score bands'.
                    level: page.grade.level
                }
                StatusBadge {
                    Layout.alignment: Qt.AlignHCenter
                    visible: page.grade.text !== ""
                    text: page.grade.text
                    level: page.grade.level
                }
            }
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            spacing: Theme.spacingMd
            InfoCard {
                Layout.fillWidth: true
                title: "Trạng thái hiện tại"
                iconName: "battery"
                rows: page.paint(Inventory.batteryStateRows(page.battery))
            }
            InfoCard {
                Layout.fillWidth: true
                title: "Thông số chi tiết"
                iconName: "battery"
                rows: page.paint(Inventory.batteryDetailRows(page.battery))
            }
        }
    }
}
