#include "app/maximizefilter.h"

#include <QByteArray>

#include <windows.h>

TaskbarAwareMaximizeFilter *TaskbarAwareMaximizeFilter::instance()
{
    static TaskbarAwareMaximizeFilter filter;
    return &filter;
}

bool TaskbarAwareMaximizeFilter::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (eventType != "windows_generic_MSG" || !message)
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_GETMINMAXINFO)
        return false;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromWindow(msg->hwnd, MONITOR_DEFAULTTONEAREST), &info))
        return false;
    auto *minMax = reinterpret_cast<MINMAXINFO *>(msg->lParam);
    const RECT &work = info.rcWork;
    const RECT &monitor = info.rcMonitor;
    minMax->ptMaxPosition.x = work.left - monitor.left;
    minMax->ptMaxPosition.y = work.top - monitor.top;
    minMax->ptMaxSize.x = work.right - work.left;
    minMax->ptMaxSize.y = work.bottom - work.top;
    minMax->ptMaxTrackSize = minMax->ptMaxSize;
    return false;
}
