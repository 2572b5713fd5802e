#pragma once

#include <QString>

// The start-up log: one line per milestone, framework message or crash, appended across runs.
// It does not need the application object.

// Picks the folder from the environment (LOCALAPPDATA, then TEMP, then TMP; when all are empty,
// the per-user state folder on Linux and "/Kelvaro" at the drive root on Windows), creates it and
// returns folder + "/startup.log".
QString startupLogPath();
// The folder when none of those is set (startuplog_posix.cpp, startuplog_win.cpp).
QString fallbackStartupLogFolder();

// Fixes the process-wide path; appendStartupLog writes nothing until it is set.
void setStartupLogPath(const QString &path);
QString currentStartupLogPath();

// Appends "yyyy-MM-dd HH:mm:ss.zzz  message"; any failure drops the line silently.
void appendStartupLog(const QString &message);

// Copies every framework message into the log as "[Qt/LEVEL] text".
void installStartupLogMessageHandler();
QString levelWord(QtMsgType type);
