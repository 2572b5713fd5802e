import QtQuick 2.15
import QtTest 1.15
import "../../qml/Kelvaro/js/dashboard.js" as Dashboard

TestCase {
    name: "Dashboard"

    function values(list) {
        return list.map(function(e) { return e.value })
    }
    function levels(list) {
        return list.map(function(e) { return e.level })
    }

    function test_beforeAnyScan() {
        var cards = Dashboard.summary({ hasScanned: false, cpu: {}, ramSummary: {}, disks: [], battery: {}, gpus: [] })
        compare(values(cards), ["Chưa quét", "Chưa quét", "Chưa quét", "Chưa quét", "Chưa quét", "Chưa quét"])
        compare(levels(cards), ["muted", "muted", "muted", "muted", "muted", "muted"])
        compare(Dashboard.statusLine({ scanning: false, hasScanned: false }, false, ""),
                "Nhấn “Quét toàn bộ” để bắt đầu")
        compare(Dashboard.gaugeValue(false, 27), 0) // the start-up score of an empty inventory
        compare(Dashboard.gaugeValue(true, 27), 27)
    }

    function test_afterAScan() {
        var cards = Dashboard.summary({
            hasScanned: true,
            cpu: { name: "Intel Core i5-8350U" },
            ramSummary: { total: "16 GB", channel: "Dual Channel" },
            disks: [{ capacity: "256 GB" }, {}],
            battery: { present: true, wear: "12%" },
            gpus: [{ name: "Intel UHD Graphics 620", resolution: "1920 × 1080" }]
        })
        compare(values(cards), ["Intel Core i5-8350U", "16 GB · Dual Channel", "2 ổ · 256 GB", "Chai 12%",
                                "Intel UHD Graphics 620", "1920 × 1080"])
        compare(levels(cards), ["good", "good", "good", "good", "good", "info"])
    }

    function test_partialAndMissingValues() {
        var cards = Dashboard.summary({ hasScanned: true, cpu: {}, ramSummary: { total: "8 GB" },
                                        disks: [{}], battery: {}, gpus: [{}] })
        // No present key and no wear: unknown, not "no battery".
        compare(values(cards), ["Chưa quét", "8 GB", "1 ổ · ", "Chưa quét", "Chưa quét", "Chưa quét"])
        compare(cards[3].level, "good")
        var none = Dashboard.summary({ hasScanned: true, battery: { present: false, wear: "3%" } })
        compare([none[3].value, none[3].level], ["Không có pin", "muted"])
    }

    function test_gridColumns() {
        compare(Dashboard.columns(559), 1)
        compare(Dashboard.columns(560), 2)
        compare(Dashboard.columns(840), 3)
        compare(Dashboard.columns(0), 1)
    }

    function test_statusLineAndBadges() {
        var scanning = { scanning: true, stage: "Đang đọc ổ cứng", progress: 40, hasScanned: true }
        compare(Dashboard.statusLine(scanning, true, "x"), "Đang đọc ổ cứng  (40%)")
        compare(Dashboard.statusLine({ scanning: false, hasScanned: true }, true, ""), "Đang kiểm tra…")
        compare(Dashboard.statusLine({ scanning: false, hasScanned: true, lastScan: "07/12/2026 01:00" }, false, ""),
                "Lần quét: 07/12/2026 01:00")
        compare(Dashboard.cardBadge(false, true, true), "Đang quét")
        compare(Dashboard.cardBadge(false, false, true), "Đã quét")
        compare(Dashboard.frameworkBadge("5.15.8"), "Qt 5.15 · QML")
    }
}
