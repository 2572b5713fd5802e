#include "app/commandline.h"
#include "app/helptext.h"

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
    return QString::fromUtf8(kHelpText);
}

QStringList inspectionPhases()
{
    return kPhases;
}
