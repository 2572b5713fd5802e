#pragma once

#include <QString>
#include <QStringList>

class QObject;

// Opens the system's file manager with the file selected (or at least its folder shown).
// Nothing happens for an empty path; the outcome is not reported.
void revealInFileManager(const QString &path, QObject *context);

// The arguments that make explorer.exe select a file.
QStringList explorerSelectArguments(const QString &path);
