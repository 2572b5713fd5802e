import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/levels.js" as Levels

ScrollView {
    id: page
    property string title
    property string iconName
    property string exportStatus: ""
    property string exportPath: ""
    property bool exportOk: false
    property bool shotBusy: false
    property string shotMessage: ""
    property bool shotOk: false
    property string shotDir: ""
    signal exportShotsRequested(string dir)

    contentWidth: availableWidth
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    clip: true
    // Opaque, so that a grabbed image of the page has the window's colour.
    background: Rectangle { color: Theme.bgBase }

    Component.onCompleted: Report.compute()

    Connections {
        target: Report
        function onExported(path, ok) {
            page.exportOk = ok
            page.exportPath = ok ? path : ""
            page.exportStatus = ok ? "Đã xuất: " + path : "Xuất báo cáo thất bại"
        }
    }

    component PrimaryButton: Rectangle {
        id: button
        property string text
        property color accent: Theme.accent
        signal clicked()
        implicitWidth: label.implicitWidth + 36
        implicitHeight: 42
        radius: Theme.radiusMd
        color: !enabled ? Theme.alpha("white", 0.04) : (mouse.containsMouse ? Qt.lighter(accent, 1.12) : accent)
        opacity: enabled ? 1 : 0.5
        Behavior on color { ColorAnimation { duration: 120 } }
        Text {
            id: label
            anchors.centerIn: parent
            text: button.text
            color: "white"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
            font.bold: true
        }
        MouseArea {
            id: mouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: button.clicked()
        }
    }

    component Card: Rectangle {
        default property alias body: inner.data
        Layout.leftMargin: Theme.spacingXl
        Layout.rightMargin: Theme.spacingXl
        Layout.fillWidth: true
        implicitHeight: inner.implicitHeight + 2 * Theme.spacingLg
        radius: Theme.radiusLg
        color: Theme.bgSurface
        border.width: 1
        border.color: Theme.alpha("white", 0.06)
        ColumnLayout {
            id: inner
            anchors.fill: parent
            anchors.margins: Theme.spacingLg
            spacing: Theme.spacingMd
        }
    }

    component StatusBox: Rectangle {
        id: box
        property string text
        property string level: "bad"
        property bool canReveal: false
        signal reveal()
        Layout.fillWidth: true
        implicitHeight: Math.max(boxText.implicitHeight, 36) + 2 * Theme.spacingSm
        radius: Theme.radiusSm
        color: Theme.alpha(Theme.levelColor(level), 0.12)
        border.width: 1
        border.color: level === "info" ? Theme.accent : Theme.levelColor(level)
        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: Theme.spacingMd
            anchors.rightMargin: Theme.spacingSm
            spacing: Theme.spacingSm
            Text {
                id: boxText
                Layout.fillWidth: true
                text: box.text
                elide: Text.ElideMiddle
                color: Theme.textPrimary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }
            PrimaryButton {
                visible: box.canReveal
                implicitHeight: 34
                text: "Mở thư mục"
                accent: Theme.bgElevated
                onClicked: box.reveal()
            }
        }
    }

    ColumnLayout {
        width: page.availableWidth
        spacing: Theme.spacingLg

        Item { Layout.preferredHeight: Theme.spacingXs }

        Card {
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacingLg
                ScoreGauge {
                    size: 170
                    value: Report.overall
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: Theme.spacingSm
                    Text {
                        text: "Kelvaro Score — Đánh giá tổng thể"
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                    Flow {
                        Layout.fillWidth: true
                        spacing: Theme.spacingMd
                        Text {
                            text: Report.grade
                            color: Report.gradeColor !== "" ? Report.gradeColor : Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontXxl
                            font.bold: true
                        }
                        Rectangle {
                            visible: Report.generatedAt !== ""
                            y: 14
                            width: chipText.implicitWidth + 20
                            height: 26
                            radius: 13
                            color: Theme.alpha(Theme.accent, 0.14)
                            Text {
                                id: chipText
                                anchors.centerIn: parent
                                text: Report.generatedAt
                                color: Theme.accent
                                font.family: Theme.fontFamily
                                font.pixelSize: Theme.fontXs
                                font.weight: Font.DemiBold
                            }
                        }
                    }
                    Text {
                        Layout.fillWidth: true
                        elide: Text.ElideRight
                        text: (Hardware.system.model || Hardware.cpu.name || "Máy tính")
                              + (Hardware.system.osName ? "  •  " + Hardware.system.osName : "")
                        color: Theme.textPrimary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                    }
                    PrimaryButton {
                        text: "Tính lại điểm"
                        accent: Theme.accent
                        onClicked: Report.compute()
                    }
                }
            }
        }

        Card {
            RowLayout {
                spacing: Theme.spacingSm
                IconGlyph { width: 20; height: 20; name: "description"; color: Theme.accentGlow }
                Text {
                    text: "Đánh giá theo hạng mục"
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMd
                    font.bold: true
                }
            }
            Repeater {
                model: Report.categories
                RowLayout {
                    Layout.fillWidth: true
                    spacing: Theme.spacingMd
                    readonly property color barColor: Theme.levelColor(Levels.barLevel(modelData.score))
                    ColumnLayout {
                        Layout.preferredWidth: 200
                        Layout.maximumWidth: 200
                        spacing: 0
                        Text {
                            Layout.fillWidth: true
                            elide: Text.ElideRight
                            text: modelData.name
                            color: Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                            font.bold: true
                        }
                        Text {
                            text: "Trọng số " + modelData.weight
                            color: Theme.textMuted
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontXs
                        }
                    }
                    Rectangle {
                        Layout.fillWidth: true
                        Layout.minimumWidth: 100
                        height: 12
                        radius: 6
                        color: Theme.alpha("white", 0.06)
                        Rectangle {
                            visible: !modelData.na
                            height: parent.height
                            radius: 6
                            color: parent.parent.barColor
                            width: parent.width * Levels.arcFraction(modelData.score)
                            Behavior on width { NumberAnimation { duration: 500; easing.type: Easing.OutCubic } }
                        }
                    }
                    Text {
                        Layout.preferredWidth: 56
                        horizontalAlignment: Text.AlignRight
                        text: modelData.na ? "N/A" : Math.round(modelData.score)
                        color: modelData.na ? Theme.textMuted : parent.barColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                        font.bold: true
                    }
                    Text {
                        Layout.preferredWidth: 320
                        Layout.minimumWidth: 140
                        Layout.fillWidth: true
                        Layout.maximumWidth: 320
                        elide: Text.ElideRight
                        text: modelData.note
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                }
            }
        }

        Card {
            RowLayout {
                spacing: Theme.spacingSm
                IconGlyph { width: 20; height: 20; name: "description"; color: Theme.good }
                Text {
                    text: "Xuất phiếu kiểm định"
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMd
                    font.bold: true
                }
            }
            Text {
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
                text: "Lưu báo cáo ra Desktop dưới dạng PDF (phiếu in), HTML, JSON hoặc CSV."
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }
            Flow {
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                PrimaryButton { text: "Xuất PDF"; accent: Theme.bad; onClicked: Report.exportReport("pdf") }
                PrimaryButton { text: "Xuất HTML"; accent: Theme.info; onClicked: Report.exportReport("html") }
                PrimaryButton { text: "Xuất JSON"; accent: Theme.accent; onClicked: Report.exportReport("json") }
                PrimaryButton { text: "Xuất CSV"; accent: Theme.good; onClicked: Report.exportReport("csv") }
            }
            Rectangle {
                Layout.fillWidth: true
                height: 1
                color: Theme.strokeSoft
            }
            Text {
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
                text: "Hoặc chụp ảnh thực tế của tất cả các tab (Hệ thống, CPU, RAM, …) lưu vào một thư mục."
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }
            PrimaryButton {
                text: page.shotBusy ? "Đang chụp…" : "Xuất ảnh tất cả tab"
                accent: Theme.warn
                enabled: !page.shotBusy
                onClicked: picker.active = true
            }
            StatusBox {
                visible: page.shotMessage !== ""
                text: page.shotMessage
                level: page.shotBusy ? "info" : (page.shotOk ? "good" : "bad")
                canReveal: page.shotOk && !page.shotBusy && page.shotDir !== ""
                onReveal: Report.revealInExplorer(page.shotDir + "/01_dashboard.png")
            }
            StatusBox {
                visible: page.exportStatus !== ""
                text: page.exportStatus
                level: page.exportOk ? "good" : "bad"
                canReveal: page.exportOk
                onReveal: Report.revealInExplorer(page.exportPath)
            }
        }

        Item {
            Layout.preferredHeight: Theme.spacingLg
            Loader {
                id: picker
                active: false
                source: "../components/FolderPicker.qml"
                onLoaded: item.open()
                Connections {
                    target: picker.item
                    function onAccepted() {
                        var dir = Report.toLocalPath(picker.item.fileUrl)
                        picker.active = false
                        if (dir !== "")
                            page.exportShotsRequested(dir)
                    }
                    function onRejected() { picker.active = false }
                }
            }
        }
    }
}
