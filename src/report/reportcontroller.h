#pragma once

#include "report/reportdata.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantList>

#include <functional>

class DisplayController;
class HardwareController;
class PerfController;

// The health score over the latest snapshot and test results, and the report exports.
class ReportController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int overall READ overall NOTIFY changed)
    Q_PROPERTY(QString grade READ grade NOTIFY changed)
    Q_PROPERTY(QString gradeColor READ gradeColor NOTIFY changed)
    Q_PROPERTY(QVariantList categories READ categories NOTIFY changed)
    Q_PROPERTY(QString generatedAt READ generatedAt NOTIFY changed)
    Q_PROPERTY(bool ready READ ready NOTIFY changed)
    Q_PROPERTY(QString lastExport READ lastExport NOTIFY exported)

public:
    using Clock = std::function<QDateTime()>;

    ReportController(HardwareController *hardware, PerfController *perf, QObject *parent = nullptr);

    // The screen test's controller; null leaves the screen block out.
    void setDisplayController(DisplayController *display);
    // Exports go here instead of the Desktop; created when missing. Empty restores the default.
    void setExportFolder(const QString &folder);
    // Tests fix the time of the computation and of the file names.
    void setClock(Clock clock);

    int overall() const { return m_summary.overall; }
    QString grade() const { return m_summary.grade; }
    QString gradeColor() const { return m_summary.gradeColor; }
    QVariantList categories() const { return m_summary.categories; }
    QString generatedAt() const { return m_summary.generatedAt; }
    bool ready() const { return m_ready; }
    QString lastExport() const { return m_lastExport; }

    // The renderings of the current score and the live maps.
    QString html() const;
    QByteArray json() const;
    QString csv() const;

    Q_INVOKABLE void compute();
    // pdf, html, json or csv in any letter case; the written path, empty on failure.
    Q_INVOKABLE QString exportReport(const QString &format);
    // The same with the time that names the file, so that the files of one run share it.
    QString exportReportAt(const QString &format, const QDateTime &when);
    // Why the last export failed; empty after a success.
    QString lastExportError() const { return m_lastExportError; }
    Q_INVOKABLE void revealInExplorer(const QString &path);
    Q_INVOKABLE QString toLocalPath(const QUrl &url) const;
    Q_INVOKABLE bool stitchVertical(const QStringList &files, const QVariantList &yLogical,
                                    const QString &outFile, double viewportLogicalH, double contentLogicalH);

signals:
    void changed();
    void exported(const QString &path, bool ok);

private:
    ReportInputs inputs() const;
    QByteArray formatBytes(const QString &format) const;

    QPointer<HardwareController> m_hardware;
    QPointer<PerfController> m_perf;
    QPointer<DisplayController> m_display;
    QString m_exportFolder;
    Clock m_clock;

    ReportSummary m_summary;
    bool m_ready = false;
    QString m_lastExport;
    QString m_lastExportError;
};
