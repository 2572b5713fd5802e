import QtQuick 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "../js/updatedialog.js" as Rules

// Full-window overlay for every visible state of the update. Once a newer release is seen on a
// system where the program installs it, the overlay stays until the user updates or quits.
Item {
    id: root
    anchors.fill: parent
    z: 10000

    // The controller (the context object Update in the window; a fake in tests).
    property var update: null
    property bool dismissed: false
    property bool enforce: false
    readonly property int st: update ? update.state : Rules.Idle
    readonly property bool busy: Rules.busy(st)
    readonly property bool showProgress: Rules.showProgress(st)
    readonly property bool hasVersionInfo: Rules.hasVersionInfo(st)
    readonly property bool installs: update ? update.installsUpdates : true
    readonly property bool active: Rules.active(st, enforce, dismissed, update ? update.manualCheck : false)
    readonly property var head: Rules.header(st)
    readonly property color headColor: Theme[head.tint]
    readonly property var buttons: st === Rules.Checking ? []
        : Rules.buttons(st, enforce, installs, update ? update.hasDownloadPage : false,
                        update ? update.mandatory : false)
    readonly property string publisherLine: "Bản phát hành chính thức của nhóm phát triển Kelvaro"

    signal quitRequested()

    visible: active || backdrop.opacity > 0

    Connections {
        target: root.update
        function onStateChanged() {
            var flags = Rules.afterStateChange(root.st, { enforce: root.enforce, dismissed: root.dismissed },
                                               root.installs)
            root.enforce = flags.enforce
            root.dismissed = flags.dismissed
        }
    }

    function perform(action) {
        switch (action) {
        case "install": update.downloadAndInstall(); break
        case "check": update.checkForUpdates(false); break
        case "page": update.openDownloadPage(); break
        case "skip": dismissed = true; update.skipThisVersion(); break
        case "later": dismissed = true; break
        case "close": dismissed = true; update.cancel(); break
        case "quit": root.quitRequested(); break
        }
    }

    Rectangle {
        id: backdrop
        anchors.fill: parent
        color: "black"
        opacity: root.active ? 0.64 : 0
        Behavior on opacity { NumberAnimation { duration: 200; easing.type: Easing.OutCubic } }

        MouseArea {
            anchors.fill: parent
            enabled: root.visible
            hoverEnabled: true
            acceptedButtons: Qt.AllButtons
            onWheel: wheel.accepted = true
            onClicked: if (Rules.backdropDismisses(root.st, root.enforce)) root.dismissed = true
        }
    }

    Rectangle {
        id: card
        objectName: "updateCard"
        anchors.centerIn: parent
        width: Math.min(540, root.width - 2 * Theme.spacingXl)
        height: content.height
        color: Theme.bgSurface
        border.color: Theme.stroke
        radius: Theme.radiusLg
        clip: true
        opacity: root.active ? 1 : 0
        scale: root.active ? 1 : 0.92
        Behavior on opacity { NumberAnimation { duration: 160 } }
        Behavior on scale { NumberAnimation { duration: 220; easing.type: Easing.OutBack } }

        // Clicks on the card stay on the card.
        MouseArea { anchors.fill: parent }

        ColumnLayout {
            id: content
            width: parent.width
            spacing: 0

            // Header: rounded like the card at the top, square where the body starts.
            Item {
                Layout.fillWidth: true
                implicitHeight: headRow.implicitHeight + 2 * Theme.spacingLg
                clip: true

                Rectangle {
                    anchors.fill: parent
                    anchors.bottomMargin: -radius
                    radius: Theme.radiusLg
                    gradient: headTint
                }
                Gradient {
                    id: headTint
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0; color: Theme.alpha(root.headColor, 0.20) }
                    GradientStop { position: 1; color: Theme.alpha(root.headColor, 0.04) }
                }

                RowLayout {
                    id: headRow
                    anchors.fill: parent
                    anchors.margins: Theme.spacingLg
                    spacing: Theme.spacingMd

                    Rectangle {
                        Layout.preferredWidth: 54
                        Layout.preferredHeight: 54
                        Layout.alignment: Qt.AlignTop
                        radius: 27
                        color: Theme.alpha(root.headColor, 0.16)
                        border.color: Theme.alpha(root.headColor, 0.45)

                        IconGlyph {
                            id: headIcon
                            anchors.centerIn: parent
                            width: 28
                            height: 28
                            name: root.head.icon
                            color: root.headColor
                            RotationAnimator on rotation {
                                from: 0
                                to: 360
                                duration: 1400
                                loops: Animation.Infinite
                                running: root.busy && root.head.icon === "download"
                                // Upright again once the download is over.
                                onRunningChanged: if (!running) headIcon.rotation = 0
                            }
                        }
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 4

                        Text {
                            objectName: "updateTitle"
                            Layout.fillWidth: true
                            text: root.head.title
                            color: Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontLg
                            font.bold: true
                            wrapMode: Text.WordWrap
                        }
                        Text {
                            objectName: "updateSubtitle"
                            Layout.fillWidth: true
                            text: {
                                switch (root.head.subtitle) {
                                case "checking": return "Vui lòng chờ trong giây lát…"
                                case "version": return "Kelvaro v" + (root.update ? root.update.currentVersion : "")
                                case "error": return root.update ? root.update.errorString : ""
                                case "ready": return "Trình cài đặt đang khởi chạy, ứng dụng sẽ tự khởi động lại."
                                default: return root.publisherLine
                                }
                            }
                            color: root.head.subtitle === "error" ? Theme.bad : Theme.textSecondary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                            wrapMode: Text.WordWrap
                            maximumLineCount: 2
                            elide: Text.ElideRight
                        }
                    }
                }
            }

            // Body
            ColumnLayout {
                Layout.fillWidth: true
                Layout.margins: Theme.spacingLg
                spacing: Theme.spacingMd
                visible: root.hasVersionInfo || note.text !== ""

                RowLayout {
                    Layout.fillWidth: true
                    visible: root.hasVersionInfo
                    spacing: Theme.spacingSm

                    VersionPill { text: "v" + (root.update ? root.update.currentVersion : "") }
                    Text {
                        text: "→"
                        color: Theme.textMuted
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMd
                    }
                    VersionPill {
                        objectName: "latestPill"
                        text: "v" + (root.update ? root.update.latestVersion : "")
                        highlighted: true
                    }
                    Item { Layout.fillWidth: true }
                    Text {
                        visible: text !== ""
                        text: root.update ? root.update.releaseDate : ""
                        color: Theme.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontXs
                    }
                    StatusBadge {
                        visible: root.update ? root.update.mandatory : false
                        text: "Bắt buộc"
                        level: "warn"
                    }
                }

                Rectangle {
                    Layout.fillWidth: true
                    Layout.preferredHeight: Math.min(180, notes.implicitHeight + 2 * Theme.spacingSm)
                    visible: root.st === Rules.Available && notes.text !== ""
                    color: Theme.bgSurfaceAlt
                    radius: Theme.radiusSm
                    Flickable {
                        anchors.fill: parent
                        anchors.margins: Theme.spacingSm
                        contentHeight: notes.implicitHeight
                        clip: true
                        boundsBehavior: Flickable.StopAtBounds
                        Text {
                            id: notes
                            width: parent.width
                            text: root.update ? root.update.releaseNotes : ""
                            textFormat: Text.PlainText
                            wrapMode: Text.WordWrap
                            color: Theme.textSecondary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                        }
                    }
                }

                Text {
                    id: note
                    objectName: "manualInstallNote"
                    Layout.fillWidth: true
                    visible: text !== ""
                    text: Rules.manualInstallNote(root.st, root.installs, root.update ? root.update.hasDownloadPage : false)
                    color: Theme.info
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSm
                    wrapMode: Text.WordWrap
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    visible: root.showProgress
                    spacing: Theme.spacingXs

                    Rectangle {
                        Layout.fillWidth: true
                        height: 8
                        radius: 4
                        color: Theme.strokeSoft
                        Rectangle {
                            objectName: "progressFill"
                            height: parent.height
                            radius: 4
                            color: Theme.accent
                            width: parent.width * (root.st === Rules.Downloading
                                                   ? (root.update ? root.update.downloadProgress : 0) : 1)
                            Behavior on width { NumberAnimation { duration: 160 } }
                        }
                    }
                    RowLayout {
                        Layout.fillWidth: true
                        Text {
                            objectName: "progressText"
                            Layout.fillWidth: true
                            text: Rules.progressText(root.st, root.update ? root.update.downloadSizeText : "")
                            color: Theme.textSecondary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontXs
                        }
                        Text {
                            visible: root.st === Rules.Downloading
                            text: Math.round((root.update ? root.update.downloadProgress : 0) * 100) + "%"
                            color: Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontXs
                            font.bold: true
                        }
                    }
                }
            }

            // Footer
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 1
                visible: footer.visible
                color: Theme.strokeSoft
            }
            RowLayout {
                id: footer
                Layout.fillWidth: true
                Layout.margins: Theme.spacingLg
                spacing: Theme.spacingSm
                visible: root.st === Rules.Checking || root.buttons.length > 0

                Text {
                    visible: root.st === Rules.Checking
                    Layout.fillWidth: true
                    text: "Đang liên hệ máy chủ cập nhật của Kelvaro…"
                    color: Theme.textMuted
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontXs
                    wrapMode: Text.WordWrap
                }
                Item {
                    visible: root.st !== Rules.Checking
                    Layout.fillWidth: true
                }
                Repeater {
                    model: root.buttons
                    delegate: Rectangle {
                        objectName: "button_" + modelData.action
                        readonly property color tint: Theme[modelData.tint]
                        implicitHeight: 42
                        implicitWidth: label.implicitWidth + 2 * Theme.spacingLg
                        radius: Theme.radiusSm
                        color: modelData.primary ? (hover.containsMouse ? Qt.lighter(tint, 1.12) : tint)
                                                 : (hover.containsMouse ? Theme.bgElevated : "transparent")
                        border.width: modelData.primary ? 0 : 1
                        border.color: Theme.stroke
                        Text {
                            id: label
                            anchors.centerIn: parent
                            text: modelData.label
                            color: modelData.primary ? "white" : Theme.textPrimary
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontSm
                            font.weight: Font.DemiBold
                        }
                        MouseArea {
                            id: hover
                            anchors.fill: parent
                            hoverEnabled: true
                            cursorShape: Qt.PointingHandCursor
                            onClicked: root.perform(modelData.action)
                        }
                    }
                }
            }
        }
    }

    component VersionPill: Rectangle {
        property alias text: pillText.text
        property bool highlighted: false
        implicitHeight: 26
        implicitWidth: pillText.implicitWidth + 2 * Theme.spacingSm
        radius: 13
        color: highlighted ? Theme.alpha(Theme.accent, 0.18) : Theme.bgSurfaceAlt
        border.color: highlighted ? Theme.accent : Theme.stroke
        Text {
            id: pillText
            anchors.centerIn: parent
            color: parent.highlighted ? Theme.accentGlow : Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSm
            font.bold: parent.highlighted
        }
    }
}
