import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Kelvaro 1.0

TestCase {
    id: testCase
    name: "FrameClock"
    width: 160
    height: 120
    when: windowShown

    FrameClock {
        id: clock
    }

    SignalSpy {
        id: ticks
        target: clock
        signalName: "triggered"
    }

    SignalSpy {
        id: frames
        target: testCase.Window.window
        signalName: "frameSwapped"
    }

    Component {
        id: windowComponent
        Window {
            width: 120
            height: 90
            visible: true
        }
    }

    Component {
        id: clockComponent
        FrameClock {}
    }

    function init() {
        clock.running = false
        wait(50)
        ticks.clear()
        frames.clear()
    }

    function test_ticksOncePerPresentedFrame() {
        clock.running = true
        // Nothing else animates: every frame now is one the clock asked for.
        tryVerify(function() { return ticks.count >= 10 }, 5000)
        var seen = clock.elapsedTime
        verify(seen > 0)
        tryVerify(function() { return clock.elapsedTime > seen }, 2000)
        clock.running = false
        wait(100)
        var counted = ticks.count
        wait(300)
        compare(ticks.count, counted, "no ticks once stopped")
        verify(frames.count >= counted, "a tick without a frame")
        verify(frames.count <= counted + 2, "frames without a tick: " + frames.count + " vs " + counted)
    }

    function test_restartingResetsTheElapsedTime() {
        clock.running = true
        tryVerify(function() { return clock.elapsedTime > 400 }, 5000)
        clock.running = false
        var stopped = clock.elapsedTime
        clock.running = true
        // Frames swap on the render thread, so one may already have counted since the restart.
        verify(clock.elapsedTime < 100, "counts from the restart, not on: " + clock.elapsedTime)
        tryVerify(function() { return clock.elapsedTime > 0 }, 5000)
        verify(clock.elapsedTime < stopped, "counted from the restart")
    }

    function test_followsItsItemIntoAnotherWindow() {
        var first = createTemporaryObject(windowComponent, testCase)
        var second = createTemporaryObject(windowComponent, testCase)
        var roaming = clockComponent.createObject(first.contentItem)
        var spy = createTemporaryQmlObject("import QtTest 1.15; SignalSpy { signalName: 'triggered' }", testCase)
        spy.target = roaming
        roaming.running = true
        tryVerify(function() { return spy.count >= 3 }, 5000)

        roaming.parent = second.contentItem
        // The first window stops presenting: only the second can drive the clock now.
        first.visible = false
        wait(100)
        spy.clear()
        tryVerify(function() { return spy.count >= 5 }, 5000)
        roaming.running = false
        roaming.destroy()
    }

    function test_startingBeforeItHasAWindow() {
        var detached = clockComponent.createObject(null)
        var spy = createTemporaryQmlObject("import QtTest 1.15; SignalSpy { signalName: 'triggered' }", testCase)
        spy.target = detached
        detached.running = true
        wait(100)
        compare(spy.count, 0)
        detached.parent = testCase
        tryVerify(function() { return spy.count >= 3 }, 5000)
        detached.running = false
        detached.destroy()
    }
}
