import QtQuick 2.15
import Kelvaro 1.0

// A section whose page is not built yet.
Rectangle {
    id: page
    property string title
    property string iconName

    color: Theme.bgBase

    Column {
        anchors.centerIn: parent
        width: 360
        spacing: Theme.spacingMd

        Rectangle {
            width: 88
            height: 88
            radius: 22
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke
            anchors.horizontalCenter: parent.horizontalCenter
            IconGlyph {
                anchors.centerIn: parent
                width: 40
                height: 40
                name: page.iconName
                color: Theme.accentGlow
                strokeWidth: 2.4
            }
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: page.title
            color: Theme.textPrimary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontXl
            font.bold: true
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            lineHeight: 1.3
            text: "Mô-đun này sẽ được phát triển trong các milestone tiếp theo. "
                  + "Khung giao diện đã sẵn sàng để gắn dữ liệu thật."
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMd
        }
        StatusBadge {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Sắp ra mắt"
            level: "warn"
        }
    }
}
