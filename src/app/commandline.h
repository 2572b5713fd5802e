#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. Anything the program does not know is an error, found
// before any scan starts; only Qt's own window options are passed on to the application object.
struct CommandLine {
    bool help = false;
    bool version = false;
    bool exportMode = false;
    QStringList formats;       // lower-cased, in export order
    QString recordProfile;     // --record-profile <file>
    QString outputFolder;      // --output <dir>: where the exports go
    bool benchmark = false;    // --benchmark: the CPU benchmark after the scan
    int stressSeconds = 0;     // --stress <seconds>: then a CPU stress test; 0 for none
    bool inspect = false;      // --inspect [PHASES]: the window starts the full inspection at once
    QStringList inspectPhases; // the phases it runs, by their names in the window
    QString screenshotsDir;    // --screenshots <dir>: the window saves every tab there and exits
    QString error;             // a malformed command line; the process prints it and ends with 2
};

// args include the program path, as the application's argument list does. Every option that
// takes a value also accepts it as --name=value.
CommandLine parseCommandLine(const QStringList &args);

QString helpText();

// The phases of the window's full inspection, in the order it runs them.
QStringList inspectionPhases();
