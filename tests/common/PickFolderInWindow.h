#pragma once

#include "app/TfMainForm.h"
#include "common/TTestDir.h"

#include <QTest>

// Waits until the folder the window lists on its worker has arrived in the list.
inline bool WaitForFolderListed(TfMainForm& form, int timeoutMs = 20000) {
    return QTest::qWaitFor([&form] { return !form.ListingFolder(); }, timeoutMs);
}

// Picks `folder` in the main window's folder tree the way the settings' last folder does,
// which lists its sound files in rename/tag mode, and waits for the list.
inline void PickFolderInWindow(TfMainForm& form, const TTestDir& scratch, const QString& folder) {
    form.LoadSettings(scratch.Write("pick.xml", "<Trackmothsettings><Renamer><LastFolder>" +
                                                    folder.toUtf8() +
                                                    "</LastFolder></Renamer></Trackmothsettings>"));
    WaitForFolderListed(form);
}
