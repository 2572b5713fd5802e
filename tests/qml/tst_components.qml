import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Kelvaro 1.0
import "../../qml/Kelvaro/js/levels.js" as Levels
import "../../qml/Kelvaro/js/chart.js" as Chart
import "../../qml/Kelvaro/js/sections.js" as Sections
import "../../qml/Kelvaro/js/glyphs.js" as Glyphs
import "../../qml/Kelvaro/js/screenshots.js" as Shots

TestCase {
    id: testCase
    name: "Components"
    when: windowShown
    width: 400
    height: 300

    Component {
        id: badge
        StatusBadge {}
    }
    Component {
        id: card
        InfoCard {}
    }
    Component {
        id: gauge
        ScoreGauge {}
    }

    function test_badgeLevels() {
        // A known level takes its theme colour; anything else is muted.
        var levels = ["good", "bad", "alert", ""]
        var colors = [Theme.good, Theme.bad, Theme.textMuted, Theme.textMuted]
        for (var i = 0; i < levels.length; ++i)
            compare(createTemporaryObject(badge, testCase, { level: levels[i] }).baseColor, colors[i], levels[i])
    }

    function test_alphaOfANamedColour() {
        compare(Theme.alpha("white", 0.5), Qt.rgba(1, 1, 1, 0.5))
    }

    function rowsShown(item, out) {
        for (var i = 0; i < item.children.length; ++i) {
            var c = item.children[i]
            if (c.valueColorOverride !== undefined) {
                if (c.visible)
                    out.push(c.label + "=" + c.value)
            } else {
                rowsShown(c, out)
            }
        }
        return out
    }

    function test_emptyRowsHidden() {
        // TestCase itself is hidden; the card goes straight into the window.
        var c = createTemporaryObject(card, testCase.Window.window.contentItem, { width: 300, title: "T", rows: [
            { label: "undefined", value: undefined }, { label: "null", value: null },
            { label: "empty", value: "" }, { label: "zero", value: 0 }, { label: "text", value: "8 GB" }] })
        compare(rowsShown(c, []), ["zero=0", "text=8 GB"])
    }

    function test_gaugeLevelsArcAndBars() {
        compare([0, 0.4, 39.9, 40, 59.9, 60, 79.9, 80, 150].map(function(v) { return Levels.gaugeLevel(v) }),
                ["muted", "bad", "bad", "warn", "warn", "info", "info", "good", "good"])
        compare([-5, 50, 140].map(function(v) { return Levels.arcFraction(v) }), [0, 0.5, 1])
        // A bar has no "nothing yet": 0 is a bad score.
        compare(Levels.barLevel(0), "bad")
        compare(Levels.barLevel(65), "info")
        // 15 % battery wear is a good grade, not a bad score.
        compare(createTemporaryObject(gauge, testCase, { value: 15 }).arcColor, Theme.bad)
        compare(createTemporaryObject(gauge, testCase, { value: 15, level: "good" }).arcColor, Theme.good)
    }

    function xs(points) {
        return points.map(function(p) { return Math.round(p.x * 1000) / 1000 })
    }
    function series(n) {
        var v = []
        for (var i = 0; i < n; ++i)
            v.push(i)
        return v
    }

    function test_chartGeometry() {
        compare(Chart.points([50], 60, 100, 590, 100), [])
        compare(Chart.points([], 60, 100, 590, 100), [])
        // Two values sit at the right edge, one step apart.
        var two = Chart.points([0, 100], 60, 100, 590, 104)
        compare(xs(two), [580, 590])
        compare([two[0].y, two[1].y], [102, 2])
        var full = Chart.points(series(60), 60, 100, 590, 100)
        compare([full[0].x, full[59].x], [0, 590])
        // More values than the capacity squeeze into the width.
        var over = Chart.points(series(61), 60, 100, 600, 100)
        compare([over.length, over[0].x, over[1].x, over[60].x], [61, 0, 10, 600])
        // Out of range values stay inside; no maximum counts as 1.
        var clamped = Chart.points([-5, 500], 2, 100, 10, 104)
        compare([clamped[0].y, clamped[1].y], [102, 2])
        compare(Chart.points([0, 1], 2, 0, 10, 104)[1].y, 2)
    }

    function test_sections() {
        var list = [{ group: "a" }, { group: "a" }, { group: "b" }, { group: "a" }]
        compare([0, 1, 2, 3].map(function(i) { return Sections.showsGroupHeader(list, i) }), [true, false, true, true])
        compare(Sections.list[Sections.sectionIndex(Sections.list, "report")].key, "report")
        compare(Sections.sectionIndex(Sections.list, "nope"), 0)
    }

    // Records path operations instead of drawing them.
    function recorder() {
        var ops = []
        var rec = function(name) { return function() { ops.push({ op: name, args: Array.prototype.slice.call(arguments) }) } }
        var ctx = { ops: ops }
        ;["reset", "clearRect", "beginPath", "moveTo", "lineTo", "closePath", "stroke", "fill", "arc",
          "roundedRect", "fillRect", "bezierCurveTo"].forEach(function(n) { ctx[n] = rec(n) })
        return ctx
    }
    function drawn(name) {
        var ctx = recorder()
        Glyphs.draw(ctx, name, 50, 50, "white", 2)
        return ctx.ops.filter(function(o) { return o.op !== "reset" && o.op !== "clearRect" })
                      .map(function(o) { return o.op }).join(" ")
    }

    // Every icon the window names has a drawing of its own, not the fallback's.
    function test_glyphs() {
        var fallback = drawn("no-such-icon")
        verify(fallback.indexOf("arc") >= 0)
        for (var i = 0; i < Sections.list.length; ++i)
            verify(Glyphs.names.indexOf(Sections.list[i].icon) >= 0, Sections.list[i].icon)
        for (var j = 0; j < Glyphs.names.length; ++j)
            verify(drawn(Glyphs.names[j]) !== fallback, Glyphs.names[j])
    }

    Component {
        id: options
        ScanOptionsDialog {}
    }

    function test_scanOptions() {
        var dialog = createTemporaryObject(options, testCase)
        verify(dialog.anyPicked)
        var off = { hw: false, cpuBench: false, cpuStress: false, gpuBench: false, gpuStress: false }
        dialog.picked = off
        verify(!dialog.anyPicked)
        dialog.toggle("gpuStress")
        verify(dialog.anyPicked)
        compare(dialog.picked.gpuStress, true)
        compare(off.gpuStress, false, "a toggle makes a new map, so that bindings see it")
        // The folder dialog is loaded only on demand; it must still load.
        var picker = Qt.createComponent("../../qml/Kelvaro/components/FolderPicker.qml")
        compare(picker.status, Component.Ready, picker.errorString())
    }

    Component {
        id: pageWithScroll
        Item {
            width: 200
            height: 100
            Item {
                Rectangle { width: 10; height: 10 }
                Flickable {
                    objectName: "area"
                    width: 200
                    height: 100
                    contentWidth: 200
                    contentHeight: 250
                }
            }
        }
    }

    function test_screenshotSlices() {
        compare(Shots.slicePositions(250, 100), [0, 100, 150])
        compare(Shots.slicePositions(300, 100), [0, 100, 200])
        compare(Shots.slicePositions(80, 100), [0])
        var page = createTemporaryObject(pageWithScroll, testCase)
        var area = Shots.findScrollable(page)
        compare(area.objectName, "area")
        verify(Shots.needsSlices(area))
        area.contentHeight = 101 // within a pixel of the viewport: one grab
        verify(!Shots.needsSlices(area))
        compare(Shots.findScrollable(badge.createObject(null)), null)
    }
}
