import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/keyboard.js" as Keyboard

// Lights each key of a laptop layout as it is pressed; every key event stays on this page.
Rectangle {
    id: page
    property string title
    property string iconName
    readonly property int unit: 46
    readonly property int gap: 6
    property var tested: ({})
    property var activeIds: ({})
    property int testedCount: 0
    readonly property int totalKeys: Keyboard.totalKeys()

    color: Theme.bgBase
    focus: true
    onVisibleChanged: if (visible) forceActiveFocus()

    function apply(state) {
        tested = state.tested
        activeIds = state.activeIds
        testedCount = state.testedCount
    }
    function state() {
        return { tested: tested, activeIds: activeIds, testedCount: testedCount }
    }
    function press(code, scan, autoRepeat) {
        apply(Keyboard.pressed(state(), code, scan, autoRepeat))
    }
    function release(code, scan, autoRepeat) {
        apply(Keyboard.released(state(), code, scan, autoRepeat))
    }
    function restart() {
        apply(Keyboard.emptyState())
        forceActiveFocus()
    }

    Keys.onPressed: {
        event.accepted = true
        press(event.key, event.nativeScanCode, event.isAutoRepeat)
    }
    Keys.onReleased: {
        event.accepted = true
        release(event.key, event.nativeScanCode, event.isAutoRepeat)
    }

    component KeyCap: Rectangle {
        id: cap
        property var key
        readonly property bool held: page.activeIds[key.id] === true
        readonly property bool done: page.tested[key.id] === true
        objectName: "key:" + key.id
        width: Math.round(page.unit * key.w)
        height: page.unit
        radius: 7
        color: held ? Theme.accent : done ? Qt.rgba(0.18, 0.65, 0.34, 0.30) : Qt.rgba(1, 1, 1, 0.05)
        border.width: 1
        border.color: held ? Theme.accent : done ? Theme.good : Qt.rgba(1, 1, 1, 0.10)
        Behavior on color { ColorAnimation { duration: 90 } }
        Behavior on border.color { ColorAnimation { duration: 90 } }
        Text {
            anchors.centerIn: parent
            text: cap.key.label
            color: cap.held ? "white" : cap.done ? Theme.good : Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: cap.key.label.length > 2 ? Theme.fontXs : Theme.fontSm
            font.bold: cap.held
        }
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
            RowLayout {
                id: header
                anchors.fill: parent
                anchors.margins: Theme.spacingLg
                spacing: Theme.spacingLg
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 4
                    Text {
                        text: "Kiểm tra bàn phím"
                        color: Theme.textPrimary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontLg
                        font.bold: true
                    }
                    Text {
                        Layout.fillWidth: true
                        wrapMode: Text.Wrap
                        text: "Nhấn lần lượt từng phím. Phím chuyển xanh khi đã nhận tín hiệu. "
                              + "Phím không sáng = liệt hoặc kẹt."
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                }
                ColumnLayout {
                    spacing: 0
                    Text {
                        objectName: "counter"
                        Layout.alignment: Qt.AlignHCenter
                        text: page.testedCount + " / " + page.totalKeys
                        color: page.testedCount >= page.totalKeys ? Theme.good : Theme.accent
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXl
                        font.bold: true
                    }
                    Text {
                        Layout.alignment: Qt.AlignHCenter
                        text: "phím đã test"
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXs
                    }
                }
                Rectangle {
                    objectName: "restartButton"
                    implicitWidth: restartText.implicitWidth + 36
                    implicitHeight: 38
                    radius: Theme.radiusSm
                    color: restartMouse.containsMouse ? Theme.bgElevated : Theme.bgSurfaceAlt
                    border.width: 1
                    border.color: Theme.stroke
                    Text {
                        id: restartText
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
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: Theme.radiusMd
            color: Theme.bgSurface
            border.width: 1
            border.color: Theme.stroke

            // A narrow window shrinks the keyboard rather than cutting it off.
            Item {
                id: board
                readonly property real fit: Math.min(1, (parent.width - 2 * Theme.spacingLg) / implicitWidth,
                                                     (parent.height - 2 * Theme.spacingLg) / implicitHeight)
                anchors.centerIn: parent
                implicitWidth: keys.implicitWidth
                implicitHeight: keys.implicitHeight
                width: implicitWidth
                height: implicitHeight
                scale: fit
                Row {
                    id: keys
                    spacing: page.gap * 3
                    Column {
                        spacing: page.gap
                        Repeater {
                            model: Keyboard.rows
                            Row {
                                spacing: page.gap
                                Repeater {
                                    model: modelData
                                    KeyCap { key: modelData }
                                }
                            }
                        }
                    }
                    Grid {
                        anchors.bottom: parent.bottom
                        columns: 3
                        spacing: page.gap
                        Item { width: page.unit; height: page.unit }
                        KeyCap { key: Keyboard.arrows[0] }
                        Item { width: page.unit; height: page.unit }
                        KeyCap { key: Keyboard.arrows[1] }
                        KeyCap { key: Keyboard.arrows[2] }
                        KeyCap { key: Keyboard.arrows[3] }
                    }
                }
            }
        }
    }
}
