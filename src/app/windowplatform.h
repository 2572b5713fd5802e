#pragma once

#include <QStringList>

class QCoreApplication;

// What starting the window needs from the system it runs on.

// False when the window would have no display server to open on. A platform named on the command
// line (-platform offscreen) or in the environment counts as the user's choice.
bool displayReachable(const QStringList &args);

// Native event filters the window needs on this system.
void installWindowFilters(QCoreApplication &app);
