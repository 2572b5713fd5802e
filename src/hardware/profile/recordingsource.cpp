#include "hardware/profile/recordingsource.h"

#include "platform/wql.h"

namespace {

// Queries of one class with different select lists are merged row by row, so that the
// replayed class answers each of them as the live one did.
void mergeRows(platform::Rows &into, const platform::Rows &rows)
{
    if (into.size() < rows.size())
        into.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const auto &[name, value] : rows[i])
            into[i][name] = value;
    }
}

class RecordingWmiService final : public platform::WmiService {
public:
    RecordingWmiService(std::unique_ptr<platform::WmiService> inner,
                        std::map<std::string, platform::Rows> &classes)
        : m_inner(std::move(inner)), m_classes(classes)
    {
    }

    platform::Rows query(const std::string &wql) override
    {
        platform::Rows rows = m_inner->query(wql);
        if (const auto parsed = platform::parseWql(wql)) {
            auto it = m_classes.begin();
            while (it != m_classes.end() && !platform::equalsIgnoreCase(it->first, parsed->className))
                ++it;
            if (it == m_classes.end())
                it = m_classes.emplace(parsed->className, platform::Rows{}).first;
            mergeRows(it->second, rows);
        }
        return rows;
    }

private:
    std::unique_ptr<platform::WmiService> m_inner;
    std::map<std::string, platform::Rows> &m_classes;
};

} // namespace

RecordingSource::RecordingSource(std::shared_ptr<platform::Source> inner) : m_inner(std::move(inner)) {}

std::unique_ptr<platform::WmiService> RecordingSource::openWmi(const std::string &nameSpace)
{
    auto inner = m_inner->openWmi(nameSpace);
    if (!inner)
        return nullptr;
    auto it = m_data.wmi.begin();
    while (it != m_data.wmi.end() && !platform::equalsIgnoreCase(it->first, nameSpace))
        ++it;
    if (it == m_data.wmi.end())
        it = m_data.wmi.emplace(nameSpace, std::map<std::string, platform::Rows>{}).first;
    return std::make_unique<RecordingWmiService>(std::move(inner), it->second);
}

std::optional<platform::PowerStatus> RecordingSource::powerStatus()
{
    return m_data.powerStatus = m_inner->powerStatus();
}

std::optional<std::uint32_t> RecordingSource::firmwareType()
{
    return m_data.firmwareType = m_inner->firmwareType();
}

std::optional<std::uint32_t> RecordingSource::secureBootEnabled()
{
    return m_data.secureBoot = m_inner->secureBootEnabled();
}

std::optional<platform::CpuidRegisters> RecordingSource::cpuid(std::uint32_t leaf,
                                                               std::optional<std::uint32_t> subLeaf)
{
    auto registers = m_inner->cpuid(leaf, subLeaf);
    if (registers)
        m_data.cpuid[cpuidKey(leaf, subLeaf)] = *registers;
    return registers;
}

std::vector<platform::GraphicsAdapter> RecordingSource::graphicsAdapters()
{
    return m_data.graphicsAdapters = m_inner->graphicsAdapters();
}

std::vector<platform::DisplayDevice> RecordingSource::displayDevices()
{
    return m_data.displayDevices = m_inner->displayDevices();
}

std::vector<platform::NetworkAdapter> RecordingSource::networkAdapters()
{
    return m_data.networkAdapters = m_inner->networkAdapters();
}

std::vector<platform::WlanInterface> RecordingSource::wlanInterfaces()
{
    return m_data.wlanInterfaces = m_inner->wlanInterfaces();
}

std::optional<platform::Bluetooth> RecordingSource::bluetooth()
{
    return m_data.bluetooth = m_inner->bluetooth();
}

platform::DrivePages RecordingSource::readDrive(int index)
{
    platform::DrivePages pages = m_inner->readDrive(index);
    if (pages.opened)
        m_data.drives[index] = pages;
    return pages;
}

std::optional<std::vector<platform::ProcessorTimes>> RecordingSource::processorTimes()
{
    return m_data.processorTimes = m_inner->processorTimes();
}

std::optional<platform::MemoryStatus> RecordingSource::memoryStatus()
{
    return m_data.memoryStatus = m_inner->memoryStatus();
}
