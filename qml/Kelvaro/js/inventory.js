.pragma library

// Rows of the inventory pages as {label, value, level}. A level names a colour of the theme
// ("good", "warn", "bad", "info", "muted", "secondary"); an empty level keeps the default colour.
// A value that is undefined, null or "" hides its row in the card.

function has(v) {
    return v !== undefined && v !== null && v !== ""
}

function row(label, value, level) {
    return { label: label, value: value, level: level || "" }
}

// Laptop findings and the verdict banner share one mapping.
function findingLevel(status) {
    switch (status) {
    case "alert": return "bad"
    case "warn": return "warn"
    case "ok": return "good"
    }
    return "info"
}

function boardRows(board) {
    var b = board || {}
    var cpu
    if (b.cpuSoldered === true)
        cpu = row("CPU", "Hàn chết (BGA) — không thay", "warn")
    else if (b.cpuSoldered === false)
        cpu = row("CPU", "Socket rời — thay được", "good")
    else
        cpu = row("CPU", undefined)
    return [
        row("Dòng máy", b.series),
        row("Kích cỡ", b.formFactor),
        row("Nền tảng CPU", b.cpuPlatform),
        cpu,
        row("CPU hỗ trợ", b.cpuOptions),
        row("RAM tối đa", has(b.maxRam) ? b.maxRam + " (theo dòng máy)" : undefined, "info"),
        row("Số khe RAM", b.ramSlots ? String(b.ramSlots) : undefined),
        row("Loại RAM", b.ramType),
        row("Mã mainboard", b.boardId)
    ]
}

// "4 nhân · 8 luồng · 1.9 GHz", each part only when known.
function cpuSubtitle(cpu) {
    var parts = []
    if (has(cpu.cores)) parts.push(cpu.cores + " nhân")
    if (has(cpu.threads)) parts.push(cpu.threads + " luồng")
    if (has(cpu.baseClock)) parts.push(cpu.baseClock)
    return parts.join(" · ")
}

function cpuUpgradeRows(cpu) {
    var known = cpu.upgradable === true || cpu.upgradable === false
    return [
        row("Kiểu lắp đặt", known ? (cpu.upgradable ? "Socket rời" : "Hàn chết (BGA)") : undefined,
            cpu.upgradable ? "good" : "warn"),
        row("Nâng cấp CPU", known ? (cpu.upgradable ? "Có thể — tùy mainboard/BIOS" : "Không thể") : undefined,
            cpu.upgradable ? "good" : "bad")
    ]
}

function channelLevel(channel) {
    var text = String(channel || "")
    return text.indexOf("Dual") >= 0 || text.indexOf("Quad") >= 0 ? "good" : "warn"
}

function ramSummaryRows(s) {
    return [
        row("Tổng dung lượng", s.total),
        row("Loại RAM", s.type),
        row("Số khe", s.slots ? String(s.slots) : undefined),
        row("Khe đang dùng", has(s.usedSlots) ? String(s.usedSlots) : undefined),
        row("Kênh", s.channel, channelLevel(s.channel))
    ]
}

function ramUpgradeRows(s) {
    var known = s.upgradable === true || s.upgradable === false
    return [
        row("Hiện tại", s.total),
        row("Hỗ trợ tối đa", has(s.maxCapacity) ? s.maxCapacity + " (theo firmware)" : undefined, "info"),
        row("Khe còn trống", has(s.freeSlots) ? String(s.freeSlots) : undefined, s.freeSlots > 0 ? "good" : "muted"),
        row("Đánh giá", known ? (s.upgradable ? "Có thể nâng cấp" : "Đã tối đa") : undefined,
            s.upgradable ? "good" : "warn")
    ]
}

function moduleTitle(module, index) {
    return "Khe " + (has(module.slot) ? module.slot : "#" + (index + 1))
}

