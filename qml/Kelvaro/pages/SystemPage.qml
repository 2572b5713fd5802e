import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/inventory.js" as Inventory

InventoryPage {
    id: page
    emptyIcon: "memory"

    readonly property var sys: Hardware.system
    readonly property var verdict: Laptop.verdict
    readonly property color verdictColor: tone(Inventory.findingLevel(verdict.level))

    CardPair {
        InfoCard {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            title: "Thiết bị"
            iconName: "memory"
            rows: [
                { label: "Loại thiết bị", value: page.sys.deviceType },
                { label: "Hãng sản xuất", value: page.sys.manufacturer },
                { label: "Model", value: page.sys.model },
                { label: "Serial Number", value: page.sys.serial },
                { label: "Asset Tag", value: page.sys.assetTag },
                { label: "Loại hệ thống", value: page.sys.systemType }
            ]
        }
        InfoCard {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            title: "BIOS / Mainboard"
            iconName: "developer_board"
            rows: [
                { label: "BIOS Version", value: page.sys.biosVersion },
                { label: "BIOS Date", value: page.sys.biosDate },
                { label: "BIOS Vendor", value: page.sys.biosVendor },
                { label: "Firmware", value: page.sys.firmware },
                { label: "Secure Boot", value: page.sys.secureBoot },
                { label: "TPM", value: page.sys.tpm },
                { label: "Mainboard", value: page.sys.boardModel },
                { label: "NSX Mainboard", value: page.sys.boardManufacturer },
                { label: "Serial Board", value: page.sys.boardSerial }
            ]
        }
    }

    PageCard {
        visible: Laptop.found
        title: "Nhận diện mainboard & khả năng nâng cấp"
        iconName: "developer_board"
        rows: page.paint(Inventory.boardRows(Laptop.board))

        Text {
            Layout.fillWidth: true
            visible: text !== ""
            text: Laptop.board.upgradeNote || ""
            wrapMode: Text.Wrap
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
        }
        Text {
            visible: swaps.count > 0
            text: "Main có thể thay thế (cùng nhóm tương thích):"
            color: Theme.textPrimary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
            font.bold: true
        }
        Repeater {
            id: swaps
            model: Array.isArray(Laptop.board.interchangeable) ? Laptop.board.interchangeable : []
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                Rectangle { width: 6; height: 6; radius: 3; color: Theme.good }
                Text {
                    Layout.fillWidth: true
                    text: modelData
                    wrapMode: Text.Wrap
                    color: Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
            }
        }
    }

    PageCard {
        visible: Laptop.isLaptop && Laptop.findings.length > 0
        title: "Kiểm định nguyên bản (Originality Check)"
        iconName: "developer_board"

        Text {
            Layout.fillWidth: true
            text: "Đối chiếu cấu hình hãng — phát hiện tháo lắp / độ chế"
            wrapMode: Text.Wrap
            color: Theme.textMuted
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontXs
        }

        Rectangle {
            Layout.fillWidth: true
            visible: (page.verdict.text || "") !== ""
            implicitHeight: banner.implicitHeight + 2 * Theme.spacingMd
            radius: Theme.radiusSm
            color: Theme.alpha(page.verdictColor, 0.10)
            border.width: 1
            border.color: Theme.alpha(page.verdictColor, 0.35)
            ColumnLayout {
                id: banner
                anchors.fill: parent
                anchors.margins: Theme.spacingMd
                spacing: Theme.spacingXs
                RowLayout {
                    Layout.fillWidth: true
                    spacing: Theme.spacingSm
                    Text {
                        Layout.fillWidth: true
                        text: page.verdict.title || ""
                        wrapMode: Text.Wrap
                        color: page.verdictColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                        font.bold: true
                    }
                    Text {
                        // Stars rate a comparison; a verdict without a score compared nothing.
                        visible: page.verdict.starText !== undefined && page.verdict.score > 0
                        text: page.verdict.starText || ""
                        color: Theme.warn
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                    Text {
                        visible: page.verdict.score > 0
                        text: page.verdict.score + "/100"
                        color: page.verdictColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                        font.bold: true
                    }
                }
                Text {
                    Layout.fillWidth: true
                    text: page.verdict.text || ""
                    wrapMode: Text.Wrap
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
                Repeater {
                    model: page.verdict.reasons || []
                    Text {
                        Layout.fillWidth: true
                        text: "• " + modelData
                        wrapMode: Text.Wrap
                        color: Theme.textMuted
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                }
            }
        }

        Repeater {
            model: Laptop.findings
            RowLayout {
                id: finding
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                readonly property color statusColor: page.tone(Inventory.findingLevel(modelData.status))
                Rectangle {
                    Layout.alignment: Qt.AlignTop
                    Layout.topMargin: 5
                    width: 8; height: 8; radius: 4
                    color: finding.statusColor
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2
                    Text {
                        text: modelData.area || ""
                        color: Theme.textMuted
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXs
                    }
                    Text {
                        Layout.fillWidth: true
                        text: modelData.label || ""
                        wrapMode: Text.Wrap
                        color: finding.statusColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                        font.bold: true
                    }
                    Text {
                        Layout.fillWidth: true
                        visible: text !== ""
                        text: modelData.detail || ""
                        wrapMode: Text.Wrap
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                }
            }
        }
    }

    PageCard {
        title: "Hệ điều hành"
        iconName: "description"
        rows: [
            { label: "Windows", value: page.sys.osName },
            { label: "Version", value: page.sys.osVersion },
            { label: "Build", value: page.sys.osBuild },
            { label: "Kiến trúc", value: page.sys.osArch },
            { label: "Ngày cài đặt", value: page.sys.osInstallDate }
        ]
    }
}
