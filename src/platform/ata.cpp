#include "platform/ata.h"

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

std::string deviceText(std::string_view raw)
{
    std::string text;
    text.reserve(raw.size());
    for (const char ch : raw) {
        const auto byte = static_cast<unsigned char>(ch);
        // Controls, the no-break space and the soft hyphen would print as nothing or break a line.
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0xA0) || byte == 0xAD) {
            text += ' ';
        } else if (byte < 0x80) {
            text += ch;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
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
    return deviceText(raw);
}

} // namespace platform::ata
