import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0

// One label and value; an empty value hides the row.
RowLayout {
    id: root
    property string label
    property string value
    property string valueColorOverride

    visible: value !== ""
    spacing: Theme.spacingMd

    Text {
        Layout.preferredWidth: 150
        text: root.label
        wrapMode: Text.Wrap
        color: Theme.textSecondary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSm
    }
    Text {
        Layout.fillWidth: true
        text: root.value
        horizontalAlignment: Text.AlignRight
        maximumLineCount: 1
        elide: Text.ElideRight
        color: root.valueColorOverride !== "" ? root.valueColorOverride : Theme.textPrimary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSm
        font.weight: Font.DemiBold
    }
}
