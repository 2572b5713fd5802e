#pragma once

// Ends the process at once after flushing the standard output: for runs where work may hang in
// a driver call, so that nothing waits for its thread.
[[noreturn]] void exitWithoutWaiting(int code);

// The 60 s guard fired: the scan may be stuck in a driver call. Logs it and ends with 2.
[[noreturn]] void endAfterScanTimeout();
