#pragma once

#include "app/headlessexport.h"

class PerfController;

// The CPU benchmark, as the window's full inspection runs it after the scan.
HeadlessPhase benchmarkPhase(PerfController &perf, int boundMs = 120000);

// A CPU stress test of the given length; given up a while after it should have ended.
HeadlessPhase stressPhase(PerfController &perf, int seconds);
