#pragma once

#include "app/TSettingsSections.h"
#include "app/TSettingsValues.h"

#include <QString>

// The settings XML format: one element per value below the root "Trackmothsettings",
// grouped into the sections Options, Layout (with MainWindow), CDripper, Renamer and Shortcuts.
class TSettingsDocument {
public:
    enum ReadResult {
        Missing, // the file does not exist; nothing was read
        Read,    // every value found was read
        Failed,  // not XML, or a value that cannot be converted; the values before it were read
    };

    // The document for `values` with the chosen sections, as UTF-8 text.
    static QByteArray Compose(const TSettingsValues& values, TSettingsSections sections);
    // Writes the document to `fileName`, replacing it; throws EAppError with the system's
    // reason when the file cannot be written.
    static void Save(const QString& fileName, const TSettingsValues& values,
                     TSettingsSections sections);
    // Reads the values found in `text`, in the document's order, up to the first failure.
    static ReadResult Parse(const QByteArray& text, TSettingsValues& values);
    // Reads `fileName`; a file that does not exist gives Missing, one that cannot be opened
    // gives Failed.
    static ReadResult Load(const QString& fileName, TSettingsValues& values);
};
