#include "app/windowplatform.h"

#include "app/maximizefilter.h"

#include <QCoreApplication>

bool displayReachable(const QStringList &)
{
    return true; // the desktop is always there
}

void installWindowFilters(QCoreApplication &app)
{
    app.installNativeEventFilter(TaskbarAwareMaximizeFilter::instance());
}
