import QtQuick 2.15
import "../js/inspection.js" as Inspection

// The full inspection's state; the rules are in inspection.js.
QtObject {
    id: run
    property var hardware
    property var perf
    property var report
    property bool running: false
    property string phase: "idle"
    property string stage: ""
    property var enabled: Inspection.allPhases(true)
    property int stressSeconds: 30
    property int watchdogInterval: 60000
    readonly property var phaseOrder: Inspection.order
    signal showTab(string key)
    // Before the next phase starts; byWatchdog when the phase never reported its result.
    signal phaseEnded(string phase, bool byWatchdog)

    property Timer watchdog: Timer {
        interval: run.watchdogInterval
        onTriggered: Inspection.watchdogFired(run)
    }

    function runScan(options) {
        return Inspection.runScan(run, options)
    }

    function advance() {
        Inspection.advance(run)
    }

    property list<Connections> watchers: [
        Connections {
            target: run.hardware
            ignoreUnknownSignals: true
            function onDataChanged() { run.advance() }
            function onScanningChanged() { run.advance() }
        },
        Connections {
            target: run.perf
            ignoreUnknownSignals: true
            function onBenchChanged() { run.advance() }
            function onStressChanged() { run.advance() }
            function onGpuResultChanged() { run.advance() }
        }
    ]
}
