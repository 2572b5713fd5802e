#include "hardware/storagelog.h"

Q_LOGGING_CATEGORY(lcStorage, "kelvaro.storage")
