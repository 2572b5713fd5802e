#include "perf/frameclock.h"

#include <QQuickWindow>

FrameClock::FrameClock(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents, false);
}

void FrameClock::setRunning(bool running)
{
    if (running == m_running)
        return;
    if (running) {
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_clock.restart();
        }
        m_elapsedTime = 0;
        m_running = true;
        emit elapsedTimeChanged();
        attach();
        if (m_window)
            m_window->update();
    } else {
        m_running = false;
        detach();
    }
    emit runningChanged();
}

void FrameClock::attach()
{
    if (!m_window) {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_window = window();
    }
    if (m_window && !m_frameConnection)
        m_frameConnection = connect(m_window.data(), &QQuickWindow::frameSwapped, this,
                                    &FrameClock::onFrameSwapped, Qt::DirectConnection);
}

void FrameClock::detach()
{
    if (m_frameConnection)
        disconnect(m_frameConnection);
    m_frameConnection = {};
}

void FrameClock::onFrameSwapped()
{
    if (!m_running)
        return;
    QQuickWindow *window = nullptr;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_elapsedTime = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        window = m_window;
    }
    emit elapsedTimeChanged();
    emit triggered();
    // Ask for the next frame at once, so the scene renders continuously while the clock runs.
    if (window)
        window->update();
}

void FrameClock::itemChange(ItemChange change, const ItemChangeData &value)
{
    if (change == ItemSceneChange) {
        detach();
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_window = value.window;
        }
        if (m_running) {
            attach();
            // A window with nothing else to draw would never present the first frame.
            if (m_window)
                m_window->update();
        }
    }
    QQuickItem::itemChange(change, value);
}
