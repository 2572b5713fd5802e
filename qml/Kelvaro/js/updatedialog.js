.pragma library
// Rules of the update overlay; the document only binds to them.

// The values of UpdateController.State.
var Idle = 0, Checking = 1, UpToDate = 2, Available = 3, Downloading = 4, Verifying = 5, Ready = 6, Error = 7

function busy(st) {
    return st === Checking || st === Downloading || st === Verifying
}

function showProgress(st) {
    return st === Downloading || st === Verifying || st === Ready
}

function hasVersionInfo(st) {
    return st === Available || showProgress(st)
}

function active(st, enforce, dismissed, manual) {
    if (enforce)
        return true
    if (dismissed)
        return false
    if (st === Available || showProgress(st))
        return true
    return manual && (st === Checking || st === UpToDate || st === Error)
}

// The overlay's flags after the controller moved to st. Only an installing system locks the
// window: there the installer replaces the program, so the way out is updating or quitting.
function afterStateChange(st, flags, installs) {
    if (st === Available)
        return { enforce: flags.enforce || installs, dismissed: false }
    if (st === Checking)
        return { enforce: flags.enforce, dismissed: false }
    return flags
}

function backdropDismisses(st, enforce) {
    return !enforce && !busy(st) && (st === UpToDate || st === Error)
}

// Head of the card: colour key of the theme, icon, title and which subtitle to show.
function header(st) {
    switch (st) {
    case Checking:
        return { tint: "accent", icon: "rocket", title: "Đang kiểm tra cập nhật…", subtitle: "checking" }
    case UpToDate:
        return { tint: "good", icon: "check_circle", title: "Bạn đang dùng bản mới nhất", subtitle: "version" }
    case Error:
        return { tint: "bad", icon: "warning", title: "Cập nhật không thành công", subtitle: "error" }
    case Downloading:
        return { tint: "accent", icon: "download", title: "Đang tải bản cập nhật", subtitle: "publisher" }
    case Verifying:
        return { tint: "accent", icon: "download", title: "Đang kiểm tra tính toàn vẹn", subtitle: "publisher" }
    case Ready:
        return { tint: "accent", icon: "download", title: "Sẵn sàng cài đặt", subtitle: "ready" }
    default:
        return { tint: "accent", icon: "rocket", title: "Đã có phiên bản mới", subtitle: "publisher" }
    }
}

function progressText(st, sizeText) {
    if (st === Downloading)
        return sizeText !== "" ? sizeText : "Đang tải…"
    if (st === Verifying)
        return "Đang xác minh chữ ký SHA-256…"
    if (st === Ready)
        return "Khởi chạy trình cài đặt…"
    return ""
}

// Footer buttons in order: { label, action, primary, tint }. Actions: "install", "retry",
// "check", "page", "close", "skip", "later", "quit".
function buttons(st, enforce, installs, hasPage, mandatory) {
    var list = []
    if (st === Available && (installs || hasPage))
        list.push({ label: "Cập nhật ngay", action: installs ? "install" : "page", primary: true, tint: "accent" })
    if (st === Error)
        list.push({ label: "Thử lại", action: enforce ? "install" : "check", primary: true, tint: "accent" })
    if (st === Error && !enforce && hasPage)
        list.push({ label: "Mở trang tải", action: "page", primary: false, tint: "accent" })
    if (st === UpToDate && !enforce)
        list.push({ label: "Đóng", action: "close", primary: true, tint: "good" })
    if (st === Available && !enforce && !mandatory)
        list.push({ label: "Bỏ qua phiên bản này", action: "skip", primary: false, tint: "accent" })
    if (st === Available && !enforce)
        list.push({ label: "Để sau", action: "later", primary: false, tint: "accent" })
    if (enforce && st !== Ready)
        list.push({ label: "Thoát ứng dụng", action: "quit", primary: false, tint: "bad" })
    return list
}

// Where the program does not install, the card says how the release is installed instead.
function manualInstallNote(st, installs, hasPage) {
    if (st !== Available || installs)
        return ""
    return hasPage ? "Kelvaro không tự cài đặt trên hệ điều hành này. Bấm “Cập nhật ngay” để mở trang tải bản mới."
                   : "Kelvaro không tự cài đặt trên hệ điều hành này. Hãy cài bản mới bằng trình quản lý gói."
}
