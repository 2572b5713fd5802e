#include "app/commandline.h"

namespace {

const QStringList kAllFormats = {QStringLiteral("pdf"), QStringLiteral("html"), QStringLiteral("json"),
                                 QStringLiteral("csv")};

bool isOption(const QString &arg)
{
    return arg == QLatin1String("--export") || arg == QLatin1String("--record-profile") ||
           arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("--version");
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
            if (i + 1 >= args.size() || isOption(args.at(i + 1))) {
                line.error = QStringLiteral("--record-profile needs a file name");
                return line;
            }
            line.recordProfile = args.at(++i);
        } else if (arg == QLatin1String("--export") && !line.exportMode) {
            line.exportMode = true;
            // The next argument is the format unless it is another of our options.
            const bool hasFormat = i + 1 < args.size() && !isOption(args.at(i + 1));
            const QString format = hasFormat ? args.at(++i).toLower() : QStringLiteral("pdf");
            line.formats = format == QLatin1String("all") ? kAllFormats : QStringList{format};
        }
    }
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
        "  --record-profile FILE    No window: scan once and save what the system answered as a\n"
        "                           machine profile (replay it with KELVARO_PROFILE).\n"
        "  --version                Print the version and exit.\n"
        "  -h, --help               Print this help and exit.\n"
        "\n"
        "Environment:\n"
        "  KELVARO_PROFILE=FILE     Answer every hardware question from a recorded machine profile.\n"
        "  KELVARO_SYSROOT=DIR      Linux: read /sys, /proc and /etc below DIR instead of /.\n"
        "  KELVARO_UPDATE_URL=URL   Address of the update manifest.\n"
        "  LOCALAPPDATA, TEMP, TMP  The first one set holds the log folder Kelvaro/.\n"
        "\n"
        "Log: <folder>/Kelvaro/startup.log; on Linux, when none of the three is set,\n"
        "$XDG_STATE_HOME/Kelvaro/startup.log (default ~/.local/state/Kelvaro/startup.log).\n");
}
