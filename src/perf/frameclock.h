#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <QQuickItem>

#include <atomic>
#include <mutex>

class QQuickWindow;

// Ticks once per presented frame of its window while running, so that animations and frame
// counts follow real presentation. Draws nothing.
class FrameClock : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(bool running READ running WRITE setRunning NOTIFY runningChanged)
    Q_PROPERTY(double elapsedTime READ elapsedTime NOTIFY elapsedTimeChanged)

public:
    explicit FrameClock(QQuickItem *parent = nullptr);

    bool running() const { return m_running; }
    void setRunning(bool running);
    // Milliseconds since running last became true, taken at the last presented frame.
    double elapsedTime() const { return m_elapsedTime; }

signals:
    void runningChanged();
    void elapsedTimeChanged();
    void triggered();

protected:
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private slots:
    // Runs on the thread that swaps the window's frames (the render thread when there is one).
    void onFrameSwapped();

private:
    void attach();
    void detach();

    std::atomic<bool> m_running{false};
    std::atomic<double> m_elapsedTime{0};
    // The clock and the window are read on the render thread while the GUI thread may restart
    // the clock or move the item to another window.
    std::mutex m_lock;
    QElapsedTimer m_clock;
    QPointer<QQuickWindow> m_window;
    QMetaObject::Connection m_frameConnection;
};
