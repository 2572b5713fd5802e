import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/inventory.js" as Inventory

InventoryPage {
    id: page
    emptyIcon: "tv"

    PageHeading { text: "Card đồ họa (" + Hardware.gpus.length + ")" }

    Repeater {
        model: Hardware.gpus
        PageCard {
            title: modelData.name || "GPU"
            iconName: "tv"
            rows: page.paint(Inventory.gpuRows(modelData))
        }
    }
}
