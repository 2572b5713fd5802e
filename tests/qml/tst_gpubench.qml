import QtQuick 2.15
import QtTest 1.15
import "../../qml/Kelvaro/js/gpubench.js" as Bench

TestCase {
    name: "GpuBench"

    // 1920 × 1080 physical pixels: one iteration per pixel at 1 fps is 0.0020736 GI/s.
    readonly property real pixels: 1920 * 1080

    function baseline(fps) {
        var s = Bench.newBenchmark()
        for (var i = 0; i < 3; ++i)
            Bench.benchmarkTick(s, fps, pixels)
        return s
    }

    // One level: the discarded tick after the change, then the measured one.
    function level(s, fps) {
        Bench.benchmarkTick(s, fps, pixels)
        Bench.benchmarkTick(s, fps, pixels)
        return s
    }

    function test_sixtyFpsCap() {
        var s = baseline(60)
        compare(s.capFps, 60)
        compare(s.phase, 1)
        compare(s.complexity, 8)
        level(s, 60)
        level(s, 30)
        compare(s.maxStableLevel, 16, "30 fps is still half the ceiling")
        level(s, 29)
        compare(s.maxStableLevel, 16)
        level(s, 10.8)
        verify(!s.done, "10.8 fps is not below the floor")
        compare(s.complexity, 48)
        level(s, 10.7)
        verify(s.done)
        compare(s.complexity, 2)
        // The peak is the best level × rate seen (24 × 29), stable or not.
        fuzzyCompare(s.peakThroughput, 24 * pixels * 29 / 1e9, 1e-9)
    }

    function test_slowBaselineIsRaisedToThirty() {
        var s = baseline(20)
        compare(s.capFps, 30)
        level(s, 8)
        verify(!s.done, "the floor is max(8, 30 × 0.18) = 8")
        level(s, 7.9)
        verify(s.done)
    }

    function test_everyLevelAboveTheFloor() {
        var s = baseline(60)
        var ticks = 3
        while (!s.done && ticks < 100) {
            Bench.benchmarkTick(s, 59, pixels)
            ticks += 1
        }
        compare(ticks, 3 + 14 * 2, "ends with the level 512 sample")
        compare(s.maxStableLevel, 512)
        fuzzyCompare(s.peakThroughput, 512 * pixels * 59 / 1e9, 1e-9)
    }

    function test_scoreAndVerdicts() {
        compare(Bench.score(4.6), 18)
        compare(Bench.score(0), 0)
        compare(Bench.benchmarkVerdict(18, true).text, "Xuất sắc")
        compare(Bench.benchmarkVerdict(17.99, true).text, "Tốt")
        compare(Bench.benchmarkVerdict(4, true).level, "warn")
        compare(Bench.benchmarkVerdict(3.99, true).text, "Yếu — có thể đã xuống cấp")
        // The same throughput is good for processor graphics.
        compare(Bench.benchmarkVerdict(6, false).text, "Tốt (tích hợp)")
        compare(Bench.benchmarkVerdict(5.99, false).text, "Khá (tích hợp)")
        compare(Bench.benchmarkVerdict(1.99, false).level, "bad")
    }

    function test_zeroSampleDoesNotStickAsMinimum() {
        var s = Bench.newStress(0)
        Bench.stressTick(s, 50, 20) // warm-up
        compare(s.elapsed, 0)
        Bench.stressTick(s, 0, 20)
        compare(s.minFps, 0)
        Bench.stressTick(s, 40, 20)
        Bench.stressTick(s, 45, 20)
        compare([s.minFps, s.avgFps], [40, 85 / 3])
    }

    function test_steadyRunIsStable() {
        var s = Bench.newStress(64)
        var ticks = 0
        while (!s.done && ticks < 100) {
            Bench.stressTick(s, ticks % 2 ? 40 : 44, 20)
            ticks += 1
        }
        compare(ticks, 41, "one warm-up tick and 40 measured ones, about 20.5 s")
        compare(s.stability, 100)
        compare(Bench.stressVerdict(s, true).text, "Ổn định")
    }

    // Slow frames hold the GUI thread, so the timer fires late: the rate is taken over the real
    // span, and the run still lasts 20 s of measured time instead of 40 late ticks.
    function test_lateTicksKeepTheRunToItsLength() {
        compare(Bench.frameRate(13, 1300), 10)
        compare(Bench.frameRate(5, 0), 0)
        var s = Bench.newStress(64)
        var ticks = 0
        while (!s.done && ticks < 100) {
            Bench.stressTick(s, 10, 20, 1300)
            ticks += 1
        }
        compare(ticks, 1 + 16, "15 late ticks measure 19.5 s, the 16th 20.8 s")
        compare([s.elapsed, s.count, s.stability], [42, 16, 100])
    }

    function test_unevenRun() {
        var s = Bench.newStress(64)
        Bench.stressTick(s, 0, 2)
        var rates = [60, 60, 20, 60]
        for (var i = 0; i < rates.length; ++i)
            Bench.stressTick(s, rates[i], 2)
        verify(s.done)
        compare(s.stability, 75)
        compare(Bench.stressVerdict(s, true).text, "Dao động nhẹ")
        s.stability = 50
        compare(Bench.stressVerdict(s, true).text, "Không ổn định — kiểm tra tản nhiệt/VRAM")
        compare(Bench.stressVerdict(s, false).text, "Dao động (GPU tích hợp) — kiểm tra tản nhiệt")
        compare(Bench.stressVerdict(s, false).level, "warn")
    }

    function test_sceneThatNeverPresents() {
        var s = baseline(0)
        compare(s.capFps, 30)
        level(s, 0)
        verify(s.done, "the floor is reached at the first level")
        compare(s.peakThroughput, 0)
        compare(Bench.benchmarkVerdict(s.peakThroughput, false).text, "Yếu (tích hợp)")

        var r = Bench.newStress(s.maxStableLevel)
        var ticks = 0
        while (!r.done && ticks < 100) {
            Bench.stressTick(r, 0, 20)
            ticks += 1
        }
        compare([ticks, r.stability, r.minFps], [41, 100, 0])
        compare(Bench.stressVerdict(r, true).text, "Dao động nhẹ")
    }

    function test_gpuChoice() {
        var dedicated = function(g) { return g.name.indexOf("GeForce") >= 0 }
        var igpu = { name: "Intel(R) UHD Graphics 630" }
        var card = { name: "NVIDIA GeForce GTX 1060 6GB" }
        compare(Bench.pickGpu([igpu, card], dedicated), card)
        compare(Bench.pickGpu([igpu], dedicated), igpu)
        compare(Bench.pickGpu([], dedicated), null)
        compare(Bench.gpuName(null), "Không phát hiện GPU")
        compare(Bench.gpuName({ vendor: "Intel" }), "GPU")
    }
}
