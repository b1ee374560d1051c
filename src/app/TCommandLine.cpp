#include "app/TCommandLine.h"

#include <QFileInfo>

namespace {
// The project's own version, handed in by the build.
const char* const versionText = "Trackmoth " TRACKMOTH_VERSION;

// Qt's options that take the next argument as their value.
QStringList QtOptionsWithValue() {
    return {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
            "-qwindowicon", "-qwindowtitle", "-style", "-stylesheet", "-session", "-display",
            "-geometry", "-title", "-name", "-qmljsdebugger"};
}
} // namespace

QString TCommandLine::Usage(const QString& program) {
    return QString("Usage: %1 [OPTION]... [FILE OR FOLDER]...\n").arg(program);
}

TCommandLine TCommandLine::Parse(const QStringList& arguments, bool qtOptionsRemoved) {
    TCommandLine line;
    const QString program = arguments.isEmpty() ? QString("trackmoth")
                                                : QFileInfo(arguments.first()).fileName();
    bool optionsEnded = false;
    bool skipQtValue = false;
    for (const QString& argument : arguments.mid(1)) {
        if (skipQtValue) {
            skipQtValue = false;
        } else if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            line.Paths.append(argument);
        } else if (!qtOptionsRemoved && !argument.startsWith("--") && argument != "-h") {
            // Qt's own; the application object takes it and its value out.
            skipQtValue = QtOptionsWithValue().contains(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            line.Action = EAction::PrintHelp;
            line.Text = Usage(program) +
                        "Imports audio CDs into named, tagged WAV or MP3 files, and renames and tags\n"
                        "audio files in batches. A file or folder given opens its folder in the\n"
                        "rename/tag mode; a copy already running is brought to the front instead.\n"
                        "\n"
                        "  -h, --help            print this help and exit\n"
                        "      --version         print the version and exit\n"
                        "      --quit-after-start  start, print where the program keeps its files,\n"
                        "                        and close again\n";
            line.ExitStatus = 0;
            return line;
        } else if (argument == "--version") {
            line.Action = EAction::PrintVersion;
            line.Text = QString(versionText) + "\n";
            line.ExitStatus = 0;
            return line;
        } else if (argument == "--quit-after-start") {
            line.QuitAfterStart = true;
        } else {
            line.Action = EAction::UsageError;
            line.Text = QString("%1: unknown option '%2'\n").arg(program, argument) + Usage(program) +
                        QString("Try '%1 --help' for more information.\n").arg(program);
            line.ExitStatus = 2;
            return line;
        }
    }
    return line;
}
