import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0

// Two cards side by side, each half the width and aligned at the top; one above the other when
// half the width would cut their values short.
GridLayout {
    Layout.fillWidth: true
    Layout.leftMargin: Theme.spacingXl
    Layout.rightMargin: Theme.spacingXl
    columns: width >= 860 ? 2 : 1
    columnSpacing: Theme.spacingMd
    rowSpacing: Theme.spacingMd
}
