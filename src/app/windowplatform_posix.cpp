#include "app/windowplatform.h"

#include <QCoreApplication>

#include <algorithm>

bool displayReachable(const QStringList &args)
{
    const bool platformChosen = std::any_of(args.begin(), args.end(), [](const QString &arg) {
        return arg == QLatin1String("-platform") || arg.startsWith(QLatin1String("-platform="));
    });
    return platformChosen || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void installWindowFilters(QCoreApplication &) {}
