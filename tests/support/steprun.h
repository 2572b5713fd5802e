#pragma once

#include "hardware/profile/profilejson.h"
#include "hardware/profile/replaysource.h"
#include "hardware/windowscollector.h"
#include "testdata.h"

#include <memory>

// One collector step run against a source, with ROOT\CIMV2 opened as the collector opens it.
template <typename Step> auto runStep(platform::Source &source, Step step)
{
    WmiConnection cimv2(source);
    cimv2.open(QStringLiteral("ROOT\\CIMV2"));
    return step(CollectContext{source, cimv2});
}

// A recorded machine profile below tests/data; null (with the reason logged) when it does not load.
inline std::shared_ptr<ReplaySource> replayProfile(const QString &relative)
{
    ProfileParse parsed = readProfile(testDataPath(relative));
    if (!parsed.data) {
        qWarning("%s", qPrintable(parsed.error));
        return nullptr;
    }
    return std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data)));
}
