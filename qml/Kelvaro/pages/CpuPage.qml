import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/inventory.js" as Inventory

InventoryPage {
    id: page
    emptyIcon: "developer_board"

    readonly property var cpu: Hardware.cpu

    Rectangle {
        Layout.fillWidth: true
        Layout.leftMargin: Theme.spacingXl
        Layout.rightMargin: Theme.spacingXl
        Layout.preferredHeight: 92
        radius: Theme.radiusMd
        color: Theme.bgSurface
        border.width: 1
        border.color: Theme.stroke
        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: Theme.spacingLg
            anchors.rightMargin: Theme.spacingLg
            spacing: Theme.spacingMd
            IconGlyph {
                Layout.preferredWidth: 40
                Layout.preferredHeight: 40
                name: "developer_board"
                color: Theme.accentGlow
                strokeWidth: 2.2
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2
                Text {
                    Layout.fillWidth: true
                    text: page.cpu.name || "CPU"
                    elide: Text.ElideRight
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontLg
                    font.bold: true
                }
                Text {
                    Layout.fillWidth: true
                    text: Inventory.cpuSubtitle(page.cpu)
                    elide: Text.ElideRight
                    color: Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
            }
        }
    }

    CardPair {
        InfoCard {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            title: "Thông số"
            iconName: "developer_board"
            rows: [
                { label: "Tên", value: page.cpu.name },
                { label: "Nhà sản xuất", value: page.cpu.manufacturer },
                { label: "Socket", value: page.cpu.socket },
                { label: "Số nhân", value: page.cpu.cores },
                { label: "Số luồng", value: page.cpu.threads },
                { label: "Xung nhịp", value: page.cpu.baseClock },
                { label: "Cache L2", value: page.cpu.l2 },
                { label: "Cache L3", value: page.cpu.l3 }
            ]
        }
        InfoCard {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            title: "Tính năng"
            iconName: "bolt"
            rows: [
                { label: "Processor ID", value: page.cpu.processorId },
                page.cpu.virtualization === true ? { label: "Ảo hóa (VT-x)", value: "Bật", color: Theme.good }
                    : { label: "Ảo hóa (VT-x)", value: page.cpu.virtualization === false ? "Tắt" : undefined,
                        color: Theme.warn },
                { label: "Tập lệnh", value: page.cpu.instructionSets }
            ]
        }
    }

    PageCard {
        title: "Khả năng nâng cấp CPU"
        iconName: "bolt"
        rows: page.paint(Inventory.cpuUpgradeRows(page.cpu))
        Text {
            Layout.fillWidth: true
            visible: text !== ""
            text: page.cpu.upgradeNote || ""
            wrapMode: Text.Wrap
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
        }
    }
}
