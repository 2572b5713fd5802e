.pragma library

// Arithmetic of the GPU benchmark and stability run. The component feeds one frame rate per
// 500 ms tick; everything here is plain data so that tests can drive it with made-up rates.

var tickMs = 500

var levels = [8, 16, 24, 32, 48, 64, 96, 128, 160, 200, 256, 320, 400, 512]
var baselineIterations = 2
var stressFallbackLevel = 256

// Frames per second over the real span of a tick. A frame that takes long to render holds the
// GUI thread at its next sync, so the 500 ms timer fires late; counting frames × 2 would then
// overstate the rate by the same factor.
function frameRate(frames, spanMs) {
    return spanMs > 0 ? frames * 1000 / spanMs : 0
}

function newBenchmark() {
    return { phase: 0, levelIndex: -1, settle: 0, capFps: 0, peakThroughput: 0, maxStableLevel: 0,
             complexity: baselineIterations, done: false }
}

// One 500 ms tick; pixels = physical pixels of the surface. Returns the same state.
function benchmarkTick(s, fps, pixels) {
    s.settle += 1
    if (s.phase === 0) {
        // About 1.5 s at a trivial load gives the presentation ceiling; a slow or silent
        // scene still gets a ceiling of 30 so that the floor below stays meaningful.
        if (s.settle >= 3) {
            s.capFps = Math.max(fps, 30)
            s.phase = 1
            s.levelIndex = 0
            s.complexity = levels[0]
            s.settle = 0
        }
        return s
    }
    // The first tick after a level change still shows frames of the previous level.
    if (s.settle < 2)
        return s
    s.settle = 0
    var level = levels[s.levelIndex]
    var throughput = level * pixels * fps / 1e9
    if (throughput > s.peakThroughput)
        s.peakThroughput = throughput
    if (fps >= s.capFps * 0.5)
        s.maxStableLevel = level
    var floorReached = fps < Math.max(8, s.capFps * 0.18)
    s.levelIndex += 1
    if (floorReached || s.levelIndex >= levels.length) {
        s.done = true
        s.complexity = baselineIterations
    } else {
        s.complexity = levels[s.levelIndex]
    }
    return s
}

function score(peakThroughput) {
    return Math.round(peakThroughput * 4.0)
}

// Processor graphics shares power and memory with the CPU, so it is judged on its own scale.
function benchmarkVerdict(t, dedicated) {
    if (dedicated) {
        if (t >= 18) return { text: "Xuất sắc", level: "good" }
        if (t >= 9) return { text: "Tốt", level: "good" }
        if (t >= 4) return { text: "Khá", level: "warn" }
        return { text: "Yếu — có thể đã xuống cấp", level: "bad" }
    }
    if (t >= 6) return { text: "Tốt (tích hợp)", level: "good" }
    if (t >= 2) return { text: "Khá (tích hợp)", level: "warn" }
    return { text: "Yếu (tích hợp)", level: "bad" }
}

function newStress(maxStableLevel) {
    return { settle: 0, elapsed: 0, elapsedMs: 0, minFps: 0, avgFps: 0, sum: 0, count: 0, stable: 0,
             stability: 0, complexity: maxStableLevel > 0 ? maxStableLevel : stressFallbackLevel, done: false }
}

// One tick of a run of `seconds`; the first tick is warm-up. spanMs is the real time since the
// previous tick (500 when omitted): the run lasts `seconds` of measured time however late the
// ticks come, and `elapsed` counts measured half-seconds.
function stressTick(s, fps, seconds, spanMs) {
    s.settle += 1
    if (s.settle === 1)
        return s
    s.elapsedMs += spanMs === undefined ? tickMs : Math.max(0, spanMs)
    s.elapsed = Math.round(s.elapsedMs / tickMs)
    s.sum += fps
    s.count += 1
    s.avgFps = s.sum / s.count
    // A minimum of 0 counts as not set yet, so one silent sample does not stick.
    if (s.minFps === 0 || fps < s.minFps)
        s.minFps = fps
    if (Math.abs(fps - s.avgFps) <= s.avgFps * 0.25)
        s.stable += 1
    s.stability = Math.round(s.stable / s.count * 100)
    if (s.elapsed >= seconds * 2) {
        s.done = true
        s.complexity = baselineIterations
    }
    return s
}

function stressVerdict(s, dedicated) {
    if (s.stability >= 80 && s.minFps >= Math.max(8, s.avgFps * 0.45))
        return { text: "Ổn định", level: "good" }
    if (s.stability >= 60)
        return { text: "Dao động nhẹ", level: "warn" }
    if (dedicated)
        return { text: "Không ổn định — kiểm tra tản nhiệt/VRAM", level: "bad" }
    return { text: "Dao động (GPU tích hợp) — kiểm tra tản nhiệt", level: "warn" }
}

// The adapter the card measures: the first dedicated one, else the first one, else none.
function pickGpu(gpus, isDedicated) {
    var list = gpus || []
    for (var i = 0; i < list.length; ++i)
        if (isDedicated(list[i]))
            return list[i]
    return list.length > 0 ? list[0] : null
}

function gpuName(gpu) {
    if (!gpu) return "Không phát hiện GPU"
    return gpu.name ? gpu.name : "GPU"
}
