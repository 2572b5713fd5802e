import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0

Rectangle {
    id: root
    property string title
    property string iconName
    property var rows: []
    default property alias content: extra.data

    implicitHeight: column.implicitHeight + 2 * Theme.spacingLg
    radius: Theme.radiusMd
    color: Theme.bgSurface
    border.width: 1
    border.color: Theme.stroke

    // undefined and null hide the row; 0 and false are values.
    function valueText(v) {
        return v === undefined || v === null ? "" : String(v)
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.spacingLg
        spacing: Theme.spacingSm

        RowLayout {
            visible: root.title !== ""
            spacing: Theme.spacingSm
            IconGlyph {
                visible: root.iconName !== ""
                Layout.preferredWidth: 20
                Layout.preferredHeight: 20
                name: root.iconName
                color: Theme.accentGlow
            }
            Text {
                Layout.fillWidth: true
                text: root.title
                elide: Text.ElideRight
                color: Theme.textPrimary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMd
                font.bold: true
            }
        }
        Rectangle {
            visible: root.title !== ""
            Layout.fillWidth: true
            height: 1
            color: Theme.strokeSoft
        }
        Repeater {
            model: root.rows
            InfoRow {
                Layout.fillWidth: true
                label: modelData.label
                value: root.valueText(modelData.value)
                valueColorOverride: modelData.color !== undefined ? modelData.color : ""
            }
        }
        ColumnLayout {
            id: extra
            Layout.fillWidth: true
            spacing: Theme.spacingSm
        }
    }
}
