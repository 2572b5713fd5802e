import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/inventory.js" as Inventory

InventoryPage {
    id: page
    emptyIcon: "memory"

    readonly property var summary: Hardware.ramSummary

    PageCard {
        title: "Tổng quan bộ nhớ"
        iconName: "memory"
        rows: page.paint(Inventory.ramSummaryRows(page.summary))
    }

    PageCard {
        title: "Khả năng nâng cấp RAM"
        iconName: "memory"
        rows: page.paint(Inventory.ramUpgradeRows(page.summary))
        Text {
            Layout.fillWidth: true
            visible: text !== ""
            text: page.summary.upgradeNote || ""
            wrapMode: Text.Wrap
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
        }
    }

    PageHeading { text: "Chi tiết từng thanh RAM" }

    Repeater {
        model: Hardware.ramModules
        PageCard {
            title: Inventory.moduleTitle(modelData, index)
            iconName: "memory"
            rows: page.paint(Inventory.moduleRows(modelData))
        }
    }
}
