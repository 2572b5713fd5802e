import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import Kelvaro 1.0
import "../js/gpubench.js" as Bench

// The GPU card of the performance page: a fractal drawn in the window's own scene, whose frame
// rate under a rising per-pixel load is the measurement.
Rectangle {
    id: root

    readonly property var gpu: Bench.pickGpu(Hardware.gpus, function(g) { return Hardware.isDedicatedGpu(g) })
    readonly property bool dedicated: gpu !== null && Hardware.isDedicatedGpu(gpu)
    readonly property string gpuName: Bench.gpuName(gpu)
    property string mode: "idle"
    property real fps: 0
    property real capFps: 0
    property int complexity: 2
    readonly property bool surfaceActive: mode !== "idle"
    property int gpuScore: 0
    property real peakThroughput: 0
    property int maxStableLevel: 0
    property string verdict: ""
    property color verdictColor: Theme.textSecondary
    property int stressSeconds: 20
    property int stressElapsed: 0
    property real stressMinFps: 0
    property real stressAvgFps: 0
    property int stressStability: 0
    property string stressVerdict: ""
    property color stressVerdictColor: Theme.textSecondary
    property int frames: 0
    property real lastTick: 0 // Date.now() of the previous tick
    property int phase: 0
    property var bench: Bench.newBenchmark()
    property var stress: Bench.newStress(0)

    function startBenchmark() {
        if (mode !== "idle")
            return
        bench = Bench.newBenchmark()
        gpuScore = 0
        peakThroughput = 0
        maxStableLevel = 0
        capFps = 0
        verdict = ""
        complexity = bench.complexity
        phase = 0
        frames = 0
        lastTick = Date.now()
        mode = "benchmark"
    }

    function startStress() {
        if (mode !== "idle")
            return
        stress = Bench.newStress(maxStableLevel)
        stressElapsed = 0
        stressMinFps = 0
        stressAvgFps = 0
        stressStability = 0
        stressVerdict = ""
        complexity = stress.complexity
        frames = 0
        lastTick = Date.now()
        mode = "stress"
    }

    function stopAll() {
        mode = "idle"
        complexity = 2
    }

    function benchmarkTick() {
        var dpr = Screen.devicePixelRatio > 0 ? Screen.devicePixelRatio : 1
        Bench.benchmarkTick(bench, fps, surface.width * surface.height * dpr * dpr)
        capFps = bench.capFps
        peakThroughput = bench.peakThroughput
        maxStableLevel = bench.maxStableLevel
        complexity = bench.complexity
        phase = bench.phase
        if (!bench.done)
            return
        gpuScore = Bench.score(peakThroughput)
        var v = Bench.benchmarkVerdict(peakThroughput, dedicated)
        verdict = v.text
        verdictColor = Theme.levelColor(v.level)
        stopAll()
        Perf.reportGpuBenchmark(gpuScore, peakThroughput, verdict)
    }

    function stressTick(spanMs) {
        Bench.stressTick(stress, fps, stressSeconds, spanMs)
        stressElapsed = stress.elapsed
        stressMinFps = stress.minFps
        stressAvgFps = stress.avgFps
        stressStability = stress.stability
        if (!stress.done)
            return
        var v = Bench.stressVerdict(stress, dedicated)
        stressVerdict = v.text
        stressVerdictColor = Theme.levelColor(v.level)
        stopAll()
        Perf.reportGpuStress(stressStability, stressVerdict)
    }

    Connections {
        target: Perf
        function onGpuBenchmarkRequested() { root.startBenchmark() }
        function onGpuStressRequested() { root.startStress() }
    }

    implicitHeight: column.implicitHeight + 2 * Theme.spacingLg
    radius: Theme.radiusLg
    color: Theme.bgSurface
    border.width: 1
    border.color: Theme.stroke

    component ActionButton: Rectangle {
        id: button
        property string text
        property color accent: Theme.accent
        signal clicked()
        implicitWidth: label.implicitWidth + 32
        implicitHeight: 40
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

    component Cell: Rectangle {
        id: cell
        property string label
        property string value
        property color valueColor: Theme.textPrimary
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.preferredWidth: 1
        implicitHeight: Math.max(64, cellText.implicitHeight + 2 * Theme.spacingSm)
        radius: Theme.radiusSm
        color: Theme.bgSurfaceAlt
        Column {
            id: cellText
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.margins: Theme.spacingSm
            anchors.leftMargin: Theme.spacingMd
            spacing: 2
            Text {
                width: parent.width
                text: cell.label
                elide: Text.ElideRight
                color: Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontXs
            }
            Text {
                width: parent.width
                text: cell.value
                wrapMode: Text.Wrap
                maximumLineCount: 3
                elide: Text.ElideRight
                color: cell.valueColor
                font.family: Theme.fontFamily
                // Verdicts are sentences; numbers get the large type.
                font.pixelSize: cell.value.length > 12 ? Theme.fontSm : Theme.fontLg
                font.bold: true
            }
        }
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.spacingLg
        spacing: Theme.spacingMd

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacingSm
            IconGlyph {
                Layout.preferredWidth: 22
                Layout.preferredHeight: 22
                name: "tv"
                color: Theme.info
            }
            Text {
                Layout.fillWidth: true
                text: "Card đồ họa — kiểm tra chuyên sâu"
                elide: Text.ElideRight
                color: Theme.textPrimary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMd
                font.bold: true
            }
            Rectangle {
                implicitWidth: kind.implicitWidth + 2 * Theme.spacingSm
                implicitHeight: 24
                radius: 12
                color: root.dedicated ? Qt.rgba(0.23, 0.51, 0.96, 0.16) : Theme.alpha("white", 0.06)
                border.width: 1
                border.color: root.dedicated ? Theme.accent : Theme.stroke
                Text {
                    id: kind
                    anchors.centerIn: parent
                    text: root.dedicated ? "Card rời" : "Tích hợp"
                    color: root.dedicated ? Theme.accent : Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontXs
                    font.weight: Font.DemiBold
                }
            }
        }

        Text {
            Layout.fillWidth: true
            text: root.gpuName + (root.gpu && root.gpu.vram ? "  •  " + root.gpu.vram : "")
            elide: Text.ElideRight
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
        }

        Rectangle {
            id: preview
            Layout.fillWidth: true
            Layout.preferredHeight: 220
            radius: Theme.radiusMd
            color: "#05070C"
            clip: true

            ShaderEffect {
                id: surface
                anchors.fill: parent
                visible: root.surfaceActive
                property real t: 0
                property real time: t / 1000
                property real iterations: root.complexity
                fragmentShader: "
                    varying highp vec2 qt_TexCoord0;
                    uniform lowp float qt_Opacity;
                    uniform highp float time;
                    uniform highp float iterations;
                    void main() {
                        highp vec2 uv = (qt_TexCoord0 - 0.5) * 3.0;
                        highp vec2 z = uv;
                        highp vec3 col = vec3(0.0);
                        highp vec2 c = 0.5 * vec2(sin(time * 0.37), cos(time * 0.29));
                        int n = int(iterations);
                        for (int i = 0; i < 1024; ++i) {
                            if (i >= n)
                                break;
                            z = vec2(z.x * z.x - z.y * z.y, 2.0 * z.x * z.y) + c;
                            highp float m = dot(z, z);
                            col += 0.5 + 0.5 * cos(vec3(m * 1.3, m * 1.7 + 2.0, m * 2.3 + 4.0) + float(i) * 0.21 + time);
                            if (m > 12.0)
                                z = uv * fract(sin(float(i) * 12.9898) * 43758.5453);
                        }
                        col /= max(1.0, float(n)) * 0.6;
                        gl_FragColor = vec4(clamp(col, 0.0, 1.0), 1.0) * qt_Opacity;
                    }"
            }

            FrameClock {
                running: root.surfaceActive
                onTriggered: {
                    surface.t = elapsedTime
                    root.frames += 1
                }
            }

            Timer {
                interval: 500
                repeat: true
                running: root.surfaceActive
                onTriggered: {
                    var now = Date.now()
                    var span = now - root.lastTick
                    root.lastTick = now
                    root.fps = Bench.frameRate(root.frames, span)
                    root.frames = 0
                    if (root.mode === "benchmark")
                        root.benchmarkTick()
                    else if (root.mode === "stress")
                        root.stressTick(span)
                }
            }

            Rectangle {
                visible: root.surfaceActive
                anchors.top: parent.top
                anchors.right: parent.right
                anchors.margins: Theme.spacingSm
                width: overlay.implicitWidth + 2 * Theme.spacingSm
                height: overlay.implicitHeight + Theme.spacingXs * 2
                radius: Theme.radiusSm
                color: Theme.alpha("black", 0.55)
                RowLayout {
                    id: overlay
                    anchors.centerIn: parent
                    spacing: Theme.spacingXs
                    Text {
                        text: Math.round(root.fps)
                        color: "white"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontLg
                        font.bold: true
                    }
                    Text {
                        text: "FPS"
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXs
                    }
                    Rectangle { width: 1; height: 16; color: Theme.stroke }
                    Text {
                        text: "tải " + root.complexity
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXs
                    }
                }
            }

            Text {
                visible: root.mode === "benchmark"
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.margins: Theme.spacingMd
                text: root.phase === 0 ? "Hiệu chỉnh…" : "Đang tăng tải…"
                color: "#E6ECFA"
                style: Text.Outline
                styleColor: "black"
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
                font.bold: true
            }

            Column {
                visible: !root.surfaceActive
                anchors.centerIn: parent
                spacing: Theme.spacingSm
                IconGlyph {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 36
                    height: 36
                    name: "tv"
                    color: Theme.textMuted
                }
                Text {
                    text: "Nhấn “Đo điểm GPU” để bắt đầu"
                    color: Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
            }
        }

        // A finished run on a very slow renderer can score 0; its verdict is still worth showing.
        GridLayout {
            visible: root.gpuScore > 0 || root.verdict !== ""
            Layout.fillWidth: true
            columns: width > 640 ? 4 : 2
            columnSpacing: Theme.spacingSm
            rowSpacing: Theme.spacingSm
            Cell { label: "Điểm GPU"; value: root.gpuScore; valueColor: Theme.info }
            Cell {
                label: "Thông lượng đỉnh"
                value: root.peakThroughput.toFixed(1) + " GI/s"
                valueColor: Theme.accent
            }
            Cell { label: "FPS đỉnh"; value: Math.round(root.capFps); valueColor: Theme.good }
            Cell { label: "Đánh giá"; value: root.verdict; valueColor: root.verdictColor }
        }

        GridLayout {
            visible: root.mode === "stress" || root.stressVerdict !== ""
            Layout.fillWidth: true
            columns: width > 640 ? 4 : 2
            columnSpacing: Theme.spacingSm
            rowSpacing: Theme.spacingSm
            Cell { label: "Thời gian"; value: Math.floor(root.stressElapsed / 2) + "s / " + root.stressSeconds + "s" }
            Cell { label: "FPS thấp nhất"; value: Math.round(root.stressMinFps) }
            Cell { label: "FPS trung bình"; value: Math.round(root.stressAvgFps) }
            Cell {
                label: root.stressVerdict !== "" ? "Kết quả" : "Độ ổn định"
                value: root.stressVerdict !== "" ? root.stressVerdict : root.stressStability + "%"
                valueColor: root.stressVerdict !== "" ? root.stressVerdictColor : Theme.textPrimary
            }
        }

        Rectangle {
            id: stressBar
            visible: root.mode === "stress"
            Layout.fillWidth: true
            implicitHeight: 6
            radius: 3
            color: Theme.strokeSoft
            Rectangle {
                width: stressBar.width * Math.min(1, root.stressElapsed / (root.stressSeconds * 2))
                height: parent.height
                radius: 3
                color: Theme.accent
                Behavior on width { NumberAnimation { duration: 400 } }
            }
        }

        Flow {
            Layout.fillWidth: true
            spacing: Theme.spacingSm
            ActionButton {
                text: root.mode === "benchmark" ? "Đang đo…" : "Đo điểm GPU"
                accent: Theme.info
                enabled: root.mode === "idle"
                onClicked: root.startBenchmark()
            }
            ActionButton {
                text: root.mode === "stress" ? "Đang kiểm tra…" : "Stress test (" + root.stressSeconds + "s)"
                accent: Theme.accent
                enabled: root.mode === "idle"
                onClicked: root.startStress()
            }
            ActionButton {
                text: "Dừng"
                accent: Theme.bad
                enabled: root.mode !== "idle"
                onClicked: root.stopAll()
            }
        }
    }
}
