import QtQuick 2.15
import Kelvaro 1.0
import "../js/glyphs.js" as Glyphs

// A line icon drawn on a canvas; repaints only when the name, colour, stroke or size change.
Item {
    id: root
    property string name
    property color color: Theme.textSecondary
    property real strokeWidth: 2

    implicitWidth: 22
    implicitHeight: 22

    onNameChanged: canvas.requestPaint()
    onColorChanged: canvas.requestPaint()
    onStrokeWidthChanged: canvas.requestPaint()

    Canvas {
        id: canvas
        anchors.fill: parent
        renderStrategy: Canvas.Cooperative
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: Glyphs.draw(getContext("2d"), root.name, width, height, root.color, root.strokeWidth)
    }
}
