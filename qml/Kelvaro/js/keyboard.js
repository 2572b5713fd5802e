.pragma library

// Native scan codes that tell left and right modifiers apart: Windows set-1 codes (with the
// extended bit Qt adds for right Ctrl, right Alt and the Win keys) and X11 key codes.
var scans = {
    lshift: [42, 50], rshift: [54, 62],
    lctrl: [29, 37], rctrl: [285, 105],
    lalt: [56, 64], ralt: [312, 108],
    lwin: [91, 347, 133], rwin: [92, 348, 134]
}

function key(id, label, code, w) {
    var k = { id: id, label: label, code: code, w: w === undefined ? 1 : w }
    if (scans.hasOwnProperty(id))
        k.scan = scans[id]
    return k
}

function letters(text) {
    return text.split("").map(function (c) { return key(c.toLowerCase(), c, Qt["Key_" + c]) })
}

function buildRows() {
    var f = [key("esc", "Esc", Qt.Key_Escape)]
    for (var i = 1; i <= 12; ++i)
        f.push(key("f" + i, "F" + i, Qt["Key_F" + i]))
    var digits = [key("tilde", "`", Qt.Key_QuoteLeft)]
    "1234567890".split("").forEach(function (d) { digits.push(key(d, d, Qt["Key_" + d])) })
    digits.push(key("minus", "-", Qt.Key_Minus), key("equal", "=", Qt.Key_Equal),
                key("bksp", "← Backspace", Qt.Key_Backspace, 2))
    return [
        f,
        digits,
        [key("tab", "Tab", Qt.Key_Tab, 1.5)].concat(letters("QWERTYUIOP"),
            [key("lbr", "[", Qt.Key_BracketLeft), key("rbr", "]", Qt.Key_BracketRight),
             key("bslash", "\\", Qt.Key_Backslash, 1.5)]),
        [key("caps", "Caps", Qt.Key_CapsLock, 1.75)].concat(letters("ASDFGHJKL"),
            [key("semi", ";", Qt.Key_Semicolon), key("quote", "'", Qt.Key_Apostrophe),
             key("enter", "Enter ↵", Qt.Key_Return, 2.25)]),
        [key("lshift", "Shift", Qt.Key_Shift, 2.25)].concat(letters("ZXCVBNM"),
            [key("comma", ",", Qt.Key_Comma), key("dot", ".", Qt.Key_Period), key("slash", "/", Qt.Key_Slash),
             key("rshift", "Shift", Qt.Key_Shift, 2.75)]),
        [key("lctrl", "Ctrl", Qt.Key_Control, 1.5), key("lwin", "Win", Qt.Key_Meta, 1.25),
         key("lalt", "Alt", Qt.Key_Alt, 1.25), key("space", "Space", Qt.Key_Space, 6.25),
         key("ralt", "Alt", Qt.Key_Alt, 1.25), key("rwin", "Win", Qt.Key_Meta, 1.25),
         key("menu", "≣", Qt.Key_Menu, 1.25), key("rctrl", "Ctrl", Qt.Key_Control, 1.5)]
    ]
}

var rows = buildRows()
var arrows = [key("up", "↑", Qt.Key_Up), key("left", "←", Qt.Key_Left), key("down", "↓", Qt.Key_Down),
              key("right", "→", Qt.Key_Right)]

function totalKeys() {
    return rows.reduce(function (n, row) { return n + row.length }, 0) + arrows.length
}

// The key an event lights: an exact scan match first, then the arrows, then the code alone.
function match(code, scan) {
    var r, i
    for (r = 0; r < rows.length; ++r)
        for (i = 0; i < rows[r].length; ++i) {
            var k = rows[r][i]
            if (k.code === code && (k.scan === undefined || k.scan.indexOf(scan) >= 0))
                return k.id
        }
    for (i = 0; i < arrows.length; ++i)
        if (arrows[i].code === code)
            return arrows[i].id
    for (r = 0; r < rows.length; ++r)
        for (i = 0; i < rows[r].length; ++i)
            if (rows[r][i].code === code)
                return rows[r][i].id
    return ""
}

// A press marks the key held and, the first time, tested; the state maps are replaced, not changed.
function pressed(state, code, scan, autoRepeat) {
    var id = match(code, scan)
    if (id === "")
        return state
    var active = Object.assign({}, state.activeIds)
    active[id] = true
    var out = { tested: state.tested, activeIds: active, testedCount: state.testedCount }
    if (!autoRepeat && !state.tested[id]) {
        out.tested = Object.assign({}, state.tested)
        out.tested[id] = true
        out.testedCount = state.testedCount + 1
    }
    return out
}

function released(state, code, scan, autoRepeat) {
    var id = match(code, scan)
    if (autoRepeat || id === "" || !state.activeIds[id])
        return state
    var active = Object.assign({}, state.activeIds)
    delete active[id]
    return { tested: state.tested, activeIds: active, testedCount: state.testedCount }
}

function emptyState() {
    return { tested: {}, activeIds: {}, testedCount: 0 }
}
