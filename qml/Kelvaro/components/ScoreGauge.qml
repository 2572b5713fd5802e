import QtQuick 2.15
import Kelvaro 1.0
import "../js/levels.js" as Levels

// 0-100 on a 270° arc open at the bottom.
Item {
    id: root
    property real value: 0
    property int size: 150
    // A badge level for values where less is better (battery wear); empty: by the score bands.
    property string level: ""
    readonly property color arcColor: Theme.levelColor(level !== "" ? level : Levels.gaugeLevel(value))
    property real shown: value

    width: size
    height: size
    Behavior on shown { NumberAnimation { duration: 600; easing.type: Easing.OutCubic } }

    onShownChanged: canvas.requestPaint()
    onArcColorChanged: canvas.requestPaint()

    Canvas {
        id: canvas
        anchors.fill: parent
        // Painted on the GUI thread (the default): a cooperative canvas gives its texture to the
        // render thread, which leaks it when the window closes.
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var r = Math.min(width, height) / 2 - 10
            var start = 0.75 * Math.PI
            ctx.lineWidth = 12
            ctx.lineCap = "round"
            ctx.strokeStyle = Theme.strokeSoft
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, r, start, 2.25 * Math.PI)
            ctx.stroke()
            var f = Levels.arcFraction(root.shown)
            if (f > 0) {
                ctx.strokeStyle = root.arcColor
                ctx.beginPath()
                ctx.arc(width / 2, height / 2, r, start, start + f * 1.5 * Math.PI)
                ctx.stroke()
            }
        }
    }

    Column {
        anchors.centerIn: parent
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: Math.round(root.value) // the arc animates; the number is the score at once
            color: Theme.textPrimary
            font.family: Theme.fontFamily
            font.pixelSize: 0.3 * root.size
            font.weight: Font.Black
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "/ 100"
            color: Theme.textMuted
            font.family: Theme.fontFamily
            font.pixelSize: 0.1 * root.size
        }
    }
}
