#include "app/commandline.h"
#include "app/helptext.h"

#include <algorithm>

namespace {

const QStringList kAllFormats = {QStringLiteral("pdf"), QStringLiteral("html"), QStringLiteral("json"),
                                 QStringLiteral("csv")};

const QStringList kPhases = {QStringLiteral("hw"), QStringLiteral("cpuBench"), QStringLiteral("cpuStress"),
                             QStringLiteral("gpuBench"), QStringLiteral("gpuStress")};

constexpr int kLongestStress = 24 * 60 * 60;

enum class Takes { Nothing, Value, OptionalValue };

struct Option {
    const char *name;
    Takes takes;
    bool qt = false; // the GUI application object's own; passed on to it untouched
};

constexpr Option kOptions[] = {
    {"--help", Takes::Nothing},
    {"-h", Takes::Nothing},
    {"--version", Takes::Nothing},
    {"--export", Takes::OptionalValue},
    {"--output", Takes::Value},
    {"--benchmark", Takes::Nothing},
    {"--stress", Takes::Value},
    {"--record-profile", Takes::Value},
    {"--inspect", Takes::OptionalValue},
    {"--screenshots", Takes::Value},
    {"-platform", Takes::Value, true},
    {"-platformpluginpath", Takes::Value, true},
    {"-platformtheme", Takes::Value, true},
    {"-plugin", Takes::Value, true},
    {"-qwindowgeometry", Takes::Value, true},
    {"-qwindowicon", Takes::Value, true},
    {"-qwindowtitle", Takes::Value, true},
    {"-qmljsdebugger", Takes::Value, true},
    {"-style", Takes::Value, true},
    {"-display", Takes::Value, true},
    {"-session", Takes::Value, true},
    {"-reverse", Takes::Nothing, true},
};

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

const Option *findOption(const QString &name)
{
    for (const Option &option : kOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// An argument that looks like an option is never taken as a value, so "--export --output x"
// exports the default format and a forgotten value is reported rather than swallowing a flag.
bool looksLikeOption(const QString &arg)
{
    return arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
}

bool applyOption(CommandLine &line, const QString &name, const QString *value)
{
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        line.help = true;
    } else if (name == QLatin1String("--version")) {
        line.version = true;
    } else if (name == QLatin1String("--benchmark")) {
        line.benchmark = true;
    } else if (name == QLatin1String("--record-profile")) {
        line.recordProfile = value ? *value : QString();
        if (line.recordProfile.isEmpty())
            line.error = QStringLiteral("--record-profile needs a file name");
    } else if (name == QLatin1String("--output")) {
        line.outputFolder = value ? *value : QString();
        if (line.outputFolder.isEmpty())
            line.error = QStringLiteral("--output needs a folder");
    } else if (name == QLatin1String("--screenshots")) {
        line.screenshotsDir = value ? *value : QString();
        if (line.screenshotsDir.isEmpty())
            line.error = QStringLiteral("--screenshots needs a folder");
    } else if (name == QLatin1String("--stress")) {
        bool number = false;
        line.stressSeconds = value ? value->toInt(&number) : 0;
        if (!number || line.stressSeconds < 1 || line.stressSeconds > kLongestStress)
            line.error =
                QStringLiteral("--stress needs a number of seconds from 1 to %1").arg(kLongestStress);
    } else if (name == QLatin1String("--inspect")) {
        line.inspect = true;
        if (!value)
            line.inspectPhases = kPhases;
        else if (!parsePhases(*value, line.inspectPhases))
            line.error =
                QStringLiteral("--inspect takes a comma list of ") + kPhases.join(QStringLiteral(", "));
    } else if (name == QLatin1String("--export")) {
        if (line.exportMode)
            return true; // the first occurrence decides
        line.exportMode = true;
        const QString format = value && !value->isEmpty() ? value->toLower() : QStringLiteral("pdf");
        line.formats = format == QLatin1String("all") ? kAllFormats : QStringList{format};
    }
    return line.error.isEmpty();
}

} // namespace

CommandLine parseCommandLine(const QStringList &args)
{
    CommandLine line;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const int equals = looksLikeOption(arg) ? arg.indexOf(QLatin1Char('=')) : -1;
        const QString name = equals > 0 ? arg.left(equals) : arg;
        const Option *option = findOption(name);
        if (!option) {
            line.error = looksLikeOption(arg) ? QStringLiteral("unknown option %1").arg(name)
                                              : QStringLiteral("unexpected argument %1").arg(arg);
            return line;
        }
        QString value;
        bool hasValue = false;
        if (equals > 0) {
            if (option->takes == Takes::Nothing) {
                line.error = QStringLiteral("%1 takes no value").arg(name);
                return line;
            }
            value = arg.mid(equals + 1);
            hasValue = true;
        } else if (option->takes != Takes::Nothing && i + 1 < args.size() &&
                   !looksLikeOption(args.at(i + 1))) {
            value = args.at(++i);
            hasValue = true;
        }
        if (!applyOption(line, name, hasValue ? &value : nullptr))
            return line;
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
