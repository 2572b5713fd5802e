#include "platform/linux/power_status.h"

#include "platform/linux/linux_source.h"

#include <cstdlib>

namespace platform::linuxbackend {

namespace {

// Firmware and drivers do report nonsense; beyond this no battery value is believable.
bool plausible(const std::optional<long long> &value)
{
    return value && std::llabs(*value) < 10'000'000'000'000LL;
}

// Charge in percent over all system batteries; nullopt when no battery tells it.
std::optional<long long> chargePercent(const std::vector<const PowerSupply *> &batteries)
{
    long long now = 0, full = 0, capacitySum = 0;
    int withEnergy = 0, withCapacity = 0;
    for (const PowerSupply *b : batteries) {
        const bool byEnergy = plausible(b->energyNow) && plausible(b->energyFull);
        const auto n = byEnergy ? b->energyNow : b->chargeNow;
        const auto f = byEnergy ? b->energyFull : b->chargeFull;
        if (plausible(n) && plausible(f) && *f > 0 && *n >= 0) {
            now += *n;
            full += *f;
            ++withEnergy;
        }
        if (b->capacity && *b->capacity >= 0 && *b->capacity <= 100) {
            capacitySum += *b->capacity;
            ++withCapacity;
        }
    }
    if (withCapacity == static_cast<int>(batteries.size()))
        return capacitySum / withCapacity;
    if (withEnergy == static_cast<int>(batteries.size()))
        return std::min<long long>(100, now * 100 / full);
    return std::nullopt;
}

// Seconds left on battery; nullopt when no battery gives enough to work it out.
std::optional<long long> secondsLeft(const std::vector<const PowerSupply *> &batteries)
{
    long long total = 0;
    for (const PowerSupply *b : batteries) {
        if (plausible(b->timeToEmptyNow) && *b->timeToEmptyNow > 0) {
            total += *b->timeToEmptyNow;
        } else if (plausible(b->energyNow) && plausible(b->powerNow) && *b->powerNow != 0) {
            total += *b->energyNow * 3600 / std::llabs(*b->powerNow);
        } else if (plausible(b->chargeNow) && plausible(b->currentNow) && *b->currentNow != 0) {
            total += *b->chargeNow * 3600 / std::llabs(*b->currentNow);
        } else if (b->status == "Discharging") {
            return std::nullopt;
        }
    }
    if (total <= 0 || total >= PowerStatus::kUnknownLifeTime)
        return std::nullopt;
    return total;
}

} // namespace

PowerStatus derivePowerStatus(const std::vector<PowerSupply> &supplies)
{
    std::vector<const PowerSupply *> batteries;
    for (const auto &supply : supplies) {
        if (isSystemBattery(supply))
            batteries.push_back(&supply);
    }

    PowerStatus status;
    if (batteries.empty()) {
        // Without a battery the running machine can only be on external power.
        status.acLineStatus = PowerStatus::kAcOnline;
        status.batteryFlag = PowerStatus::kNoSystemBattery;
        return status;
    }

    bool charging = false, discharging = false, onExternal = false;
    for (const PowerSupply *b : batteries) {
        charging = charging || b->status == "Charging";
        discharging = discharging || b->status == "Discharging";
        onExternal = onExternal || b->status == "Full" || b->status == "Not charging";
    }
    if (const auto external = externalPowerOnline(supplies))
        status.acLineStatus = *external ? PowerStatus::kAcOnline : PowerStatus::kAcOffline;
    else if (discharging)
        status.acLineStatus = PowerStatus::kAcOffline;
    else if (charging || onExternal)
        status.acLineStatus = PowerStatus::kAcOnline;

    const auto percent = chargePercent(batteries);
    if (!percent) {
        status.batteryFlag = charging ? PowerStatus::kCharging : PowerStatus::kUnknown;
    } else {
        std::uint8_t flag = 0;
        if (*percent > 66)
            flag |= PowerStatus::kHigh;
        if (*percent < 33)
            flag |= PowerStatus::kLow;
        if (*percent < 5)
            flag |= PowerStatus::kCritical;
        if (charging)
            flag |= PowerStatus::kCharging;
        status.batteryFlag = flag;
    }
    if (status.acLineStatus == PowerStatus::kAcOffline) {
        if (const auto seconds = secondsLeft(batteries))
            status.batteryLifeTime = static_cast<std::uint32_t>(*seconds);
    }
    return status;
}

std::optional<PowerStatus> LinuxSource::powerStatus()
{
    return derivePowerStatus(readPowerSupplies(root()));
}

} // namespace platform::linuxbackend
