#pragma once

struct CommandLine;
struct Controllers;

// --export: the scan, the benchmark and stress test asked for, then every format into the output
// folder. Returns the headless export's exit code; ends the process at once where work may hang.
int runExport(Controllers &controllers, const CommandLine &commandLine);
