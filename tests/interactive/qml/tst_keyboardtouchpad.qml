import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Kelvaro 1.0
import "../../../qml/Kelvaro/js/keyboard.js" as Keyboard
import "../../../qml/Kelvaro/js/touchpad.js" as Touchpad

TestCase {
    id: testCase
    name: "KeyboardTouchpad"
    when: windowShown

    Component {
        id: keyboardPage
        KeyboardPage { width: 1040; height: 640 }
    }
    Component {
        id: touchpadPage
        TouchpadPage { width: 1040; height: 640 }
    }

    function makePage(component) {
        var page = createTemporaryObject(component, testCase.Window.window.contentItem)
        testCase.Window.window.requestActivate()
        tryVerify(function () { return testCase.Window.window.active })
        page.forceActiveFocus()
        return page
    }
    function isLit(page, id) {
        return page.activeIds[id] === true
    }

    function test_matching_data() {
        return [
            { tag: "right shift on Windows", code: Qt.Key_Shift, scan: 54, id: "rshift" },
            { tag: "right shift on X11", code: Qt.Key_Shift, scan: 62, id: "rshift" },
            { tag: "shift of unknown scan", code: Qt.Key_Shift, scan: 0, id: "lshift" },
            { tag: "right ctrl on X11", code: Qt.Key_Control, scan: 105, id: "rctrl" },
            { tag: "right alt on Windows", code: Qt.Key_Alt, scan: 312, id: "ralt" },
            { tag: "alt of unknown scan", code: Qt.Key_Alt, scan: 7, id: "lalt" },
            { tag: "keypad enter", code: Qt.Key_Enter, scan: 104, id: "" },
            { tag: "print screen", code: Qt.Key_Print, scan: 107, id: "" }
        ]
    }
    function test_matching(d) {
        compare(Keyboard.match(d.code, d.scan), d.id)
    }

    function test_keyEvents() {
        var page = makePage(keyboardPage)
        keyPress(Qt.Key_A)
        verify(isLit(page, "a"))
        keyRelease(Qt.Key_A)
        verify(!isLit(page, "a"))
        keyClick(Qt.Key_A)
        compare(page.testedCount, 1)
        keyClick(Qt.Key_Return)
        verify(page.tested["enter"])
        keyClick(Qt.Key_Enter, Qt.KeypadModifier)
        compare(page.testedCount, 2)
        keyClick(Qt.Key_Tab)
        verify(page.activeFocus, "Tab moved the focus away")
        verify(page.tested["tab"])
        keyPress(Qt.Key_Shift)
        verify(isLit(page, "lshift"))
        keyRelease(Qt.Key_Shift)
        compare(page.testedCount, 4)
        compare(findChild(page, "counter").text, "4 / 78")
        // The scan code tells the right Shift apart; simulated events carry none, so feed it.
        page.press(Qt.Key_Shift, 62, false)
        verify(isLit(page, "rshift") && !isLit(page, "lshift"))
        page.press(Qt.Key_Shift, 62, true)
        compare(page.testedCount, 5)
        page.release(Qt.Key_Shift, 62, true)
        verify(isLit(page, "rshift"), "an auto-repeated release let go of the key")
        mouseClick(findChild(page, "restartButton"))
        compare(page.testedCount, 0)
        compare(page.activeIds, {})
        verify(page.activeFocus)
    }

    // Every key of the layout has a code and lights its own entry: two keys sharing an id or a code
    // leave the count short.
    function test_completeKeyboardTurnsGreen() {
        var page = makePage(keyboardPage)
        var keys = 0
        Keyboard.rows.concat([Keyboard.arrows]).forEach(function (row) {
            row.forEach(function (k) {
                verify(typeof k.code === "number", "no code for " + k.id)
                page.press(k.code, k.scan === undefined ? 0 : k.scan[0], false)
                page.release(k.code, k.scan === undefined ? 0 : k.scan[0], false)
                ++keys
            })
        })
        compare(page.testedCount, keys)
        compare(findChild(page, "counter").color, Theme.good)
    }

    function test_mouseButtonsWheelAndTrail() {
        var page = makePage(touchpadPage)
        var surface = findChild(page, "surface")
        for (var i = 0; i < 5; ++i)
            mouseMove(surface, 50 + 10 * i, 60)
        verify(page.moveDone)
        // The first move only enters the surface.
        verify(page.trail.length >= 4)
        mouseClick(surface, 100, 100, Qt.RightButton)
        verify(page.rightDone && !page.leftDone && !page.middleDone)
        mouseClick(surface, 100, 100, Qt.MiddleButton)
        mouseClick(surface, 100, 100, Qt.LeftButton)
        verify(page.leftDone && page.middleDone)
        mouseWheel(surface, 100, 100, 0, 120)
        verify(page.scrollUpDone && !page.scrollDownDone)
        mouseWheel(surface, 100, 100, 0, -120)
        verify(page.scrollDownDone)
        mouseClick(findChild(page, "restartButton"))
        verify(!page.moveDone && !page.leftDone && !page.scrollDownDone)
        compare(page.trail, [])
    }

    function test_touchPoints() {
        var page = makePage(touchpadPage)
        var surface = findChild(page, "surface")
        var touch = touchEvent(surface)
        touch.press(0, surface, 100, 100).commit()
        touch.release(0, surface, 100, 100).commit()
        compare(page.maxTouchPoints, 1)
        compare(findChild(page, "multiTouch").done, false)
        touch.press(0, surface, 100, 100).press(1, surface, 200, 100).press(2, surface, 300, 100).commit()
        compare(page.maxTouchPoints, 3)
        compare(findChild(page, "multiTouch").label, "Đa điểm: 3 ngón")
        verify(findChild(page, "multiTouch").done)
        touch.release(0, surface, 100, 100).release(1, surface, 200, 100).release(2, surface, 300, 100).commit()
        compare(page.maxTouchPoints, 3)
    }

    function test_trailLimitAndFading() {
        var trail = []
        for (var i = 0; i < 230; ++i)
            trail = Touchpad.withPoint(trail, i, 0, 1000 + i)
        compare(trail.length, 220)
        compare(trail[0].x, 10)
        var parts = Touchpad.segments([{ x: 0, y: 0, time: 0 }, { x: 1, y: 0, time: 0 },
                                       { x: 2, y: 0, time: 700 }, { x: 3, y: 0, time: 1400 }], 1400)
        compare(parts.map(function (p) { return p.alpha }), [0, 0.5, 1])
        compare(Touchpad.segments([{ x: 0, y: 0, time: 0 }, { x: 1, y: 0, time: 0 }], 1401).length, 0)
    }
}
