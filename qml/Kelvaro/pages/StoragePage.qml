import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/inventory.js" as Inventory

InventoryPage {
    id: page
    emptyIcon: "storage"

    PageHeading { text: "Ổ cứng / SSD (" + Hardware.disks.length + ")" }

    Repeater {
        model: Hardware.disks
        PageCard {
            title: modelData.model || "Ổ đĩa"
            iconName: "storage"
            rows: page.paint(Inventory.diskRows(modelData))
        }
    }
}
