.pragma library

var segments = 40

// Segment i of the level meter: "off" or the level it shows ("good", "warn", "bad").
function segmentLevel(i, active, level) {
    var fraction = i / segments
    if (!active || level < fraction)
        return "off"
    return fraction > 0.85 ? "bad" : fraction > 0.6 ? "warn" : "good"
}

function defaultLine(devices, none) {
    return devices.length > 0 ? "Mặc định: " + devices[0].name : none
}

// The picker moves to the next camera, wrapping; one camera or none leaves it where it is.
function nextCamera(index, count) {
    return count > 1 ? (index + 1) % count : index
}
