import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/inventory.js" as Inventory

InventoryPage {
    id: page
    emptyIcon: "wifi"

    readonly property var bluetooth: Hardware.bluetooth

    PageHeading { text: "Tổng quan kết nối" }

    CardPair {
        InfoCard {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            title: "Card Wi-Fi"
            iconName: "wifi"
            rows: page.paint(Inventory.wifiSummaryRows(Hardware.network))
        }
        InfoCard {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            title: "Cổng mạng LAN"
            iconName: "lan"
            rows: page.paint(Inventory.lanSummaryRows(Hardware.network))
        }
    }

    PageHeading { text: "Bluetooth" }

    PageCard {
        title: Inventory.bluetoothTitle(page.bluetooth)
        iconName: "bluetooth"
        rows: page.paint(Inventory.bluetoothRows(page.bluetooth))
        Repeater {
            model: page.bluetooth.present === true && Array.isArray(page.bluetooth.devices) ? page.bluetooth.devices : []
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                Rectangle {
                    width: 8; height: 8; radius: 4
                    color: modelData.connected === true ? Theme.good : Theme.textMuted
                }
                Text {
                    Layout.fillWidth: true
                    text: modelData.name || "(không tên)"
                    elide: Text.ElideRight
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
                Text {
                    text: modelData.connected === true ? "Đang kết nối" : "Đã ghép nối"
                    color: modelData.connected === true ? Theme.good : Theme.textMuted
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
            }
        }
    }

    PageHeading { text: "Bộ điều hợp mạng (" + Hardware.network.length + ")" }

    Text {
        visible: Hardware.network.length === 0
        Layout.leftMargin: Theme.spacingXl
        text: "Không tìm thấy bộ điều hợp Wi-Fi hoặc Ethernet."
        color: Theme.textMuted
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSm
    }

    Repeater {
        model: Hardware.network
        PageCard {
            title: Inventory.adapterTitle(modelData)
            iconName: modelData.kind === "WiFi" ? "wifi" : "lan"
            rows: page.paint(Inventory.adapterRows(modelData))
        }
    }
}
