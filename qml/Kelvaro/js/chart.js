.pragma library

// Points of the chart's polyline, newest at the right edge; empty with fewer than two values.
// Fewer values than the capacity leave the left part empty, more squeeze into the width.
function points(values, capacity, maxValue, w, h) {
    var n = values ? values.length : 0
    if (n < 2)
        return []
    var cap = Math.max(capacity, n)
    var maxV = maxValue > 0 ? maxValue : 1
    var stepX = w / (cap - 1)
    var out = []
    for (var i = 0; i < n; ++i) {
        var f = Math.max(0, Math.min(1, values[i] / maxV))
        out.push({ x: w - (n - 1 - i) * stepX, y: h - f * (h - 4) - 2 })
    }
    return out
}
