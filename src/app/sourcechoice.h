#pragma once

// KELVARO_PROFILE replaces the live system for the whole run; KELVARO_SYSROOT moves the Linux
// backend's root. False, with the reason on the standard error and in the log, when either names
// something unusable.
bool chooseSource();
