#include "report/filereveal.h"

#include <QProcess>

void revealInFileManager(const QString &path, QObject *)
{
    if (path.isEmpty())
        return;
    QProcess::startDetached(QStringLiteral("explorer.exe"), explorerSelectArguments(path));
}
