import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/touchpad.js" as Touchpad

// Movement, the three buttons, both wheel directions and the most fingers seen at once.
Rectangle {
    id: page
    property string title
    property string iconName
    property bool leftDone: false
    property bool rightDone: false
    property bool middleDone: false
    property bool scrollUpDone: false
    property bool scrollDownDone: false
    property bool moveDone: false
    property int maxTouchPoints: 0
    property var trail: []

    color: Theme.bgBase

    function restart() {
        leftDone = rightDone = middleDone = false
        scrollUpDone = scrollDownDone = moveDone = false
        maxTouchPoints = 0
        trail = []
        trailCanvas.requestPaint()
    }
    function raiseTouches(count) {
        maxTouchPoints = Math.max(maxTouchPoints, count)
    }
    function trackedDown() {
        var n = 0
        for (var i = 0; i < fingers.length; ++i)
            if (fingers[i].pressed)
                ++n
        return n
    }
    readonly property var fingers: [f0, f1, f2, f3, f4]

    component Chip: Rectangle {
        id: chip
        property string label
        property bool done
        objectName: "chip:" + label
        width: chipRow.implicitWidth + 28
        height: 34
        radius: 17
        color: done ? Qt.rgba(0.18, 0.65, 0.34, 0.18) : Theme.bgSurfaceAlt
        border.width: 1
        border.color: done ? Theme.good : Theme.stroke
        Row {
            id: chipRow
            anchors.centerIn: parent
            spacing: 8
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: 8
                height: 8
                radius: 4
                color: chip.done ? Theme.good : Theme.textMuted
            }
            Text {
                text: chip.label
                color: chip.done ? Theme.good : Theme.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSm
            }
        }
    }

    component Ripple: Rectangle {
        id: ripple
        width: 80
        height: 80
        radius: 40
        color: "transparent"
        border.width: 2
        scale: 0.1
        opacity: 0.9
        ParallelAnimation {
            running: true
            NumberAnimation { target: ripple; property: "scale"; from: 0.1; to: 1.0; duration: 360; easing.type: Easing.OutQuad }
            NumberAnimation { target: ripple; property: "opacity"; from: 0.9; to: 0; duration: 360 }
            onFinished: ripple.destroy()
        }
    }
    Component {
        id: rippleComponent
        Ripple {}
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.spacingXl
        spacing: Theme.spacingLg

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: header.implicitHeight + 2 * Theme.spacingLg
            radius: Theme.radiusMd
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke
            ColumnLayout {
                id: header
                anchors.fill: parent
                anchors.margins: Theme.spacingLg
                spacing: Theme.spacingMd
                RowLayout {
                    spacing: Theme.spacingLg
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 4
                        Text {
                            text: "Kiểm tra chuột / touchpad"
                            color: Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontLg
                            font.bold: true
                        }
                        Text {
                            Layout.fillWidth: true
                            wrapMode: Text.Wrap
                            text: "Di chuyển con trỏ, click trái/phải/giữa, cuộn lên xuống và đặt nhiều ngón (touchpad) "
                                  + "trong vùng bên dưới để kiểm tra."
                            color: Theme.textSecondary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                        }
                    }
                    Rectangle {
                        objectName: "restartButton"
                        implicitWidth: 92
                        implicitHeight: 38
                        radius: Theme.radiusSm
                        color: restartMouse.containsMouse ? Theme.bgElevated : Theme.bgSurfaceAlt
                        border.width: 1
                        border.color: Theme.stroke
                        Text {
                            anchors.centerIn: parent
                            text: "Làm lại"
                            color: Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                            font.bold: true
                        }
                        MouseArea {
                            id: restartMouse
                            anchors.fill: parent
                            hoverEnabled: true
                            cursorShape: Qt.PointingHandCursor
                            onClicked: page.restart()
                        }
                    }
                }
                Flow {
                    Layout.fillWidth: true
                    spacing: Theme.spacingSm
                    Chip { label: "Di chuyển"; done: page.moveDone }
                    Chip { label: "Click trái"; done: page.leftDone }
                    Chip { label: "Click phải"; done: page.rightDone }
                    Chip { label: "Click giữa"; done: page.middleDone }
                    Chip { label: "Cuộn lên"; done: page.scrollUpDone }
                    Chip { label: "Cuộn xuống"; done: page.scrollDownDone }
                    Chip {
                        objectName: "multiTouch"
                        label: Touchpad.multiTouchLabel(page.maxTouchPoints)
                        done: page.maxTouchPoints > 1
                    }
                }
            }
        }

        Rectangle {
            id: surface
            objectName: "surface"
            Layout.fillWidth: true
            Layout.preferredHeight: 420
            Layout.maximumHeight: 420
            Layout.fillHeight: true
            radius: Theme.radiusMd
            color: Qt.rgba(0, 0, 0, 0.25)
            border.width: 1
            border.color: pointer.containsMouse ? Theme.accent : Theme.stroke
            clip: true

            Text {
                anchors.centerIn: parent
                visible: page.trail.length < 3 && page.maxTouchPoints === 0
                text: "Di chuyển và click trong vùng này"
                color: Theme.textMuted
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMd
            }

            Canvas {
                id: trailCanvas
                anchors.fill: parent
                onPaint: {
                    var g = getContext("2d")
                    g.clearRect(0, 0, width, height)
                    g.lineWidth = 3
                    g.lineCap = "round"
                    var parts = Touchpad.segments(page.trail, Date.now())
                    for (var i = 0; i < parts.length; ++i) {
                        g.strokeStyle = Qt.rgba(0.23, 0.51, 0.96, parts[i].alpha)
                        g.beginPath()
                        g.moveTo(parts[i].x1, parts[i].y1)
                        g.lineTo(parts[i].x2, parts[i].y2)
                        g.stroke()
                    }
                }
            }
            Timer {
                interval: 60
                repeat: true
                running: page.visible && page.trail.length > 1
                onTriggered: trailCanvas.requestPaint()
            }

            MouseArea {
                id: pointer
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton | Qt.MiddleButton
                onPositionChanged: {
                    page.trail = Touchpad.withPoint(page.trail, mouse.x, mouse.y, Date.now())
                    page.moveDone = true
                }
                onPressed: {
                    var ring = Theme.accent
                    if (mouse.button === Qt.RightButton) {
                        page.rightDone = true
                        ring = Theme.warn
                    } else if (mouse.button === Qt.MiddleButton) {
                        page.middleDone = true
                        ring = Theme.info
                    } else {
                        page.leftDone = true
                    }
                    rippleComponent.createObject(surface, { x: mouse.x - 40, y: mouse.y - 40, "border.color": ring })
                }
                onWheel: {
                    if (wheel.angleDelta.y > 0)
                        page.scrollUpDone = true
                    else if (wheel.angleDelta.y < 0)
                        page.scrollDownDone = true
                }
            }

            MultiPointTouchArea {
                anchors.fill: parent
                mouseEnabled: false
                minimumTouchPoints: 1
                maximumTouchPoints: 10
                touchPoints: [
                    TouchPoint { id: f0 }, TouchPoint { id: f1 }, TouchPoint { id: f2 },
                    TouchPoint { id: f3 }, TouchPoint { id: f4 }
                ]
                onUpdated: page.raiseTouches(touchPoints.length)
                onPressed: page.raiseTouches(page.trackedDown())
                onReleased: page.raiseTouches(page.trackedDown())
            }

            Repeater {
                model: page.fingers
                Rectangle {
                    visible: modelData.pressed
                    x: modelData.x - 27
                    y: modelData.y - 27
                    width: 54
                    height: 54
                    radius: 27
                    color: Qt.rgba(0.23, 0.51, 0.96, 0.25)
                    border.width: 2
                    border.color: Theme.accent
                }
            }
        }

        Item { Layout.fillHeight: true }
    }
}
