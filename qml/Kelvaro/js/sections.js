.pragma library

// The window's tabs in order; a tab's position here is its index everywhere.
var list = [
    { key: "dashboard", label: "Tổng quan", icon: "speed", group: "Tổng quan" },
    { key: "system", label: "Hệ thống", icon: "memory", group: "Phần cứng" },
    { key: "cpu", label: "CPU", icon: "developer_board", group: "Phần cứng" },
    { key: "ram", label: "RAM", icon: "memory", group: "Phần cứng" },
    { key: "storage", label: "Ổ cứng", icon: "storage", group: "Phần cứng" },
    { key: "battery", label: "Pin", icon: "battery", group: "Phần cứng" },
    { key: "gpu", label: "GPU", icon: "tv", group: "Phần cứng" },
    { key: "display", label: "Màn hình", icon: "monitor", group: "Kiểm tra" },
    { key: "keyboard", label: "Bàn phím", icon: "keyboard", group: "Kiểm tra" },
    { key: "touchpad", label: "Chuột · Touchpad", icon: "camera", group: "Kiểm tra" },
    { key: "devices", label: "Cam · Mic · Loa", icon: "camera", group: "Kiểm tra" },
    { key: "network", label: "Kết nối", icon: "wifi", group: "Kết nối" },
    { key: "stress", label: "Stress · Benchmark", icon: "bolt", group: "Hiệu năng" },
    { key: "report", label: "Báo cáo", icon: "description", group: "Kết quả" }
]

// Pages that exist; every other section shows the placeholder.
var pages = {
    dashboard: "DashboardPage", display: "DisplayPage", keyboard: "KeyboardPage", touchpad: "TouchpadPage",
    devices: "DevicesPage", report: "ReportPage"
}

function pageFor(key) {
    return pages.hasOwnProperty(key) ? pages[key] : "PlaceholderPage"
}

// A group header opens the list and every change of group.
function showsGroupHeader(sections, i) {
    return i === 0 || sections[i].group !== sections[i - 1].group
}

// Unknown keys land on the dashboard.
function sectionIndex(sections, key) {
    for (var i = 0; i < sections.length; ++i)
        if (sections[i].key === key)
            return i
    return 0
}
