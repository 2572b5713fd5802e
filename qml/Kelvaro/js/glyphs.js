.pragma library

// Line icons drawn on a 2D context. Coordinates are fractions of the glyph square (x0, y0, sz).
function draw(ctx, name, w, h, color, lineWidth) {
    var s = Math.min(w, h)
    var p = 0.16 * s
    var sz = s - 2 * p
    var x0 = (w - s) / 2 + p
    var y0 = (h - s) / 2 + p
    var g = {
        ctx: ctx, sz: sz,
        X: function(f) { return x0 + f * sz },
        Y: function(f) { return y0 + f * sz },
        cx: x0 + sz / 2, cy: y0 + sz / 2
    }
    ctx.reset()
    ctx.clearRect(0, 0, w, h)
    ctx.strokeStyle = color
    ctx.fillStyle = color
    ctx.lineWidth = lineWidth
    ctx.lineCap = "round"
    ctx.lineJoin = "round"
    var fn = shapes.hasOwnProperty(name) ? shapes[name] : fallback
    fn(g)
}

function box(g, fx, fy, fw, fh, r) {
    g.ctx.beginPath()
    g.ctx.roundedRect(g.X(fx), g.Y(fy), fw * g.sz, fh * g.sz, r === undefined ? 3 : r, r === undefined ? 3 : r)
    g.ctx.stroke()
}

function line(g, ax, ay, bx, by) {
    g.ctx.beginPath()
    g.ctx.moveTo(g.X(ax), g.Y(ay))
    g.ctx.lineTo(g.X(bx), g.Y(by))
    g.ctx.stroke()
}

function dot(g, fx, fy, r) {
    g.ctx.beginPath()
    g.ctx.arc(g.X(fx), g.Y(fy), r, 0, 2 * Math.PI)
    g.ctx.fill()
}

// pts: [x, y] pairs as fractions; x relative to the centre when rel is true.
function poly(g, pts, close, rel) {
    g.ctx.beginPath()
    for (var i = 0; i < pts.length; ++i) {
        var x = rel ? g.cx + pts[i][0] * g.sz : g.X(pts[i][0])
        var y = g.Y(pts[i][1])
        if (i === 0)
            g.ctx.moveTo(x, y)
        else
            g.ctx.lineTo(x, y)
    }
    if (close)
        g.ctx.closePath()
    g.ctx.stroke()
}

function fallback(g) {
    g.ctx.beginPath()
    g.ctx.arc(g.cx, g.cy, 0.32 * g.sz, 0, 2 * Math.PI)
    g.ctx.stroke()
}

function screen(g) {
    box(g, 0.08, 0.16, 0.84, 0.56)
    line(g, 0.5, 0.72, 0.5, 0.88)
    line(g, 0.34, 0.88, 0.66, 0.88)
}

