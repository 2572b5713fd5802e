.pragma library

// The full inspection: enabled phases run in this fixed order, each ended by its own result
// or by the watchdog. `run` is an InspectionRun holding the state and the controllers.
var order = ["hw", "cpuBench", "cpuStress", "gpuBench", "gpuStress"]

var stages = {
    hw: "Đang quét phần cứng…",
    cpuBench: "Đang chạy benchmark…",
    cpuStress: "Đang stress test CPU…",
    gpuBench: "Đang kiểm tra GPU…",
    gpuStress: "Đang kiểm tra ổn định GPU…"
}

function allPhases(on) {
    var m = {}
    for (var i = 0; i < order.length; ++i)
        m[order[i]] = on
    return m
}

// The first enabled phase after `after` ("" for the start), or "done".
function nextPhase(enabled, after) {
    var from = after === "" ? 0 : order.indexOf(after) + 1
    for (var i = from; i < order.length; ++i)
        if (enabled && enabled[order[i]] === true)
            return order[i]
    return "done"
}

function isComplete(phase, hw, perf) {
    switch (phase) {
    case "hw":
        return !hw.scanning && hw.hasScanned === true
    case "cpuBench":
        return !perf.benchRunning && Object.keys(perf.benchmark || {}).length > 0
    case "cpuStress":
        // A run that has ticked and stopped. The load may read 0 the whole time (a replayed
        // profile's monitor has no counters, a failed reading gives 0), so it is not the test.
        return !perf.stressRunning && (perf.stressMaxLoad > 0 || perf.stressElapsed > 0)
    case "gpuBench":
        return !!perf.gpuResult && perf.gpuResult.tested === true
    case "gpuStress":
        return !!perf.gpuResult && perf.gpuResult.stressTested === true
    }
    return false
}

// False when a run is already going or nothing is enabled.
function runScan(run, options) {
    if (run.running)
        return false
    run.enabled = options
    var first = nextPhase(options, "")
    if (first === "done")
        return false
    run.running = true
    startPhase(run, first)
    return true
}

function startPhase(run, phase) {
    if (phase === "done") {
        run.watchdog.stop()
        run.phase = "done"
        run.stage = ""
        run.running = false
        run.report.compute()
        run.showTab("report")
        return
    }
    // State first: the start actions may report back at once.
    run.phase = phase
    run.stage = stages[phase]
    run.watchdog.restart()
    switch (phase) {
    case "hw":
        run.showTab("dashboard")
        run.hardware.scan()
        break
    case "cpuBench":
        run.perf.startMonitor()
        run.perf.runBenchmark()
        break
    case "cpuStress":
        run.perf.startMonitor()
        run.perf.startStress(run.stressSeconds)
        break
    case "gpuBench":
        run.showTab("stress") // the test surface renders only while visible
        run.perf.requestGpuBenchmark()
        break
    case "gpuStress":
        run.showTab("stress")
        run.perf.requestGpuStress()
        break
    }
}

// Every watched result recomputes the score, also outside a run (manual tests reach the report).
function advance(run) {
    run.report.compute()
    if (run.running && isComplete(run.phase, run.hardware, run.perf)) {
        run.phaseEnded(run.phase, false)
        startPhase(run, nextPhase(run.enabled, run.phase))
    }
}

// A stalled phase is skipped, not stopped: its late result still reaches the score.
function watchdogFired(run) {
    if (!run.running)
        return
    run.phaseEnded(run.phase, true)
    startPhase(run, nextPhase(run.enabled, run.phase))
}
