#pragma once

#include "app/TResult.h"
#include "tags/TTagPresetFields.h"

#include <QString>
#include <QStringList>

// Tag preset files: "<name>.xml" in "presets/Tags" below the program folder, each holding one
// set of templates. Errors come back as results; the tag editor shows them.
class TTagPresets {
public:
    // Lower case "presets": the settings presets live in "presets/Settings" beside it, and on
    // a case-sensitive file system two spellings would make two folders.
    static constexpr const char* SubFolder = "presets/Tags";

    explicit TTagPresets(const QString& programFolder);

    QString Folder() const { return folder_; }
    QString FileOf(const QString& name) const;
    // Names of the "*.xml" files of the folder without extension, ascending regardless of case.
    QStringList PresetNames() const;
    // Writes the preset `name`, replacing a file of that name. An empty name saves nothing and
    // is no error. A name that would leave the preset folder, or a failed write, is an error.
    TResult SavePreset(const QString& name, const QString& description, const QString& originator,
                       const QString& reference, const QString& ixml) const;
    // Puts the texts the preset `name` holds into `fields`; texts the file lacks leave their
    // field as it was. A missing file does nothing; an unreadable one is the error
    // "Error loading preset".
    TResult LoadPreset(const QString& name, TTagPresetFields& fields) const;

private:
    QString folder_;
};
