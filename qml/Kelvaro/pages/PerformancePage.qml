import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import Kelvaro 1.0

ScrollView {
    id: page
    property string title
    property string iconName
    property int stressChoice: 60

    contentWidth: availableWidth
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    clip: true
    // Opaque, so that a grabbed image of the page has the window's colour.
    background: Rectangle { color: Theme.bgBase }

    // Every page exists from start-up; sampling starts only once this one is looked at.
    onVisibleChanged: {
        if (!visible)
            return
        Perf.startMonitor()
        catchUpGpuPhase()
    }
    Component.onCompleted: {
        if (visible)
            Perf.startMonitor()
        Qt.callLater(catchUpGpuPhase)
    }

    // Pages after the first are built in the background; a full inspection that reached a GPU
    // phase before this page existed has asked for a run nobody heard, so the card catches up.
    function catchUpGpuPhase() {
        var win = Window.window
        if (!win || win.fullScanRunning !== true)
            return
        if (win.scanPhase === "gpuBench" && Perf.gpuResult.tested !== true)
            gpuCard.startBenchmark()
        else if (win.scanPhase === "gpuStress" && Perf.gpuResult.stressTested !== true)
            gpuCard.startStress()
    }
    Window.onWindowChanged: catchUpGpuPhase()

    // A surface scrolled out of view shades no pixels, so while a GPU run lasts its card stays in
    // view, also when the page is still being laid out as the run starts.
    function revealGpuCard() {
        if (gpuCard.mode === "idle")
            return
        var flick = page.contentItem
        flick.contentY = Math.max(0, Math.min(gpuCard.y - Theme.spacingMd, flick.contentHeight - flick.height))
    }
    Connections {
        target: gpuCard
        function onModeChanged() { page.revealGpuCard() }
        function onYChanged() { page.revealGpuCard() }
    }
    Connections {
        target: page.contentItem
        function onContentHeightChanged() { page.revealGpuCard() }
        function onHeightChanged() { page.revealGpuCard() }
    }

    function loadColor(load) {
        return load >= 85 ? Theme.bad : load >= 60 ? Theme.warn : Theme.good
    }

    component ActionButton: Rectangle {
        id: button
        property string text
        property color accent: Theme.accent
        signal clicked()
        implicitWidth: label.implicitWidth + 36
        implicitHeight: 42
        radius: Theme.radiusMd
        color: enabled && mouse.containsMouse ? Qt.lighter(accent, 1.12) : accent
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
            hoverEnabled: button.enabled
            cursorShape: Qt.PointingHandCursor
            onClicked: button.clicked()
        }
    }

    component Card: Rectangle {
        id: card
        default property alias body: inner.data
        property string icon
        property color iconColor: Theme.accentGlow
        property string heading
        property alias trailing: trail.data
        Layout.fillWidth: true
        Layout.leftMargin: Theme.spacingXl
        Layout.rightMargin: Theme.spacingXl
        implicitHeight: inner.implicitHeight + 2 * Theme.spacingLg
        radius: Theme.radiusLg
        color: Theme.bgSurface
        border.width: 1
        border.color: Theme.stroke
        ColumnLayout {
            id: inner
            anchors.fill: parent
            anchors.margins: Theme.spacingLg
            spacing: Theme.spacingMd
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                IconGlyph {
                    Layout.preferredWidth: 22
                    Layout.preferredHeight: 22
                    name: card.icon
                    color: card.iconColor
                }
                Text {
                    Layout.fillWidth: true
                    text: card.heading
                    elide: Text.ElideRight
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMd
                    font.bold: true
                }
                RowLayout { id: trail; spacing: Theme.spacingSm }
            }
        }
    }

    // A label over a value, for the statistics rows.
    component Stat: Rectangle {
        id: stat
        property string label
        property string value
        property color valueColor: Theme.textPrimary
        property string sub
        Layout.fillWidth: true
        implicitHeight: 64
        radius: Theme.radiusSm
        color: Theme.bgSurfaceAlt
        Column {
            anchors.fill: parent
            anchors.margins: Theme.spacingSm
            anchors.leftMargin: Theme.spacingMd
            spacing: 2
            Text {
                width: parent.width
                text: stat.label
                elide: Text.ElideRight
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontXs
            }
            Text {
                width: parent.width
                text: stat.value
                elide: Text.ElideRight
                color: stat.valueColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontLg
                font.bold: true
            }
            Text {
                width: parent.width
                visible: text !== ""
                text: stat.sub
                elide: Text.ElideRight
                color: Theme.textMuted
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontXs
            }
        }
    }

    component Bar: Rectangle {
        id: bar
        property real fraction: 0
        property int duration: 400
        property color fill: Theme.accent
        Layout.fillWidth: true
        implicitHeight: 6
        radius: 3
        color: Theme.strokeSoft
        Rectangle {
            width: parent.width * Math.max(0, Math.min(1, bar.fraction))
            height: parent.height
            radius: 3
            color: bar.fill
            Behavior on width { NumberAnimation { duration: bar.duration } }
        }
    }

    ColumnLayout {
        width: page.availableWidth
        spacing: Theme.spacingMd

        Item { Layout.preferredHeight: Theme.spacingXs }

        Card {
            icon: "speed"
            heading: "Giám sát thời gian thực"
            trailing: [
                Rectangle {
                    width: 9; height: 9; radius: 4.5
                    color: Perf.monitoring ? Theme.good : Theme.textMuted
                },
                Text {
                    text: Perf.monitoring ? "Đang theo dõi" : "Tạm dừng"
                    color: Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
            ]

            GridLayout {
                id: charts
                Layout.fillWidth: true
                columns: width > 720 ? 2 : 1
                columnSpacing: Theme.spacingMd
                rowSpacing: Theme.spacingMd

                Repeater {
                    model: 2
                    Rectangle {
                        readonly property bool cpu: index === 0
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.preferredHeight: 200
                        radius: Theme.radiusMd
                        color: Theme.bgSurfaceAlt
                        ColumnLayout {
                            anchors.fill: parent
                            anchors.margins: Theme.spacingMd
                            spacing: Theme.spacingXs
                            RowLayout {
                                Layout.fillWidth: true
                                Text {
                                    text: cpu ? "CPU" : "RAM"
                                    color: Theme.textSecondary
                                    font.family: Theme.fontFamily
                                    font.pixelSize: Theme.fontSm
                                    font.weight: Font.DemiBold
                                }
                                Item { Layout.fillWidth: true }
                                Text {
                                    visible: !cpu
                                    text: (Perf.ramUsedText || "—") + " / " + (Perf.ramTotalText || "—") + "  "
                                    color: Theme.textSecondary
                                    font.family: Theme.fontFamily
                                    font.pixelSize: Theme.fontSm
                                }
                                Text {
                                    readonly property real load: cpu ? Perf.cpuLoad : Perf.ramPercent
                                    text: Math.round(load) + "%"
                                    color: page.loadColor(load)
                                    font.family: Theme.fontFamily
                                    font.pixelSize: Theme.fontLg
                                    font.bold: true
                                }
                            }
                            LineChart {
                                Layout.fillWidth: true
                                Layout.fillHeight: true
                                maxValue: 100
                                values: cpu ? Perf.cpuHistory : Perf.ramHistory
                                lineColor: cpu ? page.loadColor(Perf.cpuLoad) : Theme.info
                            }
                        }
                    }
                }
            }

            Rectangle {
                visible: Perf.tempAvailable
                Layout.fillWidth: true
                Layout.preferredHeight: 64
                radius: Theme.radiusMd
                color: Theme.bgSurfaceAlt
                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: Theme.spacingMd
                    anchors.rightMargin: Theme.spacingMd
                    spacing: Theme.spacingSm
                    IconGlyph { name: "bolt"; color: Theme.warn }
                    Text {
                        Layout.fillWidth: true
                        text: "Nhiệt độ CPU"
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                    Text {
                        text: Math.round(Perf.cpuTemp) + " °C"
                        color: Perf.cpuTemp >= 85 ? Theme.bad : Perf.cpuTemp >= 70 ? Theme.warn : Theme.good
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontLg
                        font.bold: true
                    }
                }
            }

            Text {
                visible: Perf.coreLoads.length > 0
                text: "Tải từng nhân (" + Perf.coreLoads.length + " luồng)"
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }
            GridLayout {
                visible: Perf.coreLoads.length > 0
                Layout.fillWidth: true
                columns: width > 700 ? 6 : 3
                columnSpacing: Theme.spacingSm
                rowSpacing: Theme.spacingSm
                Repeater {
                    model: Perf.coreLoads
                    Rectangle {
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.preferredHeight: 46
                        radius: Theme.radiusSm
                        color: Theme.bgSurfaceAlt
                        clip: true
                        Rectangle {
                            anchors.bottom: parent.bottom
                            width: parent.width
                            height: parent.height * Math.min(1, Math.max(0, modelData) / 100)
                            color: Theme.alpha(page.loadColor(modelData), 0.3)
                        }
                        Text {
                            anchors.left: parent.left
                            anchors.leftMargin: Theme.spacingSm
                            anchors.verticalCenter: parent.verticalCenter
                            text: "C" + index
                            color: Theme.textSecondary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontXs
                        }
                        Text {
                            anchors.right: parent.right
                            anchors.rightMargin: Theme.spacingSm
                            anchors.verticalCenter: parent.verticalCenter
                            text: Math.round(modelData) + "%"
                            color: Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                            font.bold: true
                        }
                    }
                }
            }
        }

        Card {
            icon: "bolt"
            iconColor: Theme.bad
            heading: "Stress Test (CPU)"
            trailing: Text {
                visible: Perf.stressThreads > 0
                text: Perf.stressThreads + " luồng"
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }

            Text {
                Layout.fillWidth: true
                text: "Đẩy toàn bộ nhân CPU lên 100% để phát hiện treo máy, sụt xung (throttle) hoặc quá nhiệt."
                wrapMode: Text.Wrap
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }

            Flow {
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                enabled: !Perf.stressRunning
                opacity: enabled ? 1 : 0.4
                Repeater {
                    model: [{ text: "30 giây", seconds: 30 }, { text: "1 phút", seconds: 60 },
                            { text: "3 phút", seconds: 180 }, { text: "5 phút", seconds: 300 }]
                    Rectangle {
                        readonly property bool chosen: page.stressChoice === modelData.seconds
                        width: chip.implicitWidth + 28
                        height: 34
                        radius: 17
                        color: chosen ? Theme.accent : Theme.bgSurfaceAlt
                        border.width: 1
                        border.color: chosen ? Theme.accent : Theme.stroke
                        Text {
                            id: chip
                            anchors.centerIn: parent
                            text: modelData.text
                            color: parent.chosen ? "white" : Theme.textSecondary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                            font.weight: Font.DemiBold
                        }
                        MouseArea {
                            anchors.fill: parent
                            cursorShape: Qt.PointingHandCursor
                            onClicked: page.stressChoice = modelData.seconds
                        }
                    }
                }
            }

            RowLayout {
                // A finished run stays on show even when the load read 0 throughout (a replayed profile).
                visible: Perf.stressRunning || Perf.stressMaxLoad > 0 || Perf.stressElapsed > 0
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                Stat { label: "Đã chạy"; value: Perf.stressElapsed + "s / " + Perf.stressDuration + "s" }
                Stat {
                    label: "Tải CPU"
                    value: Math.round(Perf.cpuLoad) + "%"
                    valueColor: page.loadColor(Perf.cpuLoad)
                }
                Stat { label: "Tải đỉnh"; value: Math.round(Perf.stressMaxLoad) + "%" }
                Stat {
                    label: "Nhiệt đỉnh"
                    value: Perf.stressMaxTemp > 0 ? Math.round(Perf.stressMaxTemp) + " °C" : "—"
                    valueColor: Perf.stressMaxTemp >= 85 ? Theme.bad : Theme.textPrimary
                }
            }

            Bar {
                visible: Perf.stressRunning
                fraction: Perf.stressDuration > 0 ? Perf.stressElapsed / Perf.stressDuration : 0
            }

            ActionButton {
                text: Perf.stressRunning ? "Dừng stress test" : "Bắt đầu stress test"
                accent: Perf.stressRunning ? Theme.bad : Theme.accent
                onClicked: Perf.stressRunning ? Perf.stopStress() : Perf.startStress(page.stressChoice)
            }
        }

        Card {
            icon: "developer_board"
            iconColor: Theme.good
            heading: "Benchmark"

            Text {
                Layout.fillWidth: true
                text: "Đo hiệu năng CPU (đơn/đa luồng), băng thông RAM và tốc độ đọc/ghi ổ đĩa."
                wrapMode: Text.Wrap
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }

            RowLayout {
                visible: Perf.benchRunning
                Layout.fillWidth: true
                Text {
                    Layout.fillWidth: true
                    text: Perf.benchStage
                    elide: Text.ElideRight
                    color: Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
                Text {
                    text: Perf.benchProgress + "%"
                    color: Theme.accent
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                    font.bold: true
                }
            }
            Bar {
                visible: Perf.benchRunning
                duration: 300
                fraction: Perf.benchProgress / 100
            }

            GridLayout {
                readonly property var b: Perf.benchmark
                visible: Object.keys(b).length > 0
                Layout.fillWidth: true
                columns: width > 700 ? 3 : 2
                columnSpacing: Theme.spacingSm
                rowSpacing: Theme.spacingSm
                Stat {
                    Layout.preferredWidth: 1
                    implicitHeight: 78
                    label: "CPU đơn luồng"
                    value: parent.b.cpuSingle || "—"
                    valueColor: Theme.good
                }
                Stat {
                    Layout.preferredWidth: 1
                    implicitHeight: 78
                    label: "CPU đa luồng"
                    value: parent.b.cpuMulti || "—"
                    valueColor: Theme.good
                    sub: parent.b.cpuScaling !== undefined
                         ? "Tăng " + parent.b.cpuScaling + " / " + (parent.b.cpuThreads || "?") + " luồng" : ""
                }
                Stat {
                    Layout.preferredWidth: 1
                    implicitHeight: 78
                    label: "Băng thông RAM"
                    value: parent.b.ramBandwidth || "—"
                    valueColor: Theme.info
                }
                Stat {
                    Layout.preferredWidth: 1
                    implicitHeight: 78
                    label: "Ổ đĩa — Đọc"
                    value: parent.b.diskRead || "—"
                    valueColor: Theme.accent
                }
                Stat {
                    Layout.preferredWidth: 1
                    implicitHeight: 78
                    label: "Ổ đĩa — Ghi"
                    value: parent.b.diskWrite || "—"
                    valueColor: Theme.accent
                }
            }

            ActionButton {
                text: Perf.benchRunning ? "Đang chạy…" : "Chạy benchmark"
                accent: Theme.good
                enabled: !Perf.benchRunning && !Perf.stressRunning
                onClicked: Perf.runBenchmark()
            }
        }

        GpuBenchmark {
            id: gpuCard
            Layout.fillWidth: true
            Layout.leftMargin: Theme.spacingXl
            Layout.rightMargin: Theme.spacingXl
        }

        Item { Layout.preferredHeight: Theme.spacingXl }
    }
}
