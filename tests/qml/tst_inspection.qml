import QtQuick 2.15
import QtTest 1.15
import Kelvaro 1.0
import "../../qml/Kelvaro/js/inspection.js" as Inspection

// The full inspection against fake controllers: phase order, skips, refusals.
TestCase {
    id: testCase
    name: "Inspection"

    Component {
        id: fakeHardware
        QtObject {
            property bool scanning: false
            property bool hasScanned: false
            property int scans: 0
            signal dataChanged()
            function scan() { ++scans; scanning = true }
            function finish() { hasScanned = true; scanning = false; dataChanged() }
        }
    }
    Component {
        id: fakePerf
        QtObject {
            property bool benchRunning: false
            property var benchmark: ({})
            property bool stressRunning: false
            property real stressMaxLoad: 0
            property int stressElapsed: 0
            property var gpuResult: ({})
            property var calls: []
            signal benchChanged()
            signal stressChanged()
            function note(c) { calls = calls.concat([c]) }
            function startMonitor() { note("startMonitor") }
            function runBenchmark() { note("runBenchmark"); benchRunning = true; benchmark = {}; benchChanged() }
            function startStress(s) {
                note("startStress " + s)
                stressRunning = true
                stressMaxLoad = 0
                stressElapsed = 0
                stressChanged()
            }
            function requestGpuBenchmark() { note("requestGpuBenchmark") }
            function requestGpuStress() { note("requestGpuStress") }
        }
    }
    Component {
        id: fakeReport
        QtObject {
            property int computes: 0
            function compute() { ++computes }
        }
    }
    Component {
        id: runComponent
        InspectionRun {
            property var tabs: []
            property var endings: []
            onShowTab: tabs = tabs.concat([key])
            onPhaseEnded: endings = endings.concat([phase + (byWatchdog ? " watchdog" : "")])
        }
    }
    Component {
        id: shotsComponent
        ScreenshotExport {}
    }

    property var hw
    property var perf
    property var report
    property var run

    function init() {
        hw = createTemporaryObject(fakeHardware, testCase)
        perf = createTemporaryObject(fakePerf, testCase)
        report = createTemporaryObject(fakeReport, testCase)
        run = createTemporaryObject(runComponent, testCase, { hardware: hw, perf: perf, report: report })
    }

    function test_allPhasesInOrder() {
        verify(run.runScan(Inspection.allPhases(true)))
        compare(run.phase, "hw")
        compare(hw.scans, 1)
        compare(perf.calls, [], "the scan runs without the monitor")
        hw.finish()
        compare(run.phase, "cpuBench")
        compare(perf.calls, ["startMonitor", "runBenchmark"])
        perf.benchmark = { cpuMulti: 1000 }
        perf.benchRunning = false
        perf.benchChanged()
        compare(run.phase, "cpuStress")
        compare(perf.calls.slice(2), ["startMonitor", "startStress 30"])
        perf.stressMaxLoad = 97
        perf.stressRunning = false
        perf.stressChanged()
        compare(run.phase, "gpuBench")
        perf.gpuResult = { tested: true }
        compare(run.phase, "gpuStress")
        perf.gpuResult = { tested: true, stressTested: true }
        compare(run.phase, "done")
        verify(!run.running)
        verify(!run.watchdog.running)
        compare(run.stage, "")
        compare(run.tabs, ["dashboard", "stress", "stress", "report"])
        compare(run.endings, Inspection.order)
    }

    // A replayed profile's monitor has no counters: the load reads 0 through the whole run.
    function test_stressEndsWithoutALoadReading() {
        run.runScan({ cpuStress: true, gpuBench: true })
        perf.stressElapsed = 1
        perf.stressChanged() // a tick of the running test
        compare(run.phase, "cpuStress")
        perf.stressElapsed = 30
        perf.stressRunning = false
        perf.stressChanged()
        compare(run.phase, "gpuBench")
    }

    function test_phaseWaitsForItsOwnResult() {
        run.runScan({ hw: true, cpuBench: true })
        hw.dataChanged() // a signal while still scanning
        compare(run.phase, "hw")
        hw.finish()
        // A benchmark map left from an earlier run does not end a benchmark that runs.
        perf.benchmark = { cpuMulti: 1 }
        perf.benchChanged()
        compare(run.phase, "cpuBench")
        perf.benchRunning = false
        perf.benchChanged()
        compare(run.phase, "done")
    }

    function test_onlyGpuBenchmark() {
        run.runScan({ gpuBench: true })
        compare(run.phase, "gpuBench")
        compare(run.tabs, ["stress"])
        compare(hw.scans, 0)
        compare(perf.calls, ["requestGpuBenchmark"])
        perf.gpuResult = { tested: true }
        compare(run.phase, "done")
        compare(run.tabs, ["stress", "report"])
    }

    function test_nothingEnabledChangesNothing() {
        verify(!run.runScan(Inspection.allPhases(false)))
        verify(!run.runScan({}))
        compare(run.phase, "idle")
        verify(!run.running)
        compare(run.tabs, [])
    }

    function test_runScanDuringARunIsIgnored() {
        run.runScan({ hw: true })
        verify(!run.runScan({ gpuBench: true }))
        compare(run.phase, "hw")
        compare(run.enabled, { hw: true })
        compare(perf.calls, [])
    }

    function test_doneStaysUntilTheNextRun() {
        run.runScan({ hw: true })
        hw.finish()
        compare(run.phase, "done")
        var computes = report.computes
        hw.dataChanged()
        perf.gpuResult = { tested: true }
        compare(run.phase, "done")
        verify(report.computes > computes, "results outside a run still reach the score")
        run.runScan({ hw: true })
        compare(run.phase, "hw")
    }

    function test_watchdogSkipsAStalledPhase() {
        run.watchdogInterval = 80
        run.runScan({ hw: true, cpuBench: true })
        tryCompare(run, "phase", "cpuBench", 2000)
        verify(run.running)
        tryCompare(run, "phase", "done", 2000)
        compare(run.tabs, ["dashboard", "report"])
        compare(run.endings, ["hw watchdog", "cpuBench watchdog"])
        // The skipped scan goes on; its late result still recomputes the score.
        var computes = report.computes
        hw.finish()
        verify(report.computes > computes)
        compare(run.phase, "done")
    }

    function test_screenshotsRefusedDuringARun() {
        var shots = createTemporaryObject(shotsComponent, testCase, {
            report: report, sections: [{ key: "dashboard" }], blocked: Qt.binding(function() { return run.running }) })
        run.runScan({ hw: true })
        verify(!shots.exportAll("/tmp"))
        verify(!shots.busy)
        compare(shots.status, "")
        hw.finish()
        verify(!shots.exportAll(""))
        verify(!shots.busy)
    }
}
