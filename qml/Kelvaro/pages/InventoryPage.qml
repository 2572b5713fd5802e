import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0

// The frame every inventory page shares: the empty state before a scan, then a column of cards.
ScrollView {
    id: page
    property string title
    property string iconName
    property string emptyIcon
    default property alias content: column.data

    contentWidth: availableWidth
    contentHeight: body.visible ? body.implicitHeight : 0
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    clip: true
    // Opaque, so that a grabbed image of the page has the window's colour.
    background: Rectangle { color: Theme.bgBase }

    // Row levels to theme colours; an empty level keeps the card's default.
    function paint(rows) {
        return rows.map(function(r) {
            var entry = { label: r.label, value: r.value }
            if (r.level !== "")
                entry.color = page.tone(r.level)
            return entry
        })
    }
    function tone(level) {
        return level === "secondary" ? Theme.textSecondary : Theme.levelColor(level)
    }

    EmptyState {
        parent: page
        anchors.centerIn: parent
        visible: !Hardware.hasScanned
        iconName: page.emptyIcon
    }

    ColumnLayout {
        id: body
        width: page.availableWidth
        visible: Hardware.hasScanned
        spacing: 0
        Item { Layout.preferredHeight: Theme.spacingMd }
        ColumnLayout {
            id: column
            Layout.fillWidth: true
            spacing: Theme.spacingMd
        }
        Item { Layout.preferredHeight: Theme.spacingXl }
    }
}
