#pragma once

#include <QString>

#include <memory>

class RecordingSource;

// --record-profile: one scan through the recorder, then the machine profile written to path.
// Exit codes as the headless export's; a scan past its guard ends the process at once.
int runProfileRecording(const std::shared_ptr<RecordingSource> &recorder, const QString &path);
