#include "platform/linux/linux_source.h"

#include "platform/linux/wmi_classes.h"
#include "platform/wql.h"

namespace platform {

std::unique_ptr<Source> makeLiveSource()
{
    return std::make_unique<linuxbackend::LinuxSource>(linuxbackend::SysRoot::fromEnvironment());
}

namespace linuxbackend {

namespace {

class LinuxWmiService final : public WmiService {
public:
    LinuxWmiService(const SysRoot &root, std::string nameSpace)
        : root_(root), nameSpace_(std::move(nameSpace))
    {
    }

    Rows query(const std::string &wql) override
    {
        const auto parsed = parseWql(wql);
        if (!parsed)
            return {};
        for (const auto &cls : wmiClasses()) {
            if (!equalsIgnoreCase(cls.nameSpace, nameSpace_) ||
                !equalsIgnoreCase(cls.className, parsed->className))
                continue;
            Rows rows;
            for (const auto &row : cls.provide(root_))
                rows.push_back(applySelect(row, *parsed));
            return rows;
        }
        return {};
    }

private:
    const SysRoot &root_;
    std::string nameSpace_;
};

} // namespace

LinuxSource::LinuxSource(SysRoot root) : root_(std::move(root)) {}

std::unique_ptr<WmiService> LinuxSource::openWmi(const std::string &nameSpace)
{
    // A namespace exists when some class in it is answered on Linux.
    for (const auto &cls : wmiClasses()) {
        if (equalsIgnoreCase(cls.nameSpace, nameSpace))
            return std::make_unique<LinuxWmiService>(root_, nameSpace);
    }
    return nullptr;
}

} // namespace linuxbackend
} // namespace platform
