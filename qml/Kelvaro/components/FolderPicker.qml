import QtQuick 2.15
import QtQuick.Dialogs 1.3

// Loaded only when asked for, so that start-up does not pay for the dialogs module.
FileDialog {
    title: "Chọn thư mục lưu ảnh các tab"
    selectFolder: true
    selectExisting: true
    folder: shortcuts.pictures
}
