.pragma library

function pad2(n) {
    return (n < 10 ? "0" : "") + n
}

// position counts from 0; files are numbered from 01 in tab order.
function fileName(position, key) {
    return pad2(position + 1) + "_" + key + ".png"
}

function sliceName(n) {
    return ".part_" + pad2(n) + ".png"
}

// The first item, depth first, that scrolls: it has a flick velocity and a content item.
function findScrollable(item) {
    if (!item)
        return null
    if (item.maximumFlickVelocity !== undefined && item.contentItem !== undefined)
        return item
    var kids = item.children || []
    for (var i = 0; i < kids.length; ++i) {
        var found = findScrollable(kids[i])
        if (found)
            return found
    }
    return null
}

function needsSlices(area) {
    return !!area && area.contentHeight > area.height + 1 && area.height > 0 && area.contentWidth > 0
}

// Scroll positions 0, h, 2h, … each limited to the last one, ending at the first that reaches it.
function slicePositions(contentH, h) {
    var last = Math.max(0, contentH - h)
    var out = []
    for (var y = 0;; y += h) {
        var v = Math.min(y, last)
        out.push(v)
        if (v >= last)
            return out
    }
}

function progressText(saved, count) {
    return "Đang chụp ảnh các tab… (" + saved + "/" + count + ")"
}

function finishText(saved, count, dir) {
    return saved > 0 ? "Đã lưu " + saved + "/" + count + " ảnh vào: " + dir : "Không chụp được ảnh nào."
}
