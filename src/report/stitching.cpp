#include "report/stitching.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Keeps the pixel height an int; QImage refuses anything near it anyway.
constexpr double kMaxCanvasHeight = 1 << 24;

} // namespace

int roundHalfUp(double value)
{
    const double rounded = std::floor(value + 0.5);
    if (std::isnan(rounded))
        return 0;
    const double limit = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(rounded, -limit, limit));
}

bool stitchVertical(const QStringList &files, const QVariantList &yLogical, const QString &outFile,
                    double viewportLogicalH, double contentLogicalH)
{
    if (files.isEmpty() || files.size() != yLogical.size() || !(viewportLogicalH > 0))
        return false;
    const QImage first(files.first());
    if (first.isNull())
        return false;

    const double scale = first.height() / viewportLogicalH;
    const double wanted = std::isfinite(scale * contentLogicalH) ? scale * contentLogicalH : 0;
    const int height = std::max(first.height(), roundHalfUp(std::min(wanted, kMaxCanvasHeight)));
    QImage canvas(first.width(), height, QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull())
        return false; // no memory for it: the slices stay for another try
    canvas.fill(Qt::transparent);

    {
        QPainter painter(&canvas);
        for (int i = 0; i < files.size(); ++i) {
            const QImage slice = i == 0 ? first : QImage(files[i]);
            if (slice.isNull())
                continue;
            painter.drawImage(0, roundHalfUp(yLogical[i].toDouble() * scale), slice);
        }
    }
    const bool saved = canvas.save(outFile, "PNG");
    for (const QString &file : files)
        QFile::remove(file);
    return saved;
}
