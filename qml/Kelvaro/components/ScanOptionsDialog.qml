import QtQuick 2.15
import QtQuick.Controls 2.15
import Kelvaro 1.0
import "../js/inspection.js" as Inspection

// Which phases "Quét toàn bộ" runs; the choice is kept between openings.
Popup {
    id: dialog
    property var picked: Inspection.allPhases(true)
    readonly property bool anyPicked: Inspection.nextPhase(picked, "") !== "done"
    signal scanRequested(var options)

    readonly property var rows: [
        { key: "hw", label: "Thông tin phần cứng", text: "Hệ thống, CPU, RAM, ổ cứng, pin, GPU, màn hình, mạng" },
        { key: "cpuBench", label: "Benchmark CPU", text: "Đo hiệu năng đơn nhân / đa nhân" },
        { key: "cpuStress", label: "Stress test CPU", text: "Chạy tải nặng kiểm tra ổn định CPU" },
        { key: "gpuBench", label: "Benchmark GPU", text: "Đo khả năng dựng hình của GPU" },
        { key: "gpuStress", label: "Stress test GPU", text: "Chạy tải GPU kiểm tra ổn định" }
    ]

    // A new map each time, so that bindings see the change.
    function toggle(key) {
        var m = Object.assign({}, picked)
        m[key] = !m[key]
        picked = m
    }

    modal: true
    dim: true
    width: 480
    padding: 0
    anchors.centerIn: Overlay.overlay
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    background: Rectangle {
        color: Theme.bgSurface
        radius: Theme.radiusLg
        border.width: 1
        border.color: Theme.alpha("white", 0.08)
    }

    contentItem: Column {
        padding: 18
        spacing: Theme.spacingSm

        Text {
            text: "Tùy chọn quét"
            color: Theme.textPrimary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLg
            font.bold: true
        }
        Text {
            text: "Chọn các mục bạn muốn kiểm tra rồi bấm Quét."
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
        }

        Repeater {
            model: dialog.rows
            Rectangle {
                width: 480 - 36
                height: 56
                radius: Theme.radiusSm
                color: rowMouse.containsMouse ? Theme.bgSurfaceAlt : "transparent"
                readonly property bool on: dialog.picked[modelData.key] === true
                Rectangle {
                    id: box
                    x: 8
                    width: 22
                    height: 22
                    radius: 6
                    anchors.verticalCenter: parent.verticalCenter
                    color: parent.on ? Theme.accent : "transparent"
                    border.width: parent.on ? 0 : 1.5
                    border.color: Theme.strokeSoft
                    Text {
                        anchors.centerIn: parent
                        visible: parent.parent.on
                        text: "✓"
                        color: "white"
                        font.family: Theme.fontFamily
                        font.pixelSize: 14
                        font.bold: true
                    }
                }
                Column {
                    anchors.left: box.right
                    anchors.leftMargin: 12
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    Text {
                        text: modelData.label
                        color: Theme.textPrimary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                        font.bold: true
                    }
                    Text {
                        width: parent.width
                        text: modelData.text
                        elide: Text.ElideRight
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXs
                    }
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: dialog.toggle(modelData.key)
                }
            }
        }

        Item {
            width: 480 - 36
            height: 42
            Text {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                text: dialog.anyPicked ? "Bỏ chọn tất cả" : "Chọn tất cả"
                color: Theme.accentGlow
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
                font.underline: linkMouse.containsMouse
                MouseArea {
                    id: linkMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: dialog.picked = Inspection.allPhases(!dialog.anyPicked)
                }
            }
            Row {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: Theme.spacingSm
                Rectangle {
                    width: cancelText.implicitWidth + 32
                    height: 38
                    radius: Theme.radiusSm
                    color: cancelMouse.containsMouse ? Theme.bgElevated : "transparent"
                    border.width: 1
                    border.color: Theme.stroke
                    Text {
                        id: cancelText
                        anchors.centerIn: parent
                        text: "Hủy"
                        color: Theme.textPrimary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                    MouseArea {
                        id: cancelMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: dialog.close()
                    }
                }
                Rectangle {
                    width: goText.implicitWidth + 32
                    height: 38
                    radius: Theme.radiusSm
                    color: Theme.accent
                    opacity: dialog.anyPicked ? 1 : 0.5
                    Text {
                        id: goText
                        anchors.centerIn: parent
                        text: "Quét mục đã chọn"
                        color: "white"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                        font.weight: Font.DemiBold
                    }
                    MouseArea {
                        anchors.fill: parent
                        enabled: dialog.anyPicked
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            dialog.close()
                            dialog.scanRequested(Object.assign({}, dialog.picked))
                        }
                    }
                }
            }
        }
    }
}
