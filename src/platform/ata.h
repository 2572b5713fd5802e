#pragma once

// ATA commands as the drive transports send them, and the strings drives report. Shared by the
// Windows and Linux transports and by the page parser, so the byte layouts live in one place.

#include "platform/source.h"

#include <array>
#include <cstdint>
#include <string>

namespace platform::ata {

constexpr std::size_t kSectorBytes = 512;

// The task-file registers of one command that reads one 512-byte sector from the drive.
struct Command {
    std::uint8_t features = 0;
    std::uint8_t count = 1;
    std::uint8_t lbaLow = 0;
    std::uint8_t lbaMid = 0;
    std::uint8_t lbaHigh = 0;
    std::uint8_t device = 0xA0;
    std::uint8_t command = 0;
};

Command identifyDevice();
Command smartReadData();

// SCSI ATA PASS-THROUGH command blocks for a PIO data-in transfer of `count` sectors.
std::array<std::uint8_t, 16> passThrough16(const Command &command);
std::array<std::uint8_t, 12> passThrough12(const Command &command);

// An IDENTIFY string: `words` words from `firstWord`, each giving its high byte then its low byte,
// through text::latin1ControlsAsSpacesTrimmed (drives pad with spaces or zeros). Empty when the page
// is too short.
std::string identifyString(const Page &identify, std::size_t firstWord, std::size_t words);

} // namespace platform::ata
