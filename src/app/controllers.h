#pragma once

#include "app/appcontroller.h"
#include "hardware/hardwarecontroller.h"
#include "interactive/audiocontroller.h"
#include "interactive/displaycontroller.h"
#include "laptop/laptopcontroller.h"
#include "perf/perfcontroller.h"
#include "report/reportcontroller.h"
#include "update/updatecontroller.h"

// Every controller of a run with the window or of a headless export, built in the order they
// refer to each other.
struct Controllers {
    Controllers() { report.setDisplayController(&display); }

    AppController app;
    HardwareController hardware;
    AudioController audio;
    PerfController perf;
    ReportController report{&hardware, &perf};
    UpdateController update;
    LaptopController laptop{&hardware};
    DisplayController display;
};
