#pragma once

#include "hardware/smartreading.h"
#include "platform/source.h"

// Asks drive n for its own health pages and reads them; never fails. `ssdHint` is true when
// the storage classes already call the disk solid state.
SmartReading probeDrive(platform::Source &source, int drive, bool ssdHint);
