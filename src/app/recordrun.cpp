#include "app/recordrun.h"

#include "app/hardexit.h"
#include "app/headlessexport.h"
#include "hardware/hardwarecontroller.h"
#include "hardware/profile/profilejson.h"
#include "hardware/profile/recordingsource.h"

#include <QTextStream>

#include <cstdio>

int runProfileRecording(const std::shared_ptr<RecordingSource> &recorder, const QString &path)
{
    // Recording is one scan and nothing else, so no other controller is built.
    HardwareController hardware;
    QTextStream out(stdout);
    const HeadlessReport report{[&recorder]() {
                                    // The sampler's questions too, so that a replayed machine answers them.
                                    recorder->processorTimes();
                                    recorder->memoryStatus();
                                    if (auto wmi = recorder->openWmi("ROOT\\WMI"))
                                        wmi->query(
                                            "SELECT CurrentTemperature FROM MSAcpi_ThermalZoneTemperature");
                                },
                                [&recorder, &path](const QString &) {
                                    QString error;
                                    if (!writeProfile(path, recorder->recorded(), &error)) {
                                        QTextStream(stderr) << "kelvaro: " << error << Qt::endl;
                                        return QString();
                                    }
                                    return path;
                                }};
    const int code = runHeadlessExport(hardware, report, {QStringLiteral("profile")}, out);
    if (code == 2)
        endAfterScanTimeout();
    return code;
}
