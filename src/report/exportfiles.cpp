#include "report/exportfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

// The HTML sizes its text in pixels; the writer's default 1200 dpi would make them specks.
constexpr int kPdfResolution = 96;

} // namespace

QString exportFileName(const QString &format, const QDateTime &when)
{
    return QStringLiteral("Kelvaro_BaoCao_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
           QLatin1Char('.') + format.toLower();
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

bool writeWholeFile(const QString &path, const QByteArray &bytes, bool textMode)
{
    QSaveFile file(path);
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Truncate;
    if (textMode)
        mode |= QIODevice::Text;
    if (!file.open(mode))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writePdfFile(const QString &path, const QString &html)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    {
        QPdfWriter writer(&file);
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
    // Nothing written means the painter never started.
    if (file.size() == 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
