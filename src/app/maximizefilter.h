#pragma once

#include <QAbstractNativeEventFilter>

// Makes a maximised window fill the work area of its monitor, so that it never covers the
// taskbar. Acts on Windows messages only; one instance for the whole process.
class TaskbarAwareMaximizeFilter : public QAbstractNativeEventFilter {
public:
    static TaskbarAwareMaximizeFilter *instance();
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;
};