var shapes = {
    speed: function(g) {
        var c = g.ctx, oy = g.cy + 0.12 * g.sz
        c.beginPath()
        c.arc(g.cx, oy, 0.42 * g.sz, Math.PI, 2 * Math.PI)
        c.stroke()
        c.beginPath()
        c.moveTo(g.cx, oy)
        c.lineTo(g.cx + 0.22 * g.sz, oy - 0.18 * g.sz)
        c.stroke()
    },
    developer_board: function(g) {
        box(g, 0.16, 0.16, 0.5, 0.5)
        var ys = [0.26, 0.42, 0.58]
        for (var i = 0; i < 3; ++i) {
            line(g, 0.66, ys[i], 0.84, ys[i])
            line(g, 0.16, ys[i], 0.16, ys[i])
        }
    },
    memory: function(g) {
        box(g, 0.12, 0.28, 0.76, 0.44)
        var xs = [0.24, 0.42, 0.60, 0.78]
        for (var i = 0; i < 4; ++i) {
            line(g, xs[i], 0.12, xs[i], 0.28)
            line(g, xs[i], 0.72, xs[i], 0.88)
        }
    },
    storage: function(g) {
        box(g, 0.1, 0.2, 0.8, 0.24)
        box(g, 0.1, 0.54, 0.8, 0.24)
        dot(g, 0.74, 0.32, 1.4)
        dot(g, 0.74, 0.66, 1.4)
    },
    battery: function(g) {
        box(g, 0.08, 0.28, 0.74, 0.44)
        line(g, 0.86, 0.42, 0.86, 0.58)
        g.ctx.fillRect(g.X(0.16), g.Y(0.36), 0.4 * g.sz, 0.28 * g.sz)
    },
    tv: screen,
    monitor: screen,
    keyboard: function(g) {
        box(g, 0.06, 0.28, 0.88, 0.46)
        for (var k = 0; k < 4; ++k) {
            dot(g, 0.2 + 0.2 * k, 0.42, 1.2)
            dot(g, 0.2 + 0.2 * k, 0.58, 1.2)
        }
    },
    camera: function(g) {
        box(g, 0.08, 0.26, 0.84, 0.5)
        g.ctx.beginPath()
        g.ctx.arc(g.cx, g.cy + 0.01 * g.sz, 0.14 * g.sz, 0, 2 * Math.PI)
        g.ctx.stroke()
    },
    mic: function(g) {
        var c = g.ctx, r = 0.12 * g.sz
        c.beginPath()
        c.arc(g.cx, g.Y(0.30), r, Math.PI, 2 * Math.PI)
        c.lineTo(g.cx + r, g.Y(0.46))
        c.arc(g.cx, g.Y(0.46), r, 0, Math.PI)
        c.closePath()
        c.stroke()
        c.beginPath()
        c.arc(g.cx, g.Y(0.46), 0.24 * g.sz, 0.15 * Math.PI, 0.85 * Math.PI)
        c.stroke()
        line(g, 0.5, 0.70, 0.5, 0.86)
        line(g, 0.34, 0.86, 0.66, 0.86)
    },
    wifi: function(g) {
        var c = g.ctx, oy = g.Y(0.78)
        var radii = [0.18, 0.34, 0.50]
        for (var i = 0; i < 3; ++i) {
            c.beginPath()
            c.arc(g.cx, oy, radii[i] * g.sz, 1.25 * Math.PI, 1.75 * Math.PI)
            c.stroke()
        }
        c.beginPath()
        c.arc(g.cx, oy, 1.6, 0, 2 * Math.PI)
        c.fill()
    },
    lan: function(g) {
        box(g, 0.36, 0.06, 0.28, 0.18, 2)
        line(g, 0.5, 0.24, 0.5, 0.46)
        line(g, 0.18, 0.46, 0.82, 0.46)
        var xs = [0.18, 0.50, 0.82]
        for (var i = 0; i < 3; ++i) {
            line(g, xs[i], 0.46, xs[i], 0.66)
            box(g, xs[i] - 0.12, 0.66, 0.24, 0.16, 2)
        }
    },
    bluetooth: function(g) {
        poly(g, [[-0.16, 0.30], [0.16, 0.70], [0, 0.84], [0, 0.12], [0.16, 0.30], [-0.16, 0.70]], false, true)
    },
    bolt: function(g) {
        poly(g, [[0.08, 0.08], [-0.18, 0.54], [0, 0.54], [-0.06, 0.9], [0.22, 0.46], [0.02, 0.46]], true, true)
    },
    description: function(g) {
        box(g, 0.2, 0.08, 0.6, 0.84)
        line(g, 0.32, 0.34, 0.68, 0.34)
        line(g, 0.32, 0.50, 0.68, 0.50)
        line(g, 0.32, 0.66, 0.68, 0.66)
    },
    download: function(g) {
        line(g, 0.5, 0.10, 0.5, 0.58)
        poly(g, [[0.34, 0.40], [0.5, 0.60], [0.66, 0.40]])
        poly(g, [[0.14, 0.74], [0.14, 0.86], [0.86, 0.86], [0.86, 0.74]])
    },
    rocket: function(g) {
        var c = g.ctx
        c.beginPath()
        c.moveTo(g.cx, g.Y(0.08))
        c.bezierCurveTo(g.X(0.76), g.Y(0.24), g.X(0.64), g.Y(0.56), g.X(0.6), g.Y(0.72))
        c.lineTo(g.X(0.4), g.Y(0.72))
        c.bezierCurveTo(g.X(0.36), g.Y(0.56), g.X(0.24), g.Y(0.24), g.cx, g.Y(0.08))
        c.stroke()
        c.beginPath()
        c.arc(g.cx, g.Y(0.40), 0.09 * g.sz, 0, 2 * Math.PI)
        c.stroke()
        poly(g, [[0.39, 0.58], [0.28, 0.82], [0.4, 0.72]])
        poly(g, [[0.61, 0.58], [0.72, 0.82], [0.6, 0.72]])
    },
    check_circle: function(g) {
        g.ctx.beginPath()
        g.ctx.arc(g.cx, g.cy, 0.40 * g.sz, 0, 2 * Math.PI)
        g.ctx.stroke()
        poly(g, [[-0.18, 0.52], [-0.04, 0.66], [0.20, 0.34]], false, true)
    },
    warning: function(g) {
        poly(g, [[0.5, 0.12], [0.92, 0.84], [0.08, 0.84]], true)
        line(g, 0.5, 0.38, 0.5, 0.62)
        dot(g, 0.5, 0.74, 1.4)
    },
    refresh: function(g) {
        var c = g.ctx, r = 0.34 * g.sz, end = 1.75 * Math.PI
        c.beginPath()
        c.arc(g.cx, g.cy, r, 0.30 * Math.PI, end)
        c.stroke()
        var ex = g.cx + r * Math.cos(end), ey = g.cy + r * Math.sin(end)
        c.beginPath()
        c.moveTo(ex - 0.2 * g.sz, ey)
        c.lineTo(ex, ey)
        c.lineTo(ex, ey + 0.2 * g.sz)
        c.stroke()
    },
    tune: function(g) {
        var ys = [0.26, 0.50, 0.74], ks = [0.34, 0.66, 0.34]
        for (var i = 0; i < 3; ++i) {
            line(g, 0.12, ys[i], 0.88, ys[i])
            dot(g, ks[i], ys[i], 0.08 * g.sz)
        }
    },
    image: function(g) {
        box(g, 0.1, 0.16, 0.8, 0.68)
        g.ctx.beginPath()
        g.ctx.arc(g.X(0.32), g.Y(0.36), 0.07 * g.sz, 0, 2 * Math.PI)
        g.ctx.stroke()
        poly(g, [[0.14, 0.78], [0.40, 0.50], [0.58, 0.66], [0.72, 0.52], [0.86, 0.70]])
    },
    delete: function(g) {
        line(g, 0.18, 0.26, 0.82, 0.26)
        poly(g, [[0.4, 0.26], [0.4, 0.14], [0.6, 0.14], [0.6, 0.26]])
        poly(g, [[0.26, 0.26], [0.32, 0.84], [0.68, 0.84], [0.74, 0.26]])
        line(g, 0.44, 0.38, 0.44, 0.72)
        line(g, 0.56, 0.38, 0.56, 0.72)
    }
}

var names = Object.keys(shapes)
