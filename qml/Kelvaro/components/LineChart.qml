import QtQuick 2.15
import Kelvaro 1.0
import "../js/chart.js" as Chart

Item {
    id: root
    property var values: []
    property real maxValue: 100
    property color lineColor: Theme.accent
    property color fillColor: Theme.alpha(lineColor, 0.16)
    property int capacity: 60
    property string unit: "%"
    property real current: values && values.length > 0 ? values[values.length - 1] : 0

    implicitHeight: 140

    onValuesChanged: canvas.requestPaint()
    onMaxValueChanged: canvas.requestPaint()
    onLineColorChanged: canvas.requestPaint()

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
            var w = width, h = height
            ctx.strokeStyle = Qt.rgba(1, 1, 1, 0.05)
            ctx.lineWidth = 1
            for (var k = 1; k <= 3; ++k) {
                ctx.beginPath()
                ctx.moveTo(0, h * k / 4)
                ctx.lineTo(w, h * k / 4)
                ctx.stroke()
            }
            var pts = Chart.points(root.values, root.capacity, root.maxValue, w, h)
            if (pts.length === 0)
                return
            ctx.beginPath()
            ctx.moveTo(pts[0].x, h)
            for (var i = 0; i < pts.length; ++i)
                ctx.lineTo(pts[i].x, pts[i].y)
            ctx.lineTo(pts[pts.length - 1].x, h)
            ctx.closePath()
            ctx.fillStyle = root.fillColor
            ctx.fill()
            ctx.beginPath()
            ctx.moveTo(pts[0].x, pts[0].y)
            for (var j = 1; j < pts.length; ++j)
                ctx.lineTo(pts[j].x, pts[j].y)
            ctx.strokeStyle = root.lineColor
            ctx.lineWidth = 2
            ctx.lineJoin = "round"
            ctx.stroke()
            var last = pts[pts.length - 1]
            ctx.beginPath()
            ctx.arc(last.x, last.y, 3, 0, 2 * Math.PI)
            ctx.fillStyle = root.lineColor
            ctx.fill()
        }
    }
}
