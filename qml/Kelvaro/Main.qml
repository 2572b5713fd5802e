import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Kelvaro 1.0
import "js/sections.js" as Sections
import "js/inspection.js" as Inspection

ApplicationWindow {
    id: win
    width: 1280
    height: 820
    minimumWidth: 1040
    minimumHeight: 680
    visible: true
    color: Theme.bgBase
    title: App.appName + " v" + App.appVersion

    readonly property var sections: Sections.list
    property int currentIndex: 0
    property alias fullScanRunning: inspection.running
    property alias fullScanStage: inspection.stage
    property alias scanPhase: inspection.phase
    property alias autoStressSeconds: inspection.stressSeconds
    property alias scanEnabled: inspection.enabled
    readonly property var phaseOrder: inspection.phaseOrder
    property alias shotExporting: shots.busy
    property alias shotStatus: shots.status
    property alias shotOk: shots.ok
    property alias shotDir: shots.dir
    // One per tab of a screenshot export, for the command line.
    signal screenshotTaken(string path, string fileName, bool saved)
    // One per ended phase of an inspection, for the command line's log.
    signal inspectionPhaseEnded(string phase, bool byWatchdog)

    function runFullScan() { return runScan(Inspection.allPhases(true)) }
    function runScan(options) { return inspection.runScan(options) }
    function exportAllScreenshots(localDir) { return shots.exportAll(localDir) }
    function sectionIndex(key) { return Sections.sectionIndex(sections, key) }

    InspectionRun {
        id: inspection
        hardware: Hardware
        perf: Perf
        report: Report
        onShowTab: win.currentIndex = win.sectionIndex(key)
        onPhaseEnded: win.inspectionPhaseEnded(phase, byWatchdog)
    }

    ScreenshotExport {
        id: shots
        report: Report
        sections: win.sections
        blocked: inspection.running
        pageAt: function(index) {
            var loader = pageRepeater.itemAt(index)
            return loader ? loader.item : null
        }
        onShowTab: win.currentIndex = index
        onImageDone: win.screenshotTaken(path, fileName, saved)
        onFinished: win.currentIndex = win.sectionIndex("report")
    }

    // Silent update check; builds without the update controller skip it.
    Timer {
        interval: 4000
        running: true
        onTriggered: {
            if (typeof Update !== "undefined" && Update !== null)
                Update.checkForUpdates(true)
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        NavRail {
            Layout.fillHeight: true
            Layout.preferredWidth: implicitWidth
            sections: win.sections
            currentIndex: win.currentIndex
            onSelected: win.currentIndex = index
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            TitleBar {
                Layout.fillWidth: true
                Layout.preferredHeight: implicitHeight
                title: win.sections[win.currentIndex].label
                subtitle: App.platformName
                busy: win.fullScanRunning
                statusText: win.fullScanStage
                onScanRequested: win.runFullScan()
                onScanOptionsRequested: scanOptions.open()
            }

            StackLayout {
                id: stack
                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: win.currentIndex

                Repeater {
                    id: pageRepeater
                    model: win.sections
                    Loader {
                        active: true
                        // Only the first tab holds up the first frame; the others are built right after.
                        asynchronous: index !== 0
                        sourceComponent: {
                            switch (Sections.pageFor(modelData.key)) {
                            case "DashboardPage": return dashboardPage
                            case "ReportPage": return reportPage
                            case "SystemPage": return systemPage
                            case "CpuPage": return cpuPage
                            case "RamPage": return ramPage
                            case "StoragePage": return storagePage
                            case "BatteryPage": return batteryPage
                            case "GpuPage": return gpuPage
                            case "NetworkPage": return networkPage
                            case "PerformancePage": return performancePage
                            case "DisplayPage": return displayPage
                            case "KeyboardPage": return keyboardPage
                            case "TouchpadPage": return touchpadPage
                            case "DevicesPage": return devicesPage
                            }
                            return placeholderPage
                        }
                        onLoaded: {
                            item.title = modelData.label
                            item.iconName = modelData.icon
                        }
                    }
                }
            }
        }
    }

    Component {
        id: dashboardPage
        DashboardPage {
            sections: win.sections
            scanBusy: win.fullScanRunning
            scanStage: win.fullScanStage
            onNavigate: win.currentIndex = index
        }
    }

    Component {
        id: reportPage
        ReportPage {
            shotBusy: win.shotExporting
            shotMessage: win.shotStatus
            shotOk: win.shotOk
            shotDir: win.shotDir
            onExportShotsRequested: win.exportAllScreenshots(dir)
        }
    }

    Component { id: systemPage; SystemPage {} }
    Component { id: cpuPage; CpuPage {} }
    Component { id: ramPage; RamPage {} }
    Component { id: storagePage; StoragePage {} }
    Component { id: batteryPage; BatteryPage {} }
    Component { id: gpuPage; GpuPage {} }
    Component { id: networkPage; NetworkPage {} }
    Component { id: performancePage; PerformancePage {} }

    Component {
        id: displayPage
        DisplayPage {}
    }

    Component {
        id: keyboardPage
        KeyboardPage {}
    }

    Component {
        id: touchpadPage
        TouchpadPage {}
    }

    Component {
        id: devicesPage
        DevicesPage {}
    }

    Component {
        id: placeholderPage
        PlaceholderPage {}
    }

    ScanOptionsDialog {
        id: scanOptions
        onScanRequested: win.runScan(options)
    }

    // Above everything; once a newer release is known on Windows the way out is updating or quitting.
    UpdateDialog {
        update: typeof Update !== "undefined" ? Update : null
        onQuitRequested: Qt.quit()
    }

    // Shown when the integrity or debugger check raised its flag.
    Rectangle {
        visible: App.tampered || App.debuggerDetected
        z: 1000
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 14
        width: mark.implicitWidth + 24
        height: mark.implicitHeight + 16
        radius: 8
        color: "#CC7A1F1F"
        border.width: 1
        border.color: "#E0B44A4A"
        Column {
            id: mark
            anchors.centerIn: parent
            Text {
                text: App.tampered ? "BẢN KHÔNG CHÍNH THỨC" : "CHẾ ĐỘ GỠ LỖI"
                color: "white"
                font.family: Theme.fontFamily
                font.pixelSize: 12
                font.bold: true
            }
            Text {
                text: App.copyright
                color: "#FFE6E6"
                font.family: Theme.fontFamily
                font.pixelSize: 10
            }
        }
    }
}
