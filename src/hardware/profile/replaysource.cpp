#include "hardware/profile/replaysource.h"

#include "platform/wql.h"

namespace {

class ReplayWmiService final : public platform::WmiService {
public:
    explicit ReplayWmiService(const std::map<std::string, platform::Rows> &classes) : m_classes(classes) {}

    platform::Rows query(const std::string &wql) override
    {
        const auto parsed = platform::parseWql(wql);
        if (!parsed)
            return {};
        for (const auto &[name, rows] : m_classes) {
            if (!platform::equalsIgnoreCase(name, parsed->className))
                continue;
            platform::Rows result;
            result.reserve(rows.size());
            for (const auto &row : rows)
                result.push_back(platform::applySelect(row, *parsed));
            return result;
        }
        return {};
    }

private:
    const std::map<std::string, platform::Rows> &m_classes;
};

} // namespace

ReplaySource::ReplaySource(std::shared_ptr<const ProfileData> data) : m_data(std::move(data)) {}

std::unique_ptr<platform::WmiService> ReplaySource::openWmi(const std::string &nameSpace)
{
    for (const auto &[name, classes] : m_data->wmi) {
        if (platform::equalsIgnoreCase(name, nameSpace))
            return std::make_unique<ReplayWmiService>(classes);
    }
    return nullptr;
}

std::optional<platform::CpuidRegisters> ReplaySource::cpuid(std::uint32_t leaf,
                                                            std::optional<std::uint32_t> subLeaf)
{
    const auto it = m_data->cpuid.find(cpuidKey(leaf, subLeaf));
    if (it == m_data->cpuid.end())
        return std::nullopt;
    return it->second;
}

platform::DrivePages ReplaySource::readDrive(int index)
{
    const auto it = m_data->drives.find(index);
    if (it == m_data->drives.end())
        return {};
    return it->second;
}
