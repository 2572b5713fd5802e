import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Kelvaro 1.0
import "../../../qml/Kelvaro/js/devices.js" as Devices

TestCase {
    id: testCase
    name: "DevicesPage"
    when: windowShown

    Component {
        id: pageComponent
        DevicesPage { width: 1040; height: 1200 }
    }

    function test_meterSegments() {
        compare(Devices.segmentLevel(0, false, 1), "off")
        compare(Devices.segmentLevel(0, true, 0), "good")
        compare(Devices.segmentLevel(20, true, 0.49), "off")
        compare(Devices.segmentLevel(20, true, 0.5), "good")
        compare(Devices.segmentLevel(24, true, 1), "good")
        compare(Devices.segmentLevel(25, true, 1), "warn")
        compare(Devices.segmentLevel(34, true, 1), "warn")
        compare(Devices.segmentLevel(35, true, 1), "bad")
        compare(Devices.segmentLevel(39, true, 0.97), "off")
    }

    function test_cameraPicker() {
        compare(Devices.nextCamera(0, 2), 1)
        compare(Devices.nextCamera(1, 2), 0)
        compare(Devices.nextCamera(0, 1), 0)
    }

    // The machine running the tests has no camera.
    function test_noCamera() {
        var page = createTemporaryObject(pageComponent, testCase.Window.window.contentItem, { videoInputs: [] })
        compare(findChild(page, "cameraMessage").text, "Không tìm thấy webcam")
        verify(!findChild(page, "cameraPicker").visible)
        var button = findChild(page, "button:Bật webcam")
        verify(!button.enabled)
        mouseClick(button)
        verify(!page.camOn)
    }

    function test_microphoneCard() {
        var page = createTemporaryObject(pageComponent, testCase.Window.window.contentItem)
        if (Audio.inputs.length === 0)
            skip("no sound server")
        mouseClick(findChild(page, "button:Bắt đầu"))
        verify(Audio.micActive)
        verify(findChild(page, "button:Dừng"))
        // Leaving the page stops listening.
        page.visible = false
        verify(!Audio.micActive)
        compare(Audio.micLevel, 0)
    }
}
