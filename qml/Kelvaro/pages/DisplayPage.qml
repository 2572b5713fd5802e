import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/screentest.js" as ScreenTest

ScrollView {
    id: page
    property string title
    property string iconName
    // Page state: survives page changes, not read back from Display.
    property var selected: []
    property alias noteText: noteField.text

    contentWidth: availableWidth
    // Two children (the empty state and the blocks), so the height is not inferred.
    contentHeight: Hardware.hasScanned ? blocks.implicitHeight : availableHeight
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    clip: true
    background: Rectangle { color: Theme.bgBase }

    // The window is opened only when its component has loaded.
    function openTest(mode) {
        if (testWindow.status !== Component.Ready)
            return null
        var win = testWindow.createObject(null, { mode: mode })
        if (win)
            win.showFullScreen()
        return win
    }
    function toggle(label) {
        selected = ScreenTest.toggled(selected, label)
    }
    function save() {
        var result = ScreenTest.verdictFor(selected)
        Display.setResult(selected, noteField.text, result.verdict, result.level)
    }
    function clearMarks() {
        selected = []
        noteField.text = ""
        Display.reset()
    }

    Component {
        id: testWindow
        DisplayTestWindow {}
    }

    component ActionButton: Rectangle {
        id: button
        property string label
        property color fill: Theme.accent
        signal clicked()
        implicitWidth: buttonText.implicitWidth + 36
        implicitHeight: 40
        radius: Theme.radiusSm
        color: buttonMouse.containsMouse && enabled ? Qt.lighter(fill, 1.12) : fill
        opacity: enabled ? 1 : 0.5
        Behavior on color { ColorAnimation { duration: 120 } }
        Text {
            id: buttonText
            anchors.centerIn: parent
            text: button.label
            color: "white"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
            font.bold: true
        }
        MouseArea {
            id: buttonMouse
            anchors.fill: parent
            hoverEnabled: true
            enabled: button.enabled
            cursorShape: Qt.PointingHandCursor
            onClicked: button.clicked()
        }
    }

    component CardHeader: RowLayout {
        property string icon: "monitor"
        property color iconColor: Theme.accentGlow
        property string heading
        property string text
        Layout.fillWidth: true
        spacing: Theme.spacingMd
        IconGlyph {
            Layout.preferredWidth: 26
            Layout.preferredHeight: 26
            Layout.alignment: Qt.AlignTop
            name: parent.icon
            color: parent.iconColor
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            Text {
                Layout.fillWidth: true
                text: parent.parent.heading
                color: Theme.textPrimary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMd
                font.bold: true
            }
            Text {
                Layout.fillWidth: true
                text: parent.parent.text
                wrapMode: Text.Wrap
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }
        }
    }

    EmptyState {
        visible: !Hardware.hasScanned
        x: (page.availableWidth - width) / 2
        y: Math.max(Theme.spacingXl, (page.availableHeight - height) / 2)
        iconName: "monitor"
    }

    ColumnLayout {
        id: blocks
        visible: Hardware.hasScanned
        width: page.availableWidth
        spacing: Theme.spacingLg

        Item { Layout.preferredHeight: Theme.spacingXs }

        Rectangle {
            id: quickBanner
            objectName: "quickBanner"
            Layout.fillWidth: true
            Layout.leftMargin: Theme.spacingXl
            Layout.rightMargin: Theme.spacingXl
            implicitHeight: quickRow.implicitHeight + 2 * Theme.spacingLg
            radius: Theme.radiusMd
            color: Qt.rgba(0.23, 0.51, 0.96, bannerMouse.containsMouse ? 0.18 : 0.12)
            border.width: 1
            border.color: Theme.accent
            MouseArea {
                id: bannerMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: page.openTest("quick")
            }
            RowLayout {
                id: quickRow
                anchors.fill: parent
                anchors.margins: Theme.spacingLg
                spacing: Theme.spacingLg
                CardHeader {
                    heading: "Quét nhanh màn hình"
                    text: "Tự động chạy đen · trắng · màu cơ bản · dải xám · lưới · sọc · chuyển động (≈2.5s mỗi bước). Esc để thoát."
                }
                ActionButton {
                    label: "Bắt đầu"
                    onClicked: page.openTest("quick")
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.leftMargin: Theme.spacingXl
            Layout.rightMargin: Theme.spacingXl
            implicitHeight: launchers.implicitHeight + 2 * Theme.spacingLg
            radius: Theme.radiusMd
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke
            ColumnLayout {
                id: launchers
                anchors.fill: parent
                anchors.margins: Theme.spacingLg
                spacing: Theme.spacingMd
                CardHeader {
                    heading: "Bài kiểm tra chuyên sâu"
                    text: "Chọn từng bài để soi kỹ. Click hoặc ◄ ► đổi mẫu, Esc để thoát."
                }
                GridLayout {
                    Layout.fillWidth: true
                    columns: 3
                    rowSpacing: Theme.spacingSm
                    columnSpacing: Theme.spacingSm
                    Repeater {
                        model: [
                            { heading: "Màu đơn sắc", sub: "Điểm chết / điểm kẹt · 9 màu", accent: Theme.accent, mode: "solid" },
                            { heading: "Dải xám", sub: "Banding & gamma", accent: Theme.info, mode: "gradient" },
                            { heading: "Lưới hình học", sub: "Độ đồng đều & méo hình", accent: Theme.good, mode: "grid" },
                            { heading: "Sọc màn hình", sub: "Sọc dọc / ngang / caro / lưới nhỏ", accent: Theme.accent, mode: "stripes" },
                            { heading: "Độ đồng đều màu", sub: "Loang · ám vàng / xanh / hồng", accent: Theme.info, mode: "uniformity" },
                            { heading: "Hở sáng", sub: "Backlight Bleed · IPS Glow", accent: Theme.warn, mode: "bleed" },
                            { heading: "Chuyển động", sub: "Ghosting · response time", accent: Theme.good, mode: "motion" },
                            { heading: "Nhấp nháy", sub: "Lỗi LED · nguồn · cáp", accent: Theme.warn, mode: "flicker" },
                            { heading: "Góc nhìn", sub: "IPS · VA · TN", accent: Theme.info, mode: "angle" }
                        ]
                        Rectangle {
                            Layout.fillWidth: true
                            Layout.preferredWidth: 1
                            Layout.preferredHeight: 86
                            radius: Theme.radiusSm
                            color: tileMouse.containsMouse ? Theme.bgElevated : Theme.bgSurfaceAlt
                            border.width: 1
                            border.color: tileMouse.containsMouse ? modelData.accent : Theme.stroke
                            Behavior on color { ColorAnimation { duration: 120 } }
                            Rectangle {
                                x: Theme.spacingMd
                                anchors.verticalCenter: parent.verticalCenter
                                width: 6
                                height: 40
                                radius: 3
                                color: modelData.accent
                            }
                            Column {
                                anchors.verticalCenter: parent.verticalCenter
                                x: Theme.spacingMd + 6 + Theme.spacingMd
                                width: parent.width - x - Theme.spacingSm
                                spacing: 4
                                Text {
                                    width: parent.width
                                    text: modelData.heading
                                    elide: Text.ElideRight
                                    color: Theme.textPrimary
                                    font.family: Theme.fontFamily
                                    font.pixelSize: Theme.fontSm
                                    font.bold: true
                                }
                                Text {
                                    width: parent.width
                                    text: modelData.sub
                                    wrapMode: Text.Wrap
                                    maximumLineCount: 2
                                    elide: Text.ElideRight
                                    color: Theme.textSecondary
                                    font.family: Theme.fontFamily
                                    font.pixelSize: Theme.fontXs
                                }
                            }
                            MouseArea {
                                id: tileMouse
                                anchors.fill: parent
                                hoverEnabled: true
                                cursorShape: Qt.PointingHandCursor
                                onClicked: page.openTest(modelData.mode)
                            }
                        }
                    }
                }
            }
        }

        Rectangle {
            objectName: "markingSheet"
            Layout.fillWidth: true
            Layout.leftMargin: Theme.spacingXl
            Layout.rightMargin: Theme.spacingXl
            implicitHeight: sheet.implicitHeight + 2 * Theme.spacingLg
            radius: Theme.radiusMd
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke
            ColumnLayout {
                id: sheet
                anchors.fill: parent
                anchors.margins: Theme.spacingLg
                spacing: Theme.spacingMd
                CardHeader {
                    iconColor: Theme.warn
                    heading: "Phiếu đánh dấu lỗi"
                    text: "Sau khi kiểm tra, chọn các lỗi phát hiện được. Bỏ trống nếu màn hình đạt. Kết quả được lưu vào báo cáo."
                }
                Flow {
                    Layout.fillWidth: true
                    spacing: Theme.spacingSm
                    Repeater {
                        model: ScreenTest.faultLabels
                        Rectangle {
                            objectName: "chip:" + modelData
                            readonly property bool marked: page.selected.indexOf(modelData) >= 0
                            width: chipText.implicitWidth + 28
                            height: 34
                            radius: 16
                            color: marked ? Qt.rgba(0.86, 0.15, 0.15, 0.18) : Theme.bgSurfaceAlt
                            border.width: 1
                            border.color: marked ? Theme.bad : Theme.stroke
                            Text {
                                id: chipText
                                anchors.centerIn: parent
                                text: modelData
                                color: parent.marked ? Theme.bad : Theme.textSecondary
                                font.family: Theme.fontFamily
                                font.pixelSize: Theme.fontSm
                            }
                            MouseArea {
                                anchors.fill: parent
                                cursorShape: Qt.PointingHandCursor
                                onClicked: page.toggle(modelData)
                            }
                        }
                    }
                }
                TextArea {
                    id: noteField
                    Layout.fillWidth: true
                    Layout.preferredHeight: 70
                    wrapMode: TextEdit.Wrap
                    placeholderText: "Ghi chú thêm (tuỳ chọn)…"
                    placeholderTextColor: Theme.textMuted
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                    background: Rectangle {
                        radius: Theme.radiusSm
                        color: Theme.bgSurfaceAlt
                        border.width: 1
                        border.color: noteField.activeFocus ? Theme.accent : Theme.stroke
                    }
                }
                RowLayout {
                    spacing: Theme.spacingSm
                    ActionButton {
                        objectName: "saveButton"
                        label: "Lưu kết quả"
                        fill: Theme.good
                        onClicked: page.save()
                    }
                    ActionButton {
                        objectName: "clearButton"
                        label: "Xoá đánh dấu"
                        fill: Theme.bgElevated
                        onClicked: page.clearMarks()
                    }
                }
                Rectangle {
                    objectName: "verdictBanner"
                    readonly property color levelColor: Display.verdictLevel === "ok" ? Theme.good
                                                        : Display.verdictLevel === "warn" ? Theme.warn
                                                        : Display.verdictLevel === "bad" ? Theme.bad
                                                        : Theme.textSecondary
                    visible: Display.confirmed
                    Layout.fillWidth: true
                    implicitHeight: verdictText.implicitHeight + 2 * Theme.spacingMd
                    radius: Theme.radiusSm
                    color: Theme.alpha(levelColor, 0.14)
                    border.width: 1
                    border.color: levelColor
                    Text {
                        id: verdictText
                        anchors.fill: parent
                        anchors.margins: Theme.spacingMd
                        wrapMode: Text.Wrap
                        text: ScreenTest.bannerText(Display.verdict, Display.faults, Display.note)
                        color: parent.levelColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                        font.bold: true
                    }
                }
            }
        }

        Repeater {
            model: Hardware.displays
            InfoCard {
                Layout.fillWidth: true
                Layout.leftMargin: Theme.spacingXl
                Layout.rightMargin: Theme.spacingXl
                iconName: "monitor"
                title: (modelData.primary ? "Màn hình chính" : "Màn hình " + (index + 1))
                       + (modelData.model ? " — " + modelData.model : "")
                rows: [
                    { label: "Hãng sản xuất", value: modelData.vendor },
                    { label: "Model", value: modelData.model },
                    { label: "Kích thước", value: modelData.size },
                    { label: "Năm sản xuất", value: modelData.year },
                    { label: "Số serial", value: modelData.serial },
                    { label: "Độ phân giải hiện tại", value: modelData.resolution },
                    { label: "Độ phân giải gốc", value: modelData.nativeResolution,
                      color: modelData.resolution && modelData.nativeResolution
                             && modelData.resolution !== modelData.nativeResolution ? Theme.warn : undefined },
                    { label: "Tần số quét", value: modelData.refresh },
                    { label: "Tần số quét tối đa", value: modelData.maxRefresh },
                    { label: "Độ sâu màu", value: modelData.colorDepth },
                    { label: "Cổng / GPU", value: modelData.adapter }
                ]
            }
        }

        Item { Layout.preferredHeight: Theme.spacingLg }
    }
}