function moduleRows(m) {
    return [
        row("Dung lượng", m.capacity),
        row("Bus", m.speed),
        row("Loại", m.type),
        row("Form factor", m.formFactor),
        row("Nhà sản xuất", m.manufacturer),
        row("Part Number", m.partNumber),
        row("Serial", m.serial),
        row("Điện áp", m.voltage),
        row("ECC", m.ecc === true ? "Có" : m.ecc === false ? "Không" : undefined)
    ]
}

// "Tốt · 98%"; an unknown state reads "Không rõ".
function diskHealth(disk) {
    var text = has(disk.health) ? disk.health : "Không rõ"
    if (has(disk.healthPercent) && disk.healthPercent >= 0)
        text += " · " + disk.healthPercent + "%"
    var level = { "Tốt": "good", "Cảnh báo": "warn", "Lỗi": "bad" }[disk.health]
    return { text: text, level: level || "secondary" }
}

function diskRows(d) {
    var health = diskHealth(d)
    return [
        row("Dung lượng", d.capacity),
        row("Hãng", d.manufacturer),
        row("Loại", d.mediaType),
        row("Giao tiếp", d.interface),
        row("Firmware", d.firmware),
        row("Serial", d.serial),
        row("Số giờ hoạt động", d.powerOnHours),
        row("Nhiệt độ", d.temperature),
        row("Tình trạng", health.text, health.level)
    ]
}

function wearGrade(w) {
    if (w === undefined || w === null) return { text: "", level: "muted" }
    if (w < 10) return { text: "Xuất sắc", level: "good" }
    if (w < 20) return { text: "Tốt", level: "good" }
    if (w < 30) return { text: "Khá", level: "info" }
    if (w < 50) return { text: "Trung bình", level: "warn" }
    return { text: "Kém", level: "bad" }
}

// mWh with the mAh beside it when both are known.
function capacityText(mwh, mah) {
    return has(mwh) && has(mah) ? mwh + " · " + mah : mwh
}

function batteryStateRows(b) {
    return [
        row("Trạng thái", b.status, b.charging === true ? "good" : b.acConnected === true ? "info" : ""),
        row("Nguồn điện", b.acPower),
        row("Mức sạc hiện tại", b.charge),
        row("Dòng năng lượng", b.powerFlow),
        row("Điện áp", b.voltage),
        row("Dung lượng còn lại", capacityText(b.remainingCapacity, b.remainingCapacityMah)),
        row("Thời gian còn lại", b.runtime)
    ]
}

function batteryDetailRows(b) {
    return [
        row("Tên", b.name),
        row("Nhà sản xuất", b.manufacturer),
        row("Mã thiết bị", b.model),
        row("Số sê-ri", b.serial),
        row("Loại pin (hóa học)", b.chemistry),
        row("Design Capacity", capacityText(b.designCapacity, b.designCapacityMah)),
        row("Full Charge Capacity", capacityText(b.fullCapacity, b.fullCapacityMah)),
        row("Độ chai", b.wear),
        row("Cycle Count", has(b.cycleCount) ? String(b.cycleCount) : undefined)
    ]
}

function gpuRows(g) {
    return [
        row("Nhà sản xuất", g.vendor),
        row("VRAM", g.vram),
        row("Driver", g.driver),
        row("Ngày driver", g.driverDate),
        row("Độ phân giải", g.resolution),
        row("Tần số quét", g.refresh)
    ]
}

// The summary cards look at real hardware only: a virtual Wi-Fi Direct adapter is no Wi-Fi card.
function firstPhysical(network, kind) {
    var list = network || []
    for (var i = 0; i < list.length; ++i)
        if (list[i].kind === kind && list[i].virtual !== true)
            return list[i]
    return null
}

