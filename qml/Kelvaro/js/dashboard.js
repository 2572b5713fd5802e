.pragma library

var notScanned = "Chưa quét"

function text(v) {
    return v === undefined || v === null ? "" : String(v)
}

// The six summary cards: what the last scan found, each linked to its tab.
function summary(hw) {
    var scanned = hw.hasScanned === true
    var done = scanned ? "good" : "muted"
    var cpu = text(hw.cpu && hw.cpu.name)

    var ram = hw.ramSummary || {}
    var ramText = notScanned
    if (text(ram.total) !== "")
        ramText = text(ram.total) + (text(ram.channel) !== "" ? " · " + text(ram.channel) : "")

    var disks = hw.disks || []
    var diskText = disks.length > 0 ? disks.length + " ổ · " + text(disks[0].capacity) : notScanned

    var bat = hw.battery || {}
    var batText = notScanned
    if (bat.present === false)
        batText = "Không có pin"
    else if (text(bat.wear) !== "")
        batText = "Chai " + text(bat.wear)
    var batLevel = scanned && bat.present !== false ? "good" : "muted"

    var gpus = hw.gpus || []
    var gpuName = gpus.length > 0 ? text(gpus[0].name) : ""
    var resolution = gpus.length > 0 ? text(gpus[0].resolution) : ""

    return [
        { key: "cpu", title: "CPU", value: cpu !== "" ? cpu : notScanned, level: done, index: 2 },
        { key: "ram", title: "RAM", value: ramText, level: done, index: 3 },
        { key: "storage", title: "Ổ cứng", value: diskText, level: done, index: 4 },
        { key: "battery", title: "Pin", value: batText, level: batLevel, index: 5 },
        { key: "gpu", title: "GPU", value: gpuName !== "" ? gpuName : notScanned, level: done, index: 6 },
        { key: "display", title: "Màn hình", value: resolution !== "" ? resolution : notScanned,
          level: scanned ? "info" : "muted", index: 7 }
    ]
}

// The report is computed at start-up too; a machine not scanned yet has no score to show.
function gaugeValue(hasScanned, overall) {
    return hasScanned ? overall : 0
}

// One card per 280 pixels of width, at least one.
function columns(width) {
    return Math.max(1, Math.floor(width / 280))
}

function cardBadge(scanning, busy, hasScanned) {
    if (scanning || busy)
        return "Đang quét"
    return hasScanned ? "Đã quét" : notScanned
}

// The line under the gauge.
function statusLine(hw, busy, stage) {
    if (hw.scanning)
        return text(hw.stage) + "  (" + hw.progress + "%)"
    if (busy)
        return stage !== "" ? stage : "Đang kiểm tra…"
    if (hw.hasScanned)
        return "Lần quét: " + text(hw.lastScan)
    return "Nhấn “Quét toàn bộ” để bắt đầu"
}

// "5.15.8" → "Qt 5.15 · QML": the framework the program runs on.
function frameworkBadge(version) {
    var parts = String(version || "").split(".")
    return "Qt " + (parts.length >= 2 ? parts[0] + "." + parts[1] : parts[0]) + " · QML"
}
