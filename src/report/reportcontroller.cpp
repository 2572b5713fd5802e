#include "report/reportcontroller.h"

#include "hardware/hardwarecontroller.h"
#include "interactive/displaycontroller.h"
#include "perf/perfcontroller.h"
#include "report/dataexports.h"
#include "report/exportfiles.h"
#include "report/filereveal.h"
#include "report/healthscore.h"
#include "report/htmlreport.h"
#include "report/newfile.h"
#include "report/stitching.h"

#include <QDir>

namespace {

const QStringList kFormats = {QStringLiteral("pdf"), QStringLiteral("html"), QStringLiteral("json"),
                              QStringLiteral("csv")};

} // namespace

ReportController::ReportController(HardwareController *hardware, PerfController *perf, QObject *parent)
    : QObject(parent), m_hardware(hardware), m_perf(perf),
      m_clock([] { return QDateTime::currentDateTime(); })
{
}

void ReportController::setDisplayController(DisplayController *display)
{
    m_display = display;
}

void ReportController::setExportFolder(const QString &folder)
{
    m_exportFolder = folder;
}

void ReportController::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

ReportInputs ReportController::inputs() const
{
    ReportInputs in;
    if (m_hardware)
        in.hardware = m_hardware->snapshot();
    if (m_perf) {
        in.benchmark = m_perf->benchmark();
        in.gpuResult = m_perf->gpuResult();
        in.stressMaxLoad = m_perf->stressMaxLoad();
    }
    if (m_display)
        in.screenTest = m_display->result();
    return in;
}

void ReportController::compute()
{
    ReportSummary summary = computeScore(inputs());
    summary.generatedAt = m_clock().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    m_summary = std::move(summary);
    m_ready = true;
    emit changed();
}

QString ReportController::html() const
{
    return reportHtml(m_summary, inputs());
}

QByteArray ReportController::json() const
{
    return reportJson(m_summary, inputs());
}

QString ReportController::csv() const
{
    return reportCsv(m_summary);
}

QByteArray ReportController::formatBytes(const QString &format) const
{
    if (format == QLatin1String("pdf"))
        return pdfBytes(reportHtml(m_summary, inputs(), HtmlUse::Print));
    if (format == QLatin1String("html"))
        return withSystemLineEnds(html().toUtf8());
    if (format == QLatin1String("json"))
        return json();
    return withSystemLineEnds(QByteArrayLiteral("\xEF\xBB\xBF") + csv().toUtf8());
}

QString ReportController::exportReport(const QString &format)
{
    return exportReportAt(format, m_clock());
}

QString ReportController::exportReportAt(const QString &format, const QDateTime &when)
{
    if (!m_ready)
        compute();
    const QString lower = format.toLower();
    NewFile written;
    if (kFormats.contains(lower)) {
        const QString folder = m_exportFolder.isEmpty() ? defaultExportFolder() : m_exportFolder;
        QDir().mkpath(folder);
        const QByteArray bytes = formatBytes(lower);
        if (bytes.isEmpty())
            written.error = QStringLiteral("nothing to write");
        else
            written = writeNewFile(folder, exportFileStem(when), lower, bytes);
        if (!written.error.isEmpty())
            written.error = QDir::toNativeSeparators(folder) + QStringLiteral(": ") + written.error;
    } else {
        written.error = QStringLiteral("unknown format");
    }
    m_lastExportError = written.error;
    if (written.path.isEmpty()) {
        emit exported(QString(), false);
        return {};
    }
    m_lastExport = QDir::toNativeSeparators(written.path);
    emit exported(m_lastExport, true);
    return m_lastExport;
}

void ReportController::revealInExplorer(const QString &path)
{
    revealInFileManager(path, this);
}

QString ReportController::toLocalPath(const QUrl &url) const
{
    if (url.isLocalFile())
        return QDir::toNativeSeparators(url.toLocalFile());
    return url.toString();
}

bool ReportController::stitchVertical(const QStringList &files, const QVariantList &yLogical,
                                      const QString &outFile, double viewportLogicalH, double contentLogicalH)
{
    return ::stitchVertical(files, yLogical, outFile, viewportLogicalH, contentLogicalH);
}
