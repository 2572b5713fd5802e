#pragma once

#include "platform/source.h"

#include <memory>

// The platform source every scan and sample of this process asks: the live system, or a
// replayed profile chosen at start-up. Set before any controller exists; read-only afterwards.
std::shared_ptr<platform::Source> activeSource();
void setActiveSource(std::shared_ptr<platform::Source> source);
