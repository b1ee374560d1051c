#pragma once

#include <QString>

// The folder of the program's own files: settings, presets, histories and caches.
// It is the executable's folder when that is writable, else the per-user application data
// folder, so a settings file is never lost to a read-only install folder.
class TProgramFolder {
public:
    // Resolves the folder for the running executable and creates it when needed.
    static QString Resolve();
    // The rule itself: `executableFolder` when writable, else `fallbackFolder`.
    static QString Choose(const QString& executableFolder, const QString& fallbackFolder);
};
