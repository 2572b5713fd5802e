#include "app/startuplog.h"

// The root of the current drive.
QString fallbackStartupLogFolder()
{
    return QStringLiteral("/Kelvaro");
}
