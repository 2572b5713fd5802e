import QtQuick 2.15
import QtTest 1.15
import Kelvaro 1.0

// The update overlay against a stand-in controller: which states show it, what locks the window,
// and which buttons each state offers.
TestCase {
    id: testCase
    name: "UpdateDialog"
    width: 900
    height: 640
    visible: true
    when: windowShown

    QtObject {
        id: fake
        property int state: 0
        property bool manualCheck: false
        property string errorString: ""
        property string currentVersion: "0.21.15"
        property string latestVersion: "0.22.0"
        property string releaseDate: "2026-11-30"
        property string releaseNotes: "Sửa lỗi hiển thị pin.\nNhanh hơn khi quét ổ cứng."
        property bool mandatory: false
        property real downloadProgress: 0.4
        property string downloadSizeText: "20.0 MB / 50.0 MB"
        property bool installsUpdates: true
        property bool hasDownloadPage: true
        property var calls: []
        function downloadAndInstall() { calls.push("install") }
        function checkForUpdates(silent) { calls.push("check") }
        function openDownloadPage() { calls.push("page") }
        function cancel() { calls.push("cancel"); state = 0 }
        function skipThisVersion() { calls.push("skip"); state = 0 }
    }

    Component {
        id: dialogComponent
        UpdateDialog {
            update: fake
        }
    }

    function init() {
        fake.state = 0
        fake.manualCheck = false
        fake.installsUpdates = true
        fake.hasDownloadPage = true
        fake.calls = []
    }

    function buttonActions(dialog) {
        var actions = []
        var stack = [dialog]
        while (stack.length > 0) {
            var item = stack.pop()
            if (item.objectName.indexOf("button_") === 0 && item.visible)
                actions.push(item.objectName.substring(7))
            for (var i = item.children.length - 1; i >= 0; --i)
                stack.push(item.children[i])
        }
        return actions
    }

    function test_silentCheckStaysHiddenUntilANewerRelease() {
        var dialog = createTemporaryObject(dialogComponent, testCase)
        fake.state = 1 // Checking, silent
        verify(!dialog.active)
        fake.state = 2 // UpToDate
        verify(!dialog.active)
        fake.state = 3 // Available
        verify(dialog.active)
        verify(dialog.enforce)
    }

    function test_windowsLocksUntilUpdateOrQuit() {
        var dialog = createTemporaryObject(dialogComponent, testCase)
        fake.manualCheck = true
        fake.state = 3
        compare(buttonActions(dialog), ["install", "quit"])
        fake.state = 4
        compare(buttonActions(dialog), ["quit"])
        fake.state = 7
        compare(buttonActions(dialog), ["install", "quit"])
        // Neither the backdrop nor an error lets the user past a known release.
        mouseClick(dialog, 10, 10)
        verify(dialog.active)
        fake.state = 6
        compare(buttonActions(dialog), [])
    }

    function test_linuxOffersThePageAndLetsGo() {
        fake.installsUpdates = false
        var dialog = createTemporaryObject(dialogComponent, testCase)
        fake.state = 3
        verify(dialog.active)
        verify(!dialog.enforce)
        compare(buttonActions(dialog), ["page", "skip", "later"])
        verify(findChild(dialog, "manualInstallNote").text.indexOf("mở trang tải") > 0)
        fake.hasDownloadPage = false
        compare(buttonActions(dialog), ["skip", "later"])
        fake.mandatory = true
        compare(buttonActions(dialog), ["later"])
        fake.mandatory = false
        mouseClick(findChild(dialog, "button_later"))
        verify(!dialog.active)
    }

    function test_manualCheckOutcomes() {
        var dialog = createTemporaryObject(dialogComponent, testCase)
        fake.manualCheck = true
        fake.state = 1
        verify(dialog.active)
        compare(buttonActions(dialog), [])
        fake.state = 2
        compare(buttonActions(dialog), ["close"])
        mouseClick(findChild(dialog, "button_close"))
        verify(!dialog.active)
        compare(fake.calls, ["cancel"])

        fake.state = 1 // a new check shows the overlay again
        fake.errorString = "Bản dựng này không có máy chủ cập nhật."
        fake.state = 7
        verify(dialog.active)
        compare(buttonActions(dialog), ["check", "page"])
        fake.hasDownloadPage = false
        compare(buttonActions(dialog), ["check"])
        mouseClick(dialog, 10, 10)
        verify(!dialog.active)
    }

    // Each visible state with its head and progress line; the images (update-<state>.png in the
    // test's working folder) are for review.
    function test_visibleStates_data() {
        return [
            { tag: "checking", st: 1, title: "Đang kiểm tra cập nhật…", progress: false },
            { tag: "uptodate", st: 2, title: "Bạn đang dùng bản mới nhất", progress: false },
            { tag: "available", st: 3, title: "Đã có phiên bản mới", progress: false },
            { tag: "downloading", st: 4, title: "Đang tải bản cập nhật", progress: "20.0 MB / 50.0 MB" },
            { tag: "verifying", st: 5, title: "Đang kiểm tra tính toàn vẹn", progress: "Đang xác minh chữ ký SHA-256…" },
            { tag: "ready", st: 6, title: "Sẵn sàng cài đặt", progress: "Khởi chạy trình cài đặt…" },
            { tag: "error", st: 7, title: "Cập nhật không thành công", progress: false }
        ]
    }
    function test_visibleStates(d) {
        var dialog = createTemporaryObject(dialogComponent, testCase)
        fake.manualCheck = true
        fake.mandatory = true
        fake.errorString = "Kiểm tra toàn vẹn thất bại — tệp có thể bị hỏng. Đã huỷ cài đặt."
        // A download follows a known release, as in the program.
        if (d.st > 3)
            fake.state = 3
        fake.state = d.st
        compare(findChild(dialog, "updateTitle").text, d.title)
        var progress = findChild(dialog, "progressText")
        compare(progress.visible, d.progress !== false)
        if (d.progress !== false)
            compare(progress.text, d.progress)
        // Let the card finish its entrance before the picture.
        tryCompare(findChild(dialog, "updateCard"), "scale", 1)
        grabImage(dialog).save("update-" + d.tag + ".png")
    }
}
