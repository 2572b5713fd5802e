#include "platform/ata.h"

#include "platform/text.h"

namespace platform::ata {

namespace {

constexpr std::uint8_t kPioDataIn = 4 << 1;
// T_DIR from the device, BYT_BLOK in blocks, T_LENGTH in the sector count field.
constexpr std::uint8_t kTransferFlags = 0x0E;

} // namespace

Command identifyDevice()
{
    Command c;
    c.command = 0xEC;
    return c;
}

Command smartReadData()
{
    Command c;
    c.features = 0xD0;
    c.lbaMid = 0x4F;
    c.lbaHigh = 0xC2;
    c.command = 0xB0;
    return c;
}

std::array<std::uint8_t, 16> passThrough16(const Command &command)
{
    std::array<std::uint8_t, 16> cdb{};
    cdb[0] = 0x85;
    cdb[1] = kPioDataIn;
    cdb[2] = kTransferFlags;
    cdb[4] = command.features;
    cdb[6] = command.count;
    cdb[8] = command.lbaLow;
    cdb[10] = command.lbaMid;
    cdb[12] = command.lbaHigh;
    cdb[13] = command.device;
    cdb[14] = command.command;
    return cdb;
}

std::array<std::uint8_t, 12> passThrough12(const Command &command)
{
    std::array<std::uint8_t, 12> cdb{};
    cdb[0] = 0xA1;
    cdb[1] = kPioDataIn;
    cdb[2] = kTransferFlags;
    cdb[3] = command.features;
    cdb[4] = command.count;
    cdb[5] = command.lbaLow;
    cdb[6] = command.lbaMid;
    cdb[7] = command.lbaHigh;
    cdb[8] = command.device;
    cdb[9] = command.command;
    return cdb;
}

std::string identifyString(const Page &identify, std::size_t firstWord, std::size_t words)
{
    if (identify.size() < (firstWord + words) * 2)
        return {};
    std::string raw;
    raw.reserve(words * 2);
    for (std::size_t w = firstWord; w < firstWord + words; ++w) {
        raw += static_cast<char>(identify[w * 2 + 1]);
        raw += static_cast<char>(identify[w * 2]);
    }
    return text::latin1ControlsAsSpacesTrimmed(raw);
}

} // namespace platform::ata
