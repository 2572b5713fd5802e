.pragma library

var trailLimit = 220
var fadeMs = 1400

// The trail keeps its newest points only.
function withPoint(trail, x, y, time) {
    var out = trail.length >= trailLimit ? trail.slice(trail.length - trailLimit + 1) : trail.slice()
    out.push({ x: x, y: y, time: time })
    return out
}

// Segments still visible at `now`, each fading with the age of its later point.
function segments(trail, now) {
    var out = []
    for (var i = 1; i < trail.length; ++i) {
        var age = (now - trail[i].time) / fadeMs
        if (age > 1)
            continue
        out.push({ x1: trail[i - 1].x, y1: trail[i - 1].y, x2: trail[i].x, y2: trail[i].y, alpha: 1 - age })
    }
    return out
}

function multiTouchLabel(maxTouchPoints) {
    return maxTouchPoints > 1 ? "Đa điểm: " + maxTouchPoints + " ngón" : "Đa điểm (touchpad)"
}
