#pragma once

#include <QString>
#include <QStringList>

// The folder of the program's own files: settings, presets, histories and caches.
// It is the executable's folder when that is writable, else the per-user application data
// folder, so a settings file is never lost to a read-only install folder. An installed program
// (bin/trackmoth with share/trackmoth beside bin/) always uses the per-user folder: even where
// it may write into bin/ (as root, or in a prefix of the user's own), settings do not belong
// among the programs.
class TProgramFolder {
public:
    // Resolves the folder for the running executable and creates it when needed; at the first
    // start in the per-user folder it takes over what the install folder holds (see below).
    static QString Resolve();
    // The rule itself: `executableFolder` when writable and not an installed program's,
    // else `fallbackFolder`.
    static QString Choose(const QString& executableFolder, const QString& fallbackFolder);
    // The shipped files of an installed program (manual, demo disc): "../share/trackmoth"
    // from the executable's folder; empty when there is no such folder (a build folder).
    static QString SharedDataFolder(const QString& executableFolder);
    // Where a shipped file such as the manual is: beside the executable, else in the shared
    // data folder. When it is in neither, the path beside the executable, so that a message
    // names the place it was looked for first.
    static QString ShippedFile(const QString& executableFolder, const QString& name);
    // Where disc images are looked for: "discs" of the program folder, then "discs" beside the
    // executable when that is another folder (images shipped with a read-only install), then
    // "discs" of the shared data folder (the demo disc of an installed program).
    static QStringList DiscFolders(const QString& programFolder, const QString& executableFolder);
    // When `programFolder` has no "LastSettings.xml" yet, copies the settings, the histories and
    // the presets that `installFolder` holds into it, replacing nothing: a program that used to
    // run from a folder that is now read-only keeps its settings.
    static void AdoptInstallFiles(const QString& installFolder, const QString& programFolder);
};
