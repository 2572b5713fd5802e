#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTimer>

// Drives the main window from the command line: starts the full inspection, then saves every tab
// as an image once the inspection has ended, printing one line per image. The window is reached
// only through its QML interface (runScan, exportAllScreenshots, fullScanRunning, shotExporting,
// screenshotTaken, inspectionPhaseEnded), so that what is driven is what a person clicks. Each
// ended phase goes to the start-up log with its duration and whether the watchdog ended it.
class WindowDriver : public QObject {
    Q_OBJECT

public:
    struct Options {
        bool inspect = false;
        QStringList phases;          // the phases to enable; the others are off
        QString screenshotsDir;      // empty: no screenshots, the window stays open
        int imagesMarginMs = 180000; // the images' share of the deadline (tests shorten it)
    };

    WindowDriver(QObject *window, Options options, QTextStream &out, QObject *parent = nullptr);

    void start();

signals:
    // stuck: the deadline passed, so work may still hang in a pool thread.
    void finished(int exitCode, bool stuck);

private slots:
    void onRunningChanged();
    void onExportingChanged();
    void onShot(const QString &path, const QString &fileName, bool saved);
    void onPhaseEnded(const QString &phase, bool byWatchdog);
    void onDeadline();

private:
    bool running() const;
    void beginScreenshots();
    QStringList expectedFiles() const;

    QObject *m_window;
    Options m_options;
    QTextStream &m_out;
    QTimer m_deadline;
    QElapsedTimer m_phaseClock;
    bool m_inspecting = false;
    bool m_shooting = false;
    bool m_done = false;
    int m_saved = 0;
    QSet<QString> m_reported;
};
