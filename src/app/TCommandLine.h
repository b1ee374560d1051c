#pragma once

#include <QString>
#include <QStringList>

// What the program was asked on its command line. Read before any window exists, so that
// `--help` and `--version` work without a display, as every command-line program's do.
class TCommandLine {
public:
    enum class EAction { Run, PrintHelp, PrintVersion, UsageError };

    // `arguments` as given, the program's own name first. Qt takes options of one dash of its
    // own ("-platform offscreen", "-style"): before the application object exists they are
    // skipped with what follows them; afterwards (`qtOptionsRemoved`) one left is unknown.
    static TCommandLine Parse(const QStringList& arguments, bool qtOptionsRemoved = false);

    EAction Action = EAction::Run;
    // Files and folders to open ("Open with", a file manager), as given.
    QStringList Paths;
    // Start, print where the program keeps its files, close again: for install checks.
    bool QuitAfterStart = false;
    // For PrintHelp, PrintVersion and UsageError: what to print (UsageError: to standard error).
    QString Text;
    // The process's exit status for the actions that print: 0, or 2 for a usage error.
    int ExitStatus = 0;

    static QString Usage(const QString& program);
};
