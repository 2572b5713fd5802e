.pragma library

// Gauge colour: four bands, and muted for a score that is not there yet (0).
function gaugeLevel(value) {
    if (value >= 80) return "good"
    if (value >= 60) return "info"
    if (value >= 40) return "warn"
    if (value > 0) return "bad"
    return "muted"
}

// Category bars have no "not there yet": a 0 is a bad score.
function barLevel(score) {
    return score > 0 ? gaugeLevel(score) : "bad"
}

// Share of the gauge's sweep that the value fills.
function arcFraction(value) {
    return Math.max(0, Math.min(100, value)) / 100
}
