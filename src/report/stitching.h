#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// Joins viewport screenshots of a long page into one PNG. yLogical holds each slice's scroll
// position in the page's logical units; the first slice's height over viewportLogicalH gives
// the device pixel ratio. Once the canvas exists the slice files are deleted, saved or not.
bool stitchVertical(const QStringList &files, const QVariantList &yLogical, const QString &outFile,
                    double viewportLogicalH, double contentLogicalH);

// floor(v + 0.5): halves round up, negative ones too.
int roundHalfUp(double value);