function wifiSummaryRows(network) {
    var w = firstPhysical(network, "WiFi")
    if (!w)
        return [row("Tình trạng", "Không phát hiện card Wi-Fi", "bad")]
    var rows = [
        row("Tình trạng", "Có card Wi-Fi", "good"),
        row("Chip / Model", w.description),
        row("Chuẩn tối đa", has(w.maxStandard) ? w.maxStandard : w.standard, "info")
    ]
    if (w.connected === true)
        return rows.concat([row("Đang kết nối", w.ssid, "good"), row("Băng tần", w.band),
                            row("Tốc độ nhận", w.rxRate), row("Tốc độ gửi", w.txRate)])
    return rows.concat([row("Kết nối", "Chưa kết nối mạng Wi-Fi", "muted")])
}

function lanSummaryRows(network) {
    var e = firstPhysical(network, "Ethernet")
    if (!e)
        return [row("Cổng LAN", "Máy không có cổng LAN (Ethernet)", "warn"),
                row("Gợi ý", "Có thể dùng bộ chuyển USB-LAN / USB-C sang RJ45", "muted")]
    return [
        row("Cổng LAN", "Có cổng LAN (Ethernet)", "good"),
        row("Chip điều khiển", e.description),
        row("Tốc độ tối đa", has(e.maxSpeed) ? e.maxSpeed : e.linkSpeed, "info"),
        row("Trạng thái", e.connected === true ? "Đã cắm cáp · đang kết nối" : "Chưa cắm cáp mạng",
            e.connected === true ? "good" : "muted")
    ]
}

// "72%  (Mạnh)"
function signal(q) {
    var level = q >= 70 ? "good" : q >= 40 ? "warn" : "bad"
    var grade = q >= 70 ? "Mạnh" : q >= 40 ? "Trung bình" : "Yếu"
    return { text: q + "%  (" + grade + ")", level: level }
}

function adapterTitle(a) {
    var wifi = a.kind === "WiFi"
    return (has(a.name) ? a.name : a.kind) + (wifi ? "  ·  Wi-Fi" : "  ·  Ethernet") + (a.virtual === true ? "  ·  Ảo" : "")
}

function adapterRows(a) {
    var wifi = a.kind === "WiFi"
    var rows = [row("Trạng thái", a.connected === true ? "Đã kết nối" : "Chưa kết nối", a.connected === true ? "good" : "muted")]
    if (wifi && has(a.maxStandard))
        rows.push(row("Chuẩn tối đa (card)", a.maxStandard, "info"))
    if (!wifi && has(a.maxSpeed))
        rows.push(row("Tốc độ tối đa", a.maxSpeed, "info"))
    if (wifi && a.connected === true) {
        rows.push(row("Mạng (SSID)", a.ssid))
        if (has(a.signal)) {
            var s = signal(a.signal)
            rows.push(row("Cường độ sóng", s.text, s.level))
        }
        rows.push(row("Chuẩn Wi-Fi", a.standard), row("Băng tần", a.band), row("Kênh", a.channel),
                  row("Bảo mật", a.security), row("Tốc độ nhận", a.rxRate), row("Tốc độ gửi", a.txRate))
    }
    return rows.concat([
        row("Tốc độ liên kết", a.linkSpeed),
        row("Địa chỉ MAC", a.mac),
        row("IPv4", a.ipv4),
        row("IPv6", a.ipv6),
        row("Cổng mặc định", a.gateway),
        row("DNS", a.dns),
        row("Bộ điều hợp", a.description)
    ])
}

function bluetoothTitle(bt) {
    if (bt.present !== true) return "Không có Bluetooth"
    return has(bt.name) ? bt.name : "Bộ thu Bluetooth"
}

function bluetoothRows(bt) {
    if (bt.present !== true)
        return [row("Trạng thái", "Không phát hiện bộ thu Bluetooth", "muted")]
    return [
        row("Trạng thái", "Có sẵn", "good"),
        row("Địa chỉ", bt.address),
        row("Thiết bị đã ghép", has(bt.pairedCount) ? bt.pairedCount + " thiết bị" : undefined),
        row("Đang kết nối", has(bt.connectedCount) ? bt.connectedCount + " thiết bị" : undefined)
    ]
}
