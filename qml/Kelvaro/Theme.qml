pragma Singleton
import QtQuick 2.15

// The dark palette, sizes and fonts every document uses.
QtObject {
    readonly property color bgBase: "#0B0E14"
    readonly property color bgSidebar: "#11151F"
    readonly property color bgSurface: "#161B26"
    readonly property color bgSurfaceAlt: "#1C2230"
    readonly property color bgElevated: "#222A3A"
    readonly property color stroke: "#2A3142"
    readonly property color strokeSoft: "#212838"

    readonly property color accent: "#3B82F6"
    readonly property color accentSoft: "#1D4ED8"
    readonly property color accentGlow: "#60A5FA"

    readonly property color good: "#22C55E"
    readonly property color warn: "#F59E0B"
    readonly property color bad: "#EF4444"
    readonly property color info: "#38BDF8"

    readonly property color textPrimary: "#F4F6FB"
    readonly property color textSecondary: "#9AA6BD"
    readonly property color textMuted: "#5C6678"

    readonly property int radiusSm: 8
    readonly property int radiusMd: 12
    readonly property int radiusLg: 18

    readonly property int spacingXs: 6
    readonly property int spacingSm: 10
    readonly property int spacingMd: 16
    readonly property int spacingLg: 24
    readonly property int spacingXl: 32

    // Where the face is missing (Linux), start-up maps it to one covering every Vietnamese letter.
    readonly property string fontFamily: "Segoe UI"
    readonly property int fontXs: 11
    readonly property int fontSm: 13
    readonly property int fontMd: 15
    readonly property int fontLg: 19
    readonly property int fontXl: 26
    readonly property int fontXxl: 40

    // good, warn, bad and info have colours of their own; every other level is muted.
    function levelColor(level) {
        switch (level) {
        case "good": return good
        case "warn": return warn
        case "bad": return bad
        case "info": return info
        }
        return textMuted
    }

    // c may be a colour or a colour name ("white").
    function alpha(c, a) {
        var q = Qt.lighter(c, 1.0)
        return Qt.rgba(q.r, q.g, q.b, a)
    }
}
