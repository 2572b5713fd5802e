#include "app/commandline.h"

#include <algorithm>

namespace {

const QStringList kAllFormats = {QStringLiteral("pdf"), QStringLiteral("html"), QStringLiteral("json"),
                                 QStringLiteral("csv")};

const QStringList kPhases = {QStringLiteral("hw"), QStringLiteral("cpuBench"), QStringLiteral("cpuStress"),
                             QStringLiteral("gpuBench"), QStringLiteral("gpuStress")};

constexpr int kLongestStress = 24 * 60 * 60;

bool isOption(const QString &arg)
{
    return arg == QLatin1String("--export") || arg == QLatin1String("--record-profile") ||
           arg == QLatin1String("--output") || arg == QLatin1String("--benchmark") ||
           arg == QLatin1String("--stress") || arg == QLatin1String("--help") || arg == QLatin1String("-h") ||
           arg == QLatin1String("--version") || arg == QLatin1String("--inspect") ||
           arg == QLatin1String("--screenshots");
}

// "hw,cpuBench" → the phases named (any letter case); false for an unknown or empty name.
bool parsePhases(const QString &list, QStringList &phases)
{
    phases.clear();
    for (const QString &part : list.split(QLatin1Char(','))) {
        const QString name = part.trimmed();
        auto it = std::find_if(kPhases.begin(), kPhases.end(), [&name](const QString &p) {
            return p.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (it == kPhases.end())
            return false;
        if (!phases.contains(*it))
            phases << *it;
    }
    return true;
}

// The argument after an option, unless it is missing or another of our options.
bool takeValue(const QStringList &args, int &i, QString &value)
{
    if (i + 1 >= args.size() || isOption(args.at(i + 1)))
        return false;
    value = args.at(++i);
    return true;
}

} // namespace

CommandLine parseCommandLine(const QStringList &args)
{
    CommandLine line;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.help = true;
        } else if (arg == QLatin1String("--version")) {
            line.version = true;
        } else if (arg == QLatin1String("--record-profile")) {
            if (!takeValue(args, i, line.recordProfile)) {
                line.error = QStringLiteral("--record-profile needs a file name");
                return line;
            }
        } else if (arg == QLatin1String("--output")) {
            if (!takeValue(args, i, line.outputFolder) || line.outputFolder.isEmpty()) {
                line.error = QStringLiteral("--output needs a folder");
                return line;
            }
        } else if (arg == QLatin1String("--benchmark")) {
            line.benchmark = true;
        } else if (arg == QLatin1String("--stress")) {
            QString value;
            bool number = false;
            line.stressSeconds = takeValue(args, i, value) ? value.toInt(&number) : 0;
            if (!number || line.stressSeconds < 1 || line.stressSeconds > kLongestStress) {
                line.error =
                    QStringLiteral("--stress needs a number of seconds from 1 to %1").arg(kLongestStress);
                return line;
            }
        } else if (arg == QLatin1String("--inspect")) {
            line.inspect = true;
            // The phase list is optional; Qt's own options (-platform …) are not one.
            const bool hasList = i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1Char('-'));
            if (!hasList) {
                line.inspectPhases = kPhases;
            } else if (!parsePhases(args.at(++i), line.inspectPhases)) {
                line.error =
                    QStringLiteral("--inspect takes a comma list of ") + kPhases.join(QStringLiteral(", "));
                return line;
            }
        } else if (arg == QLatin1String("--screenshots")) {
            if (!takeValue(args, i, line.screenshotsDir) || line.screenshotsDir.isEmpty()) {
                line.error = QStringLiteral("--screenshots needs a folder");
                return line;
            }
        } else if (arg == QLatin1String("--export") && !line.exportMode) {
            line.exportMode = true;
            // The next argument is the format unless it is another of our options.
            const bool hasFormat = i + 1 < args.size() && !isOption(args.at(i + 1));
            const QString format = hasFormat ? args.at(++i).toLower() : QStringLiteral("pdf");
            line.formats = format == QLatin1String("all") ? kAllFormats : QStringList{format};
        }
    }
    const bool exportOptions = !line.outputFolder.isEmpty() || line.benchmark || line.stressSeconds > 0;
    if (exportOptions && !line.exportMode)
        line.error = QStringLiteral("--output, --benchmark and --stress go with --export");
    const bool windowOptions = line.inspect || !line.screenshotsDir.isEmpty();
    if (windowOptions && (line.exportMode || !line.recordProfile.isEmpty()))
        line.error =
            QStringLiteral("--inspect and --screenshots open the window; they do not go with --export "
                           "or --record-profile");
    return line;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: kelvaro [options]\n"
        "\n"
        "Inspects this PC or laptop: hardware inventory, drive health, performance, and a 0-100 score.\n"
        "Without options the window opens.\n"
        "\n"
        "Options:\n"
        "  --export [FORMAT]        No window: scan once, write the report and exit.\n"
        "                           FORMAT is pdf (default), html, json, csv or all (pdf, html, json, csv).\n"
        "                           Prints \"OK: <path>\" or \"FAILED: <format>\" per format.\n"
        "                           Exit code 0: all written, 1: a format failed, 2: the scan timed out.\n"
        "  --output DIR             With --export: write the files to DIR (created when missing)\n"
        "                           instead of the Desktop (else Documents, else the home folder).\n"
        "  --benchmark              With --export: run the CPU, memory and disk benchmark after the scan.\n"
        "  --stress SECONDS         With --export: then load every processor for SECONDS (1-86400).\n"
        "                           The score and the JSON tests include what these measured.\n"
        "  --inspect [PHASES]       Open the window and start the full inspection at once. PHASES is a\n"
        "                           comma list of hw, cpuBench, cpuStress, gpuBench, gpuStress (default "
        "all).\n"
        "  --screenshots DIR        Open the window, save every tab as an image in DIR (created when\n"
        "                           missing) once the inspection, if any, has ended, and exit.\n"
        "                           Prints \"OK: <path>\" or \"FAILED: <file name>\" per image.\n"
        "                           Exit code 0: all fourteen saved, 1: an image failed.\n"
        "  --record-profile FILE    No window: scan once and save what the system answered as a\n"
        "                           machine profile (replay it with KELVARO_PROFILE).\n"
        "  --version                Print the version and exit.\n"
        "  -h, --help               Print this help and exit.\n"
        "\n"
        "Environment:\n"
        "  KELVARO_PROFILE=FILE     Answer every hardware question from a recorded machine profile.\n"
        "  KELVARO_SYSROOT=DIR      Linux: read /sys, /proc and /etc below DIR instead of /.\n"
        "  LOCALAPPDATA, TEMP, TMP  The first one set holds the log folder Kelvaro/.\n"
        "\n"
        "Log: <folder>/Kelvaro/startup.log; on Linux, when none of the three is set,\n"
        "$XDG_STATE_HOME/Kelvaro/startup.log (default ~/.local/state/Kelvaro/startup.log).\n");
}

QStringList inspectionPhases()
{
    return kPhases;
}
