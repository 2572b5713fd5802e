import QtQuick 2.15
import "../js/screenshots.js" as Shots

// Saves every tab as an image, one tab at a time: show it, let it paint, grab it. A page taller
// than its viewport is grabbed in slices that the report controller stitches.
QtObject {
    id: exp
    property var report
    property var sections: []
    property bool blocked: false            // an inspection is running
    property var pageAt: function(index) { return null }
    property bool busy: false
    property string status: ""
    property bool ok: false
    property string dir: ""
    signal showTab(int index)
    signal imageDone(string path, string fileName, bool saved)
    signal finished(int saved, int count)

    property var _indices: []
    property int _pos: 0
    property int _saved: 0
    property var _area: null
    property var _positions: []
    property var _files: []
    property int _slice: 0
    property string _target: ""
    property string _fileName: ""
    property real _viewportH: 0
    property real _contentH: 0
    property int _grabSerial: 0
    property int _waits: 0

    property Timer shotTimer: Timer { interval: 380; onTriggered: exp._grabPage() }
    property Timer sliceTimer: Timer { interval: 150; onTriggered: exp._grabSlice() }
    // A grab whose result never arrives (window not exposed) must not stop the export.
    property Timer grabGuard: Timer { interval: 10000; onTriggered: exp._pageDone(false) }

    function exportAll(localDir) {
        if (busy || blocked || !localDir)
            return false
        dir = localDir
        ok = false
        var all = []
        for (var i = 0; i < sections.length; ++i)
            all.push(i)
        _indices = all
        _pos = 0
        _saved = 0
        busy = true
        status = Shots.progressText(0, all.length)
        _step()
        return true
    }

    function _step() {
        if (_pos >= _indices.length) {
            busy = false
            ok = _saved > 0
            status = Shots.finishText(_saved, _indices.length, dir)
            finished(_saved, _indices.length)
            return
        }
        showTab(_indices[_pos])
        shotTimer.restart()
    }

    function _grabPage() {
        var index = _indices[_pos]
        _fileName = Shots.fileName(_pos, sections[index].key)
        _target = dir + "/" + _fileName
        var page = pageAt(index)
        if (!page && _waits < 10) {
            ++_waits // a page built in the background may not be there yet
            shotTimer.restart()
            return
        }
        _waits = 0
        if (!page) {
            _pageDone(false)
            return
        }
        var area = Shots.findScrollable(page)
        if (Shots.needsSlices(area)) {
            _area = area
            _viewportH = area.height
            _contentH = area.contentHeight
            _positions = Shots.slicePositions(_contentH, _viewportH)
            _files = []
            _slice = 0
            _nextSlice()
            return
        }
        _grab(page, _target, function(saved) { exp._pageDone(saved) })
    }

    // Calls done(saved) once; a grab that cannot start counts as not saved.
    function _grab(item, path, done) {
        var serial = ++_grabSerial
        grabGuard.restart()
        var started = item.grabToImage(function(result) {
            if (serial !== exp._grabSerial)
                return
            exp.grabGuard.stop()
            done(result.saveToFile(path))
        })
        if (!started) {
            ++_grabSerial
            grabGuard.stop()
            done(false)
        }
    }

    function _nextSlice() {
        if (_slice >= _positions.length) {
            _area.contentY = 0
            _pageDone(report.stitchVertical(_files, _positions, _target, _viewportH, _contentH))
            return
        }
        _area.contentY = _positions[_slice]
        sliceTimer.restart()
    }

    function _grabSlice() {
        var path = dir + "/" + Shots.sliceName(_slice)
        _grab(pageAt(_indices[_pos]), path, function(saved) {
            if (saved)
                exp._files = exp._files.concat([path])
            ++exp._slice
            exp._nextSlice()
        })
    }

    function _pageDone(saved) {
        grabGuard.stop()
        ++_grabSerial // a late result of an abandoned grab is ignored
        if (saved)
            ++_saved
        imageDone(_target, _fileName, saved)
        ++_pos
        status = Shots.progressText(_saved, _indices.length)
        _step()
    }
}
