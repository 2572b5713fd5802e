import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Kelvaro 1.0

TestCase {
    id: testCase
    name: "DisplayPage"
    when: windowShown

    Component {
        id: pageComponent
        DisplayPage { width: 1040; height: 1400 }
    }

    property var page

    function initTestCase() {
        testCase.Window.window.width = 1040
        testCase.Window.window.height = 1400
        Hardware.scan()
        tryCompare(Hardware, "hasScanned", true)
        page = pageComponent.createObject(testCase.Window.window.contentItem)
        waitForRendering(page)
    }
    function cleanupTestCase() {
        page.destroy()
    }

    function chip(label) {
        return findChild(page, "chip:" + label)
    }
    function clickChips(labels) {
        for (var i = 0; i < labels.length; ++i)
            mouseClick(chip(labels[i]))
    }

    function test_savedVerdicts() {
        mouseClick(findChild(page, "clearButton"))
        mouseClick(findChild(page, "saveButton"))
        compare(Display.confirmed, true)
        compare(Display.verdict, "Màn hình đạt — không phát hiện lỗi")
        compare(Display.verdictLevel, "ok")
        compare(Display.faults, [])
        // A saved pass has no faults and no note, yet clearing it must still show.
        mouseClick(findChild(page, "clearButton"))
        compare(Display.confirmed, false)
        verify(!findChild(page, "verdictBanner").visible)

        clickChips(["Ám vàng", "Đốm tối"])
        page.noteText = "Góc trái"
        mouseClick(findChild(page, "saveButton"))
        compare(Display.faults, ["Ám vàng", "Đốm tối"])
        compare(Display.verdict, "Phát hiện 2 lỗi cần lưu ý")
        compare(Display.verdictLevel, "warn")
        compare(Display.note, "Góc trái")
        // The sheet as the technician sees it: marked chips and the banner in the level colour.
        var banner = findChild(page, "verdictBanner")
        compare(banner.children[0].text, "Phát hiện 2 lỗi cần lưu ý\n• Ám vàng\n• Đốm tối\nGhi chú: Góc trái")
        waitForRendering(page)
        var image = grabImage(page)
        var top = banner.mapToItem(page, banner.width / 2, 0)
        verify(Qt.colorEqual(image.pixel(top.x, top.y), Theme.warn), "banner border")
        var marked = chip("Ám vàng").mapToItem(page, chip("Ám vàng").width / 2, 0)
        verify(Qt.colorEqual(image.pixel(marked.x, marked.y), Theme.bad), "marked chip border")
        var plain = chip("Điểm chết").mapToItem(page, chip("Điểm chết").width / 2, 0)
        verify(Qt.colorEqual(image.pixel(plain.x, plain.y), Theme.stroke), "unmarked chip border")

        clickChips(["Sọc dọc", "Đốm tối"])
        mouseClick(findChild(page, "saveButton"))
        compare(Display.faults, ["Ám vàng", "Sọc dọc"])
        compare(Display.verdictLevel, "bad")

        mouseClick(findChild(page, "clearButton"))
        compare(Display.confirmed, false)
        compare(Display.faults, [])
        compare(page.selected, [])
        compare(page.noteText, "")
        verify(!findChild(page, "verdictBanner").visible)
    }

    function textItem(item, text) {
        if (item.text === text)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = textItem(item.children[i], text)
            if (found)
                return found
        }
        return null
    }

    function test_monitorCards() {
        verify(textItem(page.contentItem, "Màn hình chính — LQ156M1"))
        verify(textItem(page.contentItem, "Màn hình 2"))
        verify(Qt.colorEqual(textItem(page.contentItem, "2560 x 1440").color, Theme.warn))
        verify(Qt.colorEqual(textItem(page.contentItem, "1920 x 1080").color, Theme.textPrimary))
    }

    function test_opensTestWindowFullScreen() {
        var win = page.openTest("grid")
        verify(win)
        compare(win.scene.type, "grid")
        compare(win.visibility, Window.FullScreen)
        win.close()
    }
}
