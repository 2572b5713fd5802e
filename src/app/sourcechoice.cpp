#include "app/sourcechoice.h"

#include "app/startuplog.h"
#include "hardware/activesource.h"
#include "hardware/profile/profilejson.h"
#include "hardware/profile/replaysource.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

void refuseSource(const QString &error)
{
    QTextStream(stderr) << "kelvaro: " << error << Qt::endl;
    appendStartupLog(QStringLiteral("source refused: ") + error);
}

} // namespace

bool chooseSource()
{
    const QString sysRoot = qEnvironmentVariable("KELVARO_SYSROOT");
    if (!sysRoot.isEmpty() && !QFileInfo(sysRoot).isDir()) {
        refuseSource(QStringLiteral("%1: KELVARO_SYSROOT is not a folder").arg(sysRoot));
        return false;
    }
    const QString profilePath = qEnvironmentVariable("KELVARO_PROFILE");
    if (profilePath.isEmpty())
        return true;
    ProfileParse parsed = readProfile(profilePath);
    if (!parsed.data) {
        refuseSource(parsed.error);
        return false;
    }
    appendStartupLog(QStringLiteral("replaying profile ") + profilePath);
    setActiveSource(
        std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data))));
    return true;
}
