#pragma once

#include <QString>

class QCoreApplication;
struct CommandLine;
struct Controllers;

// The main window over the controllers, driven by --inspect and --screenshots when given, until
// it closes. Returns the exit code; -1 when the window could not be built.
int runWindow(QCoreApplication &app, Controllers &controllers, const CommandLine &commandLine,
              const QString &screenshotsDir);
