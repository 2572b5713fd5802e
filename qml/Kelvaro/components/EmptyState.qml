import QtQuick 2.15
import Kelvaro 1.0

// What a data page shows before its data exists, or while the scan runs.
Column {
    id: root
    property string iconName: "speed"
    readonly property bool scanning: Hardware.scanning

    width: 380
    spacing: Theme.spacingMd

    Rectangle {
        width: 84
        height: 84
        radius: 21
        color: Theme.bgSurface
        border.width: 1
        border.color: Theme.stroke
        anchors.horizontalCenter: parent.horizontalCenter
        IconGlyph {
            anchors.centerIn: parent
            width: 38
            height: 38
            name: root.scanning ? "speed" : root.iconName
            color: Theme.accentGlow
            strokeWidth: 2.2
        }
    }
    Text {
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: root.scanning ? "Đang quét phần cứng..." : "Chưa có dữ liệu"
        color: Theme.textPrimary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontLg
        font.bold: true
    }
    Text {
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: root.scanning ? Hardware.stage + "  (" + Hardware.progress + "%)"
                            : "Nhấn “Quét toàn bộ” ở góc trên bên phải để thu thập thông tin phần cứng."
        color: Theme.textSecondary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSm
    }
    Rectangle {
        visible: root.scanning
        width: parent.width
        height: 6
        radius: 3
        color: Theme.strokeSoft
        Rectangle {
            width: parent.width * Math.max(0, Math.min(100, Hardware.progress)) / 100
            height: parent.height
            radius: 3
            color: Theme.accent
            Behavior on width { NumberAnimation { duration: 200 } }
        }
    }
}
