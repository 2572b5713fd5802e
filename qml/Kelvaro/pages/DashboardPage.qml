import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/dashboard.js" as Dashboard

ScrollView {
    id: page
    property var sections: []
    property string title
    property string iconName
    property bool scanBusy: false
    property string scanStage: ""
    signal navigate(int index)

    readonly property bool updateAvailable: typeof Update !== "undefined" && Update !== null
    readonly property var summary: Dashboard.summary({
        hasScanned: Hardware.hasScanned, cpu: Hardware.cpu, ramSummary: Hardware.ramSummary,
        disks: Hardware.disks, battery: Hardware.battery, gpus: Hardware.gpus })

    contentWidth: availableWidth
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    clip: true
    // Opaque, so that a grabbed image of the page has the window's colour.
    background: Rectangle { color: Theme.bgBase }

    component FooterButton: Rectangle {
        id: button
        property string icon
        property string label
        property color hoverColor: Theme.bgElevated
        property color borderColor: Theme.stroke
        signal clicked()
        implicitWidth: buttonRow.implicitWidth + 28
        height: 38
        radius: Theme.radiusSm
        color: buttonMouse.containsMouse && enabled ? hoverColor : "transparent"
        border.width: 1
        border.color: buttonMouse.containsMouse && enabled ? borderColor : Theme.stroke
        opacity: enabled ? 1 : 0.5
        Behavior on color { ColorAnimation { duration: 120 } }
        Row {
            id: buttonRow
            anchors.centerIn: parent
            spacing: 8
            IconGlyph {
                width: 18
                height: 18
                name: button.icon
                color: Theme.textPrimary
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: button.label
                color: Theme.textPrimary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
                font.weight: Font.DemiBold
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        MouseArea {
            id: buttonMouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: button.clicked()
        }
    }

    ColumnLayout {
        width: page.availableWidth
        spacing: Theme.spacingLg

        Item { Layout.preferredHeight: Theme.spacingXs }

        RowLayout {
            id: hero
            Layout.leftMargin: Theme.spacingXl
            Layout.rightMargin: Theme.spacingXl
            Layout.fillWidth: true
            spacing: Theme.spacingLg
            // 240, or more when a narrow window wraps the welcome text.
            readonly property real heroHeight: Math.max(240, welcome.implicitHeight + 2 * Theme.spacingLg)

            Rectangle {
                Layout.preferredWidth: 320
                Layout.preferredHeight: hero.heroHeight
                color: Theme.bgSurface
                border.width: 1
                border.color: Theme.stroke
                radius: Theme.radiusLg

                Text {
                    id: caption
                    anchors.top: parent.top
                    anchors.topMargin: Theme.spacingMd
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "Kelvaro SCORE"
                    color: Theme.textMuted
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontXs
                    font.weight: Font.DemiBold
                    font.letterSpacing: 1.5
                }
                ScoreGauge {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: caption.y + caption.height + (statusLine.y - caption.y - caption.height - height) / 2
                    size: 150
                    value: Dashboard.gaugeValue(Hardware.hasScanned, Report.overall)
                }
                Text {
                    id: statusLine
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: Theme.spacingMd
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.leftMargin: Theme.spacingMd
                    anchors.rightMargin: Theme.spacingMd
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: Dashboard.statusLine({ scanning: Hardware.scanning, stage: Hardware.stage,
                                                 progress: Hardware.progress, hasScanned: Hardware.hasScanned,
                                                 lastScan: Hardware.lastScan }, page.scanBusy, page.scanStage)
                    color: Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: hero.heroHeight
                color: Theme.bgSurface
                border.width: 1
                border.color: Theme.stroke
                radius: Theme.radiusLg

                ColumnLayout {
                    id: welcome
                    anchors.fill: parent
                    anchors.margins: Theme.spacingLg
                    spacing: Theme.spacingMd
                    Flow {
                        Layout.fillWidth: true
                        spacing: Theme.spacingSm
                        Text {
                            text: "Chào mừng đến Kelvaro"
                            color: Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontXl
                            font.bold: true
                        }
                        StatusBadge {
                            y: 6
                            text: "M0 · Khung dự án"
                            level: "info"
                        }
                    }
                    Text {
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        lineHeight: 1.3
                        text: "Công cụ kiểm định máy tính All-In-One: thu thập thông tin phần cứng, "
                              + "kiểm tra màn hình · bàn phím · camera, stress test và xuất phiếu kiểm định chuyên nghiệp."
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                    }
                    Item { Layout.fillHeight: true }
                    Flow {
                        Layout.fillWidth: true
                        spacing: Theme.spacingSm
                        StatusBadge { text: "Windows + Linux"; level: "good" }
                        StatusBadge { text: Dashboard.frameworkBadge(App.qtVersion); level: "info" }
                        StatusBadge { text: "Báo cáo PDF"; level: "muted" }
                    }
                }
            }
        }

        Text {
            Layout.leftMargin: Theme.spacingXl
            text: "Tóm tắt phần cứng"
            color: Theme.textPrimary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLg
            font.bold: true
        }

        GridLayout {
            id: grid
            Layout.leftMargin: Theme.spacingXl
            Layout.rightMargin: Theme.spacingXl
            Layout.fillWidth: true
            columns: Dashboard.columns(page.availableWidth)
            columnSpacing: Theme.spacingMd
            rowSpacing: Theme.spacingMd

            Repeater {
                model: page.summary
                Rectangle {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1 // equal columns: the width comes from filling
                    Layout.preferredHeight: 110
                    radius: Theme.radiusMd
                    color: Theme.bgSurface
                    border.width: 1
                    border.color: cardMouse.containsMouse ? Theme.accent : Theme.stroke
                    Behavior on border.color { ColorAnimation { duration: 120 } }

                    RowLayout {
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.top: parent.top
                        anchors.margins: Theme.spacingMd
                        spacing: Theme.spacingSm
                        IconGlyph {
                            Layout.preferredWidth: 20
                            Layout.preferredHeight: 20
                            // The icon of the tab the card leads to.
                            name: page.sections.length > modelData.index ? page.sections[modelData.index].icon : ""
                            color: Theme.accentGlow
                        }
                        Text {
                            Layout.fillWidth: true
                            text: modelData.title
                            elide: Text.ElideRight
                            color: Theme.textSecondary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                            font.weight: Font.DemiBold
                        }
                        StatusBadge {
                            text: Dashboard.cardBadge(Hardware.scanning, page.scanBusy, Hardware.hasScanned)
                            level: modelData.level
                        }
                    }
                    Text {
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.bottom: parent.bottom
                        anchors.margins: Theme.spacingMd
                        text: modelData.value
                        elide: Text.ElideRight
                        color: Theme.textPrimary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                        font.weight: Font.DemiBold
                    }
                    MouseArea {
                        id: cardMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: page.navigate(modelData.index)
                    }
                }
            }
        }

        Rectangle {
            Layout.leftMargin: Theme.spacingXl
            Layout.rightMargin: Theme.spacingXl
            Layout.fillWidth: true
            Layout.preferredHeight: footer.implicitHeight + 2 * Theme.spacingLg
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke
            radius: Theme.radiusLg

            RowLayout {
                id: footer
                anchors.fill: parent
                anchors.margins: Theme.spacingLg
                spacing: Theme.spacingMd

                Rectangle {
                    Layout.preferredWidth: 56
                    Layout.preferredHeight: 56
                    radius: Theme.radiusMd
                    color: Theme.alpha(Theme.good, 0.15)
                    Text {
                        anchors.centerIn: parent
                        text: "FREE"
                        color: Theme.good
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                        font.weight: Font.Black
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2
                    Text {
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        text: "Phần mềm MIỄN PHÍ — và mãi mãi miễn phí cho người dùng"
                        color: Theme.textPrimary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                        font.weight: Font.DemiBold
                    }
                    Text {
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        text: "Phát triển và phát hành bởi nhóm Kelvaro."
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                    Text {
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        text: App.copyright
                        color: Theme.textMuted
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXs
                    }
                }
                ColumnLayout {
                    spacing: Theme.spacingSm
                    FooterButton {
                        Layout.alignment: Qt.AlignRight
                        icon: "refresh"
                        label: "Kiểm tra cập nhật"
                        // The update controller may not exist in this build.
                        enabled: page.updateAvailable
                        onClicked: Update.checkForUpdates(false)
                    }
                    FooterButton {
                        Layout.alignment: Qt.AlignRight
                        visible: App.installed
                        icon: "delete"
                        label: "Gỡ cài đặt"
                        hoverColor: Theme.alpha(Theme.bad, 0.16)
                        borderColor: Theme.bad
                        onClicked: uninstallDialog.open()
                    }
                }
            }
        }

        Item { Layout.preferredHeight: Theme.spacingLg }
    }

    Popup {
        id: uninstallDialog
        modal: true
        dim: true
        width: 440
        padding: Theme.spacingLg
        anchors.centerIn: Overlay.overlay
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
        background: Rectangle {
            color: Theme.bgSurface
            radius: Theme.radiusLg
            border.width: 1
            border.color: Theme.stroke
        }
        contentItem: ColumnLayout {
            spacing: Theme.spacingMd
            Rectangle {
                Layout.alignment: Qt.AlignHCenter
                width: 56
                height: 56
                radius: 28
                color: Theme.alpha(Theme.bad, 0.16)
                IconGlyph {
                    anchors.centerIn: parent
                    width: 28
                    height: 28
                    name: "delete"
                    color: Theme.bad
                }
            }
            Text {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: "Gỡ cài đặt Kelvaro?"
                color: Theme.textPrimary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontLg
                font.bold: true
            }
            Text {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: "Ứng dụng sẽ đóng lại và trình gỡ cài đặt sẽ xoá toàn bộ Kelvaro khỏi máy này. "
                      + "Bạn có thể cài đặt lại bất cứ lúc nào từ trang phát hành của Kelvaro."
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }
            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: Theme.spacingSm
                FooterButton {
                    label: "Huỷ"
                    onClicked: uninstallDialog.close()
                }
                Rectangle {
                    width: removeText.implicitWidth + 32
                    height: 38
                    radius: Theme.radiusSm
                    color: removeMouse.containsMouse ? "#DC2626" : Theme.bad
                    Text {
                        id: removeText
                        anchors.centerIn: parent
                        text: "Gỡ cài đặt"
                        color: "white"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                        font.weight: Font.DemiBold
                    }
                    MouseArea {
                        id: removeMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            uninstallDialog.close()
                            App.uninstall()
                        }
                    }
                }
            }
        }
    }
}
