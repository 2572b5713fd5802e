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

    onNameChanged: canvas.refresh()
    onColorChanged: canvas.refresh()
    onStrokeWidthChanged: canvas.refresh()

    Canvas {
        id: canvas
        anchors.fill: parent
        // Painted on the GUI thread (the default): a cooperative canvas gives its texture to the
        // render thread, which leaks it when the window closes.
        // A paint asked for while hidden (a page built in the background) is dropped: keep it
        // pending and ask again when shown.
        property bool pending: false
        function refresh() {
            if (visible)
                requestPaint()
            else
                pending = true
        }
        onVisibleChanged: if (visible && pending) { pending = false; requestPaint() }
        onWidthChanged: refresh()
        onHeightChanged: refresh()
        onPaint: Glyphs.draw(getContext("2d"), root.name, width, height, root.color, root.strokeWidth)
    }
}
