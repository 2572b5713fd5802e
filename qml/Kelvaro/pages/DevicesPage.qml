import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
// Namespaced: the module's own Audio type would hide the Audio controller.
import QtMultimedia 5.15 as Media
import Kelvaro 1.0
import "../js/devices.js" as Devices

// Webcam picture, microphone level and the speaker channels.
ScrollView {
    id: page
    property string title
    property string iconName
    property var videoInputs: Media.QtMultimedia.availableCameras
    property int camIndex: 0
    property bool camOn: false
    readonly property bool hasCamera: videoInputs.length > 0
    readonly property var camera: camIndex >= 0 && camIndex < videoInputs.length ? videoInputs[camIndex]
                                                                                  : (hasCamera ? Media.QtMultimedia.defaultCamera : null)
    property string cameraError: ""
    readonly property var inputs: Audio.inputs
    readonly property var outputs: Audio.outputs

    contentWidth: availableWidth
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    clip: true
    background: Rectangle { color: Theme.bgBase }

    onVisibleChanged: {
        if (!visible) {
            Audio.stopMic()
            camOn = false
        }
    }
    Component.onDestruction: {
        Audio.stopMic()
        camOn = false
    }

    component ActionButton: Rectangle {
        id: button
        property string label
        property color fill: Theme.accent
        signal clicked()
        objectName: "button:" + label
        implicitWidth: buttonText.implicitWidth + 36
        implicitHeight: 40
        radius: Theme.radiusSm
        color: buttonMouse.containsMouse && enabled ? Qt.lighter(fill, 1.12) : fill
        opacity: enabled ? 1 : 0.5
        Behavior on color { ColorAnimation { duration: 120 } }
        Text {
            id: buttonText
            anchors.centerIn: parent
            text: button.label
            color: "white"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
            font.bold: true
        }
        MouseArea {
            id: buttonMouse
            anchors.fill: parent
            hoverEnabled: true
            enabled: button.enabled
            cursorShape: Qt.PointingHandCursor
            onClicked: button.clicked()
        }
    }

    component Card: Rectangle {
        id: card
        default property alias content: body.data
        property string icon
        property color iconColor
        property string heading
        property string count
        Layout.fillWidth: true
        Layout.leftMargin: Theme.spacingXl
        Layout.rightMargin: Theme.spacingXl
        implicitHeight: body.implicitHeight + 2 * Theme.spacingLg
        radius: Theme.radiusMd
        color: Theme.bgSurface
        border.width: 1
        border.color: Theme.stroke
        ColumnLayout {
            id: body
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
                    color: Theme.textPrimary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMd
                    font.bold: true
                }
                Text {
                    text: card.count
                    color: Theme.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                }
            }
        }
    }

    component Line: Text {
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        color: Theme.textSecondary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSm
    }

    ColumnLayout {
        width: page.availableWidth
        spacing: Theme.spacingLg

        Item { Layout.preferredHeight: Theme.spacingXs }

        Card {
            icon: "camera"
            iconColor: Theme.accent
            heading: "Webcam"
            count: page.videoInputs.length + " thiết bị"

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 360
                radius: Theme.radiusSm
                color: "black"
                clip: true
                Loader {
                    anchors.fill: parent
                    active: page.camOn && page.camera !== null
                    sourceComponent: Item {
                        Media.Camera {
                            id: liveCamera
                            deviceId: page.camera.deviceId
                            captureMode: Media.Camera.CaptureViewfinder
                            onError: {
                                page.cameraError = "Không mở được webcam — thiết bị đang bận hoặc bị chặn"
                                page.camOn = false
                            }
                        }
                        Media.VideoOutput {
                            anchors.fill: parent
                            source: liveCamera
                            fillMode: Media.VideoOutput.PreserveAspectFit
                        }
                    }
                }
                Column {
                    visible: !page.camOn
                    anchors.centerIn: parent
                    width: parent.width - 2 * Theme.spacingLg
                    spacing: Theme.spacingSm
                    IconGlyph {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: 44
                        height: 44
                        name: "camera"
                        color: Theme.textMuted
                    }
                    Text {
                        objectName: "cameraMessage"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.Wrap
                        text: !page.hasCamera ? "Không tìm thấy webcam"
                              : page.cameraError !== "" ? page.cameraError
                              : "Nhấn “Bật webcam” để xem hình ảnh trực tiếp"
                        color: page.cameraError !== "" ? Theme.warn : Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                }
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                Rectangle {
                    objectName: "cameraPicker"
                    visible: page.hasCamera
                    Layout.fillWidth: true
                    Layout.preferredHeight: 40
                    radius: Theme.radiusSm
                    color: Theme.bgSurfaceAlt
                    border.width: 1
                    border.color: Theme.stroke
                    Text {
                        anchors.fill: parent
                        anchors.leftMargin: Theme.spacingMd
                        anchors.rightMargin: Theme.spacingMd
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: page.camera ? page.camera.displayName : ""
                        color: Theme.textPrimary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSm
                    }
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: page.videoInputs.length > 1 ? Qt.PointingHandCursor : Qt.ArrowCursor
                        onClicked: page.camIndex = Devices.nextCamera(page.camIndex, page.videoInputs.length)
                    }
                }
                Item { visible: !page.hasCamera; Layout.fillWidth: true }
                ActionButton {
                    label: page.camOn ? "Tắt webcam" : "Bật webcam"
                    fill: page.camOn ? Theme.bad : Theme.accent
                    enabled: page.hasCamera
                    onClicked: {
                        page.cameraError = ""
                        page.camOn = !page.camOn
                    }
                }
            }
        }

        Card {
            icon: "mic"
            iconColor: Theme.info
            heading: "Micro"
            count: page.inputs.length + " thiết bị"

            Line { text: Devices.defaultLine(page.inputs, "Không có micro") }
            Row {
                id: meter
                objectName: "meter"
                Layout.fillWidth: true
                Layout.preferredHeight: 30
                spacing: 3
                Repeater {
                    model: Devices.segments
                    Rectangle {
                        readonly property string level: Devices.segmentLevel(index, Audio.micActive, Audio.micLevel)
                        width: (meter.width - (Devices.segments - 1) * meter.spacing) / Devices.segments
                        height: 30
                        radius: 2
                        color: level === "off" ? Qt.rgba(1, 1, 1, 0.06) : Theme.levelColor(level)
                    }
                }
            }
            Line {
                text: Audio.micActive ? "Đang nghe… hãy nói để thấy mức tín hiệu" : "Nhấn “Bắt đầu” rồi nói vào micro"
                color: Audio.micActive ? Theme.good : Theme.textSecondary
            }
            ActionButton {
                label: Audio.micActive ? "Dừng" : "Bắt đầu"
                fill: Audio.micActive ? Theme.bad : Theme.info
                enabled: page.inputs.length > 0
                onClicked: Audio.micActive ? Audio.stopMic() : Audio.startMic(-1)
            }
        }

        Card {
            icon: "bolt"
            iconColor: Theme.good
            heading: "Loa"
            count: page.outputs.length + " thiết bị"

            Line { text: Devices.defaultLine(page.outputs, "Không có loa") }
            Line { text: "Phát tông 440 Hz để kiểm tra từng kênh — nghe đúng phía trái/phải là loa hoạt động." }
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacingSm
                ActionButton {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    label: "◄ Loa trái"
                    enabled: page.outputs.length > 0
                    onClicked: Audio.playTone(0, -1)
                }
                ActionButton {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    label: "Cả hai"
                    fill: Theme.good
                    enabled: page.outputs.length > 0
                    onClicked: Audio.playTone(2, -1)
                }
                ActionButton {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    label: "Loa phải ►"
                    enabled: page.outputs.length > 0
                    onClicked: Audio.playTone(1, -1)
                }
            }
        }

        Item { Layout.preferredHeight: Theme.spacingLg }
    }
}
