import QtQuick 2.15
import QtQuick.Window 2.15
import "../js/screentest.js" as ScreenTest

// The frameless full-screen window of the screen test. Patterns are drawn per device pixel.
Window {
    id: win
    property string mode: "solid"
    property int autoInterval: 2500
    property var scenes: []
    property int sceneIndex: 0
    readonly property var scene: ScreenTest.sceneAt(scenes, sceneIndex)
    readonly property bool isQuick: mode === "quick"
    property int flickerInterval: 80

    title: "Kelvaro — Kiểm tra màn hình"
    flags: Qt.Window | Qt.FramelessWindowHint
    color: "#000000"

    Component.onCompleted: scenes = ScreenTest.scenesFor(mode)
    // Nothing else holds the window once it is closed.
    onVisibleChanged: if (!visible) win.destroy()

    function next() {
        var to = ScreenTest.nextIndex(sceneIndex, scenes.length, isQuick)
        if (to < 0) {
            close()
            return
        }
        sceneIndex = to
        showHint()
        if (isQuick)
            autoTimer.restart()
    }
    function previous() {
        sceneIndex = ScreenTest.previousIndex(sceneIndex, scenes.length)
        showHint()
        if (isQuick)
            autoTimer.restart()
    }
    function showHint() {
        fade.stop()
        overlay.opacity = 1
        hideTimer.restart()
    }
    function handleKey(key) {
        var flicker = scene.type === "flicker"
        switch (key) {
        case Qt.Key_Escape:
            close()
            return
        case Qt.Key_Right:
        case Qt.Key_Down:
            if (flicker)
                flickerInterval = ScreenTest.flickerSlower(flickerInterval)
            else
                next()
            break
        case Qt.Key_Left:
        case Qt.Key_Up:
            if (flicker)
                flickerInterval = ScreenTest.flickerFaster(flickerInterval)
            else
                previous()
            break
        case Qt.Key_Space:
            next()
            break
        }
        showHint()
    }

    Timer {
        id: autoTimer
        interval: win.autoInterval
        repeat: true
        running: win.isQuick && win.visible
        onTriggered: win.next()
    }

    Item {
        id: surface
        anchors.fill: parent
        focus: true
        Keys.onPressed: {
            event.accepted = true
            win.handleKey(event.key)
        }

        Rectangle {
            anchors.fill: parent
            visible: win.scene.type === "color"
            color: win.scene.color
        }

        // gradient, grid, stripes, checker, fine grid and the angle bands, one pixel at a time.
        ShaderEffect {
            anchors.fill: parent
            readonly property var kinds: ({ gradient: 1, grid: 2, stripesV: 3, stripesH: 4, checker: 5,
                                            finegrid: 6, angle: 7 })
            readonly property real kind: kinds[win.scene.type] !== undefined ? kinds[win.scene.type] : 0
            property size pixels: Qt.size(width, height)
            visible: kind > 0
            fragmentShader: "
                varying highp vec2 qt_TexCoord0;
                uniform lowp float qt_Opacity;
                uniform highp vec2 pixels;
                uniform highp float kind;
                highp float band(highp float v, highp float w) { return mod(floor(v / w), 2.0); }
                void main() {
                    highp vec2 p = floor(qt_TexCoord0 * pixels);
                    highp vec3 c = vec3(0.0);
                    if (kind == 1.0) {
                        c = vec3(p.x / max(1.0, pixels.x - 1.0));
                    } else if (kind == 2.0) {
                        if (mod(p.x, 40.0) == 0.0 || mod(p.y, 40.0) == 0.0)
                            c = vec3(60.0, 255.0, 110.0) / 255.0;
                        highp float dx = min(p.x, pixels.x - 1.0 - p.x);
                        highp float dy = min(p.y, pixels.y - 1.0 - p.y);
                        if ((dy < 2.0 && dx <= 60.0) || (dx < 2.0 && dy <= 60.0))
                            c = vec3(1.0, 0.0, 0.0);
                    } else if (kind == 3.0) {
                        c = vec3(1.0 - band(p.x, 4.0));
                    } else if (kind == 4.0) {
                        c = vec3(1.0 - band(p.y, 4.0));
                    } else if (kind == 5.0) {
                        c = vec3(1.0 - mod(floor(p.x / 16.0) + floor(p.y / 16.0), 2.0));
                    } else if (kind == 6.0) {
                        if (mod(p.x, 8.0) == 0.0 || mod(p.y, 8.0) == 0.0)
                            c = vec3(1.0);
                    } else if (kind == 7.0) {
                        highp float third = floor(p.y * 3.0 / pixels.y);
                        if (third == 0.0) {
                            highp float b = floor(p.x * 6.0 / pixels.x);
                            if (b == 0.0) c = vec3(1.0, 0.0, 0.0);
                            else if (b == 1.0) c = vec3(0.0, 1.0, 0.0);
                            else if (b == 2.0) c = vec3(0.0, 0.0, 1.0);
                            else if (b == 3.0) c = vec3(1.0, 1.0, 0.0);
                            else if (b == 4.0) c = vec3(1.0, 0.0, 1.0);
                            else c = vec3(0.0, 1.0, 1.0);
                        } else if (third == 1.0) {
                            c = vec3(p.x / max(1.0, pixels.x - 1.0));
                        } else {
                            c = vec3(floor(p.x * 10.0 / pixels.x) / 9.0);
                        }
                    }
                    gl_FragColor = vec4(c, 1.0) * qt_Opacity;
                }"
        }

        Rectangle {
            id: motion
            anchors.fill: parent
            visible: win.scene.type === "motion"
            color: "#202020"
            // Positions follow a 0-1 sweep so that they fit whatever size the window ends up with.
            Rectangle {
                property real sweep: 0
                x: sweep * (motion.width - width)
                width: 80
                height: parent.height
                color: "#FFFFFF"
                SequentialAnimation on sweep {
                    running: motion.visible
                    loops: Animation.Infinite
                    NumberAnimation { from: 0; to: 1; duration: 1100; easing.type: Easing.InOutSine }
                    NumberAnimation { from: 1; to: 0; duration: 1100; easing.type: Easing.InOutSine }
                }
            }
            Rectangle {
                property real sweep: 0
                x: (1 - sweep) * (motion.width - width)
                width: 120
                height: 120
                radius: 8
                y: (parent.height - height) / 2
                color: "#00E5FF"
                SequentialAnimation on sweep {
                    running: motion.visible
                    loops: Animation.Infinite
                    NumberAnimation { from: 0; to: 1; duration: 1600; easing.type: Easing.InOutSine }
                    NumberAnimation { from: 1; to: 0; duration: 1600; easing.type: Easing.InOutSine }
                }
            }
        }

        Rectangle {
            id: flicker
            property bool lit: true
            anchors.fill: parent
            visible: win.scene.type === "flicker"
            color: lit ? "#FFFFFF" : "#000000"
            Timer {
                interval: win.flickerInterval
                repeat: true
                running: flicker.visible
                onTriggered: flicker.lit = !flicker.lit
            }
        }

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.BlankCursor
            onClicked: win.next()
            onPositionChanged: win.showHint()
        }

        Rectangle {
            objectName: "progress"
            visible: win.isQuick
            width: parent.width
            height: 4
            color: "#22FFFFFF"
            Rectangle {
                height: parent.height
                width: parent.width * (win.sceneIndex + 1) / Math.max(1, win.scenes.length)
                color: "#3CFF6E"
                Behavior on width { NumberAnimation { duration: 200 } }
            }
        }

        Rectangle {
            id: overlay
            objectName: "overlay"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 48
            width: lines.implicitWidth + 48
            height: lines.implicitHeight + 28
            radius: 12
            color: "#CC0B0E14"
            border.width: 1
            border.color: "#33FFFFFF"
            Column {
                id: lines
                anchors.centerIn: parent
                spacing: 4
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    objectName: "overlayTitle"
                    text: ScreenTest.overlayTitle(win.scene, win.sceneIndex, win.scenes.length)
                    color: "#FFFFFF"
                    font.pixelSize: 18
                    font.bold: true
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: win.scene.hint !== ""
                    text: win.scene.hint
                    color: "#C0FFFFFF"
                    font.pixelSize: 13
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    objectName: "overlayHelp"
                    text: win.isQuick ? "Tự động chạy · Click / ← → : đổi tay · Esc: thoát"
                                      : "Click / ← → : đổi mẫu     •     Esc: thoát"
                    color: "#90FFFFFF"
                    font.pixelSize: 12
                }
            }
            NumberAnimation on opacity {
                id: fade
                running: false
                to: 0
                duration: 350
            }
            Timer {
                id: hideTimer
                interval: 2600
                running: true
                onTriggered: fade.start()
            }
        }
    }
}
