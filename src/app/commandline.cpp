#include "app/commandline.h"
#include "app/helptext.h"

namespace {

const QStringList kAllFormats = {QStringLiteral("pdf"), QStringLiteral("html"), QStringLiteral("json"),
                                 QStringLiteral("csv")};

constexpr int kLongestStress = 24 * 60 * 60;

bool isOption(const QString &arg)
{
    return arg == QLatin1String("--export") || arg == QLatin1String("--record-profile") ||
           arg == QLatin1String("--output") || arg == QLatin1String("--benchmark") ||
           arg == QLatin1String("--stress") || arg == QLatin1String("--help") || arg == QLatin1String("-h") ||
           arg == QLatin1String("--version");
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
    return line;
}

QString helpText()
{
    return QString::fromUtf8(kHelpText);
}
