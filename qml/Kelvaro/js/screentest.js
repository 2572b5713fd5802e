.pragma library

// Defect labels of the marking sheet, in display order.
var faultLabels = ["Điểm chết", "Điểm kẹt", "Đốm sáng", "Đốm tối", "Hở sáng", "IPS Glow", "Ám vàng",
                   "Ám xanh", "Ám hồng", "Loang màu", "Burn-in", "Sọc ngang", "Sọc dọc", "Chớp màn",
                   "Chảy mực", "Nứt LCD", "Cáp màn lỗi", "Màn đã thay"]

// Defects that make the screen fail rather than need attention.
var severeLabels = ["Nứt LCD", "Cáp màn lỗi", "Sọc ngang", "Sọc dọc", "Chớp màn", "Chảy mực", "Màn đã thay"]

// A label clicked again leaves the selection; the order stays the order of selection.
function toggled(selected, label) {
    var out = selected.slice()
    var at = out.indexOf(label)
    if (at >= 0)
        out.splice(at, 1)
    else
        out.push(label)
    return out
}

function verdictFor(selected) {
    if (selected.length === 0)
        return { verdict: "Màn hình đạt — không phát hiện lỗi", level: "ok" }
    var severe = selected.some(function (label) { return severeLabels.indexOf(label) >= 0 })
    return { verdict: "Phát hiện " + selected.length + " lỗi cần lưu ý", level: severe ? "bad" : "warn" }
}

function colour(color, label, hint) {
    return { type: "color", color: color, label: label, hint: hint === undefined ? "" : hint }
}
function pattern(type, label, hint) {
    return { type: type, color: "#000000", label: label, hint: hint === undefined ? "" : hint }
}

var solidColours = [["#000000", "Đen"], ["#FFFFFF", "Trắng"], ["#FF0000", "Đỏ"], ["#00FF00", "Xanh lá"],
                    ["#0000FF", "Xanh dương"], ["#FFFF00", "Vàng"], ["#FF00FF", "Tím"],
                    ["#00FFFF", "Lục lam"], ["#808080", "Xám 50%"]]

function scenesFor(mode) {
    switch (mode) {
    case "solid":
        return solidColours.map(function (c) { return colour(c[0], c[1], "Soi điểm chết / điểm kẹt / đốm sáng") })
    case "gradient":
        return [pattern("gradient", "Dải xám", "Banding · gamma · chuyển màu")]
    case "grid":
        return [pattern("grid", "Lưới hình học", "Méo hình · độ đồng đều · tỷ lệ")]
    case "stripes":
        return [pattern("stripesV", "Sọc dọc", "Lỗi cáp màn · IC cột"),
                pattern("stripesH", "Sọc ngang", "Lỗi cáp màn · IC hàng"),
                pattern("checker", "Sọc caro", "Lỗi điểm ảnh phụ"),
                pattern("finegrid", "Lưới nhỏ", "Sọc LCD mảnh")]
    case "uniformity":
        return [colour("#FFFFFF", "Trắng toàn màn", "Ám màu · loang · mây sáng"),
                colour("#BFBFBF", "Xám sáng", "Loang sáng · đồng đều"),
                colour("#808080", "Xám 50%", "Ám vàng · ám xanh · ám hồng"),
                colour("#000000", "Đen toàn màn", "Hở sáng nền")]
    case "bleed":
        return [colour("#000000", "Đen tuyệt đối", "Hở sáng (Backlight Bleed) · IPS Glow")]
    case "motion":
        return [pattern("motion", "Chuyển động", "Ghosting · response time · lưu ảnh")]
    case "flicker":
        return [pattern("flicker", "Nhấp nháy", "Lỗi LED · nguồn · cáp · ← → đổi tốc độ")]
    case "angle":
        return [pattern("angle", "Góc nhìn", "Nghiêng màn kiểm tra IPS / VA / TN")]
    case "quick":
        return solidColours.slice(0, 7).map(function (c) { return colour(c[0], c[1]) })
            .concat([colour("#808080", "Xám"), pattern("gradient", "Dải xám"), pattern("grid", "Lưới"),
                     pattern("stripesH", "Sọc ngang"), pattern("stripesV", "Sọc dọc"),
                     pattern("motion", "Chuyển động")])
    }
    return [colour("#000000", "Đen")]
}

// The scene shown for an index; an empty list shows black.
function sceneAt(scenes, index) {
    if (scenes.length === 0)
        return colour("#000000", "Đen")
    return scenes[Math.max(0, Math.min(index, scenes.length - 1))]
}

// The step after the last scene wraps, except that a quick run ends there (index -1).
function nextIndex(index, count, quick) {
    if (index >= count - 1)
        return quick ? -1 : 0
    return index + 1
}

function previousIndex(index, count) {
    return index <= 0 ? count - 1 : index - 1
}

var flickerMin = 20
var flickerMax = 400
var flickerStep = 20

function flickerSlower(interval) {
    return Math.min(flickerMax, interval + flickerStep)
}
function flickerFaster(interval) {
    return Math.max(flickerMin, interval - flickerStep)
}

function overlayTitle(scene, index, count) {
    return count > 1 ? scene.label + "  (" + (index + 1) + "/" + count + ")" : scene.label
}

// What the banner of a saved result says.
function bannerText(verdict, faults, note) {
    var text = verdict
    for (var i = 0; i < faults.length; ++i)
        text += "\n• " + faults[i]
    if (note !== "")
        text += "\nGhi chú: " + note
    return text
}
