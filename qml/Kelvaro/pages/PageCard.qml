import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0

// A full-width card of an inventory page, inset like the page's headings.
InfoCard {
    Layout.fillWidth: true
    Layout.leftMargin: Theme.spacingXl
    Layout.rightMargin: Theme.spacingXl
}
