#pragma once

#include "app/TfMainForm.h"
#include "common/TTestDir.h"

// Picks `folder` in the main window's folder tree the way the settings' last folder does,
// which lists its sound files in rename/tag mode.
inline void PickFolderInWindow(TfMainForm& form, const TTestDir& scratch, const QString& folder) {
    form.LoadSettings(scratch.Write("pick.xml", "<Trackmothsettings><Renamer><LastFolder>" +
                                                    folder.toUtf8() +
                                                    "</LastFolder></Renamer></Trackmothsettings>"));
}
