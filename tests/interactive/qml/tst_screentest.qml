import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Kelvaro 1.0
import "../../../qml/Kelvaro/js/screentest.js" as ScreenTest

TestCase {
    id: testCase
    name: "ScreenTest"
    when: windowShown

    Component {
        id: testWindow
        DisplayTestWindow { width: 640; height: 480 }
    }
    SignalSpy { id: closing; signalName: "closing" }

    function openWindow(mode, extra) {
        var props = { mode: mode }
        for (var k in extra)
            props[k] = extra[k]
        var win = testWindow.createObject(null, props)
        closing.target = win
        closing.clear()
        win.show()
        waitForRendering(win.contentItem)
        return win
    }
    function shut(win) {
        if (win.visible)
            win.close()
    }
    function rgb(image, x, y) {
        var c = image.pixel(x, y)
        return [Math.round(c.r * 255), Math.round(c.g * 255), Math.round(c.b * 255)]
    }
    function hex(value) {
        return [parseInt(value.substr(1, 2), 16), parseInt(value.substr(3, 2), 16), parseInt(value.substr(5, 2), 16)]
    }
    function near(actual, expected, what) {
        for (var i = 0; i < 3; ++i)
            if (Math.abs(actual[i] - expected[i]) > 1)
                fail(what + ": " + actual + " is not " + expected)
    }
    // Pixels of the current scene at [x, y, colour] points away from the hint overlay.
    function expectPixels(win, points, what) {
        var image = grabImage(win.contentItem)
        for (var i = 0; i < points.length; ++i)
            near(rgb(image, points[i][0], points[i][1]), hex(points[i][2]),
                 what + " at " + points[i][0] + "," + points[i][1])
    }

    // How many scenes each mode has shows through the key, overlay and quick-run cases below.
    function test_sceneRules() {
        verify(ScreenTest.scenesFor("quick").every(function (s) { return s.hint === "" }))
        compare(ScreenTest.scenesFor("nonsense")[0].color, "#000000")
        compare(ScreenTest.sceneAt([], 3).type, "color")
        compare(ScreenTest.sceneAt(ScreenTest.scenesFor("quick"), 99).label, "Chuyển động")
    }

    function test_colourScenes() {
        var modes = ["solid", "uniformity", "bleed"]
        for (var m = 0; m < modes.length; ++m) {
            var win = openWindow(modes[m])
            for (var i = 0; i < win.scenes.length; ++i) {
                win.sceneIndex = i
                var c = win.scenes[i].color
                expectPixels(win, [[0, 0, c], [639, 0, c], [320, 200, c], [5, 479, c]],
                             modes[m] + " " + win.scenes[i].label)
            }
            shut(win)
        }
    }

    function test_patternScenes() {
        var G = "#3CFF6E", R = "#FF0000", W = "#FFFFFF", K = "#000000"
        var win = openWindow("gradient")
        expectPixels(win, [[0, 10, K], [639, 10, W], [128, 300, "#333333"], [511, 300, "#CCCCCC"]], "ramp")
        shut(win)

        win = openWindow("grid")
        expectPixels(win, [[40, 13, G], [600, 300, G], [13, 80, G], [41, 13, K], [100, 300, K],
                           [30, 1, R], [1, 30, R], [60, 1, R], [61, 1, K], [1, 61, K], [638, 30, R],
                           [620, 478, R], [1, 450, R], [30, 2, K]], "grid")
        shut(win)

        win = openWindow("stripes")
        expectPixels(win, [[0, 7, W], [3, 7, W], [4, 7, K], [7, 300, K], [8, 300, W]], "vertical stripes")
        win.sceneIndex = 1
        expectPixels(win, [[7, 0, W], [7, 3, W], [7, 4, K], [300, 8, W], [300, 12, K]], "horizontal stripes")
        win.sceneIndex = 2
        expectPixels(win, [[0, 0, W], [15, 15, W], [16, 0, K], [0, 16, K], [16, 16, W], [40, 24, K]], "checker")
        win.sceneIndex = 3
        expectPixels(win, [[0, 5, W], [8, 5, W], [5, 5, K], [5, 16, W], [13, 13, K]], "fine grid")
        shut(win)

        win = openWindow("angle")
        expectPixels(win, [[50, 50, R], [160, 50, "#00FF00"], [250, 50, "#0000FF"], [340, 50, "#FFFF00"],
                           [450, 50, "#FF00FF"], [600, 50, "#00FFFF"], [0, 200, K], [639, 200, W],
                           [10, 340, K], [70, 340, "#1C1C1C"], [630, 340, W]], "angle bands")
        shut(win)
    }

    function test_motionScene() {
        var win = openWindow("motion")
        var image = grabImage(win.contentItem)
        var white = 0, cyan = 0
        for (var x = 0; x < 640; ++x) {
            var top = rgb(image, x, 10)
            if (top[0] === 255 && top[1] === 255)
                ++white
            else
                near(top, [32, 32, 32], "background")
            var middle = rgb(image, x, 240)
            if (middle[0] === 0 && middle[1] === 229 && middle[2] === 255)
                ++cyan
        }
        verify(white >= 79 && white <= 81, "bar " + white)
        verify(cyan >= 118 && cyan <= 121, "square " + cyan)
        shut(win)
    }

    function test_flickerKeysAndAlternation() {
        var win = openWindow("flicker")
        win.requestActivate()
        tryVerify(function () { return win.active })
        var first = rgb(grabImage(win.contentItem), 5, 5)
        verify(first[0] === 0 || first[0] === 255)
        tryVerify(function () { return rgb(grabImage(win.contentItem), 5, 5)[0] !== first[0] }, 2000)
        for (var i = 0; i < 20; ++i)
            keyClick(Qt.Key_Right)
        compare(win.flickerInterval, 400)
        for (i = 0; i < 25; ++i)
            keyClick(Qt.Key_Up)
        compare(win.flickerInterval, 20)
        compare(win.sceneIndex, 0)
        // Press only: the closed window is gone before a release could reach it.
        keyPress(Qt.Key_Escape)
        compare(closing.count, 1)
    }

    function test_keysAndClicksStep() {
        var win = openWindow("solid")
        win.requestActivate()
        tryVerify(function () { return win.active })
        keyClick(Qt.Key_Left)
        compare(win.sceneIndex, 8)
        keyClick(Qt.Key_Right)
        compare(win.sceneIndex, 0)
        keyClick(Qt.Key_Space)
        keyClick(Qt.Key_Down)
        compare(win.sceneIndex, 2)
        mouseClick(win.contentItem, 100, 100)
        compare(win.sceneIndex, 3)
        // Tab and other keys go nowhere else.
        keyClick(Qt.Key_Tab)
        compare(win.sceneIndex, 3)
        compare(closing.count, 0)
        shut(win)
    }

    function test_hintOverlay() {
        var win = openWindow("stripes")
        var overlay = findChild(win.contentItem, "overlay")
        compare(overlay.opacity, 1)
        compare(findChild(overlay, "overlayTitle").text, "Sọc dọc  (1/4)")
        tryCompare(overlay, "opacity", 0, 5000)
        mouseMove(win.contentItem, 200, 200)
        mouseMove(win.contentItem, 210, 200)
        compare(overlay.opacity, 1)
        shut(win)

        win = openWindow("bleed")
        compare(findChild(win.contentItem, "overlayTitle").text, "Đen tuyệt đối")
        shut(win)
    }

    function test_quickRunClosesAfterLastScene() {
        var win = openWindow("quick", { autoInterval: 40 })
        compare(findChild(win.contentItem, "overlayHelp").text, "Tự động chạy · Click / ← → : đổi tay · Esc: thoát")
        var progress = findChild(win.contentItem, "progress")
        verify(progress.visible)
        tryCompare(closing, "count", 1, 5000)
    }
}
