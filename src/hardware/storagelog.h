#pragma once

#include <QLoggingCategory>

// Per-disk diagnostics of the storage scan: what each drive answered, for the start-up log.
Q_DECLARE_LOGGING_CATEGORY(lcStorage)
