#pragma once

#include <QString>
#include <QStringList>

// The folder of the program's own files: settings, presets, histories and caches.
// It is the executable's folder when that is writable, else the per-user application data
// folder, so a settings file is never lost to a read-only install folder.
class TProgramFolder {
public:
    // Resolves the folder for the running executable and creates it when needed; at the first
    // start in the per-user folder it takes over what the install folder holds (see below).
    static QString Resolve();
    // The rule itself: `executableFolder` when writable, else `fallbackFolder`.
    static QString Choose(const QString& executableFolder, const QString& fallbackFolder);
    // Where disc images are looked for: "discs" of the program folder, then "discs" beside the
    // executable when that is another folder (images shipped with a read-only install).
    static QStringList DiscFolders(const QString& programFolder, const QString& executableFolder);
    // When `programFolder` has no "LastSettings.xml" yet, copies the settings, the histories and
    // the presets that `installFolder` holds into it, replacing nothing: a program that used to
    // run from a folder that is now read-only keeps its settings.
    static void AdoptInstallFiles(const QString& installFolder, const QString& programFolder);
};
