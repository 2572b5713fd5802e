#include "report/exportfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

// The HTML sizes its text in pixels; the writer's default 1200 dpi would make them specks.
constexpr int kPdfResolution = 96;

} // namespace

QString exportFileStem(const QDateTime &when)
{
    return QStringLiteral("Kelvaro_BaoCao_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss"));
}

QString firstExistingFolder(const QStringList &candidates, const QString &fallback)
{
    for (const QString &folder : candidates) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return fallback;
}

QString defaultExportFolder()
{
    return firstExistingFolder({QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)},
                               QDir::homePath());
}

QByteArray withSystemLineEnds(QByteArray text)
{
#ifdef Q_OS_WIN
    text.replace("\r\n", "\n");
    text.replace("\n", "\r\n");
#endif
    return text;
}

QByteArray pdfBytes(const QString &html)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(14, 14, 14, 14), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Kelvaro — Báo cáo kiểm định"));
        writer.setCreator(QStringLiteral("Kelvaro"));

        QTextDocument document;
        document.setHtml(html);
        document.setPageSize(QSizeF(writer.width(), writer.height()));
        document.print(&writer);
    }
    return bytes;
}
